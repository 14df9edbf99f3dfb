#include "CycleFixture.h"
#include "statusitem/FeedbackMail.h"
#include "statusitem/ProgressPie.h"
#include "statusitem/TrayIcon.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QUrlQuery>

class StatusItemTest : public CycleFixture
{
protected:
    TrayIconViewModel& model()
    {
        if (!item) {
            item = std::make_unique<TrayIcon>(app(), *timer, *prefs);
            item->setupMenu({});
        }
        return item->viewModel();
    }
    QStringList visibleItems()
    {
        QStringList titles;
        for (QAction* action : item->menu()->actions()) {
            if (action->isVisible() && !action->isSeparator())
                titles << action->text();
        }
        return titles;
    }
    bool isReminder(const QImage& icon)
    {
        return icon == StatusIcons::reminderIcon(StatusIcons::iconColor(false), model().iconScale);
    }
    bool isPlain(const QImage& icon)
    {
        return icon == StatusIcons::plainIcon(StatusIcons::iconColor(false), model().iconScale);
    }

    std::unique_ptr<TrayIcon> item;
};

TEST_F(StatusItemTest, MenuShowsOnlyTheItemsOfTheState)
{
    model();
    EXPECT_EQ(visibleItems().mid(0, 3), (QStringList{"Start Pomodoro", "Short Break", "Long Break"}));
    EXPECT_TRUE(visibleItems().contains(QStringLiteral("About Mirelo")));
    EXPECT_EQ(visibleItems().last(), QStringLiteral("Quit"));
    // Each state offers its own ways on and none of another's.
    const auto offersNone = [this](const QStringList& others) {
        for (const QString& title : others)
            EXPECT_FALSE(visibleItems().contains(title)) << title.toStdString();
    };
    app().startPomodoro();
    EXPECT_EQ(visibleItems().mid(0, 2), (QStringList{"Stop Pomodoro", "Pause"}));
    offersNone({"Resume", "Start Pomodoro", "Stop Short Break", "Stop Long Break"});
    app().stopPomodoro();
    app().longBreak();
    EXPECT_EQ(visibleItems().first(), QStringLiteral("Stop Long Break"));
    offersNone({"Pause", "Resume", "Stop Pomodoro", "Stop Short Break", "Start Pomodoro"});
    // Keys that act nowhere else are not shown as if they did.
    for (QAction* action : item->menu()->actions())
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
    item->stopLongBreakItem->trigger();
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_FALSE(item->closeBreakScreenItem->isVisible());

    // A break that ran out leaves its screen up: the menu can close it.
    app().shortBreak();
    EXPECT_EQ(visibleItems().first(), QStringLiteral("Stop Short Break"));
    offersNone({"Pause", "Stop Long Break", "Stop Pomodoro"});
    advanceSeconds(300);
    ASSERT_TRUE(windows.mainVisible);
    ASSERT_TRUE(item->closeBreakScreenItem->isVisible());
    item->closeBreakScreenItem->trigger();
    EXPECT_FALSE(windows.mainVisible);
    EXPECT_FALSE(item->closeBreakScreenItem->isVisible());
}

TEST_F(StatusItemTest, CountdownGoesToTheTitleAndThreeDigitMinutesAreKept)
{
    prefs->setValue(DurationKey::pomodoro, 6000);
    model();
    app().startPomodoro();
    EXPECT_EQ(model().statusItemTitle.value(), QStringLiteral("100:00"));
    advanceSeconds(1);
    EXPECT_EQ(model().statusItemTitle.value(), QStringLiteral("99:59"));
    EXPECT_EQ(item->toolTip(), QStringLiteral("Mirelo\nPomodoro, 99:59 left"));
    app().stopPomodoro();
    EXPECT_EQ(model().statusItemTitle.value(), QString());
    EXPECT_EQ(item->toolTip(), QStringLiteral("Mirelo\nNo timer is running"));
}

TEST_F(StatusItemTest, SwitchingTheCountdownOffMovesItIntoTheStopItem)
{
    model();
    app().startPomodoro();
    prefs->setValue(PreferKey::CountDownOnMenubarEnabled, false);
    EXPECT_EQ(model().statusItemTitle.value(), QString());
    advanceSeconds(1);
    EXPECT_EQ(model().stopPomodoroItemTitle.value(), QStringLiteral("Stop Pomodoro 24:59"));
    EXPECT_EQ(item->stopPomodoroItem->text(), QStringLiteral("Stop Pomodoro 24:59"));
}

TEST_F(StatusItemTest, PieFillsWhileWorkingAndTheReminderShowsAPlayMark)
{
    prefs->setValue(PreferKey::CountDownOnMenubarEnabled, false);
    model();
    app().startPomodoro();
    advanceSeconds(750);
    EXPECT_FLOAT_EQ(model().progress, 0.5f);
    EXPECT_EQ(model().iconImage.value(),
              StatusIcons::pieIcon(0.5, StatusIcons::iconColor(false), model().iconScale));

    app().stopPomodoro(); // 0 while working was drawn full, then idle
    app().shortBreak();
    advanceSeconds(10);
    EXPECT_TRUE(isPlain(model().iconImage.value())); // breaks show the plain icon
    app().stopBreak();
    EXPECT_TRUE(isReminder(model().iconImage.value())); // the reminder to start the next Pomodoro
    app().shortBreak();
    advanceSeconds(1);
    EXPECT_TRUE(isReminder(model().iconImage.value())); // still reminding during a menu break
    app().startPomodoro();
    EXPECT_FALSE(isReminder(model().iconImage.value()));

    prefs->setValue(PreferKey::CountDownPieOnMenuBarEnabled, false);
    EXPECT_TRUE(isPlain(model().iconImage.value()));
}

TEST_F(StatusItemTest, IconFollowsTheDarkPanel)
{
    model();
    app().isDarkMode.accept(true);
    EXPECT_EQ(model().iconImage.value(),
              StatusIcons::plainIcon(StatusIcons::iconColor(true), model().iconScale));
    EXPECT_NE(StatusIcons::iconColor(true), StatusIcons::iconColor(false));
}

TEST_F(StatusItemTest, TheCountdownGoesIntoTheIconOnceAMinute)
{
    model();
    app().startPomodoro();
    const QColor ink = StatusIcons::iconColor(false);
    EXPECT_EQ(model().iconImage.value(), StatusIcons::minutesIcon(25, 0.0, ink, model().iconScale));
    QList<qint64> icons;
    auto watch = model().iconImage.subscribe([&](const QImage& icon) { icons << icon.cacheKey(); });
    icons.clear();
    advanceSeconds(2); // 24:58 shows 25 minutes and a pie step of none yet: nothing is redrawn
    EXPECT_TRUE(icons.isEmpty());
    advanceSeconds(60);
    EXPECT_EQ(model().iconImage.value(),
              StatusIcons::minutesIcon(24, std::lround(62.0 / 1500 * 60) / 60.0, ink, model().iconScale));
    EXPECT_NE(StatusIcons::minutesIcon(24, 0.0, ink), StatusIcons::minutesIcon(23, 0.0, ink));
    app().stopPomodoro();
    EXPECT_EQ(model().iconImage.value(), StatusIcons::plainIcon(ink, model().iconScale));
}

TEST(PieIconTest, EveryIconReadsOnDarkAndLightPanelsAndNoneIsASolidDisc)
{
    // Enough pixels far from the panel's own colour, whichever colour the icon was drawn for.
    auto legiblePixels = [](const QImage& icon, QColor panel) {
        QImage shown(icon.size(), QImage::Format_RGB32);
        shown.fill(panel);
        QPainter(&shown).drawImage(0, 0, icon);
        int count = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                count += std::abs(qGray(shown.pixel(x, y)) - qGray(panel.rgb())) > 110;
        return count;
    };
    for (bool darkMode : {false, true}) {
        const QColor ink = StatusIcons::iconColor(darkMode);
        const QList<QImage> icons{StatusIcons::plainIcon(ink, 1.0), StatusIcons::pieIcon(0.5, ink, 1.0),
                                  StatusIcons::reminderIcon(ink, 1.0),
                                  StatusIcons::minutesIcon(25, 0.3, ink, 1.0)};
        for (const QImage& icon : icons) {
            for (QColor panel :
                 {QColor(0x20, 0x20, 0x20), QColor(0x2e, 0x34, 0x40), QColor(0xf0, 0xf0, 0xf0)})
                EXPECT_GE(legiblePixels(icon, panel), 40) << darkMode << " on " << panel.name().toStdString();
        }
        // The reminder after a stopped break is a ring with a mark, not a filled record button.
        const QImage reminder = StatusIcons::reminderIcon(ink, 1.0);
        int covered = 0;
        for (int y = 4; y < 16; ++y)
            for (int x = 4; x < 16; ++x)
                covered += qAlpha(reminder.pixel(x, y)) > 128;
        EXPECT_LT(covered, 144 / 2);
    }
}

TEST(PieIconTest, SectorGrowsClockwiseFromTwelve)
{
    const QImage quarter = StatusIcons::pieIcon(0.25, Qt::white, 1.0);
    // Inside the ring: upper right is filled at a quarter, upper left is not.
    EXPECT_GT(qAlpha(quarter.pixel(12, 7)), 128);
    EXPECT_EQ(qAlpha(quarter.pixel(7, 7)), 0);
    const QImage empty = StatusIcons::pieIcon(0.0, Qt::white, 1.0);
    EXPECT_EQ(qAlpha(empty.pixel(10, 10)), 0);
    EXPECT_EQ(StatusIcons::pieIcon(0.5, Qt::white).size(), QSize(40, 40)); // HiDPI by default
}

TEST(FeedbackMailTest, BodyAndLinkAreCompleteAndEncoded)
{
    FeedbackMail::MachineFacts facts{QStringLiteral("ThinkPad & Co"),
                                     QString(),
                                     FeedbackMail::resolutionName(QSize(1080, 1920)),
                                     QStringLiteral("1920x1080 @1x"),
                                     QStringLiteral("User Platform: Debian 12 build (Unknown)"),
                                     QStringLiteral("6.4.2")};
    const QString body =
        FeedbackMail::body(facts, QStringLiteral("1.2.3"), QStringLiteral("42"), QStringLiteral("Beta"));
    EXPECT_TRUE(body.startsWith(
        QStringLiteral("\n\n----\nVersion: 1.2.3 (42)\nStage: Beta\nModel: ThinkPad & Co\n")));
    EXPECT_TRUE(body.contains(QStringLiteral("Desktop: Unknown\n")));
    EXPECT_TRUE(body.contains(QStringLiteral("\nResolution: Full HD 1920x1080 @1x\n")));
    EXPECT_TRUE(body.contains(QStringLiteral("\nQt: 6.4.2\n")));
    EXPECT_EQ(FeedbackMail::resolutionName(QSize(1234, 567)), QString());
    EXPECT_TRUE(body.endsWith(QStringLiteral("\n----")));
    const QUrl url = FeedbackMail::link(body);
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded),
              QStringLiteral("Mirelo Feedback"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), body);
}

TEST_F(StatusItemTest, APausedPomodoroShowsResumeAPauseMarkAndTheTooltipSaysSoBesideTheGoal)
{
    model();
    BehaviorRelay<FocusHistory::GoalStatus> goal;
    item->followDailyGoal(goal);
    app().startPomodoro();
    advanceSeconds(5);
    EXPECT_EQ(visibleItems().mid(0, 2), (QStringList{"Stop Pomodoro", "Pause"}));
    const QImage running = model().iconImage.value();
    item->pauseItem->trigger();
    ASSERT_TRUE(app().isPaused.value());
    EXPECT_EQ(visibleItems().mid(0, 2), (QStringList{"Stop Pomodoro", "Resume"}));
    EXPECT_NE(model().iconImage.value(), running);
    EXPECT_EQ(model().iconImage.value(),
              StatusIcons::pausedIcon(0.0, StatusIcons::iconColor(false), model().iconScale))
        << "five seconds of 25 minutes is less than the pie's smallest step";
    EXPECT_EQ(item->toolTip(), QStringLiteral("Mirelo\nPomodoro paused, 24:55 left"));
    goal.accept({8, 5, 2});
    EXPECT_EQ(item->toolTip(), QStringLiteral("Mirelo\nPomodoro paused, 24:55 left\n5 of 8 today"));
    item->resumeItem->trigger();
    EXPECT_FALSE(app().isPaused.value());
    EXPECT_EQ(visibleItems().mid(0, 2), (QStringList{"Stop Pomodoro", "Pause"}));
    // A break is not paused.
    app().stopPomodoro();
    app().shortBreak();
    EXPECT_FALSE(item->pauseItem->isVisible());
    EXPECT_FALSE(item->resumeItem->isVisible());
}
