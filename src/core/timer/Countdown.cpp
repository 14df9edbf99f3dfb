#include "timer/Countdown.h"

#include "diagnostics/Log.h"
#include "timer/Clock.h"
#include "timer/SleepMonitor.h"

#include <algorithm>

using namespace std::chrono_literals;

namespace {
// A difference between the two clocks larger than this is a step, not drift or a late look.
constexpr qint64 stepThresholdMs = 2000;

int shownSeconds(qint64 remainingMs)
{
    return int((remainingMs + 999) / 1000);
}
} // namespace

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

qint64 Countdown::remainingMs() const
{
    if (paused)
        return frozenMs;
    if (!running && !pausedBySleep)
        return 0;
    return std::clamp<qint64>(totalMs - (clock.steadyMs() - startedMs), 0, std::max<qint64>(totalMs, 0));
}

void Countdown::start(int seconds, std::function<void()> completion)
{
    running = false;
    pausedBySleep = false;
    paused = false;
    invalidateTimer();
    currentTime.accept(0);

    startedMs = clock.steadyMs();
    totalMs = qint64(seconds) * 1000;
    currentTime.accept(seconds);
    completionHandler = std::move(completion);

    running = true;
    wallOffsetMs = clock.now().toMSecsSinceEpoch() - startedMs;
    deadline.accept(wallOffsetMs + startedMs + std::max<qint64>(totalMs, 0));
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
    deadline.accept(0);
}

bool Countdown::pause()
{
    if (!running || paused)
        return false;
    frozenMs = remainingMs();
    running = false;
    paused = true;
    invalidateTimer();
    deadline.accept(0);
    return true;
}

bool Countdown::resume()
{
    if (!paused)
        return false;
    paused = false;
    startedMs = clock.steadyMs() - (totalMs - frozenMs);
    running = true;
    wallOffsetMs = clock.now().toMSecsSinceEpoch() - clock.steadyMs();
    deadline.accept(wallOffsetMs + startedMs + totalMs);
    scheduleTick();
    return true;
}

void Countdown::update()
{
    timer.reset(); // the one-shot timer that brought us here has fired
    followWallClock();
    const int shown = shownSeconds(remainingMs());
    if (shown != currentTime.value())
        currentTime.accept(shown);
    if (shown < 1) {
        complete();
        return;
    }
    scheduleTick();
}

void Countdown::complete()
{
    stop();
    if (completionHandler)
        completionHandler();
}

void Countdown::followWallClock()
{
    const qint64 offset = clock.now().toMSecsSinceEpoch() - clock.steadyMs();
    const qint64 step = offset - wallOffsetMs;
    if (std::abs(step) <= stepThresholdMs)
        return;
    wallOffsetMs = offset;
    LOG_INFO(
        QStringLiteral("The wall clock was set by %1 s; lengths are measured without it.").arg(step / 1000));
    if (running)
        deadline.accept(wallOffsetMs + startedMs + totalMs);
}

void Countdown::scheduleTick()
{
    invalidateTimer();
    // Armed for the moment the shown second changes: a resume or a wake keeps the phase of the
    // seconds instead of starting a fresh one.
    const qint64 remaining = remainingMs();
    const qint64 untilNext = remaining - qint64(std::max(0, shownSeconds(remaining) - 1)) * 1000;
    timer =
        scheduler.schedule(std::chrono::milliseconds(std::max<qint64>(untilNext, 1)), [this] { update(); });
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
    running = true;
    // The steady clock counted the sleep; show what is left of the interval now.
    followWallClock();
    currentTime.accept(shownSeconds(remainingMs()));
    scheduleTick();
}
