#include "automation/TimerProperties.h"

#include "cycle/CycleController.h"
#include "timer/Countdown.h"

#include <QTimer>

TimerProperties::TimerProperties(CycleController& app, Countdown& timer, QObject* parent)
    : QObject(parent), app(app), timer(timer), lastSeconds(timer.currentTime.value())
{
    disposeBag += app.state.subscribe([this](CycleState) {
        queue({{QStringLiteral("State"), state()},
               {QStringLiteral("RemainingSeconds"), remainingSeconds()},
               {QStringLiteral("Deadline"), deadline()}});
    });
    disposeBag += app.isPaused.subscribe([this](bool) {
        queue({{QStringLiteral("Paused"), paused()},
               {QStringLiteral("RemainingSeconds"), remainingSeconds()},
               {QStringLiteral("Deadline"), deadline()}});
    });
    disposeBag += timer.currentTime.subscribe([this](int seconds) { countdownMoved(seconds); });
    // A step of the wall clock moves the deadline without moving the countdown.
    disposeBag += timer.deadline.subscribe([this](qint64) {
        queue({{QStringLiteral("Deadline"), deadline()}});
    });
    // What the subscriptions delivered at once describes the start, not a change.
    pending.clear();
    flushQueued = false;
}

QString TimerProperties::state() const
{
    return appStateName(app.state.value());
}

int TimerProperties::remainingSeconds() const
{
    return timer.currentTime.value();
}

qint64 TimerProperties::deadline() const
{
    return timer.deadline.value() * 1000;
}

bool TimerProperties::paused() const
{
    return app.isPaused.value();
}

void TimerProperties::countdownMoved(int seconds)
{
    const bool tick = seconds == lastSeconds - 1 && seconds > 0;
    lastSeconds = seconds;
    if (tick)
        return;
    queue({{QStringLiteral("RemainingSeconds"), seconds}, {QStringLiteral("Deadline"), deadline()}});
}

void TimerProperties::queue(const QVariantMap& properties)
{
    pending.insert(properties);
    if (flushQueued)
        return;
    flushQueued = true;
    // A start moves the state and the countdown several times in one go: one signal says it all.
    QTimer::singleShot(0, this, [this] {
        if (!flushQueued)
            return;
        flushQueued = false;
        QVariantMap changes;
        changes.swap(pending);
        // The values as they are now, not as they were when first queued.
        for (auto it = changes.begin(); it != changes.end(); ++it) {
            if (it.key() == QLatin1String("State"))
                it.value() = state();
            else if (it.key() == QLatin1String("RemainingSeconds"))
                it.value() = remainingSeconds();
            else if (it.key() == QLatin1String("Deadline"))
                it.value() = deadline();
            else if (it.key() == QLatin1String("Paused"))
                it.value() = paused();
        }
        Q_EMIT changed(changes);
    });
}
