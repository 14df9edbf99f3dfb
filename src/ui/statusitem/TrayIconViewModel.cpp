#include "statusitem/TrayIconViewModel.h"

#include "cycle/CycleController.h"
#include "diagnostics/Log.h"
#include "settings/IntervalLength.h"
#include "settings/Preferences.h"
#include "statusitem/ProgressPie.h"
#include "timer/Countdown.h"
#include "widgets/Localizable.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {
// The icon is drawn at the screens' own density: twice the pixels on a screen of single density
// cost four times the painting (and the raster engine's helper threads) for nothing seen.
qreal trayIconScale()
{
    qreal scale = 1.0;
    for (const QScreen* screen : QGuiApplication::screens())
        scale = std::max(scale, screen->devicePixelRatio());
    return std::ceil(scale);
}

} // namespace

TrayIconViewModel::TrayIconViewModel(CycleController& app, Countdown& timer, Preferences& preferences)
    : iconScale(trayIconScale()),
      iconImage(StatusIcons::plainIcon(StatusIcons::iconColor(app.isDarkMode.value()), iconScale)),
      stopPomodoroItemTitle(Localizable::text("Stop Pomodoro")), app(app), timer(timer),
      preferences(preferences)
{
    disposeBag +=
        preferences.observe(keyText(PreferKey::CountDownOnMenubarEnabled), [this](const QJsonValue& v) {
            if (!v.isBool())
                return;
            showCountDownOnMenu.accept(v.toBool());
            updateStatusItemPie();
            if (!this->timer.isRunning())
                return;
            if (v.toBool()) {
                stopPomodoroItemTitle.accept(Localizable::text("Stop Pomodoro"));
            } else {
                statusItemTitle.accept(QString());
                statusItemAttrTitle.accept(std::nullopt);
            }
        });
    disposeBag +=
        preferences.observe(keyText(PreferKey::CountDownPieOnMenuBarEnabled), [this](const QJsonValue& v) {
            if (!v.isBool())
                return;
            if (!this->timer.isRunning())
                statusItemTitle.accept(QString());
            if (!v.toBool())
                updateStatusItemPie();
        });
    disposeBag += timer.currentTime.subscribe([this](int seconds) { onCurrentTime(seconds); });
    disposeBag += app.isPaused.subscribe([this](bool) { updateStatusItemPie(); });
    // The icon follows the panel's appearance.
    disposeBag += app.isDarkMode.subscribe([this](bool) { iconImage.accept(statusIcon()); });
}

bool TrayIconViewModel::darkMode() const
{
    return app.isDarkMode.value();
}

QString TrayIconViewModel::countdownText(int seconds)
{
    return QString::asprintf("%02d:%02d", seconds / 60, seconds % 60);
}

void TrayIconViewModel::onCurrentTime(int seconds)
{
    updateStatusItemPie();
    if (showCountDownOnMenu.value().value_or(false)) {
        if (seconds == 0) {
            statusItemTitle.accept(QString());
            statusItemAttrTitle.accept(std::nullopt);
        } else {
            // The tray has no font of its own; the text always goes out as the plain title.
            statusItemTitle.accept(countdownText(seconds));
        }
    } else {
        stopPomodoroItemTitle.accept(seconds == 0 ? Localizable::text("Stop Pomodoro")
                                                  : Localizable::text("Stop Pomodoro") + QLatin1Char(' ') +
                                                        countdownText(seconds));
    }
}

int TrayIconViewModel::durationForState() const
{
    switch (app.state.value()) {
    case CycleState::idle:
        return 0;
    case CycleState::shortBreak:
        return intervalSeconds(preferences, DurationKey::shortBreak);
    case CycleState::longBreak:
        return intervalSeconds(preferences, DurationKey::longBreak);
    case CycleState::working:
        return intervalSeconds(preferences, DurationKey::pomodoro);
    }
    return 0;
}

int TrayIconViewModel::timerSecondsLeft() const
{
    return timer.currentTime.value();
}

float TrayIconViewModel::pieProgress() const
{
    const int remaining = timer.currentTime.value();
    if (remaining == 0)
        return 1.0f;
    const int total = durationForState();
    if (total == 0)
        return 0.0f;
    return static_cast<float>(total - remaining) / static_cast<float>(total);
}

void TrayIconViewModel::updateStatusItemPie()
{
    progress = pieProgress();
    LOG_DEBUG(QStringLiteral("updateStatusItemPie: ") + QString::number(progress));
    // Handed on only when it changed: the tray redraws (or, on D-Bus, sends) every icon it gets.
    const QImage icon = statusIcon();
    if (icon.cacheKey() != iconImage.value().cacheKey())
        iconImage.accept(icon);
}

QImage TrayIconViewModel::statusIcon() const
{
    const bool dark = darkMode();
    const bool pie = preferences.boolValue(PreferKey::CountDownPieOnMenuBarEnabled);
    const int remaining = timer.currentTime.value();
    const int step = static_cast<int>(std::lround(std::clamp(progress, 0.0f, 1.0f) * pieSteps));
    IconKey key;
    if (app.isPaused.value()) {
        key = {IconKind::paused, 0, step};
    } else if (showCountDownOnMenu.value().value_or(false) && app.state.value() != CycleState::idle &&
               remaining > 0) {
        // No tray shows text beside an icon: the minutes left go into the icon itself, redrawn
        // once a minute (and with the pie every few seconds).
        key = {IconKind::minutes, (remaining + 59) / 60,
               pie && app.state.value() == CycleState::working ? step : 0};
    } else if (pie && app.shouldShowStartPomodoroReminder()) {
        key = {IconKind::reminder, 0, 0};
    } else if (pie && app.state.value() == CycleState::working) {
        key = {IconKind::pie, 0, step};
    }
    // Painting goes through the raster engine's thread pool: draw only when the icon changes,
    // not on every tick.
    if (iconCache.image.isNull() || !(iconCache.key == key) || iconCache.dark != dark) {
        const QColor color = StatusIcons::iconColor(dark);
        const double share = double(key.step) / pieSteps;
        switch (key.kind) {
        case IconKind::plain:
            iconCache.image = StatusIcons::plainIcon(color, iconScale);
            break;
        case IconKind::pie:
            iconCache.image = StatusIcons::pieIcon(share, color, iconScale);
            break;
        case IconKind::reminder:
            iconCache.image = StatusIcons::reminderIcon(color, iconScale);
            break;
        case IconKind::minutes:
            iconCache.image = StatusIcons::minutesIcon(key.minutes, share, color, iconScale);
            break;
        case IconKind::paused:
            iconCache.image = StatusIcons::pausedIcon(share, color, iconScale);
            break;
        }
        iconCache.key = key;
        iconCache.dark = dark;
    }
    return iconCache.image;
}
