#include "MireloProcess.h"
#include "ReadOnlyPath.h"

#include <gtest/gtest.h>

#include <csignal>

class RecordsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!world.ready())
            GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    }
    // A Pomodoro and its break, both over in a few seconds.
    void runACycle()
    {
        ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
        ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("shortBreak "), 8000));
        ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle "), 8000));
    }
    MireloWorld world;
};

TEST_F(RecordsTest, ADatabaseReadOnlyAtStartLosesNothingToAWaitOrAKill)
{
    world.writePreferences({{"pomodoroKey", 2}, {"shortBreakKey", 2}, {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    world.sendSignal(SIGTERM);
    ASSERT_TRUE(world.waitForExit(10000));
    const QString database = world.dataRoot() + QStringLiteral("/Data/db.v1.sqlite");
    const QString told = QStringLiteral("Mirelo cannot save");

    // Read-only at start, writable a minute later: the retry reopens it.
    auto readOnly = std::make_unique<ReadOnlyPath>(database);
    if (!readOnly->active())
        GTEST_SKIP() << "this file system cannot make a file read-only";
    ASSERT_TRUE(world.launch());
    runACycle();
    EXPECT_TRUE(world.tasks().isEmpty());
    EXPECT_TRUE(PrivateBus::waitFor([&] { return world.notificationCount(told) >= 1; }, 5000));
    readOnly->release();
    EXPECT_TRUE(PrivateBus::waitFor([&] { return world.tasks().size() == 2; }, 75000));
    EXPECT_EQ(world.notificationCount(told), 1);

    // Killed with two intervals refused: the next start writes them, once.
    readOnly = std::make_unique<ReadOnlyPath>(database);
    runACycle();
    world.sendSignal(SIGKILL);
    ASSERT_TRUE(world.waitForExit(10000));
    readOnly->release();
    ASSERT_TRUE(world.launch());
    const auto rows = world.tasks();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[2].first, 1);
    EXPECT_EQ(rows[3].first, 2);
    world.sendSignal(SIGTERM);
    ASSERT_TRUE(world.waitForExit(10000));
    ASSERT_TRUE(world.launch());
    EXPECT_EQ(world.tasks().size(), 4);
}
