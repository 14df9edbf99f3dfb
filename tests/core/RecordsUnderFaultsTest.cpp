#include "CycleFixture.h"
#include "ReadOnlyPath.h"
#include "cycle/DailyGoal.h"
#include "cycle/TaskRecorder.h"

#include <sqlite3.h>

namespace {

// "type|seconds" per row, read through a connection of its own: a read through the store under
// test would save kept intervals itself and hide a retry that never came.
QStringList storedRows()
{
    sqlite3* handle = nullptr;
    QStringList rows;
    if (sqlite3_open_v2(DataFolder::databasePath()->toUtf8().constData(), &handle, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        const auto row = [](void* out, int, char** values, char**) {
            static_cast<QStringList*>(out)->append(QString::fromUtf8(values[0]) + QLatin1Char('|') +
                                                   QString::fromUtf8(values[1]));
            return 0;
        };
        sqlite3_exec(handle, "SELECT type, CAST(round(end - start) AS INTEGER) FROM WTask ORDER BY start",
                     row, &rows, nullptr);
    }
    sqlite3_close(handle);
    return rows;
}

} // namespace

using RecordsUnderFaultsTest = CycleFixture;

TEST_F(RecordsUnderFaultsTest, ADatabaseReadOnlyAtStartIsToldOnceAndTakesTheIntervalsOnceWritable)
{
    // The file is there from an earlier run.
    {
        TaskService created(*prefs, clock, DataFolder::databasePath());
    }
    ReadOnlyPath readOnly(*DataFolder::databasePath());
    if (!readOnly.active())
        GTEST_SKIP() << "this file system cannot make a file read-only";
    app().startPomodoro();
    DailyGoal goal(app(), *tasks, *prefs, clock, scheduler, notifications);
    advanceSeconds(1500 + 300 + 60);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_TRUE(tasks->hasUnsavedTasks());
    EXPECT_EQ(notifications.posted.count(QStringLiteral("Mirelo cannot save")), 1);

    readOnly.release();
    advanceSeconds(60);
    EXPECT_EQ(storedRows(), (QStringList{"1|1500", "2|300"}));
    // The tray's count follows the Pomodoro the retry saved.
    EXPECT_EQ(goal.status.value().today, 1);
    EXPECT_FALSE(tasks->hasUnsavedTasks());
    EXPECT_EQ(notifications.posted.count(QStringLiteral("Mirelo cannot save")), 1);
}

TEST_F(RecordsUnderFaultsTest, AnIntervalThatComesWithItsEndKeepsIt)
{
    app();
    TaskRecorder recorder(*tasks, clock, scheduler, &notifications);
    Interval task;
    task.type = 1;
    task.start = clock.now();
    task.end = task.start.addSecs(20);
    clock.advanceSeconds(45); // the wall clock stepped, or the write came late
    const auto stored = recorder.insert(task);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->duration(), 20);
    EXPECT_EQ(storedRows(), QStringList{"1|20"});
}

TEST_F(RecordsUnderFaultsTest, IntervalsJournalledByAnEarlierRunAreRetriedWithoutANewOne)
{
    {
        TaskService created(*prefs, clock, DataFolder::databasePath());
    }
    ReadOnlyPath readOnly(*DataFolder::databasePath());
    if (!readOnly.active())
        GTEST_SKIP() << "this file system cannot make a file read-only";
    {
        TaskService earlier(*prefs, clock, DataFolder::databasePath());
        Interval task;
        task.type = 1;
        task.start = clock.now();
        task.end = task.start.addSecs(1500);
        ASSERT_FALSE(earlier.insert(task));
    }
    // This run starts over the same refusal, then the file becomes writable while it idles.
    app();
    EXPECT_TRUE(tasks->hasUnsavedTasks());
    readOnly.release();
    advanceSeconds(61);
    EXPECT_EQ(storedRows(), QStringList{"1|1500"});
    EXPECT_FALSE(tasks->hasUnsavedTasks());
}
