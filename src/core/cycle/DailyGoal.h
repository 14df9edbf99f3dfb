#pragma once

#include "reactive/BehaviorRelay.h"
#include "records/FocusHistory.h"
#include "timer/Scheduler.h"

#include <QObject>

class Clock;
class CycleController;
class NotificationCenter;
class Preferences;
class TaskService;

// Today's progress towards the daily goal, kept current for the tray: read again whenever
// intervals reach the records, when the goal changes and at midnight. The first time a day meets the goal a
// notification says so (unless switched off); the day is stored, so a restart does not repeat it.
class DailyGoal : public QObject
{
    Q_OBJECT
public:
    DailyGoal(CycleController& app, TaskService& tasks, Preferences& preferences, const Clock& clock,
              Scheduler& scheduler, NotificationCenter& notifications, QObject* parent = nullptr);
    ~DailyGoal() override;

    BehaviorRelay<FocusHistory::GoalStatus> status;

    void refresh();

private:
    void scheduleMidnight();
    void notifyIfMet();

    TaskService& tasks;
    Preferences& preferences;
    const Clock& clock;
    Scheduler& scheduler;
    NotificationCenter& notifications;
    Scheduler::Token midnight = 0;
    DisposeBag disposeBag;
};
