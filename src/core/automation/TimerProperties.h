#pragma once

#include "cycle/CycleState.h"
#include "reactive/DisposeBag.h"

#include <QObject>
#include <QVariantMap>

class CycleController;
class Countdown;

// What other programs see of the timer: its state, the seconds left and the deadline. As for a
// player's position, a value that moves every second is not signalled (a client counts down
// from Deadline by itself); a change of state and a jump of the countdown (a start, a stop, a
// postponement, a wake) are, once per turn of the event loop.
class TimerProperties : public QObject
{
    Q_OBJECT
public:
    TimerProperties(CycleController& app, Countdown& timer, QObject* parent = nullptr);

    QString state() const;
    int remainingSeconds() const;
    // When the countdown reaches zero on the wall clock, in microseconds since 1970; 0 when no
    // timer counts.
    qint64 deadline() const;
    // A Pomodoro stands paused; the deadline is then 0 and RemainingSeconds what is left.
    bool paused() const;

Q_SIGNALS:
    // The properties that changed, by their D-Bus names.
    void changed(const QVariantMap& properties);

private:
    void countdownMoved(int seconds);
    void queue(const QVariantMap& properties);

    CycleController& app;
    Countdown& timer;
    int lastSeconds = 0;
    QVariantMap pending;
    bool flushQueued = false;
    DisposeBag disposeBag;
};
