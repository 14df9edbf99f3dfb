#pragma once

#include "records/Interval.h"

#include <QObject>
#include <QSet>

#include <chrono>
#include <optional>

class Clock;
class NotificationCenter;
class Scheduler;
class TaskService;
struct TaskWrite;

// Writes the cycle's finished intervals to the records; those the database refuses (busy, full,
// read-only, unreadable) are kept in the journal and tried again later, until they are written.
// Each kind of refusal is told to the user once, with what to do about it; so is an interval
// that not even the journal could keep.
class TaskRecorder : public QObject
{
    Q_OBJECT
public:
    // How often tasks kept while the database was busy are tried again.
    static constexpr std::chrono::seconds unsavedTaskRetry{60};

    TaskRecorder(TaskService& tasks, const Clock& clock, Scheduler& scheduler,
                 NotificationCenter* notifications = nullptr, QObject* parent = nullptr);

    // Both end the task now unless it has its end already, and return the stored record with
    // its taskID, or none when it was not written (yet).
    std::optional<Interval> insert(Interval task);
    // Lengthens the row the task was read from, or adds it when there is none.
    std::optional<Interval> updateOrInsert(Interval task);

Q_SIGNALS:
    // Intervals reached the records: one just finished, or kept ones a retry saved.
    void recorded();

private:
    std::optional<Interval> write(Interval task, TaskWrite (TaskService::*operation)(const Interval&),
                                  const QString& savedText, const QString& failedText);
    void retryUnsavedTasksLater();
    void tell(const TaskWrite& written);

    TaskService& tasks;
    const Clock& clock;
    Scheduler& scheduler;
    NotificationCenter* notifications;
    bool retryScheduled = false;
    // The kinds of refusal the user has heard of since the records were last all written.
    QSet<int> told;
    bool toldAtRisk = false;
};
