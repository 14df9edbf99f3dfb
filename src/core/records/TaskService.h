#pragma once

#include "records/Interval.h"

#include <QDate>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

class Clock;
class MainDB;
struct Condition;
class Preferences;

// What became of a write: the row's taskID once written; kept when the database could not take
// it for a while (another program held a lock, the disk was full) and the task waits in memory
// for the next chance.
struct TaskWrite
{
    std::optional<qint64> taskID;
    bool kept = false;
    // Kept because the disk was full: the user should hear of it.
    bool diskFull = false;

    explicit operator bool() const { return taskID.has_value(); }
};

// A calendar day's Pomodoros: how many, and their focused seconds (paused time left out).
struct DayFocus
{
    qint64 seconds = 0;
    int pomodoros = 0;

    bool operator==(const DayFocus&) const = default;
};

// The task store's entry point. Creating it opens "db.v1.sqlite" and sets up the table; a
// database that cannot be opened is logged and reported, never deleted or overwritten, and
// every later operation then fails with its neutral result.
class TaskService
{
public:
    // databasePath: normally DataFolder::databasePath(); none means the Data folder cannot be
    // made, which is handled like a database that cannot be opened.
    TaskService(Preferences& preferences, const Clock& clock, std::optional<QString> databasePath,
                std::chrono::milliseconds busyTimeout = std::chrono::milliseconds{1000});
    ~TaskService();
    TaskService(const TaskService&) = delete;
    TaskService& operator=(const TaskService&) = delete;

    bool isReady() const;

    // Inserts a new row (taskID none lets the database assign it).
    TaskWrite insert(const Interval& task);
    // Updates the row with the task's taskID when it exists, else inserts.
    TaskWrite updateOrInsert(const Interval& task);
    // Writes the tasks kept while the database was busy, oldest first; every other operation
    // tries this first. False while any is still waiting.
    bool saveUnsavedTasks();
    bool hasUnsavedTasks() const { return !unsaved.empty(); }
    // Today's finished rows ordered by start ascending (only type 1 when pomodoroOnly).
    std::vector<Interval> fetchTodayTasks(bool pomodoroOnly);
    // The same for any calendar day of the user's time zone.
    std::vector<Interval> fetchTasks(const QDate& day, bool pomodoroOnly);
    // Seconds of Pomodoros per day for the days days ending with lastDay, earliest first; a
    // Pomodoro counts on the day it started.
    std::vector<qint64> focusedSecondsPerDay(const QDate& lastDay, int days);
    // Each calendar day from first to last, earliest first, in one query; a Pomodoro counts on
    // the day it started, with its focused length.
    std::vector<DayFocus> focusPerDay(const QDate& first, const QDate& last);
    // Every finished row, ordered by start.
    std::vector<Interval> allTasks();
    // The same, or none when the records cannot be read (the database could not be opened, or
    // another program holds it): an export must not stand an empty file in for the records.
    std::optional<std::vector<Interval>> readAllTasks();
    // The type-1 row with the latest end, of any day.
    std::optional<Interval> lastPomodoroTask();
    // The latest end of any row: where the next interval may start at the earliest.
    std::optional<QDateTime> latestEnd();
    // True when the short breaks recorded today after the last long break number at least
    // the "countToLongBreak" preference.
    bool shouldTakeALongBreak();

private:
    struct Unsaved
    {
        Interval task;
        bool update;
    };
    TaskWrite store(const Interval& task, bool update);
    // One write; busy tells a lock held elsewhere from any other failure.
    std::optional<qint64> write(const Interval& task, bool update, bool& busy);
    void writePause(qint64 taskID, qint64 paused);
    // The rows matching where, each with its paused seconds when the pause table is there.
    std::vector<Interval> findWithPauses(const Condition& where, bool byStart);

    Preferences& preferences;
    const Clock& clock;
    std::unique_ptr<MainDB> db;
    std::vector<Unsaved> unsaved;
    // The side table of paused seconds exists (a file that cannot be written may lack it).
    bool pauseTable = false;
};
