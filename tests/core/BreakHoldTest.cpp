#include "CycleFixture.h"
#include "FakePresence.h"
#include "automation/ScriptCommands.h"
#include "cycle/AwayDetector.h"
#include "presence/HoldChoices.h"
#include "presence/PresenceSources.h"
#include "timer/IdleMonitor.h"

namespace {
const QString microphone = QStringLiteral("microphone in use");
const QString camera = QStringLiteral("camera in use");

class FixedIdleMonitor final : public IdleMonitor
{
public:
    qint64 idle = 0;
    bool watching = false;
    void idleSeconds(std::function<void(std::optional<qint64>)> done) override { done(idle); }
    QString backendName() const override { return QStringLiteral("a test"); }
    void setWatching(bool on) override { watching = on; }
};
} // namespace

// The break after a Pomodoro waits while a call, a share or full-screen work goes on.
class BreakHoldTest : public CycleFixture
{
protected:
    void SetUp() override
    {
        CycleFixture::SetUp();
        presence = &busy;
        prefs->setValue(DurationKey::pomodoro, 60);
        prefs->setValue(DurationKey::shortBreak, 60);
        prefs->setValue(DurationKey::longBreak, 60);
    }
    // Seconds until the state leaves working, at most limit.
    int secondsUntilTheBreak(int limit)
    {
        for (int s = 1; s <= limit; ++s) {
            advanceSeconds(1);
            if (app().state.value() != CycleState::working)
                return s;
        }
        return limit + 1;
    }
    FakePresence busy;
};

TEST_F(BreakHoldTest, HeldThroughOverlappingAndFlappingSourcesThenStartedOnceAllAreQuiet)
{
    busy.active = {microphone};
    app().startPomodoro();
    advanceSeconds(60);
    // The Pomodoro is recorded; its break waits, with one notification.
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_TRUE(app().isBreakHeld());
    EXPECT_EQ(app().breakHold().heldBy.value(), microphone);
    EXPECT_EQ(todayTypes(), std::vector<int>{1});
    EXPECT_TRUE(windows.shown.empty());
    EXPECT_EQ(notifications.posted.count(QStringLiteral("Break when your call ends")), 1);
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Break held: microphone in use")));

    // The camera joins, then the microphone leaves: still held, by what is active.
    busy.active = {microphone, camera};
    advanceSeconds(60);
    EXPECT_EQ(app().breakHold().heldBy.value(), QStringLiteral("microphone in use, camera in use"));
    busy.active = {camera};
    advanceSeconds(60);
    EXPECT_EQ(app().breakHold().heldBy.value(), camera);
    // A source that drops out for one answer does not start the break.
    busy.active.clear();
    advanceSeconds(2);
    busy.active = {camera};
    advanceSeconds(10);
    EXPECT_TRUE(app().isBreakHeld());
    EXPECT_EQ(notifications.posted.count(QStringLiteral("Break when your call ends")), 1);

    // All quiet: the break is up within five seconds, and the log says what held it how long.
    busy.active.clear();
    EXPECT_LE(secondsUntilTheBreak(10), 5);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    EXPECT_FALSE(app().isBreakHeld());
    EXPECT_EQ(windows.shown.size(), 1u);
    EXPECT_TRUE(
        log().contains(QStringLiteral("Break released (nothing holds it any more) after being held for "
                                      "136 s by microphone in use, camera in use")));
    const int asked = busy.asked;
    advanceSeconds(60);
    EXPECT_EQ(todayTypes(), (std::vector<int>{1, 2}));
    // Nothing is asked once the break runs or while idle.
    advanceSeconds(600);
    EXPECT_EQ(busy.asked, asked);
}

TEST_F(BreakHoldTest, TheLongestHoldStartsTheBreakAfterAWarningAndTheLongBreakCountStands)
{
    prefs->setValue(HoldKey::maximum, 600);
    prefs->setValue(DurationKey::countToLongBreak, 2);
    busy.active = {microphone};
    std::vector<int> expected;
    for (int cycle = 0; cycle < 3; ++cycle) {
        app().startPomodoro();
        advanceSeconds(60 + 539);
        EXPECT_EQ(notifications.posted.count(QStringLiteral("Break in one minute")), cycle);
        advanceSeconds(1);
        EXPECT_EQ(notifications.posted.count(QStringLiteral("Break in one minute")), cycle + 1);
        EXPECT_TRUE(app().isBreakHeld());
        advanceSeconds(60);
        EXPECT_FALSE(app().isBreakHeld());
        EXPECT_NE(app().state.value(), CycleState::working);
        EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Break released (held as long as allowed)")));
        advanceSeconds(60);
        expected.push_back(1);
        expected.push_back(cycle < 2 ? 2 : 3); // as without holding: the third break is long
        EXPECT_EQ(todayTypes(), expected);
    }
}

TEST_F(BreakHoldTest, StopOrAnotherIntervalDropsTheHeldBreakAndQuittingLosesNothing)
{
    busy.active = {microphone};
    app().startPomodoro();
    advanceSeconds(60);
    ASSERT_TRUE(app().isBreakHeld());
    app().stopPomodoro();
    EXPECT_FALSE(app().isBreakHeld());
    EXPECT_EQ(app().state.value(), CycleState::idle);
    busy.active.clear();
    advanceSeconds(3600);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_TRUE(windows.shown.empty());
    EXPECT_EQ(todayTypes(), std::vector<int>{1}); // the Pomodoro stays, once

    // A short break from the menu while held is that break, not two.
    busy.active = {microphone};
    app().startPomodoro();
    advanceSeconds(60);
    app().shortBreak();
    busy.active.clear();
    advanceSeconds(60);
    EXPECT_EQ(todayTypes(), (std::vector<int>{1, 1, 2}));

    // Holding off: the break starts at once whatever is active.
    prefs->setValue(HoldKey::enabled, false);
    busy.active = {microphone};
    app().startPomodoro();
    advanceSeconds(60);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);

    // Quitting while held leaves the records as they were and nothing runs afterwards.
    prefs->setValue(HoldKey::enabled, true);
    app().startPomodoro();
    advanceSeconds(60);
    ASSERT_TRUE(app().isBreakHeld());
    instance.reset();
    EXPECT_TRUE(
        log().anyStartsWith(QStringLiteral("Quit while a break was held for 0 s by microphone in use")));
    busy.active.clear();
    advanceSeconds(3600);
    EXPECT_EQ(todayTypes(), (std::vector<int>{1, 1, 2, 1, 1}));
}

TEST_F(BreakHoldTest, AwayDetectionTakesACallAsPresence)
{
    prefs->setValue(AwayKey::threshold, 120);
    prefs->setValue(DurationKey::pomodoro, 1500);
    FixedIdleMonitor idle;
    AwayDetector detector(app(), &idle, *prefs, scheduler, clock, notifications, &busy);
    busy.active = {camera};
    app().startPomodoro();
    idle.idle = 100000;
    advanceSeconds(600);
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("No input for ")));
    busy.active.clear();
    advanceSeconds(10);
    EXPECT_EQ(app().state.value(), CycleState::idle);
}

// The notification names what holds the break, not a call for everything; a longest hold under
// a minute does not announce "one minute" at once.
TEST_F(BreakHoldTest, TheNotificationSaysWhatHoldsAndAShortHoldHasNoMinuteWarning)
{
    const std::pair<QString, QString> holds[] = {
        {QStringLiteral("screen shared"), QStringLiteral("Break when you stop sharing the screen")},
        {QStringLiteral("full-screen window"), QStringLiteral("Break when you leave full screen")},
        {QStringLiteral("Do Not Disturb on"), QStringLiteral("Break held while you are busy")},
        {camera, QStringLiteral("Break when your call ends")}};
    for (const auto& [source, title] : holds)
        EXPECT_EQ(BreakHold::heldTitle({source}), title);

    prefs->setValue(HoldKey::maximum, 30);
    busy.active = {QStringLiteral("screen shared")};
    app().startPomodoro();
    advanceSeconds(60);
    EXPECT_TRUE(app().isBreakHeld());
    EXPECT_EQ(notifications.posted.count(QStringLiteral("Break when you stop sharing the screen")), 1);
    EXPECT_EQ(notifications.posted.count(QStringLiteral("Break when your call ends")), 0);
    EXPECT_EQ(secondsUntilTheBreak(40), 30);
    EXPECT_EQ(notifications.posted.count(QStringLiteral("Break in one minute")), 0);
}

// Which signs of being busy hold a break is the user's choice: Do Not Disturb, switched on to
// work, holds nothing unless chosen; a source turned off no longer holds, another still does.
TEST_F(BreakHoldTest, OnlyTheSourcesTheUserChoseHoldABreak)
{
    PresenceSources sources;
    auto fake = std::make_unique<FakePresence>();
    FakePresence* reported = fake.get();
    sources.add(std::move(fake));
    sources.setFilter([this](const QStringList& active) { return HoldChoices::allowed(*prefs, active); });
    presence = &sources;
    const QString doNotDisturb = QStringLiteral("Do Not Disturb on");
    reported->active = {doNotDisturb};
    app().startPomodoro();
    advanceSeconds(61);
    EXPECT_FALSE(app().isBreakHeld());
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    app().stopBreak();

    reported->active = {doNotDisturb, microphone, camera};
    prefs->setValue(QStringLiteral("HoldBreaksDuringCalls"), false);
    app().startPomodoro();
    advanceSeconds(61);
    EXPECT_EQ(app().breakHold().heldBy.value(), camera);
    prefs->setValue(QStringLiteral("HoldBreaksDuringDoNotDisturb"), true);
    advanceSeconds(3);
    EXPECT_EQ(app().breakHold().heldBy.value(), QStringLiteral("Do Not Disturb on, camera in use"));
}

TEST_F(BreakHoldTest, AHeldBreakIsARunningTimerToScriptsNotAnAbsenceAndNotFocusWhenPostponed)
{
    prefs->setValue(AwayKey::threshold, 60);
    FixedIdleMonitor idle;
    AwayDetector detector(app(), &idle, *prefs, scheduler, clock, notifications, &busy);
    busy.active = {microphone};
    app().startPomodoro();
    EXPECT_TRUE(idle.watching);
    idle.idle = 100000; // a call without a key pressed
    advanceSeconds(60);
    ASSERT_TRUE(app().isBreakHeld());
    // Nothing listens for input while the break is held: no Pomodoro counts.
    EXPECT_FALSE(idle.watching);
    // Starts are refused as while a Pomodoro runs.
    PomodoroCommand start(app(), *timer);
    start.performDefaultImplementation();
    EXPECT_FALSE(start.refusalReason().isEmpty());

    // The call ends: whatever the away check sees in the seconds before the release, the break
    // comes and the Pomodoro stays recorded.
    advanceSeconds(1197); // an away check is due between the call's end and the release
    busy.active.clear();
    EXPECT_EQ(secondsUntilTheBreak(30), 3);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    EXPECT_FALSE(log().anyStartsWith(QStringLiteral("userAway")));
    EXPECT_EQ(todayTypes(), std::vector<int>{1});

    // Postponed after the hold (a click: input): the record grows by the postponement only.
    idle.idle = 0;
    windows.handlers.didClickStopTimerHandler(StopTimerEvent::postponePomodoro);
    advanceSeconds(60);
    ASSERT_EQ(today().size(), 1u);
    EXPECT_EQ(today()[0].duration(), 60 + 60);

    // Held again: the command line's stop drops it, as the tray's does.
    advanceSeconds(60);
    app().startPomodoro();
    busy.active = {microphone};
    advanceSeconds(60);
    ASSERT_TRUE(app().isBreakHeld());
    StopTimerCommand stop(app(), *timer);
    stop.performDefaultImplementation();
    EXPECT_TRUE(stop.refusalReason().isEmpty());
    EXPECT_FALSE(app().isBreakHeld());
    EXPECT_EQ(app().state.value(), CycleState::idle);
}
