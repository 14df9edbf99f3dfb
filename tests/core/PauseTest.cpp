#include "CycleFixture.h"
#include "FakeGlobalShortcuts.h"
#include "automation/ScriptCommands.h"
#include "automation/TimerProperties.h"
#include "cycle/ShortcutActions.h"
#include "shortcuts/ShortcutBinder.h"

class PauseTest : public CycleFixture
{
protected:
    template <typename Command> QString run()
    {
        Command command(app(), *timer);
        command.performDefaultImplementation();
        return command.refusalReason();
    }
};

// One Pomodoro through two pauses, a sleep inside one of them and the last minute: what the
// countdown, the warning, the properties and the record make of it.
TEST_F(PauseTest, PausedTimeIsFrozenSurvivesSleepAndIsLeftOutOfTheFocusedLength)
{
    EXPECT_FALSE(run<PauseCommand>().isEmpty()) << "nothing runs";
    const QDateTime began = clock.now();
    run<PomodoroCommand>();
    TimerProperties properties(app(), *timer);
    advanceSeconds(300);
    EXPECT_TRUE(run<PauseCommand>().isEmpty());
    EXPECT_TRUE(app().isPaused.value());
    EXPECT_TRUE(properties.paused());
    EXPECT_EQ(properties.deadline(), 0) << "a frozen countdown has no deadline";
    EXPECT_FALSE(run<PauseCommand>().isEmpty()) << "already paused";
    EXPECT_FALSE(run<PomodoroCommand>().isEmpty()) << "a paused Pomodoro still occupies the timer";

    advanceSeconds(600);
    EXPECT_EQ(timer->currentTime.value(), 1200);
    // A sleep in the pause: the wake does not set the countdown going.
    sleepMonitor.sleep();
    clock.advanceSeconds(900);
    sleepMonitor.wake();
    advanceSeconds(5);
    EXPECT_TRUE(app().isPaused.value());
    EXPECT_EQ(timer->currentTime.value(), 1200);
    EXPECT_TRUE(run<ResumeCommand>().isEmpty());
    EXPECT_FALSE(run<ResumeCommand>().isEmpty()) << "nothing paused";
    EXPECT_FALSE(properties.paused());
    EXPECT_EQ(properties.deadline(), (clock.now().toSecsSinceEpoch() + 1200) * 1'000'000);

    // Paused at 61 s left: the last minute is not announced until the countdown moves again.
    advanceSeconds(1139);
    app().pausePomodoro();
    advanceSeconds(120);
    EXPECT_FALSE(notifications.posted.contains(QStringLiteral("Last Minute!")));
    app().resumePomodoro();
    advanceSeconds(1);
    EXPECT_TRUE(notifications.posted.contains(QStringLiteral("Last Minute!")));
    advanceSeconds(60);

    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    ASSERT_EQ(todayTypes(), std::vector<int>{1});
    const Interval pomodoro = today()[0];
    EXPECT_EQ(pomodoro.start, began);
    EXPECT_EQ(pomodoro.duration(), 1500 + 1505 + 120) << "start and end stay as they were";
    EXPECT_EQ(pomodoro.paused, 1505 + 120);
    EXPECT_EQ(pomodoro.focusedDuration(), 1500);
    EXPECT_EQ(tasks->focusedSecondsPerDay(began.date(), 1), std::vector<qint64>{1500});
    // A break is not paused.
    EXPECT_FALSE(run<PauseCommand>().isEmpty());
    EXPECT_FALSE(app().pausePomodoro());
}

TEST_F(PauseTest, APauseLongerThanTheLimitStopsThePomodoroAlsoAcrossASleep)
{
    app().startPomodoro();
    advanceSeconds(60);
    ASSERT_TRUE(app().pausePomodoro());
    advanceSeconds(3599);
    EXPECT_TRUE(app().isPaused.value());
    advanceSeconds(1);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_FALSE(app().isPaused.value());
    EXPECT_TRUE(today().empty()) << "stopped as the menu's Stop does: nothing recorded";
    EXPECT_TRUE(notifications.posted.contains(QStringLiteral("Pomodoro stopped")));

    // A shorter stored limit; the machine sleeps through it, and the wake finds it past.
    prefs->setValue(PauseKey::stopAfter, 600);
    app().startPomodoro();
    ASSERT_TRUE(app().pausePomodoro());
    sleepMonitor.sleep();
    clock.advanceSeconds(7200);
    sleepMonitor.wake();
    advanceSeconds(60);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_EQ(scheduler.pendingCount(), 0u);
}

TEST_F(PauseTest, TheRecordedPauseShortcutTogglesTheRunningPomodoroAndIsNoOtherShortcutsKey)
{
    FakeGlobalShortcuts shortcuts;
    ShortcutBinder binder(*prefs, &shortcuts);
    ShortcutActions actions(app());
    QObject::connect(&binder, &ShortcutBinder::pausePressed, &app(),
                     [&actions] { actions.pauseTriggered(); });
    EXPECT_TRUE(binder.record(PreferKey::StartPomodoroShortcut, QKeySequence(QStringLiteral("Ctrl+Alt+P")))
                    .isEmpty());
    EXPECT_FALSE(binder.record(PauseKey::shortcut, QKeySequence(QStringLiteral("Ctrl+Alt+P"))).isEmpty());
    EXPECT_TRUE(binder.record(PauseKey::shortcut, QKeySequence(QStringLiteral("Ctrl+Alt+Space"))).isEmpty());
    ASSERT_EQ(shortcuts.bound.size(), 3);
    EXPECT_EQ(shortcuts.bound[2], QKeySequence(QStringLiteral("Ctrl+Alt+Space")));

    shortcuts.press(2);
    EXPECT_FALSE(app().isPaused.value()) << "nothing to pause while idle";
    app().startPomodoro();
    shortcuts.press(2);
    EXPECT_TRUE(app().isPaused.value());
    shortcuts.press(2);
    EXPECT_FALSE(app().isPaused.value());
    EXPECT_TRUE(timer->isRunning());
}

// Pauses add up to the millisecond and the tick keeps its phase across them; the limit is
// looked at before a resume and at wake; a wall clock that steps changes no length.
TEST_F(PauseTest, PausesAndWallClockStepsChangeNoLength)
{
    prefs->setValue(DurationKey::pomodoro, 10);
    const QDateTime began = clock.now();
    app().startPomodoro();
    for (int i = 0; i < 8; ++i) {
        scheduler.advance(700);
        ASSERT_TRUE(app().pausePomodoro());
        scheduler.advance(300);
        ASSERT_TRUE(app().resumePomodoro());
    }
    scheduler.advance(4399);
    EXPECT_EQ(app().state.value(), CycleState::working);
    scheduler.advance(1);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    ASSERT_EQ(today().size(), 1u);
    EXPECT_EQ(began.msecsTo(*today()[0].end), 12'400);
    EXPECT_EQ(today()[0].paused, 2) << "2.4 s rounded once, not 0.3 s eight times";

    // Toggled faster than a second, a one-second Pomodoro still ends after its second.
    app().stopBreak();
    prefs->setValue(DurationKey::pomodoro, 1);
    app().startPomodoro();
    ShortcutActions shortcut(app());
    for (int i = 0; i < 60 && app().state.value() == CycleState::working; ++i) {
        scheduler.advance(50);
        shortcut.pauseTriggered();
    }
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);

    // Two hours forward ten seconds into a minute, an hour back in its break: both are a minute.
    app().stopBreak();
    prefs->setValue(DurationKey::pomodoro, 60);
    prefs->setValue(DurationKey::shortBreak, 60);
    TimerProperties properties(app(), *timer);
    app().startPomodoro();
    advanceSeconds(10);
    clock.stepWallClock(2 * 3600'000);
    advanceSeconds(49);
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_EQ(properties.deadline() / 1000, clock.now().addSecs(1).toMSecsSinceEpoch());
    advanceSeconds(1);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    advanceSeconds(5);
    clock.stepWallClock(-3600'000);
    advanceSeconds(55);
    std::vector<qint64> lengths;
    for (const Interval& interval : tasks->allTasks())
        lengths.push_back(interval.duration());
    EXPECT_EQ(lengths, (std::vector<qint64>{12, 0, 2, 0, 60, 60}));
    EXPECT_EQ(
        log().count(QStringLiteral("The wall clock was set by 7200 s; lengths are measured without it.")), 1);

    // A pause over a step is not over its limit; one over its limit after a sleep ends at wake,
    // and a resume before the wake cannot beat it.
    prefs->setValue(PauseKey::stopAfter, 600);
    app().startPomodoro();
    ASSERT_TRUE(app().pausePomodoro());
    clock.stepWallClock(2 * 3600'000);
    advanceSeconds(60);
    EXPECT_TRUE(app().resumePomodoro());
    ASSERT_TRUE(app().pausePomodoro());
    sleepMonitor.sleep();
    clock.advanceSeconds(7200);
    EXPECT_FALSE(app().resumePomodoro());
    EXPECT_EQ(app().state.value(), CycleState::idle);
    app().startPomodoro();
    ASSERT_TRUE(app().pausePomodoro());
    sleepMonitor.sleep();
    clock.advanceSeconds(7200);
    sleepMonitor.wake();
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_EQ(notifications.posted.count(QStringLiteral("Pomodoro stopped")), 2);
}
