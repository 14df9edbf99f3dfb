#include "linux/DBusIdleMonitor.h"
#include "LogCapture.h"
#include "PrivateBus.h"
#include "TestEnvironment.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

// The session's idle time and lock from mock desktop services on a private bus.
class DBusIdleMonitorTest : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        bus = std::make_unique<PrivateBus>();
        if (!bus->isRunning())
            GTEST_SKIP() << "dbus-daemon is not available";
    }
    std::optional<qint64> ask(IdleMonitor& monitor)
    {
        std::optional<std::optional<qint64>> answer;
        monitor.idleSeconds([&](std::optional<qint64> seconds) { answer = seconds; });
        PrivateBus::waitFor([&] { return answer.has_value(); }, 5000);
        return answer.value_or(std::nullopt);
    }
    std::unique_ptr<PrivateBus> bus;
};

TEST_F(DBusIdleMonitorTest, TheDesktopsIdleTimeComesFirstThenTheFallbackAndLocksAreSignalled)
{
    // Nothing on the bus and no fallback: the feature is off.
    EXPECT_EQ(DBusIdleMonitor::create(bus->connection(), {}, QString()), nullptr);

    int fallbackAsked = 0;
    auto monitor = DBusIdleMonitor::create(
        bus->connection(),
        [&](std::function<void(std::optional<qint64>)> done) {
            ++fallbackAsked;
            done(7);
        },
        QStringLiteral("the X server"));
    ASSERT_NE(monitor, nullptr);
    EXPECT_EQ(ask(*monitor), 7);
    EXPECT_EQ(fallbackAsked, 1);

    // GNOME's idle monitor answers in milliseconds.
    ASSERT_TRUE(bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/mutter_idle.py"),
                                   QStringLiteral("org.gnome.Mutter.IdleMonitor"), false,
                                   QStringLiteral("{\"idletime\": 123456}")));
    EXPECT_EQ(ask(*monitor), 123);
    EXPECT_EQ(fallbackAsked, 1);

    // The screen saver's ActiveChanged is the lock.
    ASSERT_TRUE(bus->startTemplate(QStringLiteral("gnome_screensaver"),
                                   QStringLiteral("org.gnome.ScreenSaver"), false));
    QSignalSpy locks(monitor.get(), &IdleMonitor::lockedChanged);
    ASSERT_TRUE(bus->emitSignal(QStringLiteral("org.gnome.ScreenSaver"),
                                QStringLiteral("/org/gnome/ScreenSaver"),
                                QStringLiteral("org.gnome.ScreenSaver"), QStringLiteral("ActiveChanged"),
                                QStringLiteral("b"), {true}));
    ASSERT_TRUE(locks.wait(5000) || !locks.isEmpty());
    EXPECT_TRUE(locks.first().first().toBool());
}
