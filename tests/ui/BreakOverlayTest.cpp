#include "OverlayFixture.h"

#include "PrivateBus.h"
#include "break/BackgroundWindow.h"
#include "break/BreakViewPopover.h"
#include "break/BreakViewPopoverViewController.h"
#include "break/PasscodeView.h"
#include "break/QuitRequest.h"
#include "break/TouchBar.h"
#include "cycle/ShortcutActions.h"
#include "widgets/AppTheme.h"
#include "widgets/ChromeService.h"
#include "widgets/CountdownLabel.h"
#include "widgets/DrawnButton.h"
#include "widgets/ImageView.h"
#include "widgets/Localizable.h"
#include "widgets/MessageBox.h"
#include "widgets/OverlayFonts.h"
#include "widgets/PanelView.h"
#include "widgets/WrappingTextField.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTranslator>

class BreakOverlayTest : public OverlayFixture
{
protected:
    DrawnButton* popoverButton(PopoverButton which)
    {
        BreakViewPopover* popover = content().openPopover();
        if (!popover)
            return nullptr;
        auto* vc = popover->viewController();
        switch (which) {
        case PopoverButton::skip:
            return vc->skipButton;
        case PopoverButton::postpone:
            return vc->postponeButton;
        case PopoverButton::stop:
            return vc->stopButton;
        case PopoverButton::cancel:
            return vc->cancelButton;
        }
        return nullptr;
    }
    std::vector<RecordingUsageTracker::Event> events(const QString& name)
    {
        std::vector<RecordingUsageTracker::Event> found;
        for (const auto& event : tracker->all()) {
            if (event.name == name)
                found.push_back(event);
        }
        return found;
    }
};

TEST_F(BreakOverlayTest, EveryScreenIsCoveredAndOnlyTheMainWindowIsReused)
{
    start();
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    shortBreakShown();

    QWidget* main = &mainWindow();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->geometry(), QRect(0, 0, 1920, 1080));
    ASSERT_EQ(overlay->backgroundWindows().size(), 1u);
    const BackgroundWindow& other = *overlay->backgroundWindows().front();
    EXPECT_TRUE(other.window()->isVisible());
    EXPECT_EQ(other.window()->geometry(), QRect(1920, 0, 1280, 1024));
    // Background windows never take the keyboard; the main one does.
    EXPECT_TRUE(other.window()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_FALSE(main->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(main->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(other.imageView()->image().isNull());
    EXPECT_FALSE(view().imgBgView->image().isNull());

    app->stopBreak();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(overlay->backgroundWindows().empty());

    // A break from the menu while the back-to-work windows are still up: no stale window.
    shortBreakShown();
    advanceSeconds(300);
    ASSERT_EQ(app->state.value(), CycleState::idle);
    BorderlessWindow* first = overlay->backgroundWindows().front()->window();
    shortBreakShown();
    EXPECT_EQ(&mainWindow(), main);
    ASSERT_EQ(overlay->backgroundWindows().size(), 1u);
    EXPECT_NE(overlay->backgroundWindows().front()->window(), first);
    int visibleWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        visibleWindows += widget->isVisible() && qobject_cast<BorderlessWindow*>(widget) ? 1 : 0;
    EXPECT_EQ(visibleWindows, 2);
}

TEST_F(BreakOverlayTest, CountdownThenBackToWorkWithTheSound)
{
    EXPECT_EQ(BreakViewModel::timeText(0), QStringLiteral("00:00"));
    EXPECT_EQ(BreakViewModel::timeText(59), QStringLiteral("00:59"));
    EXPECT_EQ(BreakViewModel::timeText(3600), QStringLiteral("60:00"));
    EXPECT_EQ(BreakViewModel::timeText(6000), QStringLiteral("100:00"));

    start();
    // A Pomodoro that is stopped never says "Back to work!".
    app->startPomodoro();
    app->stopPomodoro();
    EXPECT_NE(view().titleLabel->text(), Localizable::text("Back to work!"));

    shortBreakShown();
    EXPECT_EQ(view().timeLabel->text(), QStringLiteral("05:00"));
    advanceSeconds(1);
    EXPECT_EQ(view().timeLabel->text(), QStringLiteral("04:59"));
    EXPECT_FALSE(view().titleLabel->isHidden());
    EXPECT_EQ(view().titleLabel->text(), Localizable::text("Take a break"));
    EXPECT_EQ(content().quoteTextView(), nullptr);
    EXPECT_FALSE(view().stopTimerButton->isHidden());
    EXPECT_TRUE(view().backToWorkButtonContainer->isHidden());
    EXPECT_EQ(view().maskView->backgroundColor(), AppTheme().maskViewBgColor);

    advanceSeconds(299);
    EXPECT_EQ(app->state.value(), CycleState::idle);
    EXPECT_TRUE(mainWindow().isVisible());
    EXPECT_EQ(view().titleLabel->text(), Localizable::text("Back to work!"));
    EXPECT_EQ(view().timeLabel->text(), QStringLiteral("00:00"));
    EXPECT_TRUE(view().countDownButtonContainer->isHidden());
    EXPECT_FALSE(view().backToWorkButtonContainer->isHidden());
    EXPECT_FALSE(content().backToWorkButtonContainerIsHidden.value());
    EXPECT_EQ(sound.played, QStringList{QStringLiteral("Glass")});
    const auto played = events(QStringLiteral("playSound"));
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].properties.value(QStringLiteral("for")), QStringLiteral("breakEnd"));
    EXPECT_EQ(played[0].properties.value(QStringLiteral("name")), QStringLiteral("Glass"));

    // The sound follows its preference.
    prefs->setValue(PreferKey::SoundEffect, false);
    shortBreakShown();
    advanceSeconds(300);
    EXPECT_EQ(sound.played.size(), 1);
}

TEST_F(BreakOverlayTest, QuoteIsLaidOutInTheUpperHalfAsPlainTextAndFollowsResizes)
{
    const QString quote =
        QStringLiteral("<b>Rest</b> is not idleness <img src=\"/etc/hosts\"> and to lie sometimes on "
                       "the grass under trees on a summer's day is by no means a waste of time.");
    int asked = 0;
    BreakContent words;
    words.nextQuote = [&] {
        ++asked;
        return std::optional<QString>(quote);
    };
    prefs->setValue(PreferKey::QuotesType, 2);
    start(words);
    shortBreakShown();

    WrappingTextField* field = content().quoteTextView();
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->isVisible());
    EXPECT_TRUE(view().titleLabel->isHidden());
    // Shown as it is: markup is text here.
    EXPECT_EQ(field->text(), quote);
    const QRect frame = field->geometry();
    EXPECT_EQ(frame.x(), 192);
    EXPECT_EQ(frame.width(), 1536);
    EXPECT_GT(frame.height(), 0);
    EXPECT_GE(frame.top(), 0);
    EXPECT_LE(frame.bottom(), 540 + 40);
    // The countdown stands below the quote.
    EXPECT_GT(view().containerView->geometry().top(), frame.bottom());

    // Another size (the window moved to the other screen): laid out again at once.
    mainWindow().setGeometry(1920, 0, 1280, 1024);
    QApplication::processEvents();
    field = content().quoteTextView();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->geometry().width(), 1024);
    EXPECT_EQ(field->geometry().x(), 128);

    // Turning quotes off during the break hides the field at once; on again shows it without
    // asking for another quote.
    prefs->setValue(PreferKey::QuotesType, 0);
    EXPECT_TRUE(field->isHidden());
    prefs->setValue(PreferKey::QuotesType, 2);
    EXPECT_FALSE(field->isHidden());
    EXPECT_EQ(asked, 1);

    // At the end the title takes over and the quote goes, also when the screen changes then.
    advanceSeconds(300);
    EXPECT_TRUE(field->isHidden());
    EXPECT_FALSE(view().titleLabel->isHidden());
    mainWindow().setGeometry(0, 0, 1920, 1080);
    QApplication::processEvents();
    ASSERT_NE(content().quoteTextView(), nullptr);
    EXPECT_TRUE(content().quoteTextView()->isHidden());
    prefs->setValue(PreferKey::QuotesType, 3);
    EXPECT_TRUE(content().quoteTextView()->isHidden());
    EXPECT_FALSE(view().titleLabel->isHidden());
}

TEST_F(BreakOverlayTest, AQuoteOfSeveralParagraphsKeepsItsLineBreaks)
{
    WrappingTextField field;
    field.setFont(OverlayFonts::light(44));
    field.setText(QStringLiteral("one two"));
    const double oneLine = field.heightForText(1000);
    const QString paragraphs =
        QStringLiteral("one") + QChar(QChar::ParagraphSeparator) + QStringLiteral("two");
    for (const QString& text : {QStringLiteral("one\ntwo"), QStringLiteral("one\r\ntwo"), paragraphs}) {
        field.setText(text);
        EXPECT_NEAR(field.heightForText(1000), 2 * oneLine, 1.0) << text.toStdString();
    }
}

TEST_F(BreakOverlayTest, ALongQuoteIsCutToTheUpperHalfAndNoQuoteShowsTheTitleText)
{
    std::optional<QString> next = QString(QStringLiteral("Breathe. ")).repeated(300);
    BreakContent words;
    words.nextQuote = [&] { return next; };
    prefs->setValue(PreferKey::QuotesType, 3);
    start(words);
    shortBreakShown();
    WrappingTextField* field = content().quoteTextView();
    ASSERT_NE(field, nullptr);
    const double maxH = 0.5 * 1080 - 50;
    EXPECT_LE(field->geometry().height(), maxH + 1);
    EXPECT_GT(field->geometry().height(), maxH - 80);
    EXPECT_GE(field->geometry().top(), 0);

    next.reset();
    app->stopBreak();
    shortBreakShown();
    ASSERT_NE(content().quoteTextView(), nullptr);
    EXPECT_EQ(content().quoteTextView()->text(), Localizable::text("Take a break"));
    EXPECT_TRUE(view().titleLabel->isHidden());
}

TEST_F(BreakOverlayTest, KeysActOnlyOnTheBackToWorkScreen)
{
    prefs->setValue(PreferKey::showBreakOptions, false);
    start();
    shortBreakShown();
    press(Qt::Key_Escape);
    press(Qt::Key_Return);
    settle();
    EXPECT_EQ(app->state.value(), CycleState::shortBreak);
    EXPECT_TRUE(mainWindow().isVisible());

    advanceSeconds(300);
    press(Qt::Key_Return);
    EXPECT_TRUE(mainWindow().isVisible()); // the dismissal runs first
    // Keys during the dismissal find nothing to act on.
    press(Qt::Key_Escape);
    press(Qt::Key_Return);
    EXPECT_FALSE(log().contains(QStringLiteral("Stop break timer manualy")));
    settle();
    EXPECT_EQ(app->state.value(), CycleState::working);
    EXPECT_FALSE(mainWindow().isVisible());

    app->stopPomodoro();
    shortBreakShown();
    advanceSeconds(300);
    press(Qt::Key_Escape); // Close
    settle();
    EXPECT_EQ(app->state.value(), CycleState::idle);
    EXPECT_FALSE(mainWindow().isVisible());
    EXPECT_TRUE(app->shouldShowStartPomodoroReminder());
}

TEST_F(BreakOverlayTest, EscapeClosesTheBackToWorkScreenAndNoOptionsOutliveTheirBreak)
{
    start();
    app->startPomodoro();
    advanceSeconds(1500);
    scheduler.runDue();
    settle();
    ASSERT_EQ(app->state.value(), CycleState::shortBreak);
    view().stopTimerButton->click();
    QPointer<QWidget> bubble = content().openPopover()->popover();
    ASSERT_TRUE(bubble && bubble->isVisible());

    advanceSeconds(300); // the break runs out under the open options
    EXPECT_TRUE(!bubble || !bubble->isVisible());
    EXPECT_FALSE(app->shouldShowPostpone()); // nothing is left to postpone
    press(Qt::Key_Escape);
    settle();
    EXPECT_EQ(content().openPopover(), nullptr);
    EXPECT_EQ(app->state.value(), CycleState::idle);
    EXPECT_FALSE(mainWindow().isVisible());
    scheduler.advance(120'000);
    EXPECT_EQ(app->state.value(), CycleState::idle); // no one-minute Pomodoro started behind it
    EXPECT_TRUE(app->shouldShowStartPomodoroReminder());
}

TEST_F(BreakOverlayTest, OptionsAfterAPomodoroRunTheChoiceBeforeTheyClose)
{
    start();
    app->startPomodoro();
    advanceSeconds(1500);
    scheduler.runDue();
    settle();
    ASSERT_EQ(app->state.value(), CycleState::shortBreak);

    view().stopTimerButton->click();
    ASSERT_NE(content().openPopover(), nullptr);
    // The countdown stays in sight while the options are open, and Cancel reads like a choice.
    QWidget* bubble = content().openPopover()->popover();
    const QRect countdown(view().timeLabel->mapToGlobal(QPoint(0, 0)), view().timeLabel->size());
    EXPECT_FALSE(QRect(bubble->mapToGlobal(QPoint(0, 0)), bubble->size()).intersects(countdown));
    EXPECT_EQ(popoverButton(PopoverButton::cancel)->titleColor(),
              popoverButton(PopoverButton::stop)->titleColor());
    DrawnButton* skip = popoverButton(PopoverButton::skip);
    DrawnButton* postpone = popoverButton(PopoverButton::postpone);
    DrawnButton* stop = popoverButton(PopoverButton::stop);
    EXPECT_FALSE(postpone->isHidden());
    EXPECT_LT(skip->geometry().top(), postpone->geometry().top());
    EXPECT_LT(postpone->geometry().top(), stop->geometry().top());
    EXPECT_EQ(stop->text(), Localizable::text("Popover-Stop"));
    EXPECT_EQ(skip->text(), Localizable::text("Popover-Pomodoro"));
    // Below the Stop button, where it covers nothing of the countdown.
    const QRect stopButton(view().stopTimerButton->mapToGlobal(QPoint(0, 0)), view().stopTimerButton->size());
    EXPECT_GE(content().openPopover()->popover()->geometry().top(), stopButton.bottom());

    bool openDuringReaction = false;
    QPointer<QWidget> popup = content().openPopover()->popover();
    auto handler = content().didClickStopTimerHandler;
    content().didClickStopTimerHandler = [&](StopTimerEvent event) {
        openDuringReaction = popup && popup->isVisible();
        handler(event);
    };
    postpone->click();
    EXPECT_TRUE(openDuringReaction);
    EXPECT_EQ(app->state.value(), CycleState::working);
    EXPECT_EQ(timer->currentTime.value(), 60);
    const auto chosen = events(QStringLiteral("breakStopPopover"));
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].properties.value(QStringLiteral("type")), QStringLiteral("postpone"));
    EXPECT_EQ(events(QStringLiteral("breakPopoverClose")).size(), 1u);
    QApplication::processEvents();
    EXPECT_TRUE(!popup || !popup->isVisible());

    // After the postponement the break comes back, and skip starts the next Pomodoro.
    advanceSeconds(60);
    settle();
    view().stopTimerButton->click();
    popoverButton(PopoverButton::skip)->click();
    EXPECT_EQ(app->state.value(), CycleState::working);
    EXPECT_EQ(timer->currentTime.value(), 1500);
}

TEST_F(BreakOverlayTest, CancelOrAClickElsewhereLeavesTheBreakRunning)
{
    start();
    shortBreakShown();
    view().stopTimerButton->click();
    popoverButton(PopoverButton::cancel)->click();
    EXPECT_EQ(app->state.value(), CycleState::shortBreak);
    EXPECT_TRUE(log().contains(QStringLiteral("Cancelled.")));
    const auto chosen = events(QStringLiteral("breakStopPopover"));
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].properties.value(QStringLiteral("type")), QStringLiteral("cancel"));

    view().stopTimerButton->click();
    ASSERT_NE(content().openPopover(), nullptr);
    content().openPopover()->popover()->close(); // what a click outside the popup does
    QApplication::processEvents();
    EXPECT_EQ(content().openPopover(), nullptr);
    EXPECT_EQ(app->state.value(), CycleState::shortBreak);
    EXPECT_EQ(events(QStringLiteral("breakStopPopover")).size(), 1u);
    EXPECT_TRUE(mainWindow().isVisible());
}

// The keys start on Cancel, so Space pressed twice on a focused Stop leaves the break running;
// Return presses whichever button has the focus, and only then does the window's Return (Next).
TEST_F(BreakOverlayTest, TheOptionsOpenOnCancelAndReturnPressesTheFocusedButton)
{
    start();
    shortBreakShown();
    QTest::keyClick(view().stopTimerButton, Qt::Key_Space);
    ASSERT_NE(content().openPopover(), nullptr);
    settle();
    QWidget* focused = content().openPopover()->popover()->focusWidget();
    ASSERT_EQ(focused, popoverButton(PopoverButton::cancel));
    QTest::keyClick(focused, Qt::Key_Space);
    settle();
    EXPECT_EQ(content().openPopover(), nullptr);
    EXPECT_EQ(app->state.value(), CycleState::shortBreak);

    advanceSeconds(300);
    settle();
    ASSERT_FALSE(view().backToWorkButtonContainer->isHidden());
    QTest::keyClick(view().backToWorkCloseButton, Qt::Key_Return);
    settle();
    EXPECT_EQ(app->state.value(), CycleState::idle) << "Return on Close is not Next";
    EXPECT_FALSE(mainWindow().isVisible());
}

TEST_F(BreakOverlayTest, PopoverColoursFollowTheAppearance)
{
    start();
    shortBreakShown();
    for (bool dark : {true, false}) {
        app->isDarkMode.accept(dark);
        view().stopTimerButton->click();
        ASSERT_NE(content().openPopover(), nullptr);
        auto* vc = content().openPopover()->viewController();
        QColor background = dark ? QColor(0x33, 0x33, 0x33) : QColor(0xFE, 0xFE, 0xFE);
        background.setAlphaF(0.7f);
        EXPECT_EQ(vc->view()->backgroundColor(), background);
        EXPECT_EQ(vc->titleLabel->palette().color(QPalette::WindowText),
                  dark ? QColor(0xDD, 0xDD, 0xDD) : QColor(0x33, 0x33, 0x33));
        EXPECT_EQ(vc->titleLabel->textFormat(), Qt::PlainText);
        popoverButton(PopoverButton::cancel)->click();
        QApplication::processEvents();
    }
}

TEST_F(BreakOverlayTest, NoCancellationHidesStopAndTheShortcutDoesNothing)
{
    prefs->setValue(PreferKey::noCancellationDuringTheBreak, true);
    start();
    shortBreakShown();
    EXPECT_TRUE(view().stopTimerButton->isHidden());
    // Said where Stop would be, and the break is named.
    EXPECT_TRUE(view().noStopLabel->isVisibleTo(&mainWindow()));
    EXPECT_TRUE(view().noStopLabel->text().contains(QStringLiteral("No cancellation during the break")));
    EXPECT_EQ(view().kindLabel->text(), QStringLiteral("Short break"));
    ShortcutActions(*app).shortBreakTriggered();
    content().clickedStopTimerButton();
    EXPECT_EQ(content().openPopover(), nullptr);
    EXPECT_EQ(app->state.value(), CycleState::shortBreak);
    // The break is over on the back-to-work screen: Escape closes it as Close does.
    advanceSeconds(300);
    press(Qt::Key_Escape);
    settle();
    EXPECT_FALSE(mainWindow().isVisible());

    prefs->setValue(PreferKey::noCancellationDuringTheBreak, false);
    prefs->setValue(PreferKey::showBreakOptions, false);
    shortBreakShown();
    EXPECT_FALSE(view().stopTimerButton->isHidden());
    EXPECT_TRUE(view().noStopLabel->isHidden());
    ShortcutActions(*app).shortBreakTriggered();
    EXPECT_EQ(app->state.value(), CycleState::idle);
    EXPECT_FALSE(mainWindow().isVisible());
}

TEST_F(BreakOverlayTest, CloseHidesEveryWindowAndWritesNothingMoreEvenWhenClickedTwice)
{
    start();
    shortBreakShown();
    advanceSeconds(300);
    const auto rows = tasks->fetchTodayTasks(false).size();
    view().backToWorkCloseButton->click();
    view().backToWorkCloseButton->click();
    settle();
    EXPECT_FALSE(mainWindow().isVisible());
    EXPECT_TRUE(overlay->backgroundWindows().empty());
    EXPECT_EQ(tasks->fetchTodayTasks(false).size(), rows);
    EXPECT_EQ(events(QStringLiteral("stopBreak")).size(), 1u);
    EXPECT_EQ(app->state.value(), CycleState::idle);
}

TEST_F(BreakOverlayTest, PhotoCreditFollowsTheWallpaperHashAsPlainText)
{
    BreakContent credits;
    credits.photoAuthor = [](const QString& hash) -> std::optional<QString> {
        if (hash == QLatin1String("h1"))
            return QStringLiteral("Ana <i>Lima</i>");
        return std::nullopt;
    };
    start(credits);
    wallpapers.files = {QStringLiteral("h1"), QStringLiteral("h2")};
    wallpapers.hashes = {QStringLiteral("h1"), QStringLiteral("h2")};
    prefs->setValue(PreferKey::Wallpaper, 1);
    shortBreakShown();
    EXPECT_FALSE(view().authorLabel->isHidden());
    EXPECT_EQ(view().authorLabel->text(), QStringLiteral("photo by Ana <i>Lima</i>"));
    EXPECT_EQ(view().authorLabel->textFormat(), Qt::PlainText);
    app->stopBreak();
    shortBreakShown();
    EXPECT_TRUE(view().authorLabel->isHidden());
}

namespace {
class FakeTouchBar final : public TouchBar
{
public:
    QString stopTitle, nextTitle;
    bool nextHidden = false;
    std::function<void()> stop, next;
    int wired = 0;
    void setStopTitle(const QString& title) override { stopTitle = title; }
    void setNextTitle(const QString& title) override { nextTitle = title; }
    void setNextHidden(bool hidden) override { nextHidden = hidden; }
    void setActions(std::function<void()> s, std::function<void()> n) override
    {
        stop = std::move(s);
        next = std::move(n);
        ++wired;
    }
};

} // namespace

TEST_F(BreakOverlayTest, TouchBarIsWiredOnceAndDoesNothingWhileLocked)
{
    FakeTouchBar bar;
    prefs->setValue(PreferKey::showBreakOptions, false);
    start({}, &bar);
    for (int i = 0; i < 3; ++i) {
        shortBreakShown();
        app->stopBreak();
    }
    EXPECT_EQ(bar.wired, 1);
    EXPECT_EQ(bar.stopTitle, Localizable::text("Stop"));
    shortBreakShown();
    EXPECT_TRUE(bar.nextHidden);
    view().passcodeView->show();
    bar.stop();
    EXPECT_EQ(app->state.value(), CycleState::shortBreak);
    view().passcodeView->hide();
    bar.stop();
    EXPECT_EQ(app->state.value(), CycleState::idle);
    EXPECT_EQ(events(QStringLiteral("stopBreak")).size(), 4u);
}

TEST_F(BreakOverlayTest, QuittingDuringABreakAsksOrPointsToThePasscode)
{
    start();
    int terminated = 0;
    auto quit = [&] {
        return QuitRequest::applicationShouldTerminate(overlay->breakWindowCon(), *prefs,
                                                       QStringLiteral("Mirelo"), [&] { ++terminated; });
    };
    // Idle: the break window is ordered out, nothing to ask.
    EXPECT_EQ(quit(), QuitRequest::TerminateReply::now);

    shortBreakShown();
    MessageBox::setNextAnswer(1); // Cancel
    EXPECT_EQ(quit(), QuitRequest::TerminateReply::later);
    EXPECT_EQ(terminated, 0);
    EXPECT_EQ(MessageBox::shownTexts().last(), QStringLiteral("Quit Mirelo?"));
    advanceSeconds(300);          // the back-to-work screen asks too
    MessageBox::setNextAnswer(0); // Quit
    EXPECT_EQ(quit(), QuitRequest::TerminateReply::later);
    EXPECT_EQ(terminated, 1);
    EXPECT_TRUE(log().contains(QStringLiteral("Confirm terminate")));

    // A lock without a passcode that can be typed is off: Quit asks as usual.
    prefs->setValue(PreferKey::PasscodeEnabled, true);
    MessageBox::setNextAnswer(1);
    EXPECT_EQ(quit(), QuitRequest::TerminateReply::later);
    EXPECT_EQ(MessageBox::shownTexts().last(), QStringLiteral("Quit Mirelo?"));

    // Locked behind a passcode: refused with the alert.
    prefs->setValue(PreferKey::Passcode, md5(QStringLiteral("ab12")));
    MessageBox::setNextAnswer(0);
    EXPECT_EQ(quit(), QuitRequest::TerminateReply::cancel);
    EXPECT_EQ(MessageBox::shownTexts().last(), Localizable::text("Passcode Required"));
    EXPECT_EQ(events(QStringLiteral("ShowPasscodeAlert")).size(), 1u);
    EXPECT_TRUE(log().contains(QStringLiteral("Passcode dialog dismissed")));
    content().didUnlock = true;
    MessageBox::setNextAnswer(1);
    EXPECT_EQ(quit(), QuitRequest::TerminateReply::later);
    EXPECT_EQ(terminated, 1);
}

TEST_F(BreakOverlayTest, TheTextTableTurnsShortKeysIntoEnglish)
{
    ASSERT_TRUE(Localizable::install(*QCoreApplication::instance()));
    EXPECT_EQ(Localizable::text("Popover-Stop"), QStringLiteral("Stop the Break"));
    EXPECT_EQ(Localizable::text("Today-Short-break"), QStringLiteral("Short break"));
    EXPECT_EQ(Localizable::text("Rate us on the App Store…"), QStringLiteral("Rate Mirelo…"));
    EXPECT_EQ(Localizable::text("Back to work!"), QStringLiteral("Back to work!"));
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    EXPECT_EQ(Localizable::text("Popover-Stop"), QStringLiteral("Popover-Stop"));
}

TEST(ReducedMotionTest, WhereTheDesktopAsksForLessMotionTheOverlayArrivesAtOnce)
{
    QWidget view;
    view.resize(200, 100);
    view.show();
    auto timed = [&](bool reduced) {
        ChromeService::setReducedMotion(reduced);
        QElapsedTimer clock;
        clock.start();
        bool done = false;
        ChromeService::fadeIn(&view, 0.6, [&] { done = true; });
        PrivateBus::waitFor([&] { return done; }, 3000);
        return done ? clock.elapsed() : qint64(-1);
    };
    const qint64 reduced = timed(true);
    const qint64 normal = timed(false);
    ChromeService::setReducedMotion(false);
    EXPECT_GE(reduced, 0);
    EXPECT_LT(reduced, 100);
    EXPECT_GE(normal, 500);
}
