#include "cycle/AwayDetector.h"
#include "CycleFixture.h"
#include "timer/IdleMonitor.h"

namespace {

// The desktop's idle time as the test sets it; counts the questions.
class FakeIdleMonitor final : public IdleMonitor
{
public:
    qint64 idle = 0;
    int asked = 0;
    void idleSeconds(std::function<void(std::optional<qint64>)> done) override
    {
        ++asked;
        done(idle);
    }
    QString backendName() const override { return QStringLiteral("a test"); }
    void lock(bool locked) { Q_EMIT lockedChanged(locked); }
};

} // namespace

class AwayDetectorTest : public CycleFixture
{
protected:
    AwayDetector& detector()
    {
        if (!away)
            away = std::make_unique<AwayDetector>(app(), &idle, *prefs, scheduler, clock, notifications);
        return *away;
    }
    FakeIdleMonitor idle;
    std::unique_ptr<AwayDetector> away;
};

TEST_F(AwayDetectorTest, AwayForTheThresholdStopsThePomodoroAndRecordsNothing)
{
    EXPECT_EQ(detector().threshold(), 300); // the short break's length
    app().startPomodoro();
    idle.idle = 290;
    advanceSeconds(10);
    EXPECT_EQ(app().state.value(), MRAppState::working);
    EXPECT_EQ(idle.asked, 1);

    idle.idle = 300;
    advanceSeconds(10);
    EXPECT_EQ(app().state.value(), MRAppState::idle);
    EXPECT_TRUE(today().empty());
    EXPECT_EQ(notifications.posted, QStringList{QStringLiteral("Welcome back — you were away 5 min")});
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("userAway: ")));

    // Nothing is asked while no Pomodoro runs.
    advanceSeconds(600);
    EXPECT_EQ(idle.asked, 2);

    // Just under the threshold never stops; the next Pomodoro runs on into its break.
    idle.idle = 299;
    app().startPomodoro();
    advanceSeconds(25 * 60);
    EXPECT_EQ(app().state.value(), MRAppState::shortBreak);
    const int askedInThePomodoro = idle.asked;
    EXPECT_EQ(askedInThePomodoro, 2 + 25 * 6);
    // Away during the break changes nothing.
    idle.idle = 10000;
    advanceSeconds(60);
    EXPECT_EQ(app().state.value(), MRAppState::shortBreak);
    EXPECT_EQ(idle.asked, askedInThePomodoro);
}

TEST_F(AwayDetectorTest, ALockedScreenCountsAsAwayAndTheUnlockSaysForHowLong)
{
    prefs->setValue(AwayKey::threshold, 120);
    detector();
    app().startPomodoro();
    idle.lock(true);
    advanceSeconds(130);
    EXPECT_EQ(app().state.value(), MRAppState::idle);
    EXPECT_TRUE(notifications.posted.isEmpty()); // said when they are back
    advanceSeconds(30 * 60);
    idle.lock(false);
    ASSERT_EQ(notifications.posted.size(), 1);
    EXPECT_EQ(notifications.posted[0], QStringLiteral("Welcome back — you were away 32 min"));

    // A lock during a break, and the preference off: nothing stops.
    app().shortBreak();
    idle.lock(true);
    advanceSeconds(200);
    idle.lock(false);
    prefs->setValue(AwayKey::enabled, false);
    const int asked = idle.asked;
    app().startPomodoro();
    idle.idle = 100000;
    advanceSeconds(600);
    EXPECT_EQ(app().state.value(), MRAppState::working);
    EXPECT_EQ(idle.asked, asked);
}
