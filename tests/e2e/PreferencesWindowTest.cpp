#include "MireloProcess.h"

#include <QThread>

#include <gtest/gtest.h>

class PreferencesWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!world.ready())
            GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    }
    bool waitForWindow(const QString& title, bool shown)
    {
        return PrivateBus::waitFor([&] { return world.visibleWindows(title).isEmpty() != shown; }, 8000);
    }
    MireloWorld world{MireloWorld::Options{.tray = true}};
};

TEST_F(PreferencesWindowTest, MenuAndCommandLineOpenTheWindowsAndABreakClosesThem)
{
    const QString preferences = QStringLiteral("^Mirelo Preferences — General$");
    world.writePreferences({{"shortBreakKey", 60}, {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    EXPECT_TRUE(world.visibleWindows(preferences).isEmpty());

    // The tray menu, by keyboard once it is open: while idle, Preferences… is the fifth item
    // and About the ninth.
    QPoint icon;
    ASSERT_TRUE(PrivateBus::waitFor([&] { return !(icon = world.trayIconCentre()).isNull(); }, 8000));
    auto chooseMenuItem = [&](int position) {
        ASSERT_TRUE(world.click(icon));
        QThread::msleep(300);
        for (int i = 0; i < position; ++i)
            world.key(QStringLiteral("Down"));
        world.key(QStringLiteral("Return"));
    };
    chooseMenuItem(5);
    ASSERT_TRUE(waitForWindow(preferences, true));
    world.key(QStringLiteral("Escape"));
    ASSERT_TRUE(waitForWindow(preferences, false));

    // From a launcher or a terminal: the same single window.
    ASSERT_EQ(world.client({QStringLiteral("preferences")}), 0);
    ASSERT_TRUE(waitForWindow(preferences, true));
    ASSERT_EQ(world.client({QStringLiteral("preferences")}), 0);
    EXPECT_EQ(world.visibleWindows(preferences).size(), 1);

    chooseMenuItem(9);
    ASSERT_TRUE(waitForWindow(QStringLiteral("^About Mirelo$"), true));

    ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
    EXPECT_TRUE(waitForWindow(preferences, false));
    EXPECT_TRUE(world.visibleWindows(QStringLiteral("^About Mirelo$")).isEmpty());
    EXPECT_TRUE(world.logText().contains(QStringLiteral("showPreferences")));
}
