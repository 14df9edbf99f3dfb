#include "LoopbackHttpServer.h"
#include "MireloProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>

#include <QDBusConnection>

// Collects the PropertiesChanged signals of the timer interface.
class PropertyRecorder : public QObject
{
    Q_OBJECT
public:
    explicit PropertyRecorder(QDBusConnection bus)
    {
        bus.connect(QString(), QStringLiteral("/org/mirelo/Mirelo"),
                    QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
                    this, SLOT(changed(QString, QVariantMap, QStringList)));
    }
    QStringList states;
    QList<int> remaining;
    QList<qint64> deadlines;

public Q_SLOTS:
    void changed(const QString& interface, const QVariantMap& values, const QStringList&)
    {
        if (interface != QLatin1String("org.mirelo.Mirelo.Timer"))
            return;
        if (values.contains(QStringLiteral("State")))
            states << values.value(QStringLiteral("State")).toString();
        if (values.contains(QStringLiteral("RemainingSeconds")))
            remaining << values.value(QStringLiteral("RemainingSeconds")).toInt();
        if (values.contains(QStringLiteral("Deadline")))
            deadlines << values.value(QStringLiteral("Deadline")).toLongLong();
    }
};

class ApplicationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!world.ready())
            GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    }
    MireloWorld world;
};

TEST_F(ApplicationTest, PomodoroRunsIntoAShortBreakAndStopsAreRecordedAsTheyShouldBe)
{
    world.writePreferences({{"pomodoroKey", 3}, {"shortBreakKey", 120}, {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    EXPECT_EQ(world.status(), QStringLiteral("idle 00:00"));
    PropertyRecorder recorder(world.bus.connection());

    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("working 00:0")));
    // The Pomodoro ends on its own and the break follows without being asked.
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("shortBreak "), 8000));
    // A start while a timer runs is refused, and the caller is told so.
    QString out, err;
    EXPECT_EQ(world.client({QStringLiteral("pomodoro")}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("pomodoro refused: A timer is running"))) << err.toStdString();
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak ")));
    auto rows = world.tasks();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].first, 1);
    EXPECT_NEAR(rows[0].second, 3, 1);
    // Three seconds is under a minute: the warning went out, once.
    EXPECT_TRUE(
        PrivateBus::waitFor([&] { return world.notificationCount(QStringLiteral("Last Minute!")) >= 1; }));
    EXPECT_EQ(world.notificationCount(QStringLiteral("Last Minute!")), 1);

    ASSERT_EQ(world.client({QStringLiteral("stop")}), 0);
    EXPECT_EQ(world.status(), QStringLiteral("idle 00:00"));
    // Watchers of the bus saw every state and each start's length and deadline, not every second.
    EXPECT_TRUE(PrivateBus::waitFor([&] { return recorder.states.size() >= 3; }));
    EXPECT_EQ(recorder.states.mid(0, 3), (QStringList{"working", "shortBreak", "idle"}));
    EXPECT_TRUE(recorder.remaining.contains(3));
    EXPECT_TRUE(recorder.remaining.contains(120));
    EXPECT_FALSE(recorder.remaining.contains(2));
    ASSERT_GE(recorder.deadlines.size(), 3);
    // The break's deadline is its length after the Pomodoro's.
    const qint64 pomodoroEnd = recorder.deadlines.first();
    EXPECT_TRUE(std::any_of(recorder.deadlines.begin() + 1, recorder.deadlines.end(),
                            [&](qint64 d) { return std::abs(double(d - pomodoroEnd) - 120e6) < 3e6; }));
    EXPECT_EQ(recorder.deadlines.last(), 0);
    rows = world.tasks();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1].first, 2);

    // A Pomodoro stopped while working leaves no row.
    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    ASSERT_EQ(world.client({QStringLiteral("stop")}), 0);
    EXPECT_EQ(world.tasks().size(), 2);
    EXPECT_EQ(world.client({QStringLiteral("stop")}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("No timer is running."))) << err.toStdString();

    const QString log = world.logText();
    EXPECT_TRUE(log.contains(QStringLiteral("Logger setuped!")));
    EXPECT_TRUE(log.contains(QStringLiteral("User Platform: ")));
    EXPECT_TRUE(log.contains(QStringLiteral("Perform command: Mirelo.MRPomodoroCommand")));

    world.sendSignal(SIGTERM);
    ASSERT_TRUE(world.waitForExit(10000));
    EXPECT_TRUE(world.logText().contains(QStringLiteral("applicationWillTerminate")));
}

TEST_F(ApplicationTest, SecondInstanceLeavesTheFirstAloneAndAutoStartBeginsAPomodoro)
{
    world.writePreferences({{"AutoStartPomodoroEnabled", true}, {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    EXPECT_TRUE(world.waitForStatusPrefix(QStringLiteral("working "), 4000));

    QString out;
    EXPECT_EQ(world.client({}, &out), 0);
    EXPECT_EQ(out.trimmed(), QStringLiteral("Mirelo is already running."));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("working ")));
    // A launcher clicked again brings up the running one's window.
    EXPECT_TRUE(PrivateBus::waitFor(
        [&] { return !world.visibleWindows(QStringLiteral("^Mirelo Preferences — General$")).isEmpty(); },
        5000));
}

TEST_F(ApplicationTest, CrashLeavesAReportThatTheNextStartFinds)
{
    world.writePreferences({{"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    world.sendSignal(SIGSEGV);
    ASSERT_TRUE(world.waitForExit(15000));
    const QString crashes = world.dataRoot() + QStringLiteral("/data/crashes");
    const QStringList reports = QDir(crashes).entryList({QStringLiteral("*.crash")});
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(QFileInfo(crashes + QLatin1Char('/') + reports.first()).size() > 0);

    ASSERT_TRUE(world.launch());
    EXPECT_TRUE(world.logText().contains(QStringLiteral("hasCrashedInLastSession: true")));
    EXPECT_TRUE(QDir(crashes).entryList({QStringLiteral("*.crash")}).isEmpty());
    EXPECT_EQ(
        QDir(world.dataRoot() + QStringLiteral("/data/logs")).entryList({QStringLiteral("*.log.zip")}).size(),
        1);
}

TEST_F(ApplicationTest, QtOptionsStartTheApplicationWhichWithoutATraySaysHowToReachIt)
{
    world.writePreferences({{"LaunchAtLogin", false}});
    // What a session manager passes when it restores the session, and a style.
    ASSERT_TRUE(world.launch({QStringLiteral("-session"), QStringLiteral("10d2e3f4a5b6c7d8e9"),
                              QStringLiteral("--style"), QStringLiteral("Fusion")}));
    // This display has no tray host: one notice, and the log says so.
    const QString title = QStringLiteral("Mirelo is running without a tray icon");
    EXPECT_TRUE(PrivateBus::waitFor([&] { return world.notificationCount(title) >= 1; }));
    EXPECT_EQ(world.notificationCount(title), 1);
    EXPECT_TRUE(world.logText().contains(QStringLiteral("No system tray available")));
    // A tray that appears later gets the icon, embedded in it, as soon as it announces itself;
    // one that goes and comes back gets it again.
    auto iconDocked = [&] {
        QString panel;
        world.runX11(QStringLiteral("xwininfo"),
                     {QStringLiteral("-name"), QStringLiteral("panel"), QStringLiteral("-tree")}, &panel);
        return panel.contains(QLatin1String("\"Mirelo\""));
    };
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        QProcess tray;
        tray.setProcessEnvironment(world.environment());
        tray.start(QStringLiteral("trayer"), {});
        EXPECT_TRUE(PrivateBus::waitFor(iconDocked, 8000));
        tray.terminate();
        tray.waitForFinished(3000);
        QThread::msleep(300);
    }
    EXPECT_TRUE(world.logText().contains(QStringLiteral("A system tray appeared")));

    QString out;
    EXPECT_EQ(world.client({QStringLiteral("-platform"), QStringLiteral("offscreen")}, &out), 0);
    EXPECT_EQ(out.trimmed(), QStringLiteral("Mirelo is already running."));
    EXPECT_EQ(world.client({QStringLiteral("--version")}, &out), 0);
    EXPECT_TRUE(out.startsWith(QStringLiteral("Mirelo ")));
}

TEST_F(ApplicationTest, OnlyTheChosenSourcesAreFetchedAndAZeroLengthPomodoroRunsAMinute)
{
    LoopbackHttpServer server;
    // The desktop's picture and the built-in quotes need no server: nothing is asked of the photo
    // or quote servers, at start or at a break.
    world.writePreferences({{"Wallpaper", 0},
                            {"QuotesType", 2},
                            {"pomodoroKey", 0},
                            {"shortBreakKey", 2},
                            {"LaunchAtLogin", false},
                            {"UnsplashBaseURL", server.baseUrl()},
                            {"QuotesBaseURL", server.baseUrl()}});
    ASSERT_TRUE(world.launch());
    ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle "), 8000));
    server.waitForRequests(QStringLiteral("/photos/"), 1, 1500);
    QStringList asked;
    for (const auto& request : server.requests())
        asked << request.path();
    EXPECT_TRUE(asked.isEmpty()) << asked.join(QLatin1Char(' ')).toStdString();

    // A stored length of 0 runs as a minute instead of jumping into a break.
    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    QThread::msleep(1500);
    const QString status = world.status();
    EXPECT_TRUE(status.startsWith(QStringLiteral("working 00:5"))) << status.toStdString();
}

TEST_F(ApplicationTest, ClientWithoutARunningInstanceSaysSo)
{
    QString out, err;
    EXPECT_EQ(world.client({QStringLiteral("status")}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Mirelo is not running.")));
    EXPECT_EQ(world.client({QStringLiteral("dance")}, &out, &err), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("Usage: mirelo")));
}

#include "ApplicationTest.moc"
