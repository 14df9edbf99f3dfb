#include "cycle/PomodoroPause.h"

#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"

#include <algorithm>

PomodoroPause::PomodoroPause(Preferences& preferences, const Clock& clock, Scheduler& scheduler,
                             std::function<void(qint64 pausedFor)> limitReached)
    : preferences(preferences), clock(clock), scheduler(scheduler), limitReached(std::move(limitReached))
{}

PomodoroPause::~PomodoroPause()
{
    scheduler.cancel(pauseCheck);
}

qint64 PomodoroPause::limit() const
{
    const qint64 stored = preferences.intValue(PauseKey::stopAfter);
    return stored > 0 ? stored : defaultLimit;
}

void PomodoroPause::begin()
{
    pausedAt = clock.now();
    scheduleCheck();
}

qint64 PomodoroPause::end()
{
    if (!pausedAt)
        return 0;
    const qint64 pausedFor = std::max<qint64>(0, (pausedAt->msecsTo(clock.now()) + 500) / 1000);
    clear();
    return pausedFor;
}

void PomodoroPause::clear()
{
    scheduler.cancel(pauseCheck);
    pauseCheck = 0;
    pausedAt.reset();
}

void PomodoroPause::scheduleCheck()
{
    scheduler.cancel(pauseCheck);
    const qint64 left = limit() - pausedAt->secsTo(clock.now());
    // Looked at again at least once a minute: the scheduler's time stands still while the
    // machine sleeps, the wall clock does not.
    const qint64 wait = std::clamp<qint64>(left, 1, 60);
    pauseCheck = scheduler.schedule(std::chrono::seconds(wait), [this] { check(); });
}

void PomodoroPause::check()
{
    pauseCheck = 0;
    if (!pausedAt)
        return;
    const qint64 pausedFor = pausedAt->secsTo(clock.now());
    if (pausedFor < limit()) {
        scheduleCheck();
        return;
    }
    clear();
    limitReached(pausedFor);
}
