#include "MireloProcess.h"

#include <QDBusConnection>

#include <gtest/gtest.h>

// The real program in a Wayland session: a headless sway with two outputs.
class WaylandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!world.ready())
            GTEST_SKIP() << "sway (headless) or dbus-daemon could not start";
    }
    void launch(int breakSeconds)
    {
        world.writePreferences(
            {{QStringLiteral("shortBreakKey"), breakSeconds}, {QStringLiteral("LaunchAtLogin"), false}});
        ASSERT_TRUE(world.launch());
    }
    bool waitForWindows(int count, int timeoutMs = 10000)
    {
        return PrivateBus::waitFor([&] { return world.swayWindows().size() == count; }, timeoutMs);
    }
    const MireloWorld::SwayWindow* windowOn(const QList<MireloWorld::SwayWindow>& windows,
                                            const QString& output)
    {
        for (const auto& window : windows) {
            if (window.output == output)
                return &window;
        }
        return nullptr;
    }

    MireloWorld world{[] {
        MireloWorld::Options options;
        options.wayland = true;
        options.twoMonitors = true;
        return options;
    }()};
};

namespace {
// Where two pictures differ, as one rectangle (null when they are the same).
QRect changedArea(const QImage& a, const QImage& b)
{
    QRect changed;
    if (a.size() != b.size())
        return QRect(QPoint(0, 0), a.size());
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            if (l[x] != r[x])
                changed |= QRect(x, y, 1, 1);
        }
    }
    return changed;
}
} // namespace

TEST_F(WaylandTest, EveryOutputIsCoveredTheKeysActAndNothingStaysBehind)
{
    launch(9);
    ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
    // No wallpaper setting, no capture, no portal: the break shows with the built-in picture.
    ASSERT_TRUE(waitForWindows(2)) << "windows: " << world.swayWindows().size();
    auto windows = world.swayWindows();
    const auto* main = windowOn(windows, QStringLiteral("HEADLESS-1"));
    const auto* other = windowOn(windows, QStringLiteral("HEADLESS-2"));
    ASSERT_TRUE(main && other);
    EXPECT_EQ(main->rect, QRect(0, 0, 1920, 1080));
    EXPECT_EQ(other->rect, QRect(1920, 0, 1280, 1024));
    EXPECT_EQ(main->fullscreenMode, 1);
    EXPECT_EQ(other->fullscreenMode, 1);
    EXPECT_TRUE(main->focused);
    EXPECT_FALSE(other->focused);
    EXPECT_TRUE(world.logText().contains(QStringLiteral("Get desktop picture failed.")));

    // The countdown shows and ticks: one second later only a small area in the middle changed.
    PrivateBus::waitFor([] { return false; }, 1200); // past the fade-in
    const QImage before = world.screenshot(QStringLiteral("HEADLESS-1"));
    PrivateBus::waitFor([] { return false; }, 1100);
    const QImage after = world.screenshot(QStringLiteral("HEADLESS-1"));
    ASSERT_FALSE(before.isNull());
    ASSERT_EQ(before.size(), QSize(1920, 1080));
    const QRect ticked = changedArea(before, after);
    EXPECT_FALSE(ticked.isNull());
    EXPECT_LT(ticked.width() * ticked.height(), 1920 * 1080 / 20)
        << ticked.x() << "," << ticked.y() << " " << ticked.width() << "x" << ticked.height();
    EXPECT_GT(ticked.center().x(), 1920 / 4);
    EXPECT_LT(ticked.center().x(), 1920 * 3 / 4);

    // Keys during the countdown do nothing.
    ASSERT_TRUE(world.key(QStringLiteral("Escape")));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak ")));

    // Back to work: Escape is Stop, which opens its options over the overlay; Return is Next.
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle "), 15000));
    EXPECT_EQ(world.swayWindows().size(), 2);
    ASSERT_TRUE(world.key(QStringLiteral("Escape")));
    EXPECT_TRUE(PrivateBus::waitFor(
        [&] { return world.logText().contains(QStringLiteral("popoverWillShow")); }, 5000));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("idle ")));
    ASSERT_TRUE(world.key(QStringLiteral("Return")));
    EXPECT_TRUE(world.waitForStatusPrefix(QStringLiteral("working "), 5000));
    EXPECT_TRUE(waitForWindows(0));

    // A second break; an output plugged in during it is covered at once; stopping removes
    // every window.
    ASSERT_EQ(world.client({QStringLiteral("stop")}), 0);
    ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
    ASSERT_TRUE(waitForWindows(2));
    ASSERT_EQ(world.swaymsg({QStringLiteral("create_output")}), 0);
    ASSERT_TRUE(waitForWindows(3));
    windows = world.swayWindows();
    const auto* added = windowOn(windows, QStringLiteral("HEADLESS-3"));
    ASSERT_TRUE(added);
    EXPECT_EQ(added->rect, QRect(3200, 0, 1024, 768));
    EXPECT_EQ(added->fullscreenMode, 1);
    EXPECT_TRUE(windowOn(windows, QStringLiteral("HEADLESS-1"))->focused);
    ASSERT_EQ(world.client({QStringLiteral("stop")}), 0);
    EXPECT_TRUE(waitForWindows(0));

    // What Wayland refuses is said once, however many breaks; no tray here is said once too.
    const QString log = world.logText();
    EXPECT_EQ(log.count(QStringLiteral("Wayland session: breaks show one full-screen window per output")), 1);
    EXPECT_FALSE(log.contains(QStringLiteral("taking the keyboard back")));
    EXPECT_EQ(world.notificationCount(QStringLiteral("Mirelo is running without a tray icon")), 1);
}
