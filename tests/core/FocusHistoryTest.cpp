#include "records/FocusHistory.h"
#include "CycleFixture.h"
#include "cycle/DailyGoal.h"

#include <ctime>

using FocusHistory::Span;

class FocusHistoryTest : public CycleFixture
{
protected:
    void TearDown() override
    {
        savedTZ.isNull() ? qunsetenv("TZ") : qputenv("TZ", savedTZ);
        tzset();
        CycleFixture::TearDown();
    }
    void setTimeZone(const char* zone)
    {
        qputenv("TZ", zone);
        tzset();
    }
    // A Pomodoro of minutes from the local date and time, with paused seconds beside it.
    void pomodoro(const QDate& day, const QTime& time, int minutes, qint64 paused = 0)
    {
        Interval task;
        task.type = 1;
        task.start = QDateTime(day, time, Qt::LocalTime);
        task.end = task.start.addSecs(minutes * 60 + paused);
        task.paused = paused;
        ASSERT_TRUE(tasks->insert(task));
    }
    static qint64 barSum(const FocusHistory::Period& period)
    {
        qint64 sum = 0;
        for (const auto& bar : period.bars)
            sum += bar.focus.seconds;
        return sum;
    }

    QByteArray savedTZ = qgetenv("TZ");
};

// Days at the ends of months and years and a day of 23 hours: each Pomodoro counts once, on the
// day it started, with its focused length, and every view's bars add up to its total.
TEST_F(FocusHistoryTest, PeriodsSplitAtMonthAndYearEndsAndDaylightSavingDays)
{
    // Three hours west of UTC; summer time begins on the first Sunday of September at midnight.
    setTimeZone("MRT3MRST,M9.1.0/0,M4.1.0/0");
    app();
    pomodoro(QDate(2025, 12, 31), QTime(23, 50), 25);   // the year's last day, ending in the next
    pomodoro(QDate(2026, 1, 1), QTime(0, 10), 25, 600); // the next year's first, paused 10 min
    pomodoro(QDate(2026, 3, 31), QTime(23, 40), 25);
    pomodoro(QDate(2026, 4, 1), QTime(9, 0), 25);
    pomodoro(QDate(2026, 4, 1), QTime(10, 0), 25);
    pomodoro(QDate(2026, 9, 6), QTime(1, 0), 25); // the day without 00:00
    pomodoro(QDate(2026, 9, 6), QTime(23, 30), 25);
    pomodoro(QDate(2026, 9, 7), QTime(0, 0), 25);

    const auto monday = Qt::Monday;
    const auto march = FocusHistory::period(*tasks, Span::month, QDate(2026, 3, 15), monday);
    EXPECT_EQ(march.bars.size(), 31u);
    EXPECT_EQ(march.total, (DayFocus{1500, 1}));
    EXPECT_EQ(march.bars.back().focus.pomodoros, 1);
    const auto april = FocusHistory::period(*tasks, Span::month, QDate(2026, 4, 30), monday);
    EXPECT_EQ(april.total, (DayFocus{3000, 2}));
    EXPECT_EQ(april.busiestDay, QDate(2026, 4, 1));

    const auto september = FocusHistory::period(*tasks, Span::month, QDate(2026, 9, 1), monday);
    EXPECT_EQ(september.bars[5].focus, (DayFocus{3000, 2})) << "the short day keeps both of its own";
    EXPECT_EQ(september.bars[6].focus, (DayFocus{1500, 1}));

    const auto y2025 = FocusHistory::period(*tasks, Span::year, QDate(2025, 6, 1), monday);
    const auto y2026 = FocusHistory::period(*tasks, Span::year, QDate(2026, 6, 1), monday);
    EXPECT_EQ(y2025.total, (DayFocus{1500, 1}));
    EXPECT_EQ(y2026.total, (DayFocus{1500 * 7, 7}));
    EXPECT_EQ(barSum(y2025), y2025.total.seconds);
    EXPECT_EQ(barSum(y2026), y2026.total.seconds);
    // 2026 begins on a Thursday: its first bar is the week's last four days, its last the first
    // four days of the week it ends in.
    EXPECT_EQ(y2026.bars.front().first, QDate(2026, 1, 1));
    EXPECT_EQ(y2026.bars.front().last, QDate(2026, 1, 4));
    EXPECT_EQ(y2026.bars.back().first, QDate(2026, 12, 28));
    EXPECT_EQ(y2026.bars.back().last, QDate(2026, 12, 31));

    // The week over the year's end holds both, whatever the locale's first day of the week.
    const auto week = FocusHistory::period(*tasks, Span::week, QDate(2026, 1, 1), monday);
    EXPECT_EQ(week.first, QDate(2025, 12, 29));
    EXPECT_EQ(week.total, (DayFocus{3000, 2}));
    EXPECT_EQ(FocusHistory::period(*tasks, Span::week, QDate(2026, 1, 1), Qt::Sunday).first,
              QDate(2025, 12, 28));

    // Moving a month back from its 31st lands in the month before, not in the same one.
    EXPECT_EQ(FocusHistory::movePeriod(Span::month, QDate(2026, 3, 31), -1), QDate(2026, 2, 1));
    EXPECT_EQ(FocusHistory::movePeriod(Span::year, QDate(2026, 3, 31), 1), QDate(2027, 1, 1));
}

TEST_F(FocusHistoryTest, GoalProgressAndStreakFollowMidnightAndTheNotificationComesOnceADay)
{
    prefs->setValue(DurationKey::pomodoro, 60);
    prefs->setValue(GoalKey::daily, 2);
    const QDate today = clock.now().date();
    app();
    for (int back = 1; back <= 3; ++back) {
        pomodoro(today.addDays(-back), QTime(10, 0), 25);
        pomodoro(today.addDays(-back), QTime(11, 0), 25);
    }
    pomodoro(today.addDays(-5), QTime(11, 0), 25); // the day a streak began after a miss
    DailyGoal goal(app(), *tasks, *prefs, clock, scheduler, notifications);
    goal.refresh();
    EXPECT_EQ(goal.status.value().today, 0);
    EXPECT_EQ(goal.status.value().streak, 3) << "a day under way does not break it";

    app().startPomodoro();
    advanceSeconds(60);
    app().stopBreak();
    EXPECT_EQ(goal.status.value().today, 1);
    EXPECT_TRUE(notifications.posted.filter(QStringLiteral("goal")).isEmpty());
    app().startPomodoro();
    advanceSeconds(60);
    app().stopBreak();
    EXPECT_TRUE(goal.status.value().met());
    EXPECT_EQ(goal.status.value().streak, 4);
    EXPECT_EQ(notifications.posted.filter(QStringLiteral("Daily goal met")).size(), 1);
    app().startPomodoro();
    advanceSeconds(60);
    EXPECT_EQ(goal.status.value().today, 3);
    EXPECT_EQ(notifications.posted.filter(QStringLiteral("Daily goal met")).size(), 1) << "once a day";

    // Past midnight the new day starts at 0 and the day that met the goal keeps the streak.
    clock.set(today.addDays(1).startOfDay(Qt::LocalTime).addSecs(-5));
    scheduler.advance(3'600'000);
    EXPECT_EQ(goal.status.value().today, 0);
    EXPECT_EQ(goal.status.value().streak, 4);
    // Switched off: no goal, no streak, and nothing in the tray.
    prefs->setValue(GoalKey::daily, 0);
    EXPECT_EQ(goal.status.value().goal, 0);
    EXPECT_EQ(goal.status.value().streak, 0);
}
