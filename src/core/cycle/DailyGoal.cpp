#include "cycle/DailyGoal.h"

#include "cycle/CycleController.h"
#include "diagnostics/Log.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"
#include "timer/NotificationCenter.h"

#include <QPointer>

#include <algorithm>

DailyGoal::DailyGoal(CycleController& app, TaskService& tasks, Preferences& preferences, const Clock& clock,
                     Scheduler& scheduler, NotificationCenter& notifications, QObject* parent)
    : QObject(parent), tasks(tasks), preferences(preferences), clock(clock), scheduler(scheduler),
      notifications(notifications)
{
    // Also kept Pomodoros that a retry saved after a full or busy disk.
    connect(&app.taskRecorder(), &TaskRecorder::recorded, this, [this] {
        refresh();
        notifyIfMet();
    });
    disposeBag += preferences.observe(GoalKey::daily, [this](const QJsonValue&) { refresh(); });
}

DailyGoal::~DailyGoal()
{
    scheduler.cancel(midnight);
}

void DailyGoal::refresh()
{
    status.accept(FocusHistory::goalStatus(tasks, preferences, clock.now().toLocalTime().date()));
    scheduleMidnight();
}

void DailyGoal::scheduleMidnight()
{
    scheduler.cancel(midnight);
    const QDateTime now = clock.now().toLocalTime();
    const QDateTime next = now.date().addDays(1).startOfDay(Qt::LocalTime);
    // A second past it, so the new day is the one read; and never later than an hour, as the
    // scheduler's time stands still while the machine sleeps. A read the database refused (busy,
    // unreadable for now) is tried again in a minute.
    const qint64 wait =
        std::clamp<qint64>(now.msecsTo(next) + 1000, 1000, tasks.lastReadFailed() ? 60'000 : 3'600'000);
    QPointer<DailyGoal> weak(this);
    midnight = scheduler.schedule(std::chrono::milliseconds(wait), [weak] {
        if (weak) {
            weak->midnight = 0;
            weak->refresh();
        }
    });
}

void DailyGoal::notifyIfMet()
{
    const FocusHistory::GoalStatus& now = status.value();
    if (!now.met() || !preferences.boolValue(GoalKey::notify))
        return;
    const QString today = clock.now().toLocalTime().date().toString(Qt::ISODate);
    if (preferences.stringValue(GoalKey::notifiedOn).value_or(QString()) == today)
        return;
    preferences.setValue(GoalKey::notifiedOn, today);
    LOG_INFO(QStringLiteral("The daily goal is met: %1 Pomodoros").arg(now.today));
    notifications.postNotification(
        tr("Daily goal met"),
        tr("%n Pomodoro(s) today. Days in a row: %1", nullptr, now.today).arg(now.streak));
}
