#pragma once

#include "timer/Scheduler.h"

#include <QDateTime>

#include <functional>
#include <optional>

class Clock;
class Preferences;

// The pause of the running Pomodoro: when it began, how long it lasted, and its limit. A pause
// that outlasts the "StopPausedPomodoroAfter" preference calls limitReached once.
class PomodoroPause
{
public:
    static constexpr qint64 defaultLimit = 3600;

    PomodoroPause(Preferences& preferences, const Clock& clock, Scheduler& scheduler,
                  std::function<void(qint64 pausedFor)> limitReached);
    ~PomodoroPause();
    PomodoroPause(const PomodoroPause&) = delete;
    PomodoroPause& operator=(const PomodoroPause&) = delete;

    bool isActive() const { return pausedAt.has_value(); }
    // How long a pause may last, in seconds.
    qint64 limit() const;

    void begin();
    // Ends the pause and returns its length in whole seconds, rounded: a cut second per pause
    // would count as focused time. 0 when none was active.
    qint64 end();
    // Ends the pause without counting it: the interval it belonged to is over.
    void clear();

private:
    void scheduleCheck();
    void check();

    Preferences& preferences;
    const Clock& clock;
    Scheduler& scheduler;
    std::function<void(qint64)> limitReached;
    std::optional<QDateTime> pausedAt;
    Scheduler::Token pauseCheck = 0;
};
