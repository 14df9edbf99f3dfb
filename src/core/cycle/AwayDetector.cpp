#include "cycle/AwayDetector.h"

#include "cycle/MRApp.h"
#include "diagnostics/Log.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"
#include "timer/IdleMonitor.h"
#include "timer/NotificationCenter.h"

#include <QPointer>

AwayDetector::AwayDetector(MRApp& app, IdleMonitor* monitor, Preferences& preferences, Scheduler& scheduler,
                           const Clock& clock, NotificationCenter& notifications, QObject* parent)
    : QObject(parent), app(app), monitor(monitor), preferences(preferences), scheduler(scheduler),
      clock(clock), notifications(notifications)
{
    if (!monitor) {
        LOG_INFO(QStringLiteral("Away detection is off: this desktop tells no idle time."));
        return;
    }
    LOG_INFO(QStringLiteral("Away detection reads the idle time from ") + monitor->backendName());
    connect(monitor, &IdleMonitor::lockedChanged, this, &AwayDetector::lockedChanged);
    disposeBag += app.state.subscribe([this](MRAppState) { stateChanged(); });
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
    const qint64 stored = preferences.intValue(AwayKey::threshold);
    return stored > 0 ? stored : std::max<qint64>(1, preferences.intValue(DurationKey::shortBreak));
}

void AwayDetector::stateChanged()
{
    scheduler.cancel(pending);
    pending = 0;
    ++generation;
    if (app.state.value() == MRAppState::working && isEnabled())
        scheduleCheck();
}

void AwayDetector::scheduleCheck()
{
    QPointer<AwayDetector> weak(this);
    pending = scheduler.schedule(checkInterval, [weak] {
        if (weak) {
            weak->pending = 0;
            weak->check();
        }
    });
}

void AwayDetector::check()
{
    if (app.state.value() != MRAppState::working || !isEnabled())
        return;
    QPointer<AwayDetector> weak(this);
    const quint64 askedFor = generation;
    monitor->idleSeconds([weak, askedFor](std::optional<qint64> idle) {
        // A Pomodoro stopped or started meanwhile is not this answer's.
        if (!weak || weak->generation != askedFor || weak->app.state.value() != MRAppState::working)
            return;
        qint64 away = idle.value_or(0);
        if (weak->lockedSince)
            away = std::max(away, weak->lockedSince->secsTo(weak->clock.now()));
        if (away >= weak->threshold())
            weak->userAway(away);
        else
            weak->scheduleCheck();
    });
}

void AwayDetector::lockedChanged(bool locked)
{
    if (locked) {
        lockedSince = clock.now();
        return;
    }
    lockedSince.reset();
    if (awaySince)
        userReturned();
}

void AwayDetector::userAway(qint64 awaySeconds)
{
    awaySince = clock.now().addSecs(-awaySeconds);
    LOG_INFO(QStringLiteral("userAway: %1 s without input; the Pomodoro stops.").arg(awaySeconds));
    app.stopPomodoro();
    // On the screen when the user comes back (notification servers keep it until seen); a
    // locked screen says when that is and gets the full time at the unlock.
    if (!lockedSince)
        userReturned();
}

void AwayDetector::userReturned()
{
    if (!awaySince)
        return;
    const qint64 minutes = std::max<qint64>(1, awaySince->secsTo(clock.now()) / 60);
    awaySince.reset();
    LOG_INFO(QStringLiteral("userReturned: away %1 min").arg(minutes));
    notifications.postNotification(
        QStringLiteral("Welcome back — you were away %1 min").arg(minutes),
        QStringLiteral("The Pomodoro stopped while you were away; nothing was recorded. "
                       "Start a new one when you are ready."));
}
