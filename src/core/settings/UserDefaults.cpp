#include "settings/UserDefaults.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "presence/HoldChoices.h"
#include "settings/DataFolder.h"
#include "settings/LoginItems.h"
#include "settings/Preferences.h"
#include "timer/NotificationCenter.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace UserDefaults {

bool launchAtLogin(LoginItems& loginItems, bool enabled)
{
    if (loginItems.setEnabled(enabled)) {
        LOG_INFO(QStringLiteral("SMLoginItemSetEnabled successfully. enabled: ") +
                 (enabled ? QStringLiteral("true") : QStringLiteral("false")));
        return true;
    }
    LOG_ERROR(QStringLiteral("SMLoginItemSetEnabled failed."));
    return false;
}

void setupUserDefaultsValues(Preferences& preferences, LoginItems& loginItems)
{
    preferences.registerDefault(DurationKey::pomodoro, 1500);
    preferences.registerDefault(DurationKey::shortBreak, 300);
    preferences.registerDefault(DurationKey::longBreak, 900);
    preferences.registerDefault(DurationKey::countToLongBreak, 3);
    preferences.registerDefault(keyText(PreferKey::noCancellationDuringTheBreak), false);
    preferences.registerDefault(keyText(PreferKey::SoundEffect), true);
    preferences.registerDefault(keyText(PreferKey::QuotesType), 1);
    preferences.registerDefault(keyText(PreferKey::CountDownOnMenubarEnabled), true);
    preferences.registerDefault(keyText(PreferKey::AutoStartPomodoroEnabled), false);
    preferences.registerDefault(keyText(PreferKey::showBreakOptions), true);
    preferences.registerDefault(keyText(PreferKey::statsFilterOption), 1);
    preferences.registerDefault(AwayKey::enabled, true);
    preferences.registerDefault(AwayKey::threshold, 600);
    preferences.registerDefault(HoldKey::enabled, true);
    preferences.registerDefault(HoldKey::maximum, 1800);
    HoldChoices::registerDefaults(preferences);
    preferences.registerDefault(PauseKey::stopAfter, 3600);
    preferences.registerDefault(GoalKey::daily, 0);
    preferences.registerDefault(GoalKey::notify, true);
    preferences.registerDefault(keyText(PreferKey::Wallpaper), 1);
    preferences.registerDefault(keyText(PreferKey::TouchIDEnabled), true);
    preferences.registerDefault(keyText(PreferKey::PasscodeEnabled), false);
    preferences.registerDefault(keyText(PreferKey::PasscodeTimeOut), 0);
    preferences.registerDefault(keyText(PreferKey::Passcode), QString());
    preferences.registerDefault(keyText(PreferKey::CountDownPieOnMenuBarEnabled), true);
    preferences.registerDefault(keyText(PreferKey::LaunchAtLogin), true);
    for (const QString& key : {EndpointKey::unsplash, EndpointKey::quotes, EndpointKey::news, EndpointKey::update,
                               EndpointKey::apn})
        preferences.registerDefault(key, defaultEndpoint(key));

    const QString launchKey = keyText(PreferKey::LaunchAtLogin);
    if (preferences.hasPersistedValue(launchKey))
        return;
    if (!preferences.isFirstStart()) {
        // A file lost, damaged or written without the key is no first start: the user's
        // choice is unknown, so the switch shows what the desktop does and nothing changes.
        preferences.registerDefault(launchKey, loginItems.isEnabled());
        return;
    }
    if (launchAtLogin(loginItems, true)) {
        LOG_INFO(QStringLiteral("Auto set launch at login."));
        preferences.setValue(launchKey, true);
        preferences.synchronize();
    } else {
        LOG_ERROR(QStringLiteral("Failed to set launch at login by default."));
        track(UsageEvent::failedToSetLaunchAtLogin);
        preferences.registerDefault(launchKey, false);
    }
}

void tellAboutKeptAsidePreferences(const Preferences& preferences, NotificationCenter& notifications)
{
    if (preferences.keptAsidePath().isEmpty())
        return;
    notifications.postNotification(
        QCoreApplication::translate("Localizable", "Mirelo could not read its preferences"),
        QCoreApplication::translate("Localizable",
                                    "The file was kept as %1. Mirelo runs on its default settings for now "
                                    "and saves only the settings you change.")
            .arg(preferences.keptAsidePath()));
}

QStringList restorableKeys(PreferencesPane pane)
{
    switch (pane) {
    case PreferencesPane::general:
        return QStringList{DurationKey::pomodoro,
                DurationKey::shortBreak,
                DurationKey::longBreak,
                DurationKey::countToLongBreak,
                keyText(PreferKey::SoundEffect),
                keyText(PreferKey::CountDownOnMenubarEnabled),
                keyText(PreferKey::CountDownPieOnMenuBarEnabled),
                keyText(PreferKey::AutoStartPomodoroEnabled),
                keyText(PreferKey::showBreakOptions),
                keyText(PreferKey::noCancellationDuringTheBreak),
                AwayKey::enabled,
                AwayKey::threshold,
                HoldKey::enabled,
                HoldKey::maximum,
                PauseKey::stopAfter,
                GoalKey::daily,
                GoalKey::notify,
                SoundKey::pomodoroEnd,
                SoundKey::volumeOf(SoundKey::pomodoroEnd),
                SoundKey::breakEnd,
                SoundKey::volumeOf(SoundKey::breakEnd),
                SoundKey::lastMinute,
                SoundKey::volumeOf(SoundKey::lastMinute)} +
               HoldChoices::keys();
    case PreferencesPane::wallpaper:
        return {keyText(PreferKey::Wallpaper), keyText(PreferKey::QuotesType)};
    case PreferencesPane::advanced:
        return {keyText(PreferKey::PasscodeEnabled),    keyText(PreferKey::PasscodeTimeOut),
                keyText(PreferKey::TouchIDEnabled),     keyText(PreferKey::StartPomodoroShortcut),
                keyText(PreferKey::ShortBreakShortcut), PauseKey::shortcut};
    }
    return {};
}

void restoreDefaults(Preferences& preferences, PreferencesPane pane)
{
    LOG_INFO(QStringLiteral("Restoring defaults: ") + restorableKeys(pane).join(QStringLiteral(", ")));
    preferences.removeValues(restorableKeys(pane));
}

void storePasscode(Preferences& preferences, const QString& passcode)
{
    preferences.setValue(PreferKey::Passcode, md5(passcode.toLower()));
    LOG_INFO(QStringLiteral("New passcode stored."));
}

std::optional<QString> passcodeForBreakviewUnlocking(const Preferences& preferences)
{
    const auto passcode = preferences.stringValue(PreferKey::Passcode);
    if (!passcode) {
        LOG_DEBUG(QStringLiteral("Passcode is empty."));
        return std::nullopt;
    }
    if (!preferences.boolValue(PreferKey::PasscodeEnabled)) {
        LOG_DEBUG(QStringLiteral("Passcode did not enabled."));
        return std::nullopt;
    }
    // A lock whose passcode nobody can type (none chosen yet, a hand-edited value) would shut
    // the user out for good: it counts as off.
    static const QRegularExpression digest(QStringLiteral("^[0-9a-f]{32}$"));
    if (!digest.match(*passcode).hasMatch()) {
        LOG_WARNING(QStringLiteral("The passcode lock is on but no usable passcode is stored: the lock stays off."));
        return std::nullopt;
    }
    return passcode;
}

bool shouldShowBreakOptions(const Preferences& preferences)
{
    if (preferences.boolValue(PreferKey::noCancellationDuringTheBreak))
        return false;
    return preferences.boolValue(PreferKey::showBreakOptions);
}

QString defaultEndpoint(const QString& endpointKey)
{
    if (endpointKey == EndpointKey::unsplash)
        return QStringLiteral("https://photos.mirelo.org");
    if (endpointKey == EndpointKey::quotes)
        return QStringLiteral("https://quotes.mirelo.org");
    if (endpointKey == EndpointKey::news)
        return QStringLiteral("https://news.mirelo.org");
    if (endpointKey == EndpointKey::update)
        return QStringLiteral("https://updates.mirelo.org");
    if (endpointKey == EndpointKey::apn)
        return QStringLiteral("https://push.mirelo.org");
    return {};
}

QString endpoint(const Preferences& preferences, const QString& endpointKey)
{
    QString base = preferences.stringValue(endpointKey).value_or(QString());
    if (base.isEmpty())
        base = defaultEndpoint(endpointKey);
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

} // namespace UserDefaults
