#pragma once

#include "reactive/DisposeBag.h"
#include "timer/Scheduler.h"

#include <QDateTime>
#include <QObject>

#include <optional>

class Clock;
class IdleMonitor;
class CycleController;
class NotificationCenter;
class Preferences;
class Presence;

// A Pomodoro does not count time its user was not there: while one runs, the idle time is
// read every ten seconds, and once the user has been away for the threshold (its own
// preference, ten minutes by default) — no input, or the screen locked that long — the Pomodoro
// stops as from the menu (nothing is recorded). Input after a lock is the user back, whether or
// not an unlock was reported: some lockers never say. When they are back (the unlock, or the
// first input the ten-second reading sees) a notification
// says for how long, with a button that starts a new Pomodoro. Otherwise nothing is read while
// no Pomodoro runs. Breaks are left alone: a break that began while the user was out waits
// for them. A paused Pomodoro is left alone too, and idle time before its resume does not count.
// A presence source that is active (a call, a share, a film, full-screen work) is the
// user there, however long they touch nothing.
class AwayDetector : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::seconds checkInterval{10};
    static constexpr qint64 defaultThreshold = 600;

    // monitor may be null: the feature is then off, said once in the log. presence may be null.
    AwayDetector(CycleController& app, IdleMonitor* monitor, Preferences& preferences, Scheduler& scheduler,
                 const Clock& clock, NotificationCenter& notifications, Presence* presence = nullptr,
                 QObject* parent = nullptr);
    ~AwayDetector() override;

    bool isEnabled() const;
    qint64 threshold() const;

private:
    void stateChanged();
    void scheduleCheck();
    void check();
    void checkForReturn();
    void lockedChanged(bool locked);
    // Input more recent than the lock: the screen is unlocked, said or not.
    void inputSeen(qint64 idleSeconds);
    // Away by the idle time: stops the Pomodoro unless a presence source says otherwise.
    void awayUnlessBusy(qint64 awaySeconds);
    void userAway(qint64 awaySeconds);
    // atMs on the steady clock.
    void userReturned(qint64 atMs, bool tell);
    // Tells the monitor whether the idle time will be asked for: a Pomodoro runs, or the user
    // it stopped for is not back yet.
    void updateWatching();
    // A Pomodoro counts down: running and not paused.
    bool pomodoroCounts() const;

    CycleController& app;
    IdleMonitor* monitor;
    Preferences& preferences;
    Scheduler& scheduler;
    const Clock& clock;
    NotificationCenter& notifications;
    Presence* presence;
    Scheduler::Token pending = 0;
    // Times on the steady clock: the lengths between them are what count.
    std::optional<qint64> lockedSinceMs;
    // Set when a Pomodoro was stopped because the user was away: when they went, and when
    // the Pomodoro stopped.
    std::optional<qint64> awaySinceMs;
    qint64 stoppedAtMs = 0;
    // When a paused Pomodoro went on again.
    std::optional<qint64> resumedAtMs;
    quint64 generation = 0;
    DisposeBag disposeBag;
};
