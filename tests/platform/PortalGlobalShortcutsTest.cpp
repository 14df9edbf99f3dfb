#include "linux/PortalGlobalShortcuts.h"
#include "LogCapture.h"
#include "PrivateBus.h"
#include "PrivateBusTest.h"
#include "settings/Preferences.h"
#include "shortcuts/ShortcutBinder.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

// Global shortcuts through a mock of the desktop portal's front-end on a private bus: what the
// desktop binds, what its presses start, a rebinding, and the desktop closing the session.
class PortalGlobalShortcutsTest : public PrivateBusTest
{
protected:
    bool portal(const QString& parameters = QStringLiteral("{}"))
    {
        return bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/global_shortcuts_portal.py"),
                                  QStringLiteral("org.freedesktop.portal.Desktop"), false, parameters);
    }
    QDBusMessage testing(const QString& method, const QVariantList& args = {})
    {
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                                           QStringLiteral("/org/freedesktop/portal/testing"),
                                                           QStringLiteral("org.mirelo.Testing"), method);
        call.setArguments(args);
        return bus->connection().call(call);
    }
};

TEST_F(PortalGlobalShortcutsTest, TheDesktopBindsItsTriggersItsPressesActAndItMayCloseTheSession)
{
    ASSERT_TRUE(portal(QStringLiteral(R"({"triggers": {"short-break": "Meta+B"}})")));
    std::unique_ptr<PortalGlobalShortcuts> shortcuts(PortalGlobalShortcuts::create(bus->connection()));
    ASSERT_TRUE(shortcuts);
    Preferences preferences(Preferences::defaultFilePath());
    preferences.setValue(PreferKey::StartPomodoroShortcut, QStringLiteral("Ctrl+Alt+P"));
    preferences.setValue(PreferKey::ShortBreakShortcut, QStringLiteral("Ctrl+Alt+B"));
    ShortcutBinder binder(preferences, shortcuts.get());
    binder.registerShortcuts();
    // The desktop answers what it bound: the trigger asked for, or one of its own choosing.
    ASSERT_TRUE(PrivateBus::waitFor([&] { return !shortcuts->boundTrigger(1).isEmpty(); }, 5000));
    EXPECT_EQ(shortcuts->boundTrigger(0), QStringLiteral("Ctrl+Alt+P"));
    EXPECT_EQ(shortcuts->boundTrigger(1), QStringLiteral("Meta+B"));
    EXPECT_TRUE(binder.problem(PreferKey::StartPomodoroShortcut).isEmpty());

    // A press on the desktop starts a Pomodoro; none while a recorder records.
    QSignalSpy pomodoro(&binder, &ShortcutBinder::startPomodoroPressed);
    QSignalSpy shortBreak(&binder, &ShortcutBinder::shortBreakPressed);
    testing(QStringLiteral("Press"), {QStringLiteral("start-pomodoro")});
    EXPECT_TRUE(pomodoro.wait(3000));
    binder.setRecording(true);
    testing(QStringLiteral("Press"), {QStringLiteral("short-break")});
    PrivateBus::waitFor([] { return false; }, 300);
    EXPECT_EQ(shortBreak.count(), 0);

    // A new combination from the recorder: a new session, bound again.
    binder.setRecording(false);
    ASSERT_TRUE(binder.record(PreferKey::StartPomodoroShortcut, QKeySequence(QStringLiteral("Ctrl+Shift+F5")))
                    .isEmpty());
    EXPECT_TRUE(PrivateBus::waitFor(
        [&] { return shortcuts->boundTrigger(0) == QStringLiteral("Ctrl+Shift+F5"); }, 5000));
    EXPECT_GE(testing(QStringLiteral("Binds")).arguments().value(0).toUInt(), 2u);
    testing(QStringLiteral("Press"), {QStringLiteral("short-break")});
    EXPECT_TRUE(shortBreak.wait(3000));

    // The desktop closes the session: nothing is bound, it is said, and a press of the old session
    // does nothing.
    testing(QStringLiteral("CloseSessions"));
    EXPECT_TRUE(PrivateBus::waitFor([&] { return shortcuts->boundTrigger(0).isEmpty(); }, 3000));
    EXPECT_TRUE(log().anyContains(QStringLiteral("The desktop closed the global shortcuts session")));
    testing(QStringLiteral("Press"), {QStringLiteral("start-pomodoro")});
    PrivateBus::waitFor([] { return false; }, 300);
    EXPECT_EQ(pomodoro.count(), 1);
    EXPECT_EQ(PortalGlobalShortcuts::preferredTrigger(QKeySequence(QStringLiteral("Meta+Space"))),
              QStringLiteral("LOGO+space"));
}

TEST_F(PortalGlobalShortcutsTest, APortalStartedOnDemandOrLaterBindsAllThreeShortcutsWithTheirDescriptions)
{
    Preferences preferences(Preferences::defaultFilePath());
    preferences.setValue(PreferKey::StartPomodoroShortcut, QStringLiteral("Ctrl+Alt+P"));
    preferences.setValue(PreferKey::ShortBreakShortcut, QStringLiteral("Ctrl+Alt+B"));
    preferences.setValue(PauseKey::shortcut, QStringLiteral("Ctrl+Alt+Space"));

    // Nothing has used the portal yet: it is not running, only activatable, as at login.
    const QString services = dataHome() + QStringLiteral("/dbus-1/services");
    QDir().mkpath(services);
    QFile service(services + QStringLiteral("/org.freedesktop.portal.Desktop.service"));
    ASSERT_TRUE(service.open(QIODevice::WriteOnly));
    service.write("[D-BUS Service]\nName=org.freedesktop.portal.Desktop\nExec=/usr/bin/python3 -m dbusmock "
                  "--template " MIRELO_DBUSMOCK_DIR "/global_shortcuts_portal.py\n");
    service.close();
    {
        std::unique_ptr<PortalGlobalShortcuts> shortcuts(PortalGlobalShortcuts::create(bus->connection()));
        ASSERT_TRUE(shortcuts);
        ShortcutBinder binder(preferences, shortcuts.get());
        binder.registerShortcuts();
        ASSERT_TRUE(PrivateBus::waitFor([&] { return !shortcuts->boundTrigger(2).isEmpty(); }, 5000));
        EXPECT_EQ(shortcuts->boundTrigger(2), QStringLiteral("Ctrl+Alt+Space"));
        // The desktop lists each by its id with what it does.
        const QVariantMap described =
            qdbus_cast<QVariantMap>(testing(QStringLiteral("Descriptions")).arguments().value(0));
        EXPECT_EQ(described.value(QStringLiteral("pause")).toString(),
                  QStringLiteral("Pause or resume the Pomodoro"));
        EXPECT_EQ(described.value(QStringLiteral("start-pomodoro")).toString(),
                  QStringLiteral("Start a Pomodoro"));
        QSignalSpy pause(&binder, &ShortcutBinder::pausePressed);
        testing(QStringLiteral("Press"), {QStringLiteral("pause")});
        EXPECT_TRUE(pause.wait(3000));
        testing(QStringLiteral("Quit"));
    }

    // No portal at all yet: one that starts later is picked up and binds them.
    QFile::remove(service.fileName());
    ASSERT_TRUE(PrivateBus::waitFor(
        [&] {
            return !bus->connection()
                        .interface()
                        ->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop"))
                        .value();
        },
        5000));
    std::unique_ptr<PortalGlobalShortcuts> shortcuts(PortalGlobalShortcuts::create(bus->connection()));
    ASSERT_TRUE(shortcuts);
    ShortcutBinder binder(preferences, shortcuts.get());
    binder.registerShortcuts();
    EXPECT_TRUE(shortcuts->boundTrigger(0).isEmpty());
    ASSERT_TRUE(portal());
    EXPECT_TRUE(PrivateBus::waitFor([&] { return !shortcuts->boundTrigger(2).isEmpty(); }, 5000));
    EXPECT_FALSE(log().anyContains(QStringLiteral("failed")));
}
