#include "LoopbackHttpServer.h"
#include "MireloProcess.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

// The statistics and news windows in the real program.
class WindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!world.ready())
            GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    }
    bool windowNamed(const QString& name)
    {
        return PrivateBus::waitFor(
            [&] {
                QString ids;
                world.runX11(QStringLiteral("xdotool"),
                             {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                              QStringLiteral("--name"), name},
                             &ids);
                return !ids.trimmed().isEmpty();
            },
            10000);
    }

    MireloWorld world{MireloWorld::Options{.windowManager = true}};
};

TEST_F(WindowsTest, AnUnreadAnnouncementOpensAtStartAndStatisticsOpensOnRequest)
{
    LoopbackHttpServer server;
    server.route(QStringLiteral("/latestnews.json"),
                 LoopbackHttpServer::Response::json(
                     QStringLiteral(R"({"news":[{"id":8,"title":"Mirelo news","url":"%1/news/8"}]})")
                         .arg(server.baseUrl())
                         .toUtf8()));
    server.route(QStringLiteral("/news/8"), LoopbackHttpServer::Response::text(
                                                "<h1>New</h1><p>Breaks on every monitor.</p>", "text/html"));
    world.writePreferences(
        {{QStringLiteral("LaunchAtLogin"), false}, {QStringLiteral("NewsBaseURL"), server.baseUrl()}});
    ASSERT_TRUE(world.launch());
    EXPECT_TRUE(windowNamed(QStringLiteral("^Mirelo news$")));
    EXPECT_TRUE(server.waitForRequests(QStringLiteral("/news/8"), 1, 5000));
    EXPECT_TRUE(PrivateBus::waitFor(
        [&] { return world.logText().contains(QStringLiteral("Webview loaded successfully.")); }, 5000));
    // Marked read as it opened.
    QFile conf(world.dataRoot() + QStringLiteral("/Data/news.conf"));
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(conf.readAll().contains("\"lastReadID\": 8")) << world.dataRoot().toStdString();

    ASSERT_EQ(world.client({QStringLiteral("statistics")}), 0);
    EXPECT_TRUE(windowNamed(QStringLiteral("^Mirelo Statistics$")));
}

TEST_F(WindowsTest, AUserAwayForTheThresholdFindsThePomodoroStoppedAndNothingRecorded)
{
    world.writePreferences({{QStringLiteral("LaunchAtLogin"), false}, {QStringLiteral("AwayThreshold"), 6}});
    ASSERT_TRUE(world.launch());
    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    const QString welcome = QStringLiteral("Welcome back — you were away 1 min");
    // No input at all: the first check after ten seconds finds the user gone.
    EXPECT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle "), 20000));
    EXPECT_TRUE(world.tasks().isEmpty());
    // Nobody is there to read a notification yet.
    QThread::msleep(3000);
    EXPECT_EQ(world.notificationCount(welcome), 0);

    // Coming back brings the notification but starts nothing by itself.
    world.runX11(QStringLiteral("xdotool"),
                 {QStringLiteral("mousemove"), QStringLiteral("100"), QStringLiteral("100")});
    EXPECT_TRUE(PrivateBus::waitFor([&] { return world.notificationCount(welcome) == 1; }, 15000));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("idle ")));
    EXPECT_TRUE(world.logText().contains(QStringLiteral("userReturned: away 1 min")));

    // Its button starts a new Pomodoro. The mock server numbers notifications from 1 in order.
    const auto notifies =
        world.bus.callArguments(QStringLiteral("org.freedesktop.Notifications"),
                                QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("Notify"));
    uint id = 0;
    for (int i = 0; i < notifies.size(); ++i) {
        if (notifies[i].value(3).toString() == welcome) {
            id = uint(i + 1);
            EXPECT_EQ(notifies[i].value(5).toStringList().value(1), QStringLiteral("Start a Pomodoro"));
        }
    }
    ASSERT_NE(id, 0u);
    ASSERT_TRUE(world.bus.emitSignal(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"),
        QStringLiteral("us"), {id, QStringLiteral("mirelo-action")}));
    EXPECT_TRUE(world.waitForStatusPrefix(QStringLiteral("working "), 5000));
}
