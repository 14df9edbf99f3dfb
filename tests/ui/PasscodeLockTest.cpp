#include "FakeBiometrics.h"
#include "OverlayFixture.h"

#include "break/PasscodeView.h"
#include "widgets/DrawnButton.h"
#include "widgets/Localizable.h"

#include <QKeyEvent>
#include <QLabel>

class PasscodeLockTest : public OverlayFixture
{
protected:
    void lockWith(const QString& passcode, int timeOut = 0)
    {
        prefs->setValue(PreferKey::showBreakOptions, false);
        prefs->setValue(PreferKey::PasscodeEnabled, true);
        prefs->setValue(PreferKey::Passcode, md5(passcode.toLower()));
        prefs->setValue(PreferKey::PasscodeTimeOut, timeOut);
    }
    PasscodeView& entry() { return *view().passcodeView; }
    bool locked() { return entry().isVisible(); }
    int count(const QString& event)
    {
        int n = 0;
        for (const auto& e : tracker->all())
            n += e.name == event;
        return n;
    }
    std::vector<PasscodeDot::Look> dots()
    {
        std::vector<PasscodeDot::Look> looks;
        for (PasscodeDot* dot : entry().imageViews)
            looks.push_back(dot->look());
        return looks;
    }
    void sendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&view(), &event);
    }
    std::vector<int> todayTypes()
    {
        std::vector<int> types;
        for (const Interval& task : tasks->fetchTodayTasks(false))
            types.push_back(task.type);
        return types;
    }
    using Look = PasscodeDot::Look;
    // Outlives the overlay, which lets go of it when it goes.
    FakeBiometrics fingerprint;
};

TEST_F(PasscodeLockTest, TheBreakEndLocksUntilTheRightCharactersAreTyped)
{
    lockWith(QStringLiteral("ab12"));
    start();
    shortBreakShown();
    EXPECT_FALSE(locked());
    advanceSeconds(300);
    settle();
    ASSERT_TRUE(locked());
    EXPECT_TRUE(view().containerView->isHidden()); // no Close, no Next
    EXPECT_EQ(entry().titleLabel->text(), Localizable::text("Passcode"));
    // A sentence says what the lock is for; no countdown is left to show.
    EXPECT_TRUE(entry().timeLeftLabel->isVisibleTo(&mainWindow()));
    EXPECT_TRUE(entry().timeLeftLabel->text().startsWith(QStringLiteral("The break is over.")));
    EXPECT_EQ(count(QStringLiteral("ShowPasscode")), 1);

    // Return, Escape, the stop shortcut: nothing leaves the lock.
    press(Qt::Key_Return);
    press(Qt::Key_Escape);
    content().stopBreakShortcutTriggered();
    settle();
    EXPECT_TRUE(locked());
    EXPECT_TRUE(mainWindow().isVisible());

    // The keypad and chords type nothing; a wrong fourth character turns every dot red.
    sendKey(Qt::Key_1, Qt::KeypadModifier, QStringLiteral("1"));
    sendKey(Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    sendKey(Qt::Key_A, Qt::AltModifier, QStringLiteral("a"));
    EXPECT_TRUE(entry().typedString.isEmpty());
    type(QStringLiteral("ab1"));
    EXPECT_EQ(dots(), (std::vector<Look>{Look::typed, Look::typed, Look::typed, Look::empty}));
    EXPECT_TRUE(entry().messageLabel->text().isEmpty());
    // The end of a break cannot be left for a countdown: no Cancel there.
    EXPECT_TRUE(entry().cancelButton->isHidden());
    type(QStringLiteral("3"));
    EXPECT_EQ(dots(), std::vector<Look>(4, Look::warning));
    EXPECT_EQ(count(QStringLiteral("PasscodeNotMatched")), 1);
    // Said in words too, for those who cannot tell red from white or cannot see it.
    EXPECT_EQ(entry().messageLabel->text(), Localizable::text("Wrong passcode. Type it again."));
    // The next key starts over with itself; Backspace then just clears.
    type(QStringLiteral("x"));
    EXPECT_EQ(entry().typedString, QStringLiteral("x"));
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    EXPECT_TRUE(entry().typedString.isEmpty());

    // Upper case is the same passcode; through the real key path of the view.
    for (const QString& c :
         {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("2")})
        sendKey(c.at(0).isLetter() ? Qt::Key_A + (c.at(0).unicode() - 'A') : c.at(0).unicode(),
                Qt::ShiftModifier, c);
    EXPECT_FALSE(locked());
    EXPECT_FALSE(view().containerView->isHidden());
    EXPECT_TRUE(content().didUnlock);
    // Neither the typed text nor its digest reaches the log.
    EXPECT_FALSE(log().contains(QStringLiteral("ab12")));
    EXPECT_FALSE(log().contains(md5(QStringLiteral("ab12"))));

    press(Qt::Key_Return);
    settle();
    EXPECT_EQ(app->state.value(), CycleState::working);
}

TEST_F(PasscodeLockTest, AStopDuringTheCountdownAsksAtOnceAndAnUnlockLastsTheBreak)
{
    lockWith(QStringLiteral("7q7q"), 10);
    start();
    shortBreakShown();
    view().stopTimerButton->click();
    ASSERT_TRUE(locked()); // the time-out only delays the lock at the break's end
    EXPECT_EQ(app->state.value(), CycleState::shortBreak);
    EXPECT_TRUE(log().contains(QStringLiteral("Will show passcode instead.")));
    type(QStringLiteral("7q7q"));
    EXPECT_EQ(app->state.value(), CycleState::idle);
    EXPECT_FALSE(mainWindow().isVisible());
    EXPECT_EQ(todayTypes(), std::vector<int>{2});

    // The next break asks again; once unlocked, its stop and its end no longer ask.
    shortBreakShown();
    view().stopTimerButton->click();
    ASSERT_TRUE(locked());
    type(QStringLiteral("7Q7Q"));
    EXPECT_EQ(app->state.value(), CycleState::idle);
}

TEST_F(PasscodeLockTest, AStopLockCanBeLeftForTheCountdownWhichStaysInSight)
{
    lockWith(QStringLiteral("7q7q"));
    start();
    shortBreakShown();
    advanceSeconds(4);
    view().stopTimerButton->click();
    ASSERT_TRUE(locked());
    // The time left stays in sight, and Cancel leads back to it.
    EXPECT_FALSE(entry().timeLeftLabel->isHidden());
    EXPECT_TRUE(entry().timeLeftLabel->text().contains(QStringLiteral("04:56")));
    ASSERT_FALSE(entry().cancelButton->isHidden());
    type(QStringLiteral("7q"));
    press(Qt::Key_Escape);
    EXPECT_FALSE(locked());
    EXPECT_FALSE(view().containerView->isHidden());
    EXPECT_EQ(app->state.value(), CycleState::shortBreak);
    EXPECT_FALSE(content().didUnlock);
    EXPECT_TRUE(mainWindow().isVisible());

    // Still locked for the next request; the button does what Escape did.
    view().stopTimerButton->click();
    ASSERT_TRUE(locked());
    EXPECT_TRUE(entry().typedString.isEmpty());
    entry().cancelButton->click();
    EXPECT_FALSE(locked());
    EXPECT_EQ(app->state.value(), CycleState::shortBreak);
    // The break ends locked, as before.
    advanceSeconds(300);
    settle();
    EXPECT_TRUE(locked());
    EXPECT_TRUE(entry().cancelButton->isHidden());
}

TEST_F(PasscodeLockTest, AGracePeriodLockNeverComesOverADismissedOrANewBreak)
{
    lockWith(QStringLiteral("ab12"), 10);
    start();
    shortBreakShown();
    advanceSeconds(300);
    settle();
    EXPECT_FALSE(locked()); // Close and Next work for ten seconds
    press(Qt::Key_Return);
    settle();
    EXPECT_EQ(app->state.value(), CycleState::working);
    advanceSeconds(20);
    EXPECT_FALSE(locked());
    EXPECT_EQ(count(QStringLiteral("ShowPasscode")), 0);

    // A lock pending from one break's end never lands on the next break.
    app->stopPomodoro();
    shortBreakShown();
    advanceSeconds(300);
    app->shortBreak(); // from the menu, over the back-to-work screen
    scheduler.runDue();
    settle();
    advanceSeconds(12);
    EXPECT_FALSE(locked());
    EXPECT_EQ(app->state.value(), CycleState::shortBreak);

    // Stopped from outside (D-Bus, the menu) while locked: no lock comes back afterwards.
    advanceSeconds(300 - 12 + 10);
    settle();
    ASSERT_TRUE(locked());
    app->startPomodoro();
    EXPECT_FALSE(mainWindow().isVisible());
    advanceSeconds(30);
    EXPECT_FALSE(locked());
}

TEST_F(PasscodeLockTest, ALockWithoutAUsablePasscodeStaysOffEverywhere)
{
    prefs->setValue(PreferKey::showBreakOptions, false);
    prefs->setValue(PreferKey::PasscodeEnabled, true);
    for (const QString& stored : {QString(), QStringLiteral("not a digest")}) {
        prefs->setValue(PreferKey::Passcode, stored);
        if (!app)
            start();
        shortBreakShown();
        advanceSeconds(300);
        settle();
        EXPECT_FALSE(locked());
        press(Qt::Key_Escape);
        settle();
        EXPECT_FALSE(mainWindow().isVisible());
    }
}

TEST_F(PasscodeLockTest, AFingerprintUnlocksOnceAndTypingStillWorksBesideIt)
{
    biometrics = &fingerprint;
    lockWith(QStringLiteral("ab12"));
    prefs->setValue(PreferKey::TouchIDEnabled, true);
    start();
    shortBreakShown();
    view().stopTimerButton->click();
    ASSERT_TRUE(locked());
    ASSERT_EQ(fingerprint.evaluations, 1);
    fingerprint.begin(true);
    EXPECT_TRUE(view().fingerprintImgView->isVisibleTo(&view()));
    EXPECT_TRUE(entry().imagesContainer->isHidden());
    EXPECT_EQ(entry().titleLabel->text(), Localizable::text("Unlock with Touch ID"));

    // A typed unlock and a match that was already on its way: the stop runs once.
    const auto late = fingerprint.current.finished;
    type(QStringLiteral("ab12"));
    EXPECT_FALSE(fingerprint.current.finished) << "the check is called off";
    late(true, QString());
    EXPECT_EQ(app->state.value(), CycleState::idle);
    EXPECT_EQ(todayTypes(), std::vector<int>{2});
    EXPECT_EQ(count(QStringLiteral("unlockWithTouchIDSuccess")), 0);

    // A match unlocks by itself; a failure leaves the typing.
    shortBreakShown();
    view().stopTimerButton->click();
    fingerprint.begin(true);
    fingerprint.finish(false, QStringLiteral("verify-disconnected"));
    EXPECT_TRUE(locked());
    EXPECT_TRUE(entry().imagesContainer->isVisibleTo(&view()));
    EXPECT_TRUE(log().contains(QStringLiteral("Unlock with Touch ID failed. err: verify-disconnected")));
    EXPECT_EQ(count(QStringLiteral("unlockWithTouchIDFailed")), 1);
    app->stopBreak();
    shortBreakShown();
    view().stopTimerButton->click();
    fingerprint.begin(true);
    fingerprint.finish(true);
    EXPECT_EQ(app->state.value(), CycleState::idle);
    EXPECT_EQ(count(QStringLiteral("unlockWithTouchIDSuccess")), 1);

    // No reader: said once in the log, and the passcode still opens the lock.
    shortBreakShown();
    view().stopTimerButton->click();
    fingerprint.begin(false, QStringLiteral("NoSuchDevice"));
    EXPECT_TRUE(log().contains(QStringLiteral("Can't show touch ID window. err: NoSuchDevice")));
    type(QStringLiteral("ab12"));
    EXPECT_EQ(app->state.value(), CycleState::idle);

    // At a break's end the window stays after a typed unlock: answers still on their way bring
    // no fingerprint prompt back and count as no fingerprint unlock.
    shortBreakShown();
    advanceSeconds(300);
    settle();
    ASSERT_TRUE(locked());
    const Biometrics::Callbacks onItsWay = fingerprint.current;
    ASSERT_TRUE(onItsWay.began && onItsWay.finished);
    type(QStringLiteral("ab12"));
    ASSERT_FALSE(locked());
    EXPECT_FALSE(fingerprint.current.finished) << "the check is called off";
    onItsWay.began(true, QString());
    EXPECT_FALSE(content().viewModel().showingTouchID.value());
    EXPECT_TRUE(view().fingerprintImgView->isHidden());
    onItsWay.finished(true, QString());
    settle();
    EXPECT_FALSE(locked());
    EXPECT_FALSE(view().containerView->isHidden());
    EXPECT_EQ(count(QStringLiteral("unlockWithTouchIDSuccess")), 1);
    EXPECT_EQ(log().count(QStringLiteral("Unlocked with Touch ID.")), 1);
    EXPECT_TRUE(mainWindow().isVisible());
}
