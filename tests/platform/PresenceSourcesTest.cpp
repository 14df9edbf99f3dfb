#include "presence/PresenceSources.h"
#include "LogCapture.h"
#include "PipeWireGraph.h"
#include "PrivateBus.h"
#include "PrivateBusTest.h"
#include "TestEnvironment.h"
#include "linux/DBusPresence.h"
#include "linux/PipeWirePresence.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
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

namespace {
// This process's children, as the kernel lists them.
QByteArray children()
{
    QByteArray all;
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(QStringLiteral("/proc/self/task/%1/children").arg(task));
        if (file.open(QIODevice::ReadOnly))
            all += file.readAll();
    }
    return all.trimmed();
}
} // namespace

// A real PipeWire graph: a recorder of the virtual microphone is a call, told within 200 ms of
// its start and its end; a recorder of a speaker's monitor is not. Nothing is started to ask.
TEST_F(PresenceSourcesTest, PipeWireTellsAMicrophoneFromASinkMonitorAsItChanges)
{
    QTemporaryDir runtime;
    PipeWireGraph graph(runtime.path() + QStringLiteral("/run"), bus->address());
    if (!graph.isRunning())
        GTEST_SKIP() << "PipeWire is not available";
    graph.useInThisProcess();
    auto pipewire = PipeWirePresence::create();
    ASSERT_NE(pipewire, nullptr);
    QSignalSpy changed(pipewire.get(), &Presence::changed);
    EXPECT_EQ(ask(*pipewire), QStringList());

    ASSERT_TRUE(graph.record(QStringLiteral("speaker.monitor")));
    QThread::msleep(1000);
    EXPECT_EQ(ask(*pipewire), QStringList());
    EXPECT_EQ(changed.count(), 0);

    QElapsedTimer clock;
    ASSERT_TRUE(graph.record(QStringLiteral("mic")));
    clock.start();
    ASSERT_TRUE(PrivateBus::waitFor([&] { return changed.count() == 1; }, 3000));
    EXPECT_LT(clock.elapsed(), 200);
    // Answered at once, from what the listener keeps, with no program started to ask.
    const QByteArray recording = children();
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(ask(*pipewire, 0), QStringList{QStringLiteral("microphone in use")});
        EXPECT_EQ(children(), recording);
    }
    graph.stopRecording();
    clock.restart();
    ASSERT_TRUE(PrivateBus::waitFor([&] { return changed.count() == 2; }, 3000));
    EXPECT_LT(clock.elapsed(), 200);
    EXPECT_EQ(ask(*pipewire, 0), QStringList());
    EXPECT_LT(pipewire->followedObjects(), 100);
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

// KDE: a music player blocks suspend, which holds nothing; a film keeps the screen on, which does.
TEST_F(PresenceSourcesTest, OnKdeOnlyTheScreenKeptOnCountsNotABlockedSuspend)
{
    auto inhibitors = DBusPresence::idleInhibitor(bus->connection());
    ASSERT_TRUE(bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/kde_power_management.py"),
                                   QStringLiteral("org.kde.Solid.PowerManagement.PolicyAgent"), false,
                                   QStringLiteral(R"({"suspend": true, "policies": 1})")));
    EXPECT_EQ(ask(*inhibitors), QStringList());
    ASSERT_TRUE(bus->stopMocks());
    ASSERT_TRUE(bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/kde_power_management.py"),
                                   QStringLiteral("org.kde.Solid.PowerManagement.PolicyAgent"), false,
                                   QStringLiteral(R"({"suspend": true, "policies": 5})")));
    EXPECT_EQ(ask(*inhibitors), QStringList{QStringLiteral("the screen is kept on")});
}
