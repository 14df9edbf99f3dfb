#pragma once

#include "records/WTask.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class Clock;
class MainDB;
class Preferences;

// The task store's entry point. Creating it opens "db.v1.sqlite" and sets up the table; a
// database that cannot be opened is logged and reported, never deleted or overwritten, and
// every later operation then fails with its neutral result.
class TaskService
{
public:
    // databasePath: normally DataFolder::databasePath(); none means the Data folder cannot be
    // made, which is handled like a database that cannot be opened.
    TaskService(Preferences& preferences, const Clock& clock, std::optional<QString> databasePath);
    ~TaskService();
    TaskService(const TaskService&) = delete;
    TaskService& operator=(const TaskService&) = delete;

    bool isReady() const;

    // Inserts a new row (taskID none lets the database assign it); false on failure.
    bool insert(const WTask& task);
    // Updates the row with the task's taskID when it exists, else inserts.
    bool updateOrInsert(const WTask& task);
    // Today's finished rows ordered by start ascending (only type 1 when pomodoroOnly).
    std::vector<WTask> fetchTodayTasks(bool pomodoroOnly);
    // The type-1 row with the latest end, of any day.
    std::optional<WTask> lastPomodoroTask();
    // True when the short breaks recorded today after the last long break number at least
    // the "countToLongBreak" preference.
    bool shouldTakeALongBreak();

private:
    Preferences& preferences;
    const Clock& clock;
    std::unique_ptr<MainDB> db;
};
