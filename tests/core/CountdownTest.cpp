#include "timer/Countdown.h"
#include "CycleFakes.h"
#include "FakeClock.h"
#include "LogCapture.h"
#include "ManualScheduler.h"
#include "TestEnvironment.h"

class CountdownTest : public TestEnvironment
{
protected:
    FakeClock clock;
    ManualScheduler scheduler{&clock};
    FakeSleepMonitor sleepMonitor;
    Countdown timer{clock, scheduler, &sleepMonitor};
    std::vector<int> published;
    Subscription subscription = timer.currentTime.subscribe([this](int v) { published.push_back(v); });
    int completions = 0;
    std::function<void()> complete = [this] { ++completions; };
};

TEST_F(CountdownTest, CountsDownOncePerSecondAndCompletesAtZero)
{
    published.clear();
    timer.start(3, complete);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(published, (std::vector<int>{0, 3})); // observers see 0, then the new length
    scheduler.advance(2999);
    EXPECT_EQ(published, (std::vector<int>{0, 3, 2, 1}));
    EXPECT_EQ(completions, 0);
    scheduler.advance(1);
    EXPECT_EQ(completions, 1);
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(published.back(), 0);
    EXPECT_EQ(scheduler.pendingCount(), 0u); // nothing left ticking
    scheduler.advance(10000);
    EXPECT_EQ(completions, 1);
}

TEST_F(CountdownTest, OneSecondIntervalAndNonPositiveLengthsCompleteAtFirstTick)
{
    timer.start(1, complete);
    scheduler.advance(1000);
    EXPECT_EQ(completions, 1);
    timer.start(0, complete);
    scheduler.advance(1000);
    EXPECT_EQ(completions, 2);
    timer.start(-5, complete);
    scheduler.advance(1000);
    EXPECT_EQ(completions, 3);
}

TEST_F(CountdownTest, LateTicksShowAndCompleteOnTheWallClock)
{
    timer.start(10, complete);
    clock.advanceMs(3000); // a busy main thread delays a tick by three seconds
    published.clear();
    scheduler.advance(1000);
    EXPECT_EQ(published, std::vector<int>{6});
    clock.advanceMs(5500);
    scheduler.advance(1000);
    // The wall clock says it is over: no positive count is shown before the completion.
    EXPECT_EQ(published, (std::vector<int>{6, 0, 0}));
    EXPECT_EQ(completions, 1);
    EXPECT_FALSE(timer.isRunning());

    // A clock set back still counts down one a tick and never shows more than the length.
    timer.start(3, complete);
    clock.advanceSeconds(-3600);
    published.clear();
    scheduler.advance(3000);
    EXPECT_EQ(published, (std::vector<int>{2, 1, 0, 0}));
    EXPECT_EQ(completions, 2);
}

TEST_F(CountdownTest, StartWhileTickingReplacesTheIntervalSilently)
{
    int firstCompletions = 0;
    timer.start(5, [&] { ++firstCompletions; });
    scheduler.advance(2000);
    timer.start(2, complete);
    scheduler.advance(10000);
    EXPECT_EQ(firstCompletions, 0);
    EXPECT_EQ(completions, 1);
}

TEST_F(CountdownTest, StopEndsWithoutCompletionAndPublishesZero)
{
    timer.start(5, complete);
    scheduler.advance(1000);
    published.clear();
    timer.stop();
    scheduler.advance(10000);
    EXPECT_EQ(completions, 0);
    EXPECT_EQ(published, std::vector<int>{0});
    EXPECT_EQ(scheduler.pendingCount(), 0u);
}

TEST_F(CountdownTest, SleepPausesAndWakeShowsTheWallClockRemainder)
{
    timer.start(1500, complete);
    scheduler.advance(60000);
    ASSERT_EQ(timer.currentTime.value(), 1440);
    sleepMonitor.sleep();
    EXPECT_FALSE(timer.isRunning());
    EXPECT_TRUE(timer.timerPausedBySleepEvent());
    scheduler.advance(5000); // nothing ticks while asleep
    EXPECT_EQ(timer.currentTime.value(), 1440);
    clock.advanceSeconds(595); // ten minutes with the lid closed
    sleepMonitor.wake();
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.currentTime.value(), 840);
    scheduler.advance(1000);
    EXPECT_EQ(timer.currentTime.value(), 839);
    scheduler.advance(839000);
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("Workspace will sleep")));
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("Will pause timer")));
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("Will continue timer")));
}

TEST_F(CountdownTest, StopOrStartWhileAsleepEndsThePause)
{
    timer.start(100, complete);
    sleepMonitor.sleep();
    timer.stop();
    sleepMonitor.wake(); // the stopped interval stays stopped
    EXPECT_EQ(scheduler.pendingCount(), 0u);
    // A sleep that never got its wake does not carry over into the next interval either.
    timer.start(100, complete);
    sleepMonitor.sleep();
    timer.start(5, complete);
    sleepMonitor.wake();
    EXPECT_EQ(log().count(QStringLiteral("Will continue timer")), 0);
    scheduler.advance(200000);
    EXPECT_EQ(completions, 1);
}

TEST_F(CountdownTest, SleepLongerThanTheRemainingTimeEndsAtTheFirstTickAfterWake)
{
    timer.start(60, complete);
    scheduler.advance(10000);
    sleepMonitor.sleep();
    clock.advanceSeconds(3600); // an hour with the lid closed
    sleepMonitor.wake();
    EXPECT_EQ(completions, 0);
    scheduler.advance(1000);
    EXPECT_EQ(completions, 1);
}

TEST_F(CountdownTest, TwoWakesAfterOnePauseResumeOnce)
{
    timer.start(30, complete);
    sleepMonitor.sleep();
    sleepMonitor.wake();
    sleepMonitor.wake();
    EXPECT_EQ(log().count(QStringLiteral("Will continue timer")), 1);
    EXPECT_EQ(scheduler.pendingCount(), 1u); // one tick, not two
    scheduler.advance(1000);
    EXPECT_EQ(timer.currentTime.value(), 29);
}

TEST_F(CountdownTest, SleepAndWakeWhileStoppedDoNothing)
{
    sleepMonitor.sleep();
    sleepMonitor.wake();
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(scheduler.pendingCount(), 0u);
    EXPECT_FALSE(log().contains(QStringLiteral("Will pause timer")));
    scheduler.advance(5000);
    EXPECT_EQ(completions, 0);
}
