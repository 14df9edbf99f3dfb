#include "automation/TimerProperties.h"
#include "CycleFixture.h"

#include <QCoreApplication>

#include <cmath>

class TimerPropertiesTest : public CycleFixture
{
protected:
    void watch()
    {
        properties = std::make_unique<TimerProperties>(app(), *timer);
        QObject::connect(properties.get(), &TimerProperties::changed,
                         [this](const QVariantMap& changes) { seen << changes; });
    }
    // What a client heard since the last look, the queued signal delivered first.
    QList<QVariantMap> heard()
    {
        QCoreApplication::processEvents();
        return std::exchange(seen, {});
    }
    qint64 deadlineIn(int seconds) const
    {
        return (qint64(std::floor(clock.secondsSince1970())) + seconds) * 1'000'000;
    }

    std::unique_ptr<TimerProperties> properties;
    QList<QVariantMap> seen;
};

TEST_F(TimerPropertiesTest, ClientsHearOfStartsStopsPostponementsAndWakesButNotOfTicks)
{
    watch();
    EXPECT_TRUE(heard().isEmpty());
    EXPECT_EQ(properties->deadline(), 0);

    // A start is one signal with everything a client needs to count down by itself.
    app().startPomodoro();
    auto changes = heard();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0].value(QStringLiteral("State")).toString(), QStringLiteral("working"));
    EXPECT_EQ(changes[0].value(QStringLiteral("RemainingSeconds")).toInt(), 1500);
    const qint64 deadline = deadlineIn(1500);
    EXPECT_EQ(changes[0].value(QStringLiteral("Deadline")).toLongLong(), deadline);

    // Plain seconds are not signalled; the value is still there to read.
    advanceSeconds(30);
    EXPECT_TRUE(heard().isEmpty());
    EXPECT_EQ(properties->remainingSeconds(), 1470);

    // Ten minutes asleep: the wake is a jump, and the deadline stood where it was.
    sleepMonitor.sleep();
    clock.advanceSeconds(600);
    sleepMonitor.wake();
    changes = heard();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0].value(QStringLiteral("RemainingSeconds")).toInt(), 870);
    EXPECT_EQ(changes[0].value(QStringLiteral("Deadline")).toLongLong(), deadline);

    // The break, then a postponement: a new deadline a minute away.
    advanceSeconds(870);
    changes = heard();
    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(changes.last().value(QStringLiteral("State")).toString(), QStringLiteral("shortBreak"));
    advanceSeconds(10);
    EXPECT_TRUE(heard().isEmpty());
    windows.handlers.didClickStopTimerHandler(StopTimerEvent::postponePomodoro);
    changes = heard();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0].value(QStringLiteral("State")).toString(), QStringLiteral("working"));
    EXPECT_EQ(changes[0].value(QStringLiteral("Deadline")).toLongLong(), deadlineIn(60));

    app().stopPomodoro();
    changes = heard();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0].value(QStringLiteral("State")).toString(), QStringLiteral("idle"));
    EXPECT_EQ(changes[0].value(QStringLiteral("RemainingSeconds")).toInt(), 0);
    EXPECT_EQ(changes[0].value(QStringLiteral("Deadline")).toLongLong(), 0);
}
