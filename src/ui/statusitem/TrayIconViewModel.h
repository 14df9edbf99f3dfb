#pragma once

#include "reactive/BehaviorRelay.h"

#include <QImage>
#include <QString>

#include <optional>

class CycleController;
class Countdown;
class Preferences;

// What the tray item shows: icon, countdown title and the stop item's title, derived from the
// application state, the countdown and two preferences.
class TrayIconViewModel
{
public:
    TrayIconViewModel(CycleController& app, Countdown& timer, Preferences& preferences);

    // The icons' device pixel ratio: the densest screen's, rounded up.
    const qreal iconScale;
    BehaviorRelay<QImage> iconImage;
    BehaviorRelay<QString> statusItemTitle{QString()};
    BehaviorRelay<std::optional<QString>> statusItemAttrTitle{std::nullopt};
    BehaviorRelay<QString> stopPomodoroItemTitle;
    BehaviorRelay<std::optional<bool>> showCountDownOnMenu{false};
    float progress = 0;

    void updateStatusItemPie();
    float pieProgress() const;
    int durationForState() const;
    QImage statusIcon() const;
    int timerSecondsLeft() const;

    // "%02d:%02d"; minutes are not wrapped at 60.
    static QString countdownText(int seconds);

private:
    void onCurrentTime(int seconds);
    bool darkMode() const;

    // A 20-point pie has about 40 pixels of rim: a step of 6 degrees moves it less than a pixel.
    static constexpr int pieSteps = 60;
    enum class IconKind
    {
        plain,
        pie,
        reminder,
        minutes,
        paused
    };
    struct IconKey
    {
        IconKind kind = IconKind::plain;
        int minutes = 0;
        int step = 0;
        bool operator==(const IconKey&) const = default;
    };
    struct IconCache
    {
        QImage image;
        IconKey key;
        bool dark = false;
    };
    mutable IconCache iconCache;

    CycleController& app;
    Countdown& timer;
    Preferences& preferences;
    DisposeBag disposeBag;
};
