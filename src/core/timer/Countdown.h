#pragma once

#include "reactive/BehaviorRelay.h"
#include "timer/Scheduler.h"

#include <QMetaObject>

#include <functional>
#include <optional>

class Clock;
class SleepMonitor;

// The one countdown for every interval. Its length is measured on the clock that never steps and
// counts sleep, so an interval lasts its length in real time whether ticks were late, the
// machine slept or the wall clock was set. It ticks with a one-shot timer armed for the moment
// the shown second changes, and publishes the remaining seconds.
class Countdown
{
public:
    Countdown(const Clock& clock, Scheduler& scheduler, SleepMonitor* sleepMonitor = nullptr);
    ~Countdown();
    Countdown(const Countdown&) = delete;
    Countdown& operator=(const Countdown&) = delete;

    // Replaces any running interval; its completion is not called.
    void start(int seconds, std::function<void()> completion);
    // Ends ticking without calling the completion.
    void stop();
    // One tick.
    void update();
    // Freezes the countdown where it stands, to the millisecond; false when nothing counts down.
    // A sleep leaves it frozen.
    bool pause();
    // Counts down again from the frozen value, keeping the phase of its seconds; false when not
    // paused.
    bool resume();

    bool isRunning() const { return running; }
    bool isPaused() const { return paused; }
    int totalTime() const { return int(totalMs / 1000); }
    bool timerPausedBySleepEvent() const { return pausedBySleep; }
    // What is left, in milliseconds.
    qint64 remainingMs() const;
    // Milliseconds counted down since the start, pauses left out.
    qint64 elapsedMs() const { return totalMs - remainingMs(); }

    // Remaining seconds, rounded up; every value is delivered, a repeated 0 too.
    BehaviorRelay<int> currentTime{0};
    // When the countdown reaches zero on the wall clock, in milliseconds since 1970; 0 while it
    // does not count down (idle, paused). Moves when the countdown jumps or the wall clock steps.
    BehaviorRelay<qint64> deadline{0};

private:
    void observeWorkspaceEvents(SleepMonitor* monitor);
    void willSleep();
    void didWake();
    void scheduleTick();
    void invalidateTimer();
    // Notes where the wall clock stands against the steady one; a step since the last look is
    // logged once and moves the deadline.
    void followWallClock();
    void complete();

    const Clock& clock;
    Scheduler& scheduler;
    // On the steady clock: when the countdown would have started had it never paused.
    qint64 startedMs = 0;
    // The remainder while paused.
    qint64 frozenMs = 0;
    // Wall minus steady, at the last look.
    qint64 wallOffsetMs = 0;
    bool running = false;
    std::function<void()> completionHandler;
    qint64 totalMs = 0;
    std::optional<Scheduler::Token> timer;
    bool pausedBySleep = false;
    bool paused = false;
    QMetaObject::Connection sleepConnection;
    QMetaObject::Connection wakeConnection;
};
