#pragma once

#include "reactive/BehaviorRelay.h"
#include "records/Interval.h"
#include "records/IntervalWriter.h"

#include <QDate>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Clock;
class MainDB;
struct Condition;
class Preferences;

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
    // journalPath: where intervals the database refuses wait; normally IntervalJournal::defaultPath().
    TaskService(Preferences& preferences, const Clock& clock, std::optional<QString> databasePath,
                std::chrono::milliseconds busyTimeout = std::chrono::milliseconds{1000},
                const QString& journalPath = IntervalJournal::defaultPath());
    ~TaskService();
    TaskService(const TaskService&) = delete;
    TaskService& operator=(const TaskService&) = delete;

    bool isReady() const;

    // Inserts a new row (taskID none lets the database assign it).
    TaskWrite insert(const Interval& task);
    // Updates the row with the task's taskID when it exists; without a taskID, the row or kept
    // interval of the same type and start (the same interval, lengthened). Else inserts.
    TaskWrite updateOrInsert(const Interval& task);
    // Writes the tasks kept while the database refused them, oldest first; every other
    // operation tries this first. False while any is still waiting.
    bool saveUnsavedTasks();
    bool hasUnsavedTasks() const { return writer->hasUnsaved(); }
    // Calls observer after each write that put intervals in the table (not at once).
    [[nodiscard]] Subscription observeWrites(std::function<void()> observer);
    // Finished intervals a quit now would lose (not even the journal could take them).
    int intervalsAtRisk() const { return writer->atRisk(); }
    // Whether the last read of the records failed (the database cannot be opened or read):
    // an empty answer then says nothing about the records.
    bool lastReadFailed() const { return readFailed; }
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
    // Saves what waits in the journal first, then names the database file for a reader with a
    // connection of its own (an export); empty when no database could be opened.
    QString databaseFileForReading();
    // The type-1 row with the latest end, of any day.
    std::optional<Interval> lastPomodoroTask();
    // The latest end of any row or kept interval: where the next interval may start at the earliest.
    std::optional<QDateTime> latestEnd();
    // True when the short breaks recorded today after the last long break number at least
    // the "countToLongBreak" preference.
    bool shouldTakeALongBreak();

private:
    // The index and the table of paused seconds; true when the latter is there.
    bool prepareTables();
    // The rows matching where, each with its paused seconds when the pause table is there.
    std::vector<Interval> findWithPauses(const Condition& where, bool byStart);

    Preferences& preferences;
    const Clock& clock;
    QString databasePath;
    std::unique_ptr<MainDB> db;
    std::unique_ptr<IntervalWriter> writer;
    bool readFailed = false;
    BehaviorRelay<qint64> writes{0};
    // The side table of paused seconds exists (a file that cannot be written may lack it).
    bool pauseTable = false;
};
