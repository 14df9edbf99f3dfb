#include "presence/PresenceSources.h"
#include "LogCapture.h"
#include "PipeWireGraph.h"
#include "PrivateBus.h"
#include "PrivateBusTest.h"
#include "TestEnvironment.h"
#include "linux/DBusPresence.h"
#include "linux/PipeWirePresence.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {
std::optional<QStringList> ask(Presence& presence, int timeoutMs = 5000)
{
    std::optional<QStringList> answer;
    presence.activeSources([&](QStringList active) { answer = std::move(active); });
    PrivateBus::waitFor([&] { return answer.has_value(); }, timeoutMs);
    return answer;
}

// Asks until the answer is the one expected (the graph settles in a moment) or time is up.
bool answers(Presence& presence, const QStringList& expected)
{
    return PrivateBus::waitFor([&] { return ask(presence) == expected; }, 8000);
}
} // namespace

class PresenceSourcesTest : public PrivateBusTest
{};

// A real PipeWire graph: a recorder of the virtual microphone is a call; a recorder of a
// speaker's monitor is not; the stream closed, nothing is.
TEST_F(PresenceSourcesTest, PipeWireTellsAMicrophoneFromASinkMonitor)
{
    QTemporaryDir runtime;
    PipeWireGraph graph(runtime.path() + QStringLiteral("/run"), bus->address());
    if (!graph.isRunning())
        GTEST_SKIP() << "PipeWire is not available";
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", graph.environment().value(QStringLiteral("XDG_RUNTIME_DIR")).toUtf8());
    auto pipewire = PipeWirePresence::create();
    ASSERT_NE(pipewire, nullptr);
    EXPECT_EQ(ask(*pipewire), QStringList());

    ASSERT_TRUE(graph.record(QStringLiteral("speaker.monitor")));
    QThread::msleep(1000);
    EXPECT_EQ(ask(*pipewire), QStringList());

    ASSERT_TRUE(graph.record(QStringLiteral("mic")));
    EXPECT_TRUE(answers(*pipewire, {QStringLiteral("microphone in use")}));
    graph.stopRecording();
    EXPECT_TRUE(answers(*pipewire, {}));
    qputenv("XDG_RUNTIME_DIR", previous);
}

// Do Not Disturb and the idle inhibitors from mocks of the desktops' own interfaces, asked
// together; an absent service says nothing.
TEST_F(PresenceSourcesTest, DoNotDisturbAndIdleInhibitorsFromTheDesktopsServices)
{
    PresenceSources sources;
    sources.add(DBusPresence::doNotDisturb(bus->connection()));
    sources.add(DBusPresence::idleInhibitor(bus->connection()));
    EXPECT_EQ(ask(sources), QStringList());

    ASSERT_TRUE(bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/gnome_session_manager.py"),
                                   QStringLiteral("org.gnome.SessionManager"), false,
                                   QStringLiteral("{\"inhibited\": 8}")));
    EXPECT_EQ(ask(sources), QStringList{QStringLiteral("the screen is kept on")});
    // Inhibited for logging out only (flag 1): not a film; Do Not Disturb on.
    ASSERT_TRUE(bus->stopMocks());
    ASSERT_TRUE(bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/gnome_session_manager.py"),
                                   QStringLiteral("org.gnome.SessionManager"), false,
                                   QStringLiteral("{\"inhibited\": 1}")));
    ASSERT_TRUE(bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/notifications_inhibited.py"),
                                   QStringLiteral("org.freedesktop.Notifications"), false,
                                   QStringLiteral("{\"inhibited\": true}")));
    EXPECT_EQ(ask(sources), QStringList{QStringLiteral("Do Not Disturb on")});
}
