#include "timer/Countdown.h"

#include "diagnostics/Log.h"
#include "timer/Clock.h"
#include "timer/SleepMonitor.h"

#include <algorithm>
#include <cmath>

using namespace std::chrono_literals;

Countdown::Countdown(const Clock& clock, Scheduler& scheduler, SleepMonitor* sleepMonitor)
    : clock(clock), scheduler(scheduler)
{
    if (sleepMonitor)
        observeWorkspaceEvents(sleepMonitor);
}

Countdown::~Countdown()
{
    QObject::disconnect(sleepConnection);
    QObject::disconnect(wakeConnection);
    invalidateTimer();
}

qint64 Countdown::nowSeconds() const
{
    return static_cast<qint64>(std::floor(clock.secondsSince1970()));
}

void Countdown::start(int seconds, std::function<void()> completion)
{
    running = false;
    pausedBySleep = false;
    paused = false;
    invalidateTimer();
    currentTime.accept(0);

    started = nowSeconds();
    currentTime.accept(seconds);
    total = seconds;
    completionHandler = std::move(completion);

    running = true;
    scheduleTick();
}

void Countdown::stop()
{
    running = false;
    // A wake after a stop must not bring the stopped interval back.
    pausedBySleep = false;
    paused = false;
    invalidateTimer();
    currentTime.accept(0);
}

bool Countdown::pause()
{
    if (!running || paused)
        return false;
    running = false;
    paused = true;
    invalidateTimer();
    return true;
}

bool Countdown::resume()
{
    if (!paused)
        return false;
    paused = false;
    // The time already counted is taken as elapsed just now, so the wall clock bounds only what
    // is left.
    started = nowSeconds() - (qint64{total} - currentTime.value());
    running = true;
    scheduleTick();
    return true;
}

void Countdown::update()
{
    timer.reset(); // the one-shot timer that brought us here has fired
    // At least one down per tick, so a clock set back cannot stretch the interval.
    currentTime.accept(std::max(0, std::min(currentTime.value() - 1, wallClockRemainder())));
    if (currentTime.value() < 1) {
        stop();
        if (completionHandler)
            completionHandler();
        return;
    }
    const qint64 elapsed = nowSeconds() - started;
    if (elapsed < total) {
        running = true;
        scheduleTick();
        return;
    }
    stop();
    if (completionHandler)
        completionHandler();
}

int Countdown::wallClockRemainder() const
{
    const qint64 remainder = qint64{total} - (nowSeconds() - started);
    return static_cast<int>(std::clamp<qint64>(remainder, 0, std::max(total, 0)));
}

void Countdown::scheduleTick()
{
    invalidateTimer();
    timer = scheduler.schedule(1000ms, [this] { update(); });
}

void Countdown::invalidateTimer()
{
    if (timer) {
        scheduler.cancel(*timer);
        timer.reset();
    }
}

void Countdown::observeWorkspaceEvents(SleepMonitor* monitor)
{
    sleepConnection = QObject::connect(monitor, &SleepMonitor::willSleep, [this] { willSleep(); });
    wakeConnection = QObject::connect(monitor, &SleepMonitor::didWake, [this] { didWake(); });
}

void Countdown::willSleep()
{
    LOG_INFO(QStringLiteral("Workspace will sleep"));
    if (!timer)
        return;
    LOG_INFO(QStringLiteral("Will pause timer"));
    running = false;
    invalidateTimer();
    pausedBySleep = true;
}

void Countdown::didWake()
{
    LOG_INFO(QStringLiteral("Workspace did wake"));
    if (!pausedBySleep)
        return;
    LOG_INFO(QStringLiteral("Will continue timer"));
    pausedBySleep = false;
    // The count stood still while the machine slept; show what the wall clock says is left.
    currentTime.accept(std::max(0, std::min(currentTime.value(), wallClockRemainder())));
    running = true;
    scheduleTick();
}
