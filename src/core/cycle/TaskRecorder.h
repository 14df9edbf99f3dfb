#pragma once

#include "records/WTask.h"

#include <QObject>

#include <chrono>
#include <optional>

class Clock;
class Scheduler;
class TaskService;
struct TaskWrite;

// Writes the cycle's finished intervals to the records; those the database kept while it was
// busy are tried again later, until they are written.
class TaskRecorder : public QObject
{
    Q_OBJECT
public:
    // How often tasks kept while the database was busy are tried again.
    static constexpr std::chrono::seconds unsavedTaskRetry{60};

    TaskRecorder(TaskService& tasks, const Clock& clock, Scheduler& scheduler, QObject* parent = nullptr);

    // Both end the task now and return the stored record with its taskID, or none when it was
    // not written (yet).
    std::optional<WTask> insert(WTask task);
    // Lengthens the row the task was read from, or adds it when there is none.
    std::optional<WTask> updateOrInsert(WTask task);

private:
    std::optional<WTask> write(WTask task, TaskWrite (TaskService::*operation)(const WTask&),
                               const QString& savedText, const QString& failedText);
    void retryUnsavedTasksLater();

    TaskService& tasks;
    const Clock& clock;
    Scheduler& scheduler;
    bool retryScheduled = false;
};
