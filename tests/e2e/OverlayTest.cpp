#include "MireloProcess.h"

#include "break/BreakView.h"
#include "widgets/CountdownLabel.h"
#include "widgets/DrawnButton.h"

#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

const QRect leftMonitor(0, 0, 1920, 1080);
const QRect rightMonitor(1920, 0, 1280, 1024);

// Where a button of the overlay sits on a main screen of this size, from the overlay's own
// layout: the back-to-work screen has its title, the countdown and Close and Next.
QPoint buttonCentre(bool backToWork, bool close)
{
    BreakView view;
    view.resize(leftMonitor.size());
    view.titleLabel->setText(QStringLiteral("Back to work!"));
    view.timeLabel->setText(QStringLiteral("00:00"));
    view.titleLabel->setVisible(backToWork);
    view.countDownButtonContainer->setVisible(!backToWork);
    view.backToWorkButtonContainer->setVisible(backToWork);
    view.layoutContent();
    // Laid out as on screen (the test process draws offscreen).
    view.show();
    QApplication::processEvents();
    QWidget* button = backToWork ? (close ? static_cast<QWidget*>(view.backToWorkCloseButton)
                                          : static_cast<QWidget*>(view.backToWorkNextButton))
                                 : static_cast<QWidget*>(view.stopTimerButton);
    return button->mapTo(&view, button->rect().center()) + leftMonitor.topLeft();
}

} // namespace

class OverlayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!world.ready())
            GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    }

    // Starts the program with a break of `seconds` and shows a break from the menu. A picture
    // that comes after its break ended shows nothing: breaks here outlast a slow start (a
    // sanitizer build on a busy machine takes up to two seconds to show them).
    void startBreak(int seconds, QJsonObject extra = {})
    {
        extra.insert(QStringLiteral("shortBreakKey"), seconds);
        extra.insert(QStringLiteral("LaunchAtLogin"), false);
        world.writePreferences(extra);
        ASSERT_TRUE(world.launch());
        ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
        ASSERT_TRUE(waitForWindows(2)) << "windows: " << world.visibleWindows().size();
    }
    bool waitForWindows(int count, int timeoutMs = 8000)
    {
        return PrivateBus::waitFor([&] { return world.visibleWindows().size() == count; }, timeoutMs);
    }
    bool backToWork() { return world.waitForStatusPrefix(QStringLiteral("idle "), 8000); }

    MireloWorld world{MireloWorld::Options{true, true}};
};

TEST_F(OverlayTest, EachMonitorIsCoveredExactlyAndTheMainWindowTakesTheKeys)
{
    startBreak(4);
    QList<QRect> windows = world.visibleWindows();
    EXPECT_TRUE(windows.contains(leftMonitor));
    EXPECT_TRUE(windows.contains(rightMonitor));
    EXPECT_TRUE(PrivateBus::waitFor([&] { return world.activeWindow() == leftMonitor; }, 5000));

    // The countdown ignores the keys.
    ASSERT_TRUE(world.key(QStringLiteral("Escape")));
    ASSERT_TRUE(world.key(QStringLiteral("Return")));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak ")));

    // Back to work: the windows stay; Return starts the next Pomodoro and takes them away.
    ASSERT_TRUE(backToWork());
    EXPECT_EQ(world.visibleWindows().size(), 2);
    ASSERT_TRUE(world.key(QStringLiteral("Return")));
    EXPECT_TRUE(world.waitForStatusPrefix(QStringLiteral("working "), 5000));
    EXPECT_TRUE(waitForWindows(0));
}

TEST_F(OverlayTest, EscapeOnTheBackToWorkScreenClosesItWithoutOptions)
{
    startBreak(4);
    ASSERT_TRUE(backToWork());
    const auto rows = world.tasks();
    ASSERT_TRUE(world.key(QStringLiteral("Escape")));
    EXPECT_TRUE(waitForWindows(0));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("idle ")));
    EXPECT_FALSE(world.logText().contains(QStringLiteral("popoverWillShow")));
    EXPECT_EQ(world.tasks(), rows) << "the break was recorded when it ended, once";
}

TEST_F(OverlayTest, EscapeWithoutOptionsStopsAndCloseWritesNothingMore)
{
    startBreak(4, {{QStringLiteral("showBreakOptions"), false}});
    ASSERT_TRUE(backToWork());
    ASSERT_TRUE(world.key(QStringLiteral("Escape")));
    EXPECT_TRUE(waitForWindows(0));
    EXPECT_TRUE(world.logText().contains(QStringLiteral("Stop break timer manualy")));

    // Close, by a click on it: every window goes and the break stays recorded once.
    ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
    ASSERT_TRUE(waitForWindows(2));
    ASSERT_TRUE(backToWork());
    const auto rows = world.tasks();
    ASSERT_EQ(rows.size(), 2);
    ASSERT_TRUE(world.click(buttonCentre(true, true)));
    EXPECT_TRUE(waitForWindows(0));
    EXPECT_EQ(world.tasks(), rows);
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("idle ")));
}

TEST_F(OverlayTest, NoCancellationHidesStopAndEscapeClosesOnlyTheEndedBreak)
{
    // Long enough that showing the windows under load never outlasts the break.
    startBreak(6, {{QStringLiteral("noCancellationDuringTheBreak"), true}});
    // Where Stop would be, nothing answers.
    ASSERT_TRUE(world.click(buttonCentre(false, false)));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak ")));
    ASSERT_TRUE(world.key(QStringLiteral("Escape")));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak ")));
    ASSERT_TRUE(backToWork());
    ASSERT_TRUE(world.key(QStringLiteral("Escape")));
    EXPECT_TRUE(waitForWindows(0));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("idle ")));
}

TEST_F(OverlayTest, ABreakStartedOverTheBackToWorkScreenLeavesNoStaleWindow)
{
    startBreak(4);
    ASSERT_TRUE(backToWork());
    ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("shortBreak "), 5000));
    // The new break's windows replace the old ones: still one per monitor.
    EXPECT_TRUE(PrivateBus::waitFor(
        [&] { return world.logText().count(QStringLiteral("Loading image wallpaperImage: ")) >= 4; }, 8000));
    EXPECT_TRUE(waitForWindows(2));
    QList<QRect> windows = world.visibleWindows();
    EXPECT_TRUE(windows.contains(leftMonitor));
    EXPECT_TRUE(windows.contains(rightMonitor));
}
