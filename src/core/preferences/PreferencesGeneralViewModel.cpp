#include "preferences/PreferencesGeneralViewModel.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"

#include <algorithm>
#include <limits>

namespace {
QString flag(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}
} // namespace

PreferencesGeneralViewModel::PreferencesGeneralViewModel(Preferences& preferences, LoginItems& loginItems)
    : preferences(preferences), loginItems(loginItems)
{}

int PreferencesGeneralViewModel::leadingInteger(const QString& text, int minimum, int maximum)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 magnitude = 0;
    const qint64 limit = negative ? -qint64(minimum) : qint64(maximum);
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i) {
        magnitude = magnitude * 10 + (text.at(i).unicode() - '0');
        // Past the range it can only grow: stop before it can overflow.
        if (magnitude > std::max<qint64>(limit, 0))
            break;
    }
    return int(std::clamp<qint64>(negative ? -magnitude : magnitude, minimum, maximum));
}

void PreferencesGeneralViewModel::writeLength(const QString& key, int minutes, bool burst)
{
    const int seconds = std::clamp(minutes, lengthMinimum, stepperMaximum) * 60;
    // A drag or a held arrow passes many values on the way: the file gets the one it rests on.
    if (burst)
        preferences.setValueWhenSettled(key, seconds);
    else
        preferences.setValue(key, seconds);
}

void PreferencesGeneralViewModel::sliderMoved(const QString& key, int minutes)
{
    writeLength(key, minutes, true);
}

void PreferencesGeneralViewModel::stepperChanged(const QString& key, int minutes)
{
    track(UsageEvent::stepperAction, {{QStringLiteral("key"), key}});
    writeLength(key, minutes, true);
}

void PreferencesGeneralViewModel::valueTyped(const QString& key, const QString& text)
{
    track(UsageEvent::valueTextFieldAction, {{QStringLiteral("key"), key}});
    writeLength(key, leadingInteger(text, lengthMinimum, stepperMaximum), false);
}

void PreferencesGeneralViewModel::countStepperChanged(int count)
{
    preferences.setValueWhenSettled(DurationKey::countToLongBreak, std::clamp(count, 0, countMaximum));
}

void PreferencesGeneralViewModel::countTyped(const QString& text)
{
    track(UsageEvent::valueTextFieldAction, {{QStringLiteral("key"), DurationKey::countToLongBreak}});
    // The field takes any count the stepper cannot reach; it only has to fit an integer.
    preferences.setValue(DurationKey::countToLongBreak, leadingInteger(text, std::numeric_limits<int>::min(),
                                                                       std::numeric_limits<int>::max()));
}

void PreferencesGeneralViewModel::checkBoxClicked(PreferKey key, bool on)
{
    preferences.setValue(key, on);
    track(UsageEvent::prefCheckBoxTapped,
          {{QStringLiteral("key"), keyText(key)}, {QStringLiteral("value"), flag(on)}});
}

void PreferencesGeneralViewModel::countDownPieClicked(bool on)
{
    track(UsageEvent::tapCountDownPieButton, {{QStringLiteral("isOn"), flag(on)}});
    preferences.setValue(PreferKey::CountDownPieOnMenuBarEnabled, on);
}

void PreferencesGeneralViewModel::showBreakOptionsClicked(bool on)
{
    preferences.setValue(PreferKey::showBreakOptions, on);
}

void PreferencesGeneralViewModel::noCancellationClicked(bool on)
{
    preferences.setValue(PreferKey::noCancellationDuringTheBreak, on);
}

bool PreferencesGeneralViewModel::changeLaunchAtLogin(bool on)
{
    track(UsageEvent::tapLaunchAtLoginButton, {{QStringLiteral("isOn"), flag(on)}});
    if (UserDefaults::launchAtLogin(loginItems, on)) {
        LOG_INFO(QStringLiteral("Set launch at login result: true"));
        track(on ? UsageEvent::launchAtLoginEnabled : UsageEvent::launchAtLoginDisabled);
        preferences.setValue(PreferKey::LaunchAtLogin, on);
        return true;
    }
    track(UsageEvent::setLaunchAtLoginFailed);
    LOG_ERROR(QStringLiteral("Set launch at login result: false"));
    return false;
}
