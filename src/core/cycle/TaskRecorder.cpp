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
{
    // Intervals the last run journalled, that the database refused again at this start, wait
    // for the same retries as the ones this run keeps.
    if (tasks.hasUnsavedTasks())
        retryUnsavedTasksLater();
}

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
    // The cycle measures the length on a clock that never steps and gives the end itself.
    if (!task.end)
        task.end = clock.now();
    const TaskWrite written = (tasks.*operation)(task);
    if (written) {
        LOG_INFO(savedText);
        Q_EMIT recorded();
    } else if (written.kept) {
        tell(written);
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
void TaskRecorder::tell(const TaskWrite& written)
{
    // The log may be on the very disk that refuses: a notification is the one way to be heard.
    if (!notifications)
        return;
    const QString title = QCoreApplication::translate("Localizable", "Mirelo cannot save");
    if (!written.journalled) {
        if (!toldAtRisk) {
            toldAtRisk = true;
            notifications->postNotification(
                title,
                QCoreApplication::translate("Localizable",
                                            "%n finished interval(s) cannot be kept on disk and will be lost "
                                            "if Mirelo quits before the records can be saved. Free some "
                                            "disk space.",
                                            nullptr, tasks.intervalsAtRisk()));
        }
        return;
    }
    if (written.problem == StoreProblem::busy || told.contains(int(written.problem)))
        return;
    told.insert(int(written.problem));
    QString text;
    switch (written.problem) {
    case StoreProblem::diskFull:
        text = QCoreApplication::translate(
            "Localizable",
            "The disk is full. Mirelo keeps your records aside and saves them once there is space.");
        break;
    case StoreProblem::readOnly:
        text = QCoreApplication::translate(
            "Localizable", "The records database is read-only. Make it writable again; Mirelo "
                           "keeps your records aside until then.");
        break;
    case StoreProblem::cannotOpen:
        text = QCoreApplication::translate("Localizable",
                                           "Mirelo cannot create its records database. Make its data folder "
                                           "writable; Mirelo keeps your records aside until then.");
        break;
    default:
        text = QCoreApplication::translate("Localizable",
                                           "Mirelo cannot read its records database. Check the file's "
                                           "permissions; Mirelo keeps your records aside until then.");
        break;
    }
    notifications->postNotification(title, text);
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
        if (!weak->tasks.saveUnsavedTasks()) {
            weak->retryUnsavedTasksLater();
        } else {
            weak->told.clear();
            weak->toldAtRisk = false;
            Q_EMIT weak->recorded();
        }
    });
}
