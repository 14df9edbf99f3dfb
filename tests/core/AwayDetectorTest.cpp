#include "cycle/AwayDetector.h"
#include "CycleFixture.h"
#include "RecordingUsageTracker.h"
#include "timer/IdleMonitor.h"

namespace {

// The desktop's idle time as the test sets it — a fixed answer, or the time since the last
// input on the test's clock; counts the questions.
class FakeIdleMonitor final : public IdleMonitor
{
public:
    explicit FakeIdleMonitor(const Clock& clock) : clock(clock) {}
    qint64 idle = 0;
    std::optional<QDateTime> lastInput;
    int asked = 0;
    void idleSeconds(std::function<void(std::optional<qint64>)> done) override
    {
        ++asked;
        done(lastInput ? lastInput->secsTo(clock.now()) : idle);
    }
    const Clock& clock;
    QString backendName() const override { return QStringLiteral("a test"); }
    void setWatching(bool on) override { watching = on; }
    bool watching = false;
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
    FakeIdleMonitor idle{clock};
    std::unique_ptr<AwayDetector> away;
};

TEST_F(AwayDetectorTest, AwayForTheThresholdStopsThePomodoroAndTheFirstInputBringsTheNotice)
{
    auto tracker = RecordingUsageTracker::install();
    EXPECT_EQ(detector().threshold(), 600);
    prefs->setValue(AwayKey::threshold, 300);
    EXPECT_FALSE(idle.watching);
    app().startPomodoro();
    EXPECT_TRUE(idle.watching);
    idle.idle = 290;
    advanceSeconds(10);
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_EQ(idle.asked, 1);

    idle.lastInput = clock.now().addSecs(-300 + 10);
    advanceSeconds(10);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_TRUE(today().empty());
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("userAway: ")));
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("userAway")));
    // Still away: nothing to say yet, the user is not there to read it.
    advanceSeconds(600);
    EXPECT_TRUE(notifications.posted.isEmpty());
    EXPECT_EQ(idle.asked, 2 + 60);
    EXPECT_TRUE(idle.watching); // until the user is back

    // The first input: away from 300 s before the stop until 3 s before this reading.
    idle.lastInput = clock.now().addSecs(10 - 3);
    advanceSeconds(10);
    EXPECT_EQ(notifications.posted, QStringList{QStringLiteral("Welcome back — you were away 15 min")});
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("userReturned")));
    EXPECT_EQ(app().state.value(), CycleState::idle); // coming back starts nothing by itself
    EXPECT_FALSE(idle.watching);
    // Nothing is asked while no Pomodoro runs.
    advanceSeconds(600);
    EXPECT_EQ(idle.asked, 2 + 61);

    // The notification's button starts a Pomodoro, but never over a break.
    ASSERT_EQ(notifications.actions.size(), 1);
    app().shortBreak();
    notifications.actions[0].invoke();
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    app().stopBreak();
    notifications.actions[0].invoke();
    EXPECT_EQ(app().state.value(), CycleState::working);

    // Just under the threshold never stops; the Pomodoro runs on into its break.
    idle.lastInput.reset();
    idle.idle = 299;
    const int askedBefore = idle.asked;
    advanceSeconds(25 * 60);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    EXPECT_EQ(idle.asked, askedBefore + 25 * 6);
    // Away during the break changes nothing and asks nothing.
    idle.idle = 10000;
    advanceSeconds(60);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    EXPECT_EQ(idle.asked, askedBefore + 25 * 6);
    EXPECT_FALSE(idle.watching);
}

TEST_F(AwayDetectorTest, BackAndAlreadyWorkingGetsNoNotice)
{
    prefs->setValue(AwayKey::threshold, 300);
    detector();
    app().startPomodoro();
    idle.idle = 400;
    advanceSeconds(10);
    ASSERT_EQ(app().state.value(), CycleState::idle);
    // Back before the next reading, and straight to work from the menu.
    app().startPomodoro();
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("userReturned: ")));
    idle.idle = 0;
    advanceSeconds(60);
    EXPECT_TRUE(notifications.posted.isEmpty());
    EXPECT_EQ(app().state.value(), CycleState::working);
}

TEST_F(AwayDetectorTest, ALockedScreenCountsAsAwayAndTheUnlockSaysForHowLong)
{
    prefs->setValue(AwayKey::threshold, 120);
    detector();
    app().startPomodoro();
    idle.lock(true);
    idle.lastInput = clock.now(); // no input while locked
    advanceSeconds(130);
    EXPECT_EQ(app().state.value(), CycleState::idle);
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
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_EQ(idle.asked, asked);
}

TEST_F(AwayDetectorTest, InputAfterALockNeverReportedUnlockedIsTheReturn)
{
    prefs->setValue(AwayKey::threshold, 120);
    detector();
    // A locker that never reports the unlock: an hour later the user is at it again.
    idle.lock(true);
    advanceSeconds(3600);
    idle.idle = 0;
    app().startPomodoro();
    advanceSeconds(60);
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Input after the lock")));

    // Locked during a Pomodoro: it stops; the first input after the lock brings the notice.
    idle.lock(true);
    idle.lastInput = clock.now();
    advanceSeconds(130);
    ASSERT_EQ(app().state.value(), CycleState::idle);
    EXPECT_TRUE(idle.watching);
    advanceSeconds(20 * 60);
    EXPECT_TRUE(notifications.posted.isEmpty());
    idle.lastInput = clock.now().addSecs(5);
    advanceSeconds(10);
    EXPECT_EQ(notifications.posted, QStringList{QStringLiteral("Welcome back — you were away 22 min")});
    EXPECT_FALSE(idle.watching);
    // And the next Pomodoro runs on.
    idle.lastInput.reset();
    app().startPomodoro();
    advanceSeconds(60);
    EXPECT_EQ(app().state.value(), CycleState::working);
}

TEST_F(AwayDetectorTest, TheSwitchTakesEffectMidPomodoroAndTheThresholdIsNotTheShortBreak)
{
    prefs->setValue(DurationKey::shortBreak, 60);
    prefs->setValue(AwayKey::enabled, false);
    detector();
    app().startPomodoro();
    EXPECT_FALSE(idle.watching);
    idle.idle = 90; // a minute and a half of reading
    prefs->setValue(AwayKey::enabled, true);
    EXPECT_TRUE(idle.watching);
    advanceSeconds(30);
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_EQ(idle.asked, 3);

    // Turned off: nothing more is asked and the source stops listening.
    prefs->setValue(AwayKey::enabled, false);
    EXPECT_FALSE(idle.watching);
    idle.idle = 100000;
    advanceSeconds(60);
    EXPECT_EQ(idle.asked, 3);
    EXPECT_EQ(app().state.value(), CycleState::working);

    // A stored threshold of a few seconds is used as it stands.
    prefs->setValue(AwayKey::threshold, 5);
    prefs->setValue(AwayKey::enabled, true);
    idle.idle = 6;
    advanceSeconds(10);
    EXPECT_EQ(app().state.value(), CycleState::idle);
}

TEST_F(AwayDetectorTest, APauseIsNotAbsenceAndItsIdleTimeDoesNotCountAfterTheResume)
{
    detector();
    app().startPomodoro();
    advanceSeconds(10);
    const int askedBefore = idle.asked;
    ASSERT_TRUE(app().pausePomodoro());
    EXPECT_FALSE(idle.watching);
    idle.lastInput = clock.now();
    advanceSeconds(1200);
    EXPECT_EQ(idle.asked, askedBefore) << "nothing is read during a pause";
    // Resumed from a script, with no input since the pause began: the pause's 20 minutes are
    // not an absence, only the minutes after the resume may become one.
    app().resumePomodoro();
    EXPECT_TRUE(idle.watching);
    advanceSeconds(10);
    EXPECT_EQ(app().state.value(), CycleState::working);
    advanceSeconds(600);
    EXPECT_EQ(app().state.value(), CycleState::idle);
}
