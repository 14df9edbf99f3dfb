#include "CycleFakes.h"
#include "FakeClock.h"
#include "LogCapture.h"
#include "ManualScheduler.h"
#include "TestEnvironment.h"
#include "timer/MRTimer.h"

class MRTimerTest : public TestEnvironment
{
protected:
    FakeClock clock;
    ManualScheduler scheduler{&clock};
    FakeSleepMonitor sleepMonitor;
    MRTimer timer{clock, scheduler, &sleepMonitor};
    std::vector<int> published;
    Subscription subscription = timer.currentTime.subscribe([this](int v) { published.push_back(v); });
    int completions = 0;
    std::function<void()> complete = [this] { ++completions; };
};

TEST_F(MRTimerTest, CountsDownOncePerSecondAndCompletesAtZero)
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

TEST_F(MRTimerTest, OneSecondIntervalAndNonPositiveLengthsCompleteAtFirstTick)
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

TEST_F(MRTimerTest, LateTicksCompleteOnTheWallClock)
{
    timer.start(10, complete);
    // A busy main thread: the clock jumps 9.5 s while one tick is delayed.
    clock.advanceMs(9000);
    published.clear();
    scheduler.advance(1000);
    // The display counted one (to 9), but the wall clock says it is over.
    EXPECT_EQ(published, (std::vector<int>{9, 0}));
    EXPECT_EQ(completions, 1);
    EXPECT_FALSE(timer.isRunning());
}

TEST_F(MRTimerTest, StartWhileTickingReplacesTheIntervalSilently)
{
    int firstCompletions = 0;
    timer.start(5, [&] { ++firstCompletions; });
    scheduler.advance(2000);
    timer.start(2, complete);
    scheduler.advance(10000);
    EXPECT_EQ(firstCompletions, 0);
    EXPECT_EQ(completions, 1);
}

TEST_F(MRTimerTest, StopEndsWithoutCompletionAndPublishesZero)
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

TEST_F(MRTimerTest, SleepPausesAndWakeResumesTicking)
{
    timer.start(100, complete);
    scheduler.advance(10000);
    ASSERT_EQ(timer.currentTime.value(), 90);
    sleepMonitor.sleep();
    EXPECT_FALSE(timer.isRunning());
    EXPECT_TRUE(timer.timerPausedBySleepEvent());
    scheduler.advance(5000); // nothing ticks while asleep
    EXPECT_EQ(timer.currentTime.value(), 90);
    sleepMonitor.wake();
    EXPECT_TRUE(timer.isRunning());
    scheduler.advance(1000);
    EXPECT_EQ(timer.currentTime.value(), 89);
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("Workspace will sleep")));
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("Will pause timer")));
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("Will continue timer")));
}

TEST_F(MRTimerTest, SleepLongerThanTheRemainingTimeEndsAtTheFirstTickAfterWake)
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

TEST_F(MRTimerTest, TwoWakesAfterOnePauseResumeOnce)
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

TEST_F(MRTimerTest, SleepAndWakeWhileStoppedDoNothing)
{
    sleepMonitor.sleep();
    sleepMonitor.wake();
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(scheduler.pendingCount(), 0u);
    EXPECT_FALSE(log().contains(QStringLiteral("Will pause timer")));
    scheduler.advance(5000);
    EXPECT_EQ(completions, 0);
}
