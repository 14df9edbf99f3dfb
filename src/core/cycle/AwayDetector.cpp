#include "cycle/AwayDetector.h"

#include "cycle/CycleController.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "presence/Presence.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"
#include "timer/IdleMonitor.h"
#include "timer/NotificationCenter.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <QPointer>

AwayDetector::AwayDetector(CycleController& app, IdleMonitor* monitor, Preferences& preferences,
                           Scheduler& scheduler, const Clock& clock, NotificationCenter& notifications,
                           Presence* presence, QObject* parent)
    : QObject(parent), app(app), monitor(monitor), preferences(preferences), scheduler(scheduler),
      clock(clock), notifications(notifications), presence(presence)
{
    if (!monitor) {
        LOG_INFO(QStringLiteral("Away detection is off: this desktop tells no idle time."));
        return;
    }
    LOG_INFO(QStringLiteral("Away detection reads the idle time from ") + monitor->backendName());
    connect(monitor, &IdleMonitor::lockedChanged, this, &AwayDetector::lockedChanged);
    disposeBag += app.state.subscribe([this](CycleState) {
        resumedAtMs.reset();
        stateChanged();
    });
    // A Pomodoro that finished into a held break stays "working", but no longer counts.
    disposeBag += app.breakHold().heldBy.subscribe([this](const QString&) { stateChanged(); });
    disposeBag += app.isPaused.subscribe([this](bool paused) {
        if (!paused && this->app.state.value() == CycleState::working)
            resumedAtMs = this->clock.steadyMs();
        stateChanged();
    });
    // The switch takes effect at once, also in the middle of a Pomodoro.
    disposeBag += preferences.observe(AwayKey::enabled, [this](const QJsonValue&) {
        if (!isEnabled())
            awaySinceMs.reset();
        stateChanged();
    });
}

AwayDetector::~AwayDetector()
{
    scheduler.cancel(pending);
}

bool AwayDetector::isEnabled() const
{
    return monitor && preferences.boolValue(AwayKey::enabled);
}

qint64 AwayDetector::threshold() const
{
    // A stored value stands as it is, also one shorter than the preferences window offers.
    const qint64 stored = preferences.intValue(AwayKey::threshold);
    return stored > 0 ? stored : defaultThreshold;
}

void AwayDetector::stateChanged()
{
    scheduler.cancel(pending);
    pending = 0;
    ++generation;
    const CycleState state = app.state.value();
    // Back and already at it: a notification about the stopped Pomodoro would only be noise.
    if (awaySinceMs && state != CycleState::idle)
        userReturned(clock.steadyMs(), false);
    if ((pomodoroCounts() && isEnabled()) || awaySinceMs)
        scheduleCheck();
    updateWatching();
}

bool AwayDetector::pomodoroCounts() const
{
    // A finished Pomodoro whose break is held or being decided counts no more: held time is
    // neither focus nor absence.
    return app.state.value() == CycleState::working && !app.isPaused.value() && !app.isBreakPending();
}

void AwayDetector::updateWatching()
{
    monitor->setWatching((pomodoroCounts() && isEnabled()) || awaySinceMs);
}

void AwayDetector::inputSeen(qint64 idleSeconds)
{
    if (!lockedSinceMs || idleSeconds >= (clock.steadyMs() - *lockedSinceMs) / 1000)
        return;
    LOG_INFO(QStringLiteral("Input after the lock: the screen counts as unlocked."));
    lockedSinceMs.reset();
    if (awaySinceMs)
        userReturned(clock.steadyMs() - idleSeconds * 1000, true);
}

void AwayDetector::scheduleCheck()
{
    QPointer<AwayDetector> weak(this);
    pending = scheduler.schedule(checkInterval, [weak] {
        if (!weak)
            return;
        weak->pending = 0;
        if (weak->awaySinceMs)
            weak->checkForReturn();
        else
            weak->check();
    });
}

void AwayDetector::check()
{
    if (!pomodoroCounts() || !isEnabled())
        return;
    QPointer<AwayDetector> weak(this);
    const quint64 askedFor = generation;
    monitor->idleSeconds([weak, askedFor](std::optional<qint64> idle) {
        // A Pomodoro stopped or started meanwhile is not this answer's.
        if (!weak || weak->generation != askedFor || !weak->pomodoroCounts())
            return;
        qint64 away = idle.value_or(0);
        if (idle)
            weak->inputSeen(*idle);
        const qint64 now = weak->clock.steadyMs();
        if (weak->lockedSinceMs)
            away = std::max(away, (now - *weak->lockedSinceMs) / 1000);
        // A pause is time off by choice: only what follows the resume can make the user away.
        if (weak->resumedAtMs)
            away = std::min(away, (now - *weak->resumedAtMs) / 1000);
        if (away >= weak->threshold())
            weak->awayUnlessBusy(away);
        else
            weak->scheduleCheck();
    });
}

void AwayDetector::awayUnlessBusy(qint64 awaySeconds)
{
    if (!presence) {
        userAway(awaySeconds);
        return;
    }
    QPointer<AwayDetector> weak(this);
    const quint64 askedFor = generation;
    presence->activeSources([weak, askedFor, awaySeconds](const QStringList& active) {
        if (!weak || weak->generation != askedFor || !weak->pomodoroCounts())
            return;
        if (active.isEmpty()) {
            weak->userAway(awaySeconds);
            return;
        }
        LOG_INFO(QStringLiteral("No input for %1 s, but not away: %2")
                     .arg(awaySeconds)
                     .arg(active.join(QStringLiteral(", "))));
        weak->scheduleCheck();
    });
}

// Without an unlock to say when the user is back, the first input after the stop (and after
// any lock) does.
void AwayDetector::checkForReturn()
{
    if (!awaySinceMs)
        return;
    QPointer<AwayDetector> weak(this);
    const quint64 askedFor = generation;
    monitor->idleSeconds([weak, askedFor](std::optional<qint64> idle) {
        if (!weak || weak->generation != askedFor || !weak->awaySinceMs)
            return;
        if (idle)
            weak->inputSeen(*idle); // returns them when it counts as the unlock
        if (!weak->awaySinceMs)
            return;
        if (weak->lockedSinceMs) {
            weak->scheduleCheck();
            return;
        }
        const qint64 now = weak->clock.steadyMs();
        if (idle && *idle < (now - weak->stoppedAtMs) / 1000)
            weak->userReturned(now - *idle * 1000, true);
        else
            weak->scheduleCheck();
    });
}

void AwayDetector::lockedChanged(bool locked)
{
    if (locked) {
        // Two sources (the screen saver and logind) may both say so: the first one counts.
        if (!lockedSinceMs)
            lockedSinceMs = clock.steadyMs();
        updateWatching();
        return;
    }
    lockedSinceMs.reset();
    if (awaySinceMs)
        userReturned(clock.steadyMs(), true);
}

void AwayDetector::userAway(qint64 awaySeconds)
{
    awaySinceMs = clock.steadyMs() - awaySeconds * 1000;
    LOG_INFO((lockedSinceMs ? QStringLiteral("userAway: %1 s away, the screen locked; the Pomodoro stops.")
                            : QStringLiteral("userAway: %1 s without input; the Pomodoro stops."))
                 .arg(awaySeconds));
    track(UsageEvent::userAway, {{QStringLiteral("seconds"), QString::number(awaySeconds)}});
    stoppedAtMs = clock.steadyMs();
    // A locked screen says when the user is back; otherwise their first input does, read from
    // the state change this stop makes.
    app.stopPomodoro();
}

void AwayDetector::userReturned(qint64 atMs, bool tell)
{
    if (!awaySinceMs)
        return;
    const qint64 minutes = std::max<qint64>(1, (atMs - *awaySinceMs) / 60'000);
    awaySinceMs.reset();
    scheduler.cancel(pending);
    pending = 0;
    updateWatching();
    LOG_INFO(QStringLiteral("userReturned: away %1 min").arg(minutes));
    track(UsageEvent::userReturned, {{QStringLiteral("minutes"), QString::number(minutes)}});
    if (!tell)
        return;
    QPointer<AwayDetector> weak(this);
    notifications.postNotificationWithAction(
        QCoreApplication::translate("AwayDetector", "Welcome back — you were away %n min", nullptr, minutes),
        QCoreApplication::translate("AwayDetector", "The Pomodoro stopped while you were away; nothing was recorded."),
        NotificationAction{QCoreApplication::translate("AwayDetector", "Start a Pomodoro"), [weak] {
                               // Only from where the user left off: never over a break or a running Pomodoro.
                               if (weak && weak->app.state.value() == CycleState::idle)
                                   weak->app.startPomodoro();
                           }});
}
