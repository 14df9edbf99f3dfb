#include "records/IntervalWriter.h"

#include "diagnostics/Log.h"
#include "records/DBTable.h"
#include "records/MainDB.h"

namespace {

using Tasks = DBTable<Interval>;

double secondsSince1970(const QDateTime& date)
{
    return static_cast<double>(date.toMSecsSinceEpoch()) / 1000.0;
}

bool sameInterval(const Interval& a, const Interval& b)
{
    return a.type == b.type && a.start == b.start;
}

} // namespace

IntervalWriter::IntervalWriter(MainDB& db, IntervalJournal journal, std::function<bool()> prepareTables)
    : db(db), journal(std::move(journal)), prepareTables(std::move(prepareTables))
{
    unsaved = this->journal.load();
    if (!unsaved.empty())
        LOG_INFO(
            QStringLiteral("%1 finished interval(s) from the journal wait to be saved.").arg(unsaved.size()));
}

TaskWrite IntervalWriter::store(const Interval& task, bool update)
{
    // A lengthened interval whose first write is still waiting replaces that entry: one row.
    if (update && !task.taskID) {
        const auto same =
            std::find_if(unsaved.begin(), unsaved.end(),
                         [&](const IntervalJournal::Entry& entry) { return sameInterval(entry.task, task); });
        if (same != unsaved.end())
            unsaved.erase(same);
    }
    Outcome outcome;
    // Intervals kept earlier go first, so rows land in the order the intervals finished.
    if (saveUnsaved()) {
        outcome = write(task, update, false);
        if (outcome.key)
            return {outcome.key};
        if (outcome.problem == StoreProblem::none)
            return {};
    } else {
        outcome.problem = lastProblem;
    }
    static const char* const reasons[] = {"",
                                          "The database is busy",
                                          "The disk is full",
                                          "The database is read-only",
                                          "The database cannot be opened",
                                          "The database cannot be read"};
    LOG_WARNING(QLatin1String(reasons[int(outcome.problem)]) +
                QStringLiteral("; the task is kept and saved later."));
    unsaved.push_back({task, update});
    saveJournal();
    return {std::nullopt, true, outcome.problem, journalled};
}

bool IntervalWriter::saveUnsaved()
{
    if (unsaved.empty()) {
        // Every read and write comes here first: a database another program held at start, or
        // one opened read-only that can be written again, is opened anew before it is refused.
        reopenIfUnwritable();
        return true;
    }
    reopenIfUnwritable();
    const std::size_t before = unsaved.size();
    while (!unsaved.empty()) {
        const Outcome outcome = write(unsaved.front().task, unsaved.front().update, true);
        lastProblem = outcome.problem;
        if (!outcome.key && outcome.problem != StoreProblem::none)
            break;
        if (outcome.key)
            LOG_INFO(QStringLiteral("Saved a task kept while the database was busy."));
        else
            LOG_ERROR(QStringLiteral("Failed to save a task kept while the database was busy."));
        unsaved.erase(unsaved.begin());
    }
    if (unsaved.size() != before)
        saveJournal();
    return unsaved.empty();
}

std::optional<QDateTime> IntervalWriter::latestUnsavedEnd() const
{
    std::optional<QDateTime> latest;
    for (const IntervalJournal::Entry& entry : unsaved)
        if (entry.task.end && (!latest || *entry.task.end > *latest))
            latest = entry.task.end;
    return latest;
}

void IntervalWriter::saveJournal()
{
    journalled = journal.save(unsaved);
    if (!journalled)
        LOG_ERROR(
            QStringLiteral("The journal %1 cannot be written: %2 finished interval(s) live in memory only.")
                .arg(journal.filePath())
                .arg(unsaved.size()));
}

void IntervalWriter::reopenIfUnwritable()
{
    if (db.initilaized() && !db.isReadOnly())
        return;
    if (db.reopenIfUnwritable())
        pauseTable = prepareTables();
}

IntervalWriter::Outcome IntervalWriter::write(const Interval& task, bool update, bool kept)
{
    if (!db.initilaized())
        return {std::nullopt, problemOfLastStatement()};
    // An interval and its pause are one: a pause refused after its row would be lost unseen.
    if (!db.execute(QStringLiteral("BEGIN IMMEDIATE"), {}).value)
        return {std::nullopt, problemOfLastStatement()};
    const auto key = writeRow(task, update, kept);
    if (key && writePause(*key, task.paused) && db.execute(QStringLiteral("COMMIT"), {}).value)
        return {key};
    const StoreProblem problem = problemOfLastStatement();
    if (db.inTransaction())
        db.execute(QStringLiteral("ROLLBACK"), {});
    return {std::nullopt, problem};
}

std::optional<qint64> IntervalWriter::writeRow(Interval task, bool update, bool kept)
{
    if (update && task.taskID) {
        const Condition byKey = Column(QStringLiteral("taskID")) == *task.taskID;
        const bool exists = Tasks::findOne(db, {QStringLiteral("taskID")}, byKey).has_value();
        if (db.lastStatementFailed())
            return std::nullopt;
        if (exists)
            return Tasks::update(db, task, Interval::allColumns(), byKey) ? task.taskID : std::nullopt;
    } else if (update || kept) {
        // The same interval already on record (its first write landed, or a crash came between
        // the write and the journal's update) is lengthened, never written twice.
        const double start = secondsSince1970(task.start);
        const Condition same = Column(QStringLiteral("start")) >= start - 0.0005 &&
                               Column(QStringLiteral("start")) <= start + 0.0005 &&
                               Column(QStringLiteral("type")) == qint64{task.type};
        const auto found = Tasks::findOne(db, {QStringLiteral("taskID")}, same);
        if (db.lastStatementFailed())
            return std::nullopt;
        if (found && found->taskID) {
            task.taskID = found->taskID;
            const Condition byKey = Column(QStringLiteral("taskID")) == *task.taskID;
            return Tasks::update(db, task, Interval::allColumns(), byKey) ? task.taskID : std::nullopt;
        }
    }
    // A key that no longer exists is inserted as it is, so the caller's record keeps its identity.
    if (!Tasks::insert(db, task, Interval::allColumns()))
        return std::nullopt;
    return db.lastInsertRowID();
}

bool IntervalWriter::writePause(qint64 taskID, qint64 paused)
{
    if (!pauseTable)
        return true;
    const auto written =
        paused > 0
            ? db.execute(
                  QStringLiteral(R"(INSERT OR REPLACE INTO "WTaskPause"("taskID", "paused") VALUES(?, ?))"),
                  {taskID, paused})
            : db.execute(QStringLiteral(R"(DELETE FROM "WTaskPause" WHERE "taskID" = ?)"), {taskID});
    if (!written.value)
        LOG_WARNING(QStringLiteral("The paused time of a task was not saved: ") +
                    written.error.description());
    return written.value.has_value();
}

StoreProblem IntervalWriter::problemOfLastStatement() const
{
    if (!db.initilaized())
        return db.fileExists() ? StoreProblem::unreadable : StoreProblem::cannotOpen;
    if (db.lastFailureWasFullDisk())
        return StoreProblem::diskFull;
    if (db.isReadOnly() || db.lastFailureWasReadOnly())
        return StoreProblem::readOnly;
    return db.lastFailureCanPass() ? StoreProblem::busy : StoreProblem::none;
}
