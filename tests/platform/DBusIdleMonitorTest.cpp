#include "linux/DBusIdleMonitor.h"
#include "LogCapture.h"
#include "PrivateBus.h"
#include "PrivateBusTest.h"
#include "TestEnvironment.h"
#include "linux/LogindIdleMonitor.h"

#include <QDBusMessage>
#include <QDateTime>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {
// The fallback's idle time: always seven seconds; counts the questions.
class CountingIdleMonitor final : public IdleMonitor
{
public:
    int asked = 0;
    void idleSeconds(std::function<void(std::optional<qint64>)> done) override
    {
        ++asked;
        done(7);
    }
    QString backendName() const override { return QStringLiteral("the X server"); }
};
} // namespace

// The session's idle time and lock from mock desktop services on a private bus.
class DBusIdleMonitorTest : public PrivateBusTest
{
protected:
    std::optional<qint64> ask(IdleMonitor& monitor)
    {
        std::optional<std::optional<qint64>> answer;
        monitor.idleSeconds([&](std::optional<qint64> seconds) { answer = seconds; });
        PrivateBus::waitFor([&] { return answer.has_value(); }, 5000);
        return answer.value_or(std::nullopt);
    }
};

TEST_F(DBusIdleMonitorTest, TheDesktopsIdleTimeComesFirstThenTheFallbackAndLocksAreSignalled)
{
    // Nothing on the bus and no fallback: the feature is off.
    EXPECT_EQ(DBusIdleMonitor::create(bus->connection(), nullptr), nullptr);

    CountingIdleMonitor fallback;
    auto monitor = DBusIdleMonitor::create(bus->connection(), &fallback);
    ASSERT_NE(monitor, nullptr);
    EXPECT_EQ(ask(*monitor), 7);
    EXPECT_EQ(fallback.asked, 1);

    // GNOME's idle monitor answers in milliseconds.
    ASSERT_TRUE(bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/mutter_idle.py"),
                                   QStringLiteral("org.gnome.Mutter.IdleMonitor"), false,
                                   QStringLiteral("{\"idletime\": 123456}")));
    EXPECT_EQ(ask(*monitor), 123);
    EXPECT_EQ(fallback.asked, 1);

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

TEST_F(DBusIdleMonitorTest, TheXServerComesFirstAndKdeAnswersMilliseconds)
{
    ASSERT_TRUE(bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/freedesktop_screensaver.py"),
                                   QStringLiteral("org.freedesktop.ScreenSaver"), false,
                                   QStringLiteral("{\"idletime\": 300}")));
    CountingIdleMonitor xServer;
    auto monitor = DBusIdleMonitor::create(bus->connection(), nullptr, &xServer);
    ASSERT_NE(monitor, nullptr);
    EXPECT_EQ(ask(*monitor), 7);
    EXPECT_EQ(monitor->backendName(), QStringLiteral("the X server"));

    auto desktopOnly = DBusIdleMonitor::create(bus->connection(), nullptr);
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP");
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    EXPECT_EQ(ask(*desktopOnly), 300);
    // KDE's screen locker counts 300 ms, not five minutes.
    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    EXPECT_EQ(ask(*desktopOnly), 0);
    if (desktop.isEmpty())
        qunsetenv("XDG_CURRENT_DESKTOP");
    else
        qputenv("XDG_CURRENT_DESKTOP", desktop);
}

TEST_F(DBusIdleMonitorTest, LogindIdleHintAndLockReachTheIdleMonitor)
{
    const QString logindService = QStringLiteral("org.freedesktop.login1");
    const QString logindPath = QStringLiteral("/org/freedesktop/login1");
    // Without logind there is nothing to read.
    EXPECT_EQ(LogindIdleMonitor::create(bus->connection(), QStringLiteral("c1")), nullptr);

    ASSERT_TRUE(bus->startTemplate(QStringLiteral("logind"), logindService, true));
    auto mock = [&](const QString& path, const QString& method, const QVariantList& args) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            logindService, path, QStringLiteral("org.freedesktop.DBus.Mock"), method);
        call.setArguments(args);
        return bus->connection().call(call, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
    };
    ASSERT_TRUE(mock(logindPath, QStringLiteral("AddSession"),
                     {QStringLiteral("c1"), QStringLiteral("seat0"), 1000u, QStringLiteral("user"), true}));
    auto monitor = LogindIdleMonitor::create(bus->connection(), QStringLiteral("c1"));
    ASSERT_NE(monitor, nullptr);
    QSignalSpy found(monitor.get(), &LogindIdleMonitor::sessionFound);
    ASSERT_TRUE(found.wait(5000));
    const QString session = QStringLiteral("/org/freedesktop/login1/session/c1");
    EXPECT_EQ(monitor->sessionPath(), session);

    EXPECT_EQ(ask(*monitor), 0); // not idle
    auto setHints = [&](const QVariantMap& hints) {
        return mock(session, QStringLiteral("UpdateProperties"),
                    {QStringLiteral("org.freedesktop.login1.Session"), hints});
    };
    const qint64 since = (QDateTime::currentMSecsSinceEpoch() - 90'000) * 1000;
    ASSERT_TRUE(setHints({{QStringLiteral("IdleHint"), true},
                          {QStringLiteral("IdleSinceHint"), QVariant::fromValue<quint64>(since)}}));
    const auto idle = ask(*monitor);
    ASSERT_TRUE(idle.has_value());
    EXPECT_GE(*idle, 90);
    EXPECT_LE(*idle, 95);
    // A hint from the future (a clock set back) says nothing rather than something wrong.
    ASSERT_TRUE(
        setHints({{QStringLiteral("IdleSinceHint"),
                   QVariant::fromValue<quint64>((QDateTime::currentMSecsSinceEpoch() + 60'000) * 1000)}}));
    EXPECT_EQ(ask(*monitor), std::nullopt);

    // The Lock request and the LockedHint that follows are one lock.
    QSignalSpy locks(monitor.get(), &IdleMonitor::lockedChanged);
    ASSERT_TRUE(bus->emitSignal(logindService, session, QStringLiteral("org.freedesktop.login1.Session"),
                                QStringLiteral("Lock"), QString(), {}));
    ASSERT_TRUE(setHints({{QStringLiteral("LockedHint"), true}}));
    ASSERT_TRUE(setHints({{QStringLiteral("LockedHint"), false}}));
    ASSERT_TRUE(PrivateBus::waitFor([&] { return locks.count() == 2; }));
    EXPECT_TRUE(locks.at(0).at(0).toBool());
    EXPECT_FALSE(locks.at(1).at(0).toBool());
    EXPECT_TRUE(log().contains(QStringLiteral("The session locked.")));
}
