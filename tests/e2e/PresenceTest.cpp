#include "MireloProcess.h"
#include "PipeWireGraph.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

namespace {
QVariant timerProperty(const PrivateBus& bus, const QString& name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.mirelo.Mirelo"), QStringLiteral("/org/mirelo/Mirelo"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.mirelo.Mirelo.Timer") << name;
    const QDBusMessage reply = bus.connection().call(get, QDBus::Block, 5000);
    return reply.arguments().isEmpty() ? QVariant()
                                       : reply.arguments().first().value<QDBusVariant>().variant();
}
} // namespace

// The real program on a real PipeWire graph: a Pomodoro that ends during a call holds its
// break, and the break comes within five seconds of the call's end, recorded once.
TEST(PresenceTest, ABreakWaitsForTheMicrophoneAndFollowsItsEnd)
{
    MireloWorld world;
    if (!world.ready())
        GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    PipeWireGraph graph(world.environment().value(QStringLiteral("XDG_RUNTIME_DIR")), world.bus.address());
    if (!graph.isRunning())
        GTEST_SKIP() << "PipeWire is not available";
    world.writePreferences({{"pomodoroKey", 3}, {"shortBreakKey", 120}, {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    ASSERT_TRUE(graph.record(QStringLiteral("mic")));

    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("held "), 10000)) << world.status().toStdString();
    EXPECT_TRUE(timerProperty(world.bus, QStringLiteral("Held")).toBool());
    EXPECT_EQ(timerProperty(world.bus, QStringLiteral("HeldBy")).toString(),
              QStringLiteral("microphone in use"));
    // Held, not dropped and not started: the Pomodoro is recorded, no window covers the call.
    QThread::msleep(4000);
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("held ")));
    EXPECT_TRUE(world.visibleWindows().isEmpty());
    ASSERT_EQ(world.tasks().size(), 1);
    EXPECT_EQ(world.notificationCount(QStringLiteral("Break when your call ends")), 1);

    graph.stopRecording();
    QElapsedTimer sinceTheCallEnded;
    sinceTheCallEnded.start();
    ASSERT_TRUE(PrivateBus::waitFor([&] { return !world.visibleWindows().isEmpty(); }, 10000));
    EXPECT_LE(sinceTheCallEnded.elapsed(), 5000);
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak ")));
    EXPECT_FALSE(timerProperty(world.bus, QStringLiteral("Held")).toBool());
    EXPECT_TRUE(world.logText().contains(QStringLiteral("Break held: microphone in use")));
    EXPECT_TRUE(world.logText().contains(QStringLiteral("by microphone in use")));

    // The break, stopped, is recorded once after its Pomodoro.
    ASSERT_EQ(world.client({QStringLiteral("stop")}), 0);
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle "), 5000));
    const auto rows = world.tasks();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].first, 1);
    EXPECT_EQ(rows[1].first, 2);
}
