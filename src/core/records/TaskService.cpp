#include "records/TaskService.h"

#include "diagnostics/Log.h"
#include "records/DBTable.h"
#include "records/MainDB.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int pomodoroType = 1;
constexpr int shortBreakType = 2;
constexpr int longBreakType = 3;

using Tasks = DBTable<Interval>;

double secondsSince1970(const QDateTime& date)
{
    return static_cast<double>(date.toMSecsSinceEpoch()) / 1000.0;
}

// Latest first, as a list: ["Today-Pomodoro", nil, ...].
QString titleList(const std::vector<Interval>& tasks)
{
    QStringList titles;
    for (auto it = tasks.rbegin(); it != tasks.rend(); ++it) {
        const auto title = it->typeTitle();
        titles << (title ? QLatin1Char('"') + *title + QLatin1Char('"') : QStringLiteral("nil"));
    }
    return QLatin1Char('[') + titles.join(QStringLiteral(", ")) + QLatin1Char(']');
}

} // namespace

TaskService::TaskService(Preferences& preferences, const Clock& clock, std::optional<QString> databasePath,
                         std::chrono::milliseconds busyTimeout, const QString& journalPath)
    : preferences(preferences), clock(clock), databasePath(databasePath.value_or(QString())),
      db(std::make_unique<MainDB>(std::move(databasePath), busyTimeout))
{
    writer = std::make_unique<IntervalWriter>(*db, IntervalJournal(journalPath), [this] {
        pauseTable = prepareTables();
        return pauseTable;
    });
    if (const auto error = db->setup(Interval::tableName(), Interval::columnDefs())) {
        LOG_ERROR(QStringLiteral("Failed to setup db. error: ") + error->description());
        return;
    }
    LOG_INFO(QStringLiteral("DB setup."));
    pauseTable = prepareTables();
    writer->setPauseTable(pauseTable);
    // Intervals journalled by an earlier run go in before anything else is read or written.
    saveUnsavedTasks();
}

bool TaskService::prepareTables()
{
    // Every query picks days by their start: with ten years of rows a scan of the whole table
    // would cost milliseconds on the main thread at each break and statistics page. The table
    // itself stays as it is; a reader without the index sees the same rows.
    const auto index =
        db->execute(QStringLiteral(R"(CREATE INDEX IF NOT EXISTS "WTask_start" ON "WTask"("start"))"), {});
    if (!index.value)
        LOG_WARNING(QStringLiteral("No index on the start of tasks; queries scan the table."));
    // Paused seconds live in a table of their own: the rows of "WTask" keep their meaning for
    // any reader, and an older Mirelo opening this file simply does not look here.
    const auto pauses = db->execute(
        QStringLiteral(
            R"(CREATE TABLE IF NOT EXISTS "WTaskPause"("taskID" INTEGER PRIMARY KEY, "paused" INTEGER))"),
        {});
    if (pauses.value)
        return true;
    const auto found = db->query(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'WTaskPause'"), {});
    const bool present = found.value && !found.value->empty();
    if (!present)
        LOG_WARNING(QStringLiteral("No table for paused time; Pomodoros count with their pauses."));
    return present;
}

TaskService::~TaskService()
{
    if (!writer->hasUnsaved() || saveUnsavedTasks())
        return;
    if (writer->atRisk() > 0)
        LOG_ERROR(
            QStringLiteral("The database is still busy: %1 finished task(s) could not be saved and are lost.")
                .arg(writer->atRisk()));
    else
        LOG_WARNING(QStringLiteral("Finished tasks wait in the journal and are saved at the next start."));
}

bool TaskService::isReady() const
{
    return db->initilaized();
}

TaskWrite TaskService::insert(const Interval& task)
{
    const std::size_t waiting = writer->unsavedCount();
    TaskWrite written = writer->store(task, false);
    if (written || writer->unsavedCount() < waiting)
        writes.accept(writes.value() + 1);
    return written;
}

TaskWrite TaskService::updateOrInsert(const Interval& task)
{
    const std::size_t waiting = writer->unsavedCount();
    TaskWrite written = writer->store(task, true);
    if (written || writer->unsavedCount() < waiting)
        writes.accept(writes.value() + 1);
    return written;
}

bool TaskService::saveUnsavedTasks()
{
    const std::size_t waiting = writer->unsavedCount();
    const bool saved = writer->saveUnsaved();
    if (writer->unsavedCount() < waiting)
        writes.accept(writes.value() + 1);
    return saved;
}

Subscription TaskService::observeWrites(std::function<void()> observer)
{
    auto first = std::make_shared<bool>(true);
    return writes.subscribe([first, observer = std::move(observer)](qint64) {
        if (*first)
            *first = false;
        else
            observer();
    });
}

std::vector<Interval> TaskService::findWithPauses(const Condition& where, bool byStart)
{
    const QString order = byStart ? QStringLiteral(R"( ORDER BY "start" ASC)") : QString();
    if (!pauseTable) {
        auto tasks = Tasks::find(*db, Interval::allColumns(), where,
                                 byStart ? std::vector<Order>{Column(QStringLiteral("start")).asc()}
                                         : std::vector<Order>{});
        readFailed = db->lastStatementFailed() || !db->initilaized();
        return tasks;
    }
    QStringList on = Interval::allColumns();
    QStringList selected;
    for (const QString& column : on)
        selected << MainDB::quoted(column);
    on << QStringLiteral("paused");
    selected << QStringLiteral(R"(COALESCE("paused", 0))");
    const auto rows =
        db->query(QStringLiteral("SELECT ") + selected.join(QStringLiteral(", ")) +
                      QStringLiteral(R"( FROM "WTask" LEFT JOIN "WTaskPause" USING("taskID") WHERE )") +
                      where.sql + order,
                  where.values);
    readFailed = !rows.value.has_value();
    if (!rows.value) {
        LOG_ERROR(QStringLiteral("Error: ") + rows.error.description());
        return {};
    }
    std::vector<Interval> tasks;
    tasks.reserve(rows.value->size());
    for (const DBRow& row : *rows.value) {
        Interval& task = tasks.emplace_back();
        for (std::size_t i = 0; i < row.size() && i < std::size_t(on.size()); ++i)
            task.setColumnValue(on[qsizetype(i)], row[i]);
    }
    return tasks;
}

std::vector<Interval> TaskService::fetchTodayTasks(bool pomodoroOnly)
{
    // The user's calendar day, taken afresh each call so a running program crosses midnight.
    return fetchTasks(clock.now().toLocalTime().date(), pomodoroOnly);
}

namespace {

// The date's own bounds, not 00:00 and 23:59:59: where daylight saving starts at midnight
// 00:00 does not exist, and where it ends at midnight the day's last hour comes twice. An
// interval is its start's day, as the charts, the periods and the goal count it: a Pomodoro over
// midnight is on one day's list, never on neither. Any comparison with a missing end is false,
// so rows still running stay out.
Condition dayCondition(const QDate& first, const QDate& last)
{
    const double start = secondsSince1970(first.startOfDay(Qt::LocalTime));
    const double next = secondsSince1970(last.addDays(1).startOfDay(Qt::LocalTime));
    return Column(QStringLiteral("start")) >= start &&
           Column(QStringLiteral("start")) <= std::nextafter(next, 0.0) &&
           Column(QStringLiteral("end")) >= std::numeric_limits<qint64>::min();
}

} // namespace

std::vector<Interval> TaskService::fetchTasks(const QDate& day, bool pomodoroOnly)
{
    saveUnsavedTasks();
    Condition where = dayCondition(day, day);
    if (pomodoroOnly)
        where = where && Column(QStringLiteral("type")) == qint64{pomodoroType};
    return findWithPauses(where, true);
}

std::vector<qint64> TaskService::focusedSecondsPerDay(const QDate& lastDay, int days)
{
    std::vector<qint64> totals;
    if (days <= 0)
        return totals;
    totals.reserve(std::size_t(days));
    for (const DayFocus& day : focusPerDay(lastDay.addDays(1 - days), lastDay))
        totals.push_back(day.seconds);
    return totals;
}

std::vector<DayFocus> TaskService::focusPerDay(const QDate& first, const QDate& last)
{
    saveUnsavedTasks();
    const qint64 days = first.daysTo(last) + 1;
    std::vector<DayFocus> focus(std::size_t(std::max<qint64>(0, days)));
    if (days <= 0)
        return focus;
    // Each day's own start, so that days of 23 and 25 hours get their own hours; rows are placed
    // by a search among these rather than by a time-zone conversion each.
    std::vector<double> bounds;
    bounds.reserve(focus.size() + 1);
    for (qint64 i = 0; i <= days; ++i)
        bounds.push_back(secondsSince1970(first.addDays(i).startOfDay(Qt::LocalTime)));
    // By the start alone: a Pomodoro over midnight at the end of the range is its first day's.
    // Any comparison with a missing end is false, so rows still running stay out.
    const Condition where = Column(QStringLiteral("start")) >= bounds.front() &&
                            Column(QStringLiteral("start")) <= std::nextafter(bounds.back(), 0.0) &&
                            Column(QStringLiteral("end")) >= std::numeric_limits<qint64>::min() &&
                            Column(QStringLiteral("type")) == qint64{pomodoroType};
    const QString paused = pauseTable ? QStringLiteral(R"(COALESCE("paused", 0))") : QStringLiteral("0");
    const QString from = pauseTable ? QStringLiteral(R"("WTask" LEFT JOIN "WTaskPause" USING("taskID"))")
                                    : QStringLiteral(R"("WTask")");
    const auto rows = db->query(QStringLiteral(R"(SELECT "start", "end", )") + paused +
                                    QStringLiteral(" FROM ") + from + QStringLiteral(" WHERE ") + where.sql,
                                where.values);
    readFailed = !rows.value.has_value();
    if (!rows.value) {
        LOG_ERROR(QStringLiteral("Error: ") + rows.error.description());
        return focus;
    }
    const auto number = [](const DBValue& value) {
        if (const auto* integer = std::get_if<qint64>(&value))
            return double(*integer);
        if (const auto* real = std::get_if<double>(&value))
            return *real;
        return 0.0;
    };
    // Whole seconds on each side, as Interval::duration() counts them.
    const auto whole = [](double seconds) { return std::llround(seconds * 1000.0) / 1000; };
    for (const DBRow& row : *rows.value) {
        if (row.size() < 3)
            continue;
        const double start = number(row[0]);
        const auto after = std::upper_bound(bounds.begin(), bounds.end(), start);
        if (after == bounds.begin() || after == bounds.end())
            continue;
        DayFocus& day = focus[std::size_t(after - bounds.begin() - 1)];
        const qint64 length = whole(number(row[1])) - whole(start) - qint64(number(row[2]));
        day.seconds += std::max<qint64>(0, length);
        ++day.pomodoros;
    }
    return focus;
}

std::vector<Interval> TaskService::allTasks()
{
    saveUnsavedTasks();
    // Any comparison with a missing end is false: rows still running stay out.
    return Tasks::find(*db, Interval::allColumns(),
                       Column(QStringLiteral("end")) >= std::numeric_limits<qint64>::min(),
                       {Column(QStringLiteral("start")).asc()});
}

std::optional<std::vector<Interval>> TaskService::readAllTasks()
{
    if (!db->initilaized())
        return std::nullopt;
    std::vector<Interval> tasks = allTasks();
    if (db->lastStatementFailed())
        return std::nullopt;
    return tasks;
}

QString TaskService::databaseFileForReading()
{
    saveUnsavedTasks();
    return db->initilaized() ? databasePath : QString();
}

std::optional<Interval> TaskService::lastPomodoroTask()
{
    saveUnsavedTasks();
    return Tasks::findOne(*db, Interval::allColumns(), Column(QStringLiteral("type")) == qint64{pomodoroType},
                          {Column(QStringLiteral("end")).desc()});
}

std::optional<QDateTime> TaskService::latestEnd()
{
    saveUnsavedTasks();
    const auto last = Tasks::findOne(*db, Interval::allColumns(), Column(QStringLiteral("end")) >= 0.0,
                                     {Column(QStringLiteral("end")).desc()});
    readFailed = db->lastStatementFailed() || !db->initilaized();
    // Intervals the database still refuses have ended too.
    const std::optional<QDateTime> kept = writer->latestUnsavedEnd();
    if (last && last->end && (!kept || *last->end > *kept))
        return last->end;
    return kept;
}

bool TaskService::shouldTakeALongBreak()
{
    const std::vector<Interval> tasks = fetchTodayTasks(false);
    const int countToLongBreak = preferences.intValue(DurationKey::countToLongBreak);
    if (static_cast<qint64>(tasks.size()) < countToLongBreak)
        return false;
    int shortBreaks = 0;
    for (auto it = tasks.rbegin(); it != tasks.rend(); ++it) {
        if (it->type == longBreakType)
            break;
        if (it->type == shortBreakType)
            ++shortBreaks;
    }
    LOG_DEBUG(QStringLiteral("tasks: ") + titleList(tasks));
    return shortBreaks >= countToLongBreak;
}
