#include "MireloProcess.h"
#include "PipeWireGraph.h"
#include "settings/DataFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <csignal>

#include <gtest/gtest.h>

namespace {
// SIGTERM as a logout or `systemctl --user stop` sends it; true when the program is gone within
// a second.
bool terminatesWithinASecond(MireloWorld& world)
{
    world.sendSignal(SIGTERM);
    return world.waitForExit(1000);
}

QList<int> types(const MireloWorld& world)
{
    QList<int> kinds;
    for (const auto& row : world.tasks())
        kinds << row.first;
    return kinds;
}
} // namespace

// In every state the program can be in, a signal ends it within a second (the break windows
// refuse every close but the program's own) and records what a stop would: a break, not a
// Pomodoro cut short.
TEST(QuitTest, ASignalEndsEveryStateWithinASecondAndRecordsWhatAStopWould)
{
    MireloWorld world{MireloWorld::Options{.windowManager = true}};
    if (!world.ready())
        GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    ASSERT_TRUE(world.launch());
    EXPECT_TRUE(terminatesWithinASecond(world)) << "idle";

    world.writePreferences({{"pomodoroKey", 600}, {"shortBreakKey", 600}, {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    EXPECT_TRUE(terminatesWithinASecond(world)) << "counting";

    ASSERT_TRUE(world.launch());
    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    ASSERT_EQ(world.client({QStringLiteral("pause")}), 0);
    EXPECT_TRUE(terminatesWithinASecond(world)) << "paused";
    EXPECT_TRUE(types(world).isEmpty()) << "a Pomodoro cut short is not recorded";

    ASSERT_TRUE(world.launch());
    ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
    ASSERT_TRUE(PrivateBus::waitFor([&] { return !world.visibleWindows().isEmpty(); }, 10000));
    EXPECT_TRUE(terminatesWithinASecond(world)) << "break";
    EXPECT_EQ(types(world), QList<int>{2});

    // The back-to-work screen, plain and locked by the passcode.
    for (const bool locked : {false, true}) {
        world.writePreferences({{"pomodoroKey", 600},
                                {"shortBreakKey", 4},
                                {"LaunchAtLogin", false},
                                {"PasscodeEnabled", locked},
                                {"Passcode", md5(QStringLiteral("ab12"))}});
        ASSERT_TRUE(world.launch());
        ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
        ASSERT_TRUE(PrivateBus::waitFor([&] { return !world.visibleWindows().isEmpty(); }, 10000));
        ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle "), 10000));
        ASSERT_FALSE(world.visibleWindows().isEmpty());
        EXPECT_TRUE(terminatesWithinASecond(world)) << (locked ? "locked" : "back to work");
    }
    EXPECT_EQ(types(world), (QList<int>{2, 2, 2}));
    EXPECT_EQ(world.logText().count(QStringLiteral("Break window: close request refused.")), 0);
}

// A finished Pomodoro whose break waits for a call: a signal ends it, the Pomodoro stays recorded.
TEST(QuitTest, ASignalEndsAHeldBreak)
{
    MireloWorld world;
    if (!world.ready())
        GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    PipeWireGraph graph(world.environment().value(QStringLiteral("XDG_RUNTIME_DIR")), world.bus.address());
    if (!graph.isRunning())
        GTEST_SKIP() << "PipeWire is not available";
    world.writePreferences({{"pomodoroKey", 2}, {"shortBreakKey", 120}, {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    ASSERT_TRUE(graph.record(QStringLiteral("mic")));
    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("held "), 10000)) << world.status().toStdString();
    // Starts are refused as while a Pomodoro runs; the command line's stop drops the hold.
    QString err;
    EXPECT_EQ(world.client({QStringLiteral("short-break")}, nullptr, &err), 1);
    ASSERT_EQ(world.client({QStringLiteral("stop")}, nullptr, &err), 0) << err.toStdString();
    EXPECT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle "), 2000));

    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("held "), 10000));
    EXPECT_TRUE(terminatesWithinASecond(world));
    EXPECT_EQ(types(world), (QList<int>{1, 1}));
}

// The wall clock of the running program steps two hours forward and one back (libfaketime):
// every recorded length is the real one, and no pause is taken for one over its limit.
TEST(QuitTest, WallClockStepsChangeNoRecordedLength)
{
    const QString faketime = QStringLiteral("/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");
    if (!QFile::exists(faketime))
        GTEST_SKIP() << "libfaketime is not installed (Debian package faketime)";
    MireloWorld world;
    if (!world.ready())
        GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    const QString offset = world.configHome() + QStringLiteral("/../clock-offset");
    auto setOffset = [&](const char* text) {
        QFile file(offset);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    };
    setOffset("+0");
    world.programEnvironment.insert(QStringLiteral("LD_PRELOAD"), faketime);
    world.programEnvironment.insert(QStringLiteral("FAKETIME_TIMESTAMP_FILE"), offset);
    world.programEnvironment.insert(QStringLiteral("FAKETIME_CACHE_DURATION"), QStringLiteral("1"));
    world.programEnvironment.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    // The sanitizer's runtime wants to come first; the preloaded clock does not touch memory.
    world.programEnvironment.insert(QStringLiteral("ASAN_OPTIONS"),
                                    QStringLiteral("detect_leaks=0:verify_asan_link_order=0"));
    world.writePreferences({{"pomodoroKey", 6},
                            {"shortBreakKey", 5},
                            {"StopPausedPomodoroAfter", 60},
                            {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());

    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    QThread::msleep(1500);
    setOffset("+2h");
    ASSERT_TRUE(world.client({QStringLiteral("pause")}) == 0);
    QThread::msleep(2500);
    ASSERT_TRUE(world.status().startsWith(QStringLiteral("paused "))) << world.status().toStdString();
    ASSERT_EQ(world.client({QStringLiteral("resume")}), 0);
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("shortBreak "), 10000));
    QThread::msleep(1500);
    setOffset("+1h"); // an hour back in the break
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle "), 10000));
    world.sendSignal(SIGTERM);
    ASSERT_TRUE(world.waitForExit(2000));

    const auto rows = world.tasks();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].first, 1);
    // Six seconds of counting and about two and a half of pause.
    EXPECT_GE(rows[0].second, 8);
    EXPECT_LE(rows[0].second, 10);
    EXPECT_EQ(rows[1].first, 2);
    EXPECT_GE(rows[1].second, 4);
    EXPECT_LE(rows[1].second, 6);
}
