#include "automation/ScriptCommands.h"
#include "CycleFixture.h"

class ScriptCommandsTest : public CycleFixture
{
protected:
    // Answers why the command was refused, empty when it acted.
    template <typename Command> QString run()
    {
        Command command(app(), *timer);
        command.performDefaultImplementation();
        return command.refusalReason();
    }
};

TEST_F(ScriptCommandsTest, StopWhileWorkingAbandonsThePomodoroWithoutARecord)
{
    run<PomodoroCommand>();
    EXPECT_EQ(app().state.value(), CycleState::working);
    advanceSeconds(100);
    run<StopTimerCommand>();
    EXPECT_EQ(app().state.value(), CycleState::idle);
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
    run<ShortBreakCommand>();
    scheduler.runDue();
    EXPECT_TRUE(windows.mainVisible);
    advanceSeconds(42);
    run<StopTimerCommand>();
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_FALSE(windows.mainVisible);
    ASSERT_EQ(todayTypes(), std::vector<int>{2});
    EXPECT_EQ(today()[0].duration(), 42);
}

TEST_F(ScriptCommandsTest, StartsAreRefusedWhileATimerRuns)
{
    run<LongBreakCommand>();
    EXPECT_EQ(app().state.value(), CycleState::longBreak);
    tracker = RecordingUsageTracker::install();
    // Refused with a reason the caller is told (the command line prints it and exits 1).
    const QString running = QStringLiteral("A timer is running; stop it first with \"mirelo stop\".");
    EXPECT_EQ(run<PomodoroCommand>(), running);
    EXPECT_EQ(run<ShortBreakCommand>(), running);
    EXPECT_EQ(app().state.value(), CycleState::longBreak);
    EXPECT_EQ(log().count(QStringLiteral("Timer is running, won't respond to this action.")), 2);
    // Every command, refused or not, reports itself first.
    EXPECT_EQ(tracker->names(),
              (QStringList{"WorkflowInvoked", "WorkflowPomodoro", "WorkflowInvoked", "WorkflowShortBreak"}));
    EXPECT_TRUE(log().contains(QStringLiteral("Perform command: Mirelo.MRShortBreakCommand")));
}

TEST_F(ScriptCommandsTest, BackToWorkScreenAcceptsStartsAndStopClosesIt)
{
    prefs->setValue(PreferKey::PasscodeEnabled, true);
    run<ShortBreakCommand>();
    advanceSeconds(300); // break over, back-to-work windows up, timer stopped
    EXPECT_EQ(app().state.value(), CycleState::idle);
    ASSERT_TRUE(windows.mainVisible);
    // Stop is the session owner's way out, also of a locked screen; nothing more is recorded.
    EXPECT_TRUE(run<StopTimerCommand>().isEmpty());
    EXPECT_FALSE(windows.mainVisible);
    EXPECT_EQ(todayTypes(), std::vector<int>{2});
    EXPECT_TRUE(app().shouldShowStartPomodoroReminder());
    EXPECT_EQ(run<StopTimerCommand>(), QStringLiteral("No timer is running."));

    run<ShortBreakCommand>();
    advanceSeconds(300);
    run<PomodoroCommand>();
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_FALSE(windows.mainVisible);
    EXPECT_FALSE(app().backToWorkShowing.value());
}

TEST_F(ScriptCommandsTest, WhileTheMachineSleepsTheCommandsSeeTheStateTheyReport)
{
    EXPECT_TRUE(run<PomodoroCommand>().isEmpty());
    advanceSeconds(10);
    sleepMonitor.sleep();
    EXPECT_EQ(app().state.value(), CycleState::working);
    // Between "will sleep" and "did wake" the Pomodoro is still running: starts are refused and
    // a stop stops it for good.
    EXPECT_EQ(run<ShortBreakCommand>(),
              QStringLiteral("A timer is running; stop it first with \"mirelo stop\"."));
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_TRUE(run<StopTimerCommand>().isEmpty());
    EXPECT_EQ(app().state.value(), CycleState::idle);
    sleepMonitor.wake();
    advanceSeconds(5);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_FALSE(timer->isRunning());
    EXPECT_TRUE(today().empty());
    EXPECT_EQ(run<StopTimerCommand>(), QStringLiteral("No timer is running."));
}
