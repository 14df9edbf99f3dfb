#pragma once

#include "reactive/BehaviorRelay.h"
#include "timer/Scheduler.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <chrono>
#include <functional>

class Clock;
class NotificationCenter;
class Preferences;
class Presence;

// Holds the break that follows a Pomodoro while the user is busy (a call, a share, a film):
// asked at the Pomodoro's end, the presence sources decide; while held they are asked every
// two seconds and the break starts once two answers in a row say nothing is active (so a
// source that drops out for a moment does not start it), or when the longest hold allowed has
// passed, a minute after a notification says so (unless the longest hold is shorter). The break is never dropped by holding: only
// a command (stop, another interval) or quitting ends a hold without it.
class BreakHold : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::seconds pollInterval{2};
    static constexpr int quietAnswersToRelease = 2;
    static constexpr qint64 warningSeconds = 60;

    // presence may be null: breaks are then never held.
    BreakHold(Preferences& preferences, Scheduler& scheduler, const Clock& clock,
              NotificationCenter& notifications, Presence* presence, QObject* parent = nullptr);
    ~BreakHold() override;

    // What holds the break now, joined for display; empty while no break is held.
    BehaviorRelay<QString> heldBy{QString()};
    bool isHeld() const { return !heldBy.value().isEmpty(); }

    // Runs start now, or once nothing holds the break any more. A previous wait is dropped.
    void beforeBreak(std::function<void()> start);
    // A command took over (why, for the log): the waiting break is dropped without starting.
    void cancel(const QString& why);

    // The hold's notification title: what ends it (a call, a share, full screen).
    static QString heldTitle(const QStringList& active);

private:
    bool holdingAllowed() const;
    void hold(const QStringList& active);
    void poll();
    void answered(const QStringList& active);
    void release(const QString& why);
    void reset();
    QString heldFor() const;

    Preferences& preferences;
    Scheduler& scheduler;
    const Clock& clock;
    NotificationCenter& notifications;
    Presence* presence;
    std::function<void()> pendingStart;
    quint64 generation = 0;
    qint64 heldSinceMs = 0; // on the steady clock
    QStringList seen;
    int quietAnswers = 0;
    Scheduler::Token pollToken = 0;
    Scheduler::Token warningToken = 0;
    Scheduler::Token maximumToken = 0;
};
