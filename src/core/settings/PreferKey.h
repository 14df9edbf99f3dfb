#pragma once

#include <QString>

#include <array>

// The preference keys; each key's text is the case name.
enum class PreferKey {
    LaunchAtLogin,
    Wallpaper,
    BreakTitle,
    PasscodeEnabled,
    Passcode,
    PasscodeTimeOut,
    TouchIDEnabled,
    StartPomodoroShortcut,
    ShortBreakShortcut,
    SoundEffect,
    QuoteEnabled,
    QuotesType,
    CountDownOnMenubarEnabled,
    CountDownPieOnMenuBarEnabled,
    AutoStartPomodoroEnabled,
    logLevel,
    checkUpdateForStage,
    showBreakOptions,
    noCancellationDuringTheBreak,
    statsFilterOption,
};

inline constexpr int PreferKeyCount = 20;

const std::array<PreferKey, PreferKeyCount>& allPreferKeys();
QString keyText(PreferKey key);

// The duration keys, outside the enumeration. Values are whole seconds (count for the last).
namespace DurationKey {
inline const QString pomodoro = QStringLiteral("pomodoroKey");
inline const QString shortBreak = QStringLiteral("shortBreakKey");
inline const QString longBreak = QStringLiteral("longBreakKey");
inline const QString countToLongBreak = QStringLiteral("countToLongBreak");
} // namespace DurationKey

// Away detection: whether a Pomodoro stops when its user has gone, and after how many seconds
// without input (600 by default).
namespace AwayKey {
inline const QString enabled = QStringLiteral("AwayDetectionEnabled");
inline const QString threshold = QStringLiteral("AwayThreshold");
} // namespace AwayKey

// Holding a break while the user is busy (a call, a share, full-screen work): whether, and for
// how many seconds at most (1800 by default).
namespace HoldKey {
inline const QString enabled = QStringLiteral("HoldBreaksWhenBusy");
inline const QString maximum = QStringLiteral("HoldBreaksAtMost");
} // namespace HoldKey

// Pausing a Pomodoro: after how many seconds a pause stops it (3600 by default).
// The global shortcut that pauses and resumes it (none by default), stored as the other two.
namespace PauseKey {
inline const QString stopAfter = QStringLiteral("StopPausedPomodoroAfter");
inline const QString shortcut = QStringLiteral("PauseShortcut");
} // namespace PauseKey

// The daily goal: Pomodoros per day (0, the default, is no goal), whether reaching it is told
// with a notification, and the day it last was (hidden, so it is told once a day).
namespace GoalKey {
inline const QString daily = QStringLiteral("DailyPomodoroGoal");
inline const QString notify = QStringLiteral("NotifyWhenGoalMet");
inline const QString notifiedOn = QStringLiteral("GoalMetNotifiedOn");
} // namespace GoalKey

// The sound of each event: empty for none, "theme:<event id>", or "file:<path>"; and its
// volume in percent under the same name with "Volume" after it (see EventSounds).
namespace SoundKey {
inline const QString pomodoroEnd = QStringLiteral("PomodoroEndSound");
inline const QString breakEnd = QStringLiteral("BreakEndSound");
inline const QString lastMinute = QStringLiteral("LastMinuteSound");
inline QString volumeOf(const QString& soundKey)
{
    return soundKey + QStringLiteral("Volume");
}
} // namespace SoundKey

// Hidden keys holding the base addresses of the web endpoints (no trailing "/").
namespace EndpointKey {
inline const QString unsplash = QStringLiteral("UnsplashBaseURL");
inline const QString quotes = QStringLiteral("QuotesBaseURL");
inline const QString news = QStringLiteral("NewsBaseURL");
inline const QString update = QStringLiteral("UpdateBaseURL");
inline const QString apn = QStringLiteral("APNBaseURL");
} // namespace EndpointKey

enum class WallpaperOption { desktop = 0, unsplash = 1, custom = 2, screen = 3 };
enum class PreferQuotesType { disabled = 0, quotesDesign = 1, velmoro = 2, custom = 3 };
