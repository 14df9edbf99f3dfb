#pragma once

#include "timer/Scheduler.h"

#include <QMetaObject>

#include <functional>
#include <optional>

class Clock;
class Preferences;
class SleepMonitor;

// The pause of the running Pomodoro, measured to the millisecond on the clock that never steps,
// and its limit: a pause that outlasts the "StopPausedPomodoroAfter" preference calls
// limitReached once. The limit is looked at every minute, at wake and before a resume.
class PomodoroPause
{
public:
    static constexpr qint64 defaultLimit = 3600;

    PomodoroPause(Preferences& preferences, const Clock& clock, Scheduler& scheduler,
                  SleepMonitor* sleepMonitor, std::function<void(qint64 pausedFor)> limitReached);
    ~PomodoroPause();
    PomodoroPause(const PomodoroPause&) = delete;
    PomodoroPause& operator=(const PomodoroPause&) = delete;

    bool isActive() const { return pausedAtMs.has_value(); }
    // How long a pause may last, in seconds.
    qint64 limit() const;

    void begin();
    // Ends the pause and returns its length in milliseconds; none when the limit passed
    // meanwhile (limitReached has then been called) or no pause was active.
    std::optional<qint64> end();
    // Ends the pause without counting it: the interval it belonged to is over.
    void clear();

private:
    void scheduleCheck();
    // True when the limit has passed (and limitReached was called).
    bool check();
    qint64 pausedForMs() const;

    Preferences& preferences;
    const Clock& clock;
    Scheduler& scheduler;
    std::function<void(qint64)> limitReached;
    std::optional<qint64> pausedAtMs;
    Scheduler::Token pauseCheck = 0;
    QMetaObject::Connection wakeConnection;
};
