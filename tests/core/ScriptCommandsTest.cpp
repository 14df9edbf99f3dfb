#include "CycleFixture.h"
#include "automation/MRASCommands.h"

class ScriptCommandsTest : public CycleFixture
{
protected:
    template <typename Command>
    void run()
    {
        Command command(app(), *timer);
        command.performDefaultImplementation();
    }
};

TEST_F(ScriptCommandsTest, StopWhileWorkingAbandonsThePomodoroWithoutARecord)
{
    run<MRPomodoroCommand>();
    EXPECT_EQ(app().state.value(), MRAppState::working);
    advanceSeconds(100);
    run<MRStopTimerCommand>();
    EXPECT_EQ(app().state.value(), MRAppState::idle);
    EXPECT_TRUE(today().empty());
    EXPECT_TRUE(log().contains(QStringLiteral("Will stop Pomodoro timer")));
    EXPECT_TRUE(log().contains(QStringLiteral("Timer stopped.")));
    EXPECT_EQ(tracker->names().mid(0, 2), (QStringList{"WorkflowInvoked", "WorkflowPomodoro"}));
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("stopPomodoro")));
}

TEST_F(ScriptCommandsTest, StopDuringABreakRecordsItAndHidesTheWindowsEvenWhenLocked)
{
    prefs->setValue(PreferKey::noCancellationDuringTheBreak, true);
    prefs->setValue(PreferKey::PasscodeEnabled, true);
    run<MRShortBreakCommand>();
    scheduler.runDue();
    EXPECT_TRUE(windows.mainVisible);
    advanceSeconds(42);
    run<MRStopTimerCommand>();
    EXPECT_EQ(app().state.value(), MRAppState::idle);
    EXPECT_FALSE(windows.mainVisible);
    ASSERT_EQ(todayTypes(), std::vector<int>{2});
    EXPECT_EQ(today()[0].duration(), 42);
}

TEST_F(ScriptCommandsTest, StartsAreRefusedWhileATimerRuns)
{
    run<MRLongBreakCommand>();
    EXPECT_EQ(app().state.value(), MRAppState::longBreak);
    tracker = RecordingUsageTracker::install();
    run<MRPomodoroCommand>();
    run<MRShortBreakCommand>();
    EXPECT_EQ(app().state.value(), MRAppState::longBreak);
    EXPECT_EQ(log().count(QStringLiteral("Timer is running, won't respond to this action.")), 2);
    // Every command, refused or not, reports itself first.
    EXPECT_EQ(tracker->names(),
              (QStringList{"WorkflowInvoked", "WorkflowPomodoro", "WorkflowInvoked", "WorkflowShortBreak"}));
    EXPECT_TRUE(log().contains(QStringLiteral("Perform command: Mirelo.MRShortBreakCommand")));
}

TEST_F(ScriptCommandsTest, BackToWorkScreenAcceptsStartsButNotStop)
{
    run<MRShortBreakCommand>();
    advanceSeconds(300); // break over, back-to-work windows up, timer stopped
    EXPECT_EQ(app().state.value(), MRAppState::idle);
    run<MRStopTimerCommand>();
    EXPECT_TRUE(log().contains(QStringLiteral("Timer is not running, won't respond to this action.")));
    EXPECT_TRUE(windows.mainVisible);
    run<MRPomodoroCommand>();
    EXPECT_EQ(app().state.value(), MRAppState::working);
    EXPECT_FALSE(windows.mainVisible);
}
