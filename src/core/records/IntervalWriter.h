#pragma once

#include "records/IntervalJournal.h"

#include <functional>
#include <optional>
#include <vector>

class MainDB;

// Why the database did not take a finished interval. Each kind asks something different of
// the user; busy passes by itself.
enum class StoreProblem
{
    none,
    busy,       // another program holds the file for a moment
    diskFull,   // no space left for the database
    readOnly,   // the file, its folder or its file system cannot be written
    cannotOpen, // there is no database and none can be made
    unreadable, // a file is there that cannot be read as the database
};

// What became of a write: the row's taskID once written; kept when the database could not take
// it and the interval waits (in the journal, when that could be written) for the next chance.
struct TaskWrite
{
    std::optional<qint64> taskID;
    bool kept = false;
    StoreProblem problem = StoreProblem::none;
    // The kept intervals are on disk and survive a quit; false when not even the journal could
    // be written.
    bool journalled = false;

    explicit operator bool() const { return taskID.has_value(); }
};

// Writes intervals to the table: each with its paused seconds in one transaction, the ones the
// database refuses kept in order and in the journal, and written again (once, never twice) at
// every later write, retry or start.
class IntervalWriter
{
public:
    // prepareTables runs after the database was reopened and answers whether the table of
    // paused seconds is there.
    IntervalWriter(MainDB& db, IntervalJournal journal, std::function<bool()> prepareTables);

    TaskWrite store(const Interval& task, bool update);
    // Writes the kept intervals, oldest first. False while any is still waiting.
    bool saveUnsaved();
    bool hasUnsaved() const { return !unsaved.empty(); }
    std::size_t unsavedCount() const { return unsaved.size(); }
    // The latest end among the kept intervals.
    std::optional<QDateTime> latestUnsavedEnd() const;
    // Intervals that a quit now would lose: kept, and not in the journal.
    int atRisk() const { return journalled ? 0 : int(unsaved.size()); }
    void setPauseTable(bool present) { pauseTable = present; }

private:
    struct Outcome
    {
        std::optional<qint64> key;
        StoreProblem problem = StoreProblem::none;
    };
    Outcome write(const Interval& task, bool update, bool kept);
    std::optional<qint64> writeRow(Interval task, bool update, bool kept);
    bool writePause(qint64 taskID, qint64 paused);
    StoreProblem problemOfLastStatement() const;
    void reopenIfUnwritable();
    void saveJournal();

    MainDB& db;
    IntervalJournal journal;
    std::function<bool()> prepareTables;
    std::vector<IntervalJournal::Entry> unsaved;
    bool journalled = true;
    bool pauseTable = false;
    // Why the last attempt to write the kept intervals stopped.
    StoreProblem lastProblem = StoreProblem::none;
};
