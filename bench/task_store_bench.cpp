// Queries on a large database, all on the main thread against a file that only grows:
// shouldTakeALongBreak() after every Pomodoro; a day's page of the statistics window and its
// seven-day chart each time the window shows or the user moves to another day; the week, month
// and year views, and the daily goal's streak, each time they show or move.
#include "records/FocusHistory.h"
#include "records/TaskService.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr int rowCount = 100'000;
constexpr int days = 3'652; // ten years, ending today

// Writes the rows in one transaction with plain SQLite; through the store each insert would
// be its own transaction. Each day runs from 07:00 in 30-minute steps with the usual cycle.
void fill(const QString& path, const QDate& today)
{
    sqlite3* handle = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &handle) != SQLITE_OK)
        std::abort();
    sqlite3_exec(handle, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(handle,
                       R"(INSERT INTO "WTask"("type", "start", "end", "name") VALUES(?, ?, ?, '[reserved]'))",
                       -1, &insert, nullptr);
    static const int cycle[] = {1, 2, 1, 2, 1, 2, 1, 3};
    int previousDay = -1, slot = 0;
    for (int i = 0; i < rowCount; ++i) {
        const int dayIndex = static_cast<int>(static_cast<long long>(i) * days / rowCount);
        slot = dayIndex == previousDay ? slot + 1 : 0;
        previousDay = dayIndex;
        const QDate date = today.addDays(dayIndex - (days - 1));
        const QDateTime start = QDateTime(date, QTime(7, 0), Qt::LocalTime).addSecs(slot * 1800);
        const int type = cycle[slot % 8];
        const double startSeconds = static_cast<double>(start.toMSecsSinceEpoch()) / 1000.0;
        sqlite3_bind_int(insert, 1, type);
        sqlite3_bind_double(insert, 2, startSeconds);
        sqlite3_bind_double(insert, 3, startSeconds + (type == 1 ? 1500.0 : type == 2 ? 300.0 : 900.0));
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(handle);
}

// Built once for all repetitions: filling the file takes longer than the measurement.
struct LargeStore
{
    LargeStore()
    {
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        preferences.registerDefault(DurationKey::countToLongBreak, 3);
        const QString path = dir.filePath(QStringLiteral("db.v1.sqlite"));
        {
            TaskService creator(preferences, clock, path);
        }
        fill(path, clock.now().date());
        tasks = std::make_unique<TaskService>(preferences, clock, path);
    }

    QTemporaryDir dir;
    Preferences preferences{dir.filePath(QStringLiteral("preferences.json"))};
    SystemClock clock;
    std::unique_ptr<TaskService> tasks;
};

LargeStore& largeStore()
{
    static LargeStore store;
    return store;
}

void ShouldTakeALongBreakOnTenYears(benchmark::State& state)
{
    LargeStore& store = largeStore();
    if (store.tasks->fetchTodayTasks(false).empty())
        state.SkipWithError("no rows today");
    for (auto _ : state)
        benchmark::DoNotOptimize(store.tasks->shouldTakeALongBreak());
}

void StatisticsDayPageOnTenYears(benchmark::State& state)
{
    LargeStore& store = largeStore();
    const QDate day = store.clock.now().date().addDays(-400);
    if (store.tasks->fetchTasks(day, false).empty())
        state.SkipWithError("no rows that day");
    for (auto _ : state)
        benchmark::DoNotOptimize(store.tasks->fetchTasks(day, false));
}

void StatisticsSevenDayChartOnTenYears(benchmark::State& state)
{
    LargeStore& store = largeStore();
    const QDate day = store.clock.now().date().addDays(-400);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.tasks->focusedSecondsPerDay(day, 7));
}

// Each view is one query; the year is the largest (about 13,700 of the 100,000 rows, half of
// them Pomodoros).
void PeriodView(benchmark::State& state, FocusHistory::Span span)
{
    LargeStore& store = largeStore();
    const QDate day = store.clock.now().date().addDays(-400);
    if (FocusHistory::period(*store.tasks, span, day, Qt::Monday).total.pomodoros == 0)
        state.SkipWithError("no rows in the period");
    for (auto _ : state)
        benchmark::DoNotOptimize(FocusHistory::period(*store.tasks, span, day, Qt::Monday));
}

void StatisticsWeekViewOnTenYears(benchmark::State& state)
{
    PeriodView(state, FocusHistory::Span::week);
}

void StatisticsMonthViewOnTenYears(benchmark::State& state)
{
    PeriodView(state, FocusHistory::Span::month);
}

void StatisticsYearViewOnTenYears(benchmark::State& state)
{
    PeriodView(state, FocusHistory::Span::year);
}

// A goal no day of the store meets (it holds 13 or 14 Pomodoros a day): the streak ends
// today, one query of the last week.
void DailyGoalUsualStreakOnTenYears(benchmark::State& state)
{
    LargeStore& store = largeStore();
    store.preferences.setValue(GoalKey::daily, 15);
    const QDate today = store.clock.now().date();
    for (auto _ : state)
        benchmark::DoNotOptimize(FocusHistory::goalStatus(*store.tasks, store.preferences, today));
}

// Every day of the ten years meets a goal of one: the worst case, the streak reads them all.
void DailyGoalStreakOnTenYears(benchmark::State& state)
{
    LargeStore& store = largeStore();
    store.preferences.setValue(GoalKey::daily, 1);
    const QDate today = store.clock.now().date();
    for (auto _ : state)
        benchmark::DoNotOptimize(FocusHistory::goalStatus(*store.tasks, store.preferences, today));
}

} // namespace

BENCHMARK(ShouldTakeALongBreakOnTenYears)->Unit(benchmark::kMillisecond);
BENCHMARK(StatisticsDayPageOnTenYears)->Unit(benchmark::kMillisecond);
BENCHMARK(StatisticsSevenDayChartOnTenYears)->Unit(benchmark::kMillisecond);
BENCHMARK(StatisticsWeekViewOnTenYears)->Unit(benchmark::kMillisecond);
BENCHMARK(StatisticsMonthViewOnTenYears)->Unit(benchmark::kMillisecond);
BENCHMARK(StatisticsYearViewOnTenYears)->Unit(benchmark::kMillisecond);
BENCHMARK(DailyGoalUsualStreakOnTenYears)->Unit(benchmark::kMillisecond);
BENCHMARK(DailyGoalStreakOnTenYears)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
