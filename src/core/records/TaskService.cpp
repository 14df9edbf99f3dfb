#include "records/TaskService.h"

#include "diagnostics/Log.h"
#include "records/DBTable.h"
#include "records/MainDB.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"

#include <QStringList>

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

TaskService::TaskService(Preferences& preferences, const Clock& clock, std::optional<QString> databasePath)
    : preferences(preferences), clock(clock), db(std::make_unique<MainDB>(std::move(databasePath)))
{
    if (const auto error = db->setup(WTask::tableName(), WTask::columnDefs()))
        LOG_ERROR(QStringLiteral("Failed to setup db. error: ") + error->description());
    else
        LOG_INFO(QStringLiteral("DB setup."));
}

TaskService::~TaskService() = default;

bool TaskService::isReady() const
{
    return db->initilaized();
}

bool TaskService::insert(const WTask& task)
{
    return Tasks::insert(*db, task, WTask::allColumns());
}

bool TaskService::updateOrInsert(const WTask& task)
{
    if (task.taskID) {
        const Condition byKey = Column(QStringLiteral("taskID")) == *task.taskID;
        if (Tasks::findOne(*db, {QStringLiteral("taskID")}, byKey))
            return Tasks::update(*db, task, WTask::allColumns(), byKey);
    }
    // A key that no longer exists is inserted as it is, so the caller's record keeps its identity.
    return Tasks::insert(*db, task, WTask::allColumns());
}

std::vector<WTask> TaskService::fetchTodayTasks(bool pomodoroOnly)
{
    // The user's calendar day, taken afresh each call so a running program crosses midnight.
    const QDate today = clock.now().toLocalTime().date();
    const QDateTime startOfToday(today, QTime(0, 0, 0), Qt::LocalTime);
    const QDateTime endOfToday(today, QTime(23, 59, 59), Qt::LocalTime);
    Condition where = Column(QStringLiteral("start")) >= secondsSince1970(startOfToday) &&
                      Column(QStringLiteral("end")) <= secondsSince1970(endOfToday);
    if (pomodoroOnly)
        where = where && Column(QStringLiteral("type")) == qint64{pomodoroType};
    return Tasks::find(*db, WTask::allColumns(), where, {Column(QStringLiteral("start")).asc()});
}

std::optional<WTask> TaskService::lastPomodoroTask()
{
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
