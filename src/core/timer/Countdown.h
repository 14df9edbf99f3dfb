#pragma once

#include "reactive/BehaviorRelay.h"
#include "timer/Scheduler.h"

#include <QMetaObject>

#include <functional>
#include <optional>

class Clock;
class SleepMonitor;

// The one countdown for every interval. It ticks with a one-shot timer re-armed each second,
// publishes the remaining seconds, and also watches the wall clock, so an interval never
// outlasts its length in real time even when ticks were late or the machine slept.
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
    // Freezes the countdown where it stands; false when nothing counts down. The wall clock no
    // longer bounds the interval while it is frozen, and a sleep leaves it frozen.
    bool pause();
    // Counts down again from the frozen value; false when not paused.
    bool resume();

    bool isRunning() const { return running; }
    bool isPaused() const { return paused; }
    int totalTime() const { return total; }
    qint64 startedTime() const { return started; }
    bool timerPausedBySleepEvent() const { return pausedBySleep; }

    // Remaining seconds; every value is delivered, a repeated 0 too.
    BehaviorRelay<int> currentTime{0};

private:
    void observeWorkspaceEvents(SleepMonitor* monitor);
    void willSleep();
    void didWake();
    void scheduleTick();
    // total − elapsed on the wall clock, within 0...total.
    int wallClockRemainder() const;
    void invalidateTimer();
    qint64 nowSeconds() const;

    const Clock& clock;
    Scheduler& scheduler;
    qint64 started = 0;
    bool running = false;
    std::function<void()> completionHandler;
    int total = 0;
    std::optional<Scheduler::Token> timer;
    bool pausedBySleep = false;
    bool paused = false;
    QMetaObject::Connection sleepConnection;
    QMetaObject::Connection wakeConnection;
};
