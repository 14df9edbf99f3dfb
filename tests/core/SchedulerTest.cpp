#include "FakeClock.h"
#include "ManualScheduler.h"
#include "timer/QtScheduler.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(ManualScheduler, RunsDueCallsInOrderAndMovesTheClock)
{
    FakeClock clock;
    const QDateTime start = clock.now();
    ManualScheduler scheduler(&clock);
    std::vector<std::pair<int, qint64>> ran;
    scheduler.schedule(2000ms, [&] { ran.push_back({2, start.msecsTo(clock.now())}); });
    scheduler.schedule(1000ms, [&] {
        ran.push_back({1, start.msecsTo(clock.now())});
        scheduler.schedule(500ms, [&] { ran.push_back({3, start.msecsTo(clock.now())}); });
    });
    const auto cancelled = scheduler.schedule(1200ms, [&] { ran.push_back({9, 0}); });
    scheduler.cancel(cancelled);

    scheduler.advance(1999);
    ASSERT_EQ(ran.size(), 2u);
    scheduler.advance(1);
    EXPECT_EQ(ran, (std::vector<std::pair<int, qint64>>{{1, 1000}, {3, 1500}, {2, 2000}}));
    EXPECT_EQ(start.msecsTo(clock.now()), 2000);
    EXPECT_EQ(scheduler.pendingCount(), 0u);
}

TEST(QtScheduler, RunsOnceOnTheEventLoopAndHonoursCancel)
{
    QtScheduler scheduler;
    int ran = 0, cancelledRan = 0;
    QEventLoop loop;
    scheduler.schedule(0ms, [&] {
        ++ran;
        loop.quit();
    });
    const auto token = scheduler.schedule(0ms, [&] { ++cancelledRan; });
    scheduler.cancel(token);
    scheduler.cancel(token); // twice is harmless
    loop.exec();
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(cancelledRan, 0);
    EXPECT_EQ(scheduler.pendingCount(), 0u);
}

TEST(QtScheduler, ADelayLongerThanATimerHoldsStillWaitsInsteadOfBeingRefused)
{
    QtScheduler scheduler;
    // 2,147,484 s is the first whole second past what an int of milliseconds holds.
    const auto beyond = scheduler.schedule(std::chrono::seconds(2'147'484), [] {});
    const auto longest = scheduler.schedule(QtScheduler::maximumDelay, [] {});
    const auto negative = scheduler.schedule(-5ms, [] {});
    EXPECT_TRUE(scheduler.isPending(beyond));
    EXPECT_TRUE(scheduler.isPending(longest));
    EXPECT_TRUE(scheduler.isPending(negative));
}
