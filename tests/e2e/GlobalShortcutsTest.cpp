#include "MireloProcess.h"

#include <QDBusMessage>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

class GlobalShortcutsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!world.ready())
            GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    }
    void TearDown() override
    {
        if (other)
            xcb_disconnect(other);
    }
    // Another client holds Ctrl+Alt+key on the root window, as a desktop's own shortcut would.
    bool grabElsewhere(std::uint32_t keysym)
    {
        other =
            xcb_connect(world.environment().value(QStringLiteral("DISPLAY")).toUtf8().constData(), nullptr);
        if (xcb_connection_has_error(other))
            return false;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
        xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(other);
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
        bool grabbed = codes && *codes != XCB_NO_SYMBOL;
        for (xcb_keycode_t* code = codes; grabbed && *code != XCB_NO_SYMBOL; ++code) {
            xcb_generic_error_t* error = xcb_request_check(
                other, xcb_grab_key_checked(other, 0, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, *code,
                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
            grabbed = !error;
            std::free(error);
        }
        std::free(codes);
        xcb_key_symbols_free(symbols);
        return grabbed;
    }
    bool waitForState(const char* prefix) { return world.waitForStatusPrefix(QLatin1String(prefix), 5000); }

    MireloWorld world{MireloWorld::Options{.windowManager = true}};
    xcb_connection_t* other = nullptr;
};

TEST_F(GlobalShortcutsTest, StoredShortcutsRunTheirActionsOnceAndAHeldOneIsReported)
{
    world.writePreferences({{"StartPomodoroShortcut", "Ctrl+Alt+P"},
                            {"ShortBreakShortcut", "Ctrl+Alt+B"},
                            {"showBreakOptions", false},
                            {"shortBreakKey", 120},
                            {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    ASSERT_TRUE(world.key(QStringLiteral("ctrl+alt+p")));
    ASSERT_TRUE(waitForState("working "));
    ASSERT_TRUE(world.key(QStringLiteral("ctrl+alt+p")));
    ASSERT_TRUE(waitForState("idle "));
    EXPECT_TRUE(world.tasks().isEmpty());

    // Held for a second: the key repeats, the Pomodoro starts once and stays.
    world.runX11(QStringLiteral("xdotool"), {QStringLiteral("keydown"), QStringLiteral("ctrl+alt+p")});
    QThread::msleep(1000);
    world.runX11(QStringLiteral("xdotool"), {QStringLiteral("keyup"), QStringLiteral("ctrl+alt+p")});
    ASSERT_TRUE(waitForState("working "));
    QThread::msleep(300);
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("working ")));
    ASSERT_EQ(world.client({QStringLiteral("stop")}), 0);
    ASSERT_TRUE(waitForState("idle "));

    // The short-break shortcut starts a break and, without break options, ends it.
    ASSERT_TRUE(world.key(QStringLiteral("ctrl+alt+b")));
    ASSERT_TRUE(waitForState("shortBreak "));
    QThread::msleep(500);
    ASSERT_TRUE(world.key(QStringLiteral("ctrl+alt+b")));
    ASSERT_TRUE(waitForState("idle "));

    // From a launcher over D-Bus.
    QProcess gdbus;
    gdbus.setProcessEnvironment(world.environment());
    gdbus.start(QStringLiteral("gdbus"),
                {QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"),
                 QStringLiteral("org.mirelo.Mirelo"), QStringLiteral("--object-path"),
                 QStringLiteral("/org/mirelo/Mirelo"), QStringLiteral("--method"),
                 QStringLiteral("org.freedesktop.Application.ActivateAction"), QStringLiteral("pomodoro"),
                 QStringLiteral("[]"), QStringLiteral("{}")});
    ASSERT_TRUE(gdbus.waitForFinished(5000));
    EXPECT_EQ(gdbus.exitCode(), 0) << gdbus.readAllStandardError().toStdString();
    EXPECT_TRUE(waitForState("working "));
    // It opens no files.
    QDBusMessage open = QDBusMessage::createMethodCall(
        QStringLiteral("org.mirelo.Mirelo"), QStringLiteral("/org/mirelo/Mirelo"),
        QStringLiteral("org.freedesktop.Application"), QStringLiteral("Open"));
    open << QStringList{QStringLiteral("file:///etc/hosts")} << QVariantMap();
    EXPECT_EQ(world.bus.connection().call(open, QDBus::Block, 5000).type(), QDBusMessage::ErrorMessage);
    // An action it does not have is refused, not answered as done.
    QDBusMessage unknown = QDBusMessage::createMethodCall(
        QStringLiteral("org.mirelo.Mirelo"), QStringLiteral("/org/mirelo/Mirelo"),
        QStringLiteral("org.freedesktop.Application"), QStringLiteral("ActivateAction"));
    unknown << QStringLiteral("format-disk") << QVariantList() << QVariantMap();
    const QDBusMessage refused = world.bus.connection().call(unknown, QDBus::Block, 5000);
    EXPECT_EQ(refused.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(refused.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
}

TEST_F(GlobalShortcutsTest, ACombinationAnotherProgramHoldsIsReported)
{
    ASSERT_TRUE(grabElsewhere('b'));
    world.writePreferences({{"StartPomodoroShortcut", "Ctrl+Alt+P"},
                            {"ShortBreakShortcut", "Ctrl+Alt+B"},
                            {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    ASSERT_TRUE(PrivateBus::waitFor(
        [&] {
            return world.logText().contains(QStringLiteral(
                "ShortBreakShortcut is not bound: Another program already uses this combination."));
        },
        5000));
    EXPECT_FALSE(world.logText().contains(QStringLiteral("StartPomodoroShortcut is not bound")));
    ASSERT_TRUE(world.key(QStringLiteral("ctrl+alt+p")));
    EXPECT_TRUE(waitForState("working "));
}

TEST_F(GlobalShortcutsTest, ACombinationRecordedInThePaneWorksAtOnce)
{
    world.writePreferences({{"StartPomodoroShortcut", "Ctrl+Alt+P"},
                            {"ShortBreakShortcut", "Ctrl+Alt+B"},
                            {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    ASSERT_EQ(world.client({QStringLiteral("preferences")}), 0);
    ASSERT_TRUE(PrivateBus::waitFor(
        [&] { return !world.visibleWindows(QStringLiteral("^Mirelo Preferences — General$")).isEmpty(); },
        8000));
    world.key(QStringLiteral("ctrl+Next"));
    world.key(QStringLiteral("ctrl+Next"));
    ASSERT_TRUE(PrivateBus::waitFor(
        [&] { return !world.visibleWindows(QStringLiteral("^Mirelo Preferences — Advanced$")).isEmpty(); },
        5000));
    // From the tab bar: the lock switch, then (the lock's other controls being off) the recorder.
    world.key(QStringLiteral("Tab"));
    world.key(QStringLiteral("Tab"));

    // Space starts the recording. Then the short break's combination reaches it (and is refused)
    // instead of starting a break, and the keys that switch panes are not taken.
    world.key(QStringLiteral("space"));
    QThread::msleep(300);
    world.key(QStringLiteral("ctrl+alt+b"));
    world.key(QStringLiteral("ctrl+Tab"));
    world.key(QStringLiteral("ctrl+Next"));
    QThread::msleep(500);
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("idle ")));
    world.key(QStringLiteral("ctrl+alt+o"));
    ASSERT_TRUE(PrivateBus::waitFor(
        [&] {
            QFile file(world.configHome() + QStringLiteral("/org.mirelo.Mirelo/preferences.json"));
            return file.open(QIODevice::ReadOnly) && file.readAll().contains("Ctrl+Alt+O");
        },
        5000));
    QFile file(world.configHome() + QStringLiteral("/org.mirelo.Mirelo/preferences.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("Tab"));
    ASSERT_TRUE(world.key(QStringLiteral("ctrl+alt+o")));
    EXPECT_TRUE(waitForState("working "));
}

TEST_F(GlobalShortcutsTest, WithNoCancellationTheShortBreakShortcutCannotEndABreak)
{
    world.writePreferences({{"ShortBreakShortcut", "Ctrl+Alt+B"},
                            {"noCancellationDuringTheBreak", true},
                            {"shortBreakKey", 120},
                            {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    ASSERT_TRUE(world.key(QStringLiteral("ctrl+alt+b")));
    ASSERT_TRUE(waitForState("shortBreak "));
    QThread::msleep(500);
    ASSERT_TRUE(world.key(QStringLiteral("ctrl+alt+b")));
    QThread::msleep(1000);
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak ")));
}
