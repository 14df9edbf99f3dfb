#include "records/TaskService.h"

#include "diagnostics/Log.h"
#include "records/DBTable.h"
#include "records/MainDB.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"

#include <QStringList>

#include <limits>

namespace {

constexpr int pomodoroType = 1;
constexpr int shortBreakType = 2;
constexpr int longBreakType = 3;

using Tasks = DBTable<WTask>;

double secondsSince1970(const QDateTime& date)
{
    return static_cast<double>(date.toMSecsSinceEpoch()) / 1000.0;
}

// Latest first, as a list: ["Today-Pomodoro", nil, ...].
QString titleList(const std::vector<WTask>& tasks)
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
                         std::chrono::milliseconds busyTimeout)
    : preferences(preferences), clock(clock),
      db(std::make_unique<MainDB>(std::move(databasePath), busyTimeout))
{
    if (const auto error = db->setup(WTask::tableName(), WTask::columnDefs())) {
        LOG_ERROR(QStringLiteral("Failed to setup db. error: ") + error->description());
        return;
    }
    LOG_INFO(QStringLiteral("DB setup."));
    // Every query picks days by their start: with ten years of rows a scan of the whole table
    // would cost milliseconds on the main thread at each break and statistics page. The table
    // itself stays as it is; a reader without the index sees the same rows.
    const auto index =
        db->execute(QStringLiteral(R"(CREATE INDEX IF NOT EXISTS "WTask_start" ON "WTask"("start"))"), {});
    if (!index.value)
        LOG_WARNING(QStringLiteral("No index on the start of tasks; queries scan the table."));
}

TaskService::~TaskService()
{
    if (!unsaved.empty() && !saveUnsavedTasks())
        LOG_ERROR(QStringLiteral("The database is still busy: %1 finished task(s) could not be saved.")
                      .arg(unsaved.size()));
}

bool TaskService::isReady() const
{
    return db->initilaized();
}

TaskWrite TaskService::insert(const WTask& task)
{
    return store(task, false);
}

TaskWrite TaskService::updateOrInsert(const WTask& task)
{
    return store(task, true);
}

TaskWrite TaskService::store(const WTask& task, bool update)
{
    // Tasks kept earlier go first, so rows land in the order the intervals finished.
    if (saveUnsavedTasks()) {
        bool busy = false;
        if (const auto key = write(task, update, busy))
            return {key};
        // Only what can pass (a lock held elsewhere, a full disk) is worth waiting for; anything
        // else fails again.
        if (!busy)
            return {};
    }
    const bool diskFull = db->lastFailureWasFullDisk();
    LOG_WARNING(diskFull ? QStringLiteral("The disk is full; the task is kept and saved later.")
                         : QStringLiteral("The database is busy; the task is kept and saved later."));
    unsaved.push_back({task, update});
    return {std::nullopt, true, diskFull};
}

bool TaskService::saveUnsavedTasks()
{
    while (!unsaved.empty()) {
        bool busy = false;
        const auto key = write(unsaved.front().task, unsaved.front().update, busy);
        if (busy)
            return false;
        if (key)
            LOG_INFO(QStringLiteral("Saved a task kept while the database was busy."));
        else
            LOG_ERROR(QStringLiteral("Failed to save a task kept while the database was busy."));
        unsaved.erase(unsaved.begin());
    }
    return true;
}

std::optional<qint64> TaskService::write(const WTask& task, bool update, bool& busy)
{
    if (update && task.taskID) {
        const Condition byKey = Column(QStringLiteral("taskID")) == *task.taskID;
        const bool exists = Tasks::findOne(*db, {QStringLiteral("taskID")}, byKey).has_value();
        busy = db->lastFailureCanPass();
        if (busy)
            return std::nullopt;
        if (exists) {
            const bool updated = Tasks::update(*db, task, WTask::allColumns(), byKey);
            busy = db->lastFailureCanPass();
            return updated ? task.taskID : std::nullopt;
        }
    }
    // A key that no longer exists is inserted as it is, so the caller's record keeps its identity.
    const bool inserted = Tasks::insert(*db, task, WTask::allColumns());
    busy = db->lastFailureCanPass();
    if (!inserted)
        return std::nullopt;
    return db->lastInsertRowID();
}

std::vector<WTask> TaskService::fetchTodayTasks(bool pomodoroOnly)
{
    // The user's calendar day, taken afresh each call so a running program crosses midnight.
    return fetchTasks(clock.now().toLocalTime().date(), pomodoroOnly);
}

namespace {

// The date's own bounds, not 00:00 and 23:59:59: where daylight saving starts at midnight
// 00:00 does not exist, and where it ends at midnight the day's last hour comes twice. The
// end is the last whole second before the next day: a row ending in its final fraction is not
// the day's.
Condition dayCondition(const QDate& first, const QDate& last)
{
    const QDateTime start = first.startOfDay(Qt::LocalTime);
    const QDateTime end = last.addDays(1).startOfDay(Qt::LocalTime).addSecs(-1);
    return Column(QStringLiteral("start")) >= secondsSince1970(start) &&
           Column(QStringLiteral("end")) <= secondsSince1970(end);
}

} // namespace

std::vector<WTask> TaskService::fetchTasks(const QDate& day, bool pomodoroOnly)
{
    saveUnsavedTasks();
    Condition where = dayCondition(day, day);
    if (pomodoroOnly)
        where = where && Column(QStringLiteral("type")) == qint64{pomodoroType};
    return Tasks::find(*db, WTask::allColumns(), where, {Column(QStringLiteral("start")).asc()});
}

std::vector<qint64> TaskService::focusedSecondsPerDay(const QDate& lastDay, int days)
{
    saveUnsavedTasks();
    std::vector<qint64> totals(std::size_t(std::max(0, days)), 0);
    if (days <= 0)
        return totals;
    const QDate first = lastDay.addDays(1 - days);
    const Condition where =
        dayCondition(first, lastDay) && Column(QStringLiteral("type")) == qint64{pomodoroType};
    for (const WTask& task : Tasks::find(*db, WTask::allColumns(), where, {})) {
        const qint64 index = first.daysTo(task.start.toLocalTime().date());
        if (index >= 0 && index < days)
            totals[std::size_t(index)] += task.duration();
    }
    return totals;
}

std::vector<WTask> TaskService::allTasks()
{
    saveUnsavedTasks();
    // Any comparison with a missing end is false: rows still running stay out.
    return Tasks::find(*db, WTask::allColumns(),
                       Column(QStringLiteral("end")) >= std::numeric_limits<qint64>::min(),
                       {Column(QStringLiteral("start")).asc()});
}

std::optional<std::vector<WTask>> TaskService::readAllTasks()
{
    if (!db->initilaized())
        return std::nullopt;
    std::vector<WTask> tasks = allTasks();
    if (db->lastStatementFailed())
        return std::nullopt;
    return tasks;
}

std::optional<WTask> TaskService::lastPomodoroTask()
{
    saveUnsavedTasks();
    return Tasks::findOne(*db, WTask::allColumns(), Column(QStringLiteral("type")) == qint64{pomodoroType},
                          {Column(QStringLiteral("end")).desc()});
}

bool TaskService::shouldTakeALongBreak()
{
    const std::vector<WTask> tasks = fetchTodayTasks(false);
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
