#include "cycle/TaskRecorder.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "records/TaskService.h"
#include "timer/Clock.h"
#include "timer/NotificationCenter.h"
#include "timer/Scheduler.h"

#include <QCoreApplication>
#include <QPointer>

TaskRecorder::TaskRecorder(TaskService& tasks, const Clock& clock, Scheduler& scheduler,
                           NotificationCenter* notifications, QObject* parent)
    : QObject(parent), tasks(tasks), clock(clock), scheduler(scheduler), notifications(notifications)
{}

std::optional<Interval> TaskRecorder::insert(Interval task)
{
    return write(std::move(task), &TaskService::insert, QStringLiteral("Saved new task to db."),
                 QStringLiteral("Failed to save new task."));
}

std::optional<Interval> TaskRecorder::updateOrInsert(Interval task)
{
    return write(std::move(task), &TaskService::updateOrInsert, QStringLiteral("Update postpone task to db."),
                 QStringLiteral("Failed to update postpone task."));
}

std::optional<Interval> TaskRecorder::write(Interval task,
                                            TaskWrite (TaskService::*operation)(const Interval&),
                                            const QString& savedText, const QString& failedText)
{
    if (!task.end)
        task.end = clock.now();
    const TaskWrite written = (tasks.*operation)(task);
    if (written) {
        LOG_INFO(savedText);
    } else if (written.kept) {
        if (written.diskFull && !toldDiskFull && notifications) {
            // The log is on the same disk: a notification is the one way the user hears of it.
            toldDiskFull = true;
            notifications->postNotification(
                QCoreApplication::translate("Localizable", "Mirelo cannot save"),
                QCoreApplication::translate(
                    "Localizable", "The disk is full: Mirelo keeps today's records until it can save them"));
        }
        retryUnsavedTasksLater();
    } else {
        LOG_ERROR(failedText);
        track(UsageEvent::failedToSaveTask);
    }
    if (!written)
        return std::nullopt;
    task.taskID = written.taskID;
    return task;
}
void TaskRecorder::retryUnsavedTasksLater()
{
    if (retryScheduled)
        return;
    retryScheduled = true;
    QPointer<TaskRecorder> weak(this);
    scheduler.schedule(unsavedTaskRetry, [weak] {
        if (!weak)
            return;
        weak->retryScheduled = false;
        if (!weak->tasks.saveUnsavedTasks())
            weak->retryUnsavedTasksLater();
        else
            weak->toldDiskFull = false;
    });
}
