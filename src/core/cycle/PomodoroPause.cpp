#include "cycle/PomodoroPause.h"

#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"
#include "timer/SleepMonitor.h"

#include <algorithm>

PomodoroPause::PomodoroPause(Preferences& preferences, const Clock& clock, Scheduler& scheduler,
                             SleepMonitor* sleepMonitor, std::function<void(qint64 pausedFor)> limitReached)
    : preferences(preferences), clock(clock), scheduler(scheduler), limitReached(std::move(limitReached))
{
    // The scheduler stands still while the machine sleeps: a long sleep is seen at once.
    if (sleepMonitor)
        wakeConnection = QObject::connect(sleepMonitor, &SleepMonitor::didWake, [this] {
            if (isActive())
                check();
        });
}

PomodoroPause::~PomodoroPause()
{
    QObject::disconnect(wakeConnection);
    scheduler.cancel(pauseCheck);
}

qint64 PomodoroPause::limit() const
{
    const qint64 stored = preferences.intValue(PauseKey::stopAfter);
    return stored > 0 ? stored : defaultLimit;
}

qint64 PomodoroPause::pausedForMs() const
{
    return pausedAtMs ? std::max<qint64>(0, clock.steadyMs() - *pausedAtMs) : 0;
}

void PomodoroPause::begin()
{
    pausedAtMs = clock.steadyMs();
    scheduleCheck();
}

std::optional<qint64> PomodoroPause::end()
{
    if (!pausedAtMs || check())
        return std::nullopt;
    const qint64 pausedFor = pausedForMs();
    clear();
    return pausedFor;
}

void PomodoroPause::clear()
{
    scheduler.cancel(pauseCheck);
    pauseCheck = 0;
    pausedAtMs.reset();
}

void PomodoroPause::scheduleCheck()
{
    scheduler.cancel(pauseCheck);
    const qint64 leftMs = limit() * 1000 - pausedForMs();
    const qint64 wait = std::clamp<qint64>(leftMs, 1000, 60'000);
    pauseCheck = scheduler.schedule(std::chrono::milliseconds(wait), [this] {
        pauseCheck = 0;
        if (isActive() && !check())
            scheduleCheck();
    });
}

bool PomodoroPause::check()
{
    const qint64 pausedFor = pausedForMs() / 1000;
    if (pausedFor < limit())
        return false;
    clear();
    limitReached(pausedFor);
    return true;
}
