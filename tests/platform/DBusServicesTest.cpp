#include "CycleFakes.h"
#include "FakeClock.h"
#include "LogCapture.h"
#include "ManualScheduler.h"
#include "PrivateBus.h"
#include "TestEnvironment.h"
#include "linux/DBusNotificationCenter.h"
#include "linux/LogindSleepMonitor.h"
#include "timer/Countdown.h"

#include <QSignalSpy>

namespace {
const QString notifyService = QStringLiteral("org.freedesktop.Notifications");
const QString notifyPath = QStringLiteral("/org/freedesktop/Notifications");
const QString logindService = QStringLiteral("org.freedesktop.login1");
const QString logindPath = QStringLiteral("/org/freedesktop/login1");
} // namespace

class DBusServicesTest : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        bus = std::make_unique<PrivateBus>();
        ASSERT_TRUE(bus->isRunning()) << "dbus-daemon did not start";
    }
    void TearDown() override
    {
        bus.reset();
        TestEnvironment::TearDown();
    }
    std::unique_ptr<PrivateBus> bus;
};

TEST_F(DBusServicesTest, NotificationIsPostedWithItsHintsAndClearedById)
{
    ASSERT_TRUE(bus->startTemplate(QStringLiteral("notification_daemon"), notifyService, false));
    DBusNotificationCenter center(bus->connection());
    QSignalSpy posted(&center, &DBusNotificationCenter::notificationPosted);

    center.postNotification(QStringLiteral("Last Minute!"), QStringLiteral("Almost time to take a break!"));
    center.postNotification(QStringLiteral("Second"), QStringLiteral("text"));
    ASSERT_TRUE(PrivateBus::waitFor([&] { return posted.count() == 2; }));
    EXPECT_EQ(center.postedIds().size(), 2);
    EXPECT_TRUE(log().contains(QStringLiteral("Will post notification: Notification(title: \"Last Minute!\", "
                                              "informativeText: \"Almost time to take a break!\")")));

    const auto notifies = bus->callArguments(notifyService, notifyPath, QStringLiteral("Notify"));
    ASSERT_EQ(notifies.size(), 2);
    EXPECT_EQ(notifies[0].value(3).toString(), QStringLiteral("Last Minute!"));
    EXPECT_EQ(notifies[0].value(4).toString(), QStringLiteral("Almost time to take a break!"));

    center.clearAllNotification();
    ASSERT_TRUE(PrivateBus::waitFor([&] {
        return bus->calledMethods(notifyService, notifyPath).count(QStringLiteral("CloseNotification")) == 2;
    }));
    EXPECT_TRUE(center.postedIds().isEmpty());
    EXPECT_TRUE(log().contains(QStringLiteral("Will removeAllDeliveredNotifications")));
}

TEST_F(DBusServicesTest, ClearBeforeTheReplyArrivesStillClosesTheNotification)
{
    ASSERT_TRUE(bus->startTemplate(QStringLiteral("notification_daemon"), notifyService, false));
    DBusNotificationCenter center(bus->connection());
    QSignalSpy posted(&center, &DBusNotificationCenter::notificationPosted);
    center.postNotification(QStringLiteral("Last Minute!"), QStringLiteral("x"));
    center.clearAllNotification(); // the Notify reply is still on its way
    ASSERT_TRUE(PrivateBus::waitFor([&] { return posted.count() == 1; }));
    ASSERT_TRUE(PrivateBus::waitFor([&] {
        return bus->calledMethods(notifyService, notifyPath).contains(QStringLiteral("CloseNotification"));
    }));
    EXPECT_TRUE(center.postedIds().isEmpty());
}

TEST_F(DBusServicesTest, MissingNotificationServerNeverBlocksAndIsLogged)
{
    DBusNotificationCenter center(bus->connection());
    QSignalSpy posted(&center, &DBusNotificationCenter::notificationPosted);
    center.postNotification(QStringLiteral("Last Minute!"), QStringLiteral("x"));
    EXPECT_EQ(center.pendingPosts(), 1); // returned at once
    ASSERT_TRUE(PrivateBus::waitFor([&] { return posted.count() == 1; }));
    EXPECT_FALSE(posted.first().at(0).toBool());
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Failed to post notification: ")));
    center.clearAllNotification();
}

TEST_F(DBusServicesTest, LogindPrepareForSleepPausesAndResumesTheCountdown)
{
    ASSERT_TRUE(bus->startTemplate(QStringLiteral("logind"), logindService, true));
    LogindSleepMonitor monitor(bus->connection());
    ASSERT_TRUE(monitor.isConnected());
    QSignalSpy sleeps(&monitor, &SleepMonitor::willSleep);
    QSignalSpy wakes(&monitor, &SleepMonitor::didWake);

    FakeClock clock;
    ManualScheduler scheduler(&clock);
    Countdown timer(clock, scheduler, &monitor);
    timer.start(30, [] {});
    scheduler.advance(5000);

    ASSERT_TRUE(bus->emitSignal(logindService, logindPath, QStringLiteral("org.freedesktop.login1.Manager"),
                                QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {true}));
    ASSERT_TRUE(PrivateBus::waitFor([&] { return sleeps.count() == 1; }));
    EXPECT_FALSE(timer.isRunning());
    EXPECT_TRUE(timer.timerPausedBySleepEvent());

    ASSERT_TRUE(bus->emitSignal(logindService, logindPath, QStringLiteral("org.freedesktop.login1.Manager"),
                                QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {false}));
    ASSERT_TRUE(PrivateBus::waitFor([&] { return wakes.count() == 1; }));
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.currentTime.value(), 25);
}

TEST(LogindSleepMonitorTest, NoBusIsReportedAndHarmless)
{
    LogindSleepMonitor monitor(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                             QStringLiteral("no-such-bus")));
    EXPECT_FALSE(monitor.isConnected());
    QDBusConnection::disconnectFromBus(QStringLiteral("no-such-bus"));
}

TEST_F(DBusServicesTest, ANotificationsButtonRunsItsActionOnceAndOnlyForItsOwnId)
{
    ASSERT_TRUE(bus->startTemplate(QStringLiteral("notification_daemon"), notifyService, false));
    DBusNotificationCenter center(bus->connection());
    QSignalSpy posted(&center, &DBusNotificationCenter::notificationPosted);
    int invoked = 0;
    center.postNotificationWithAction(QStringLiteral("Welcome back"), QStringLiteral("text"),
                                      {QStringLiteral("Start a Pomodoro"), [&] { ++invoked; }});
    ASSERT_TRUE(PrivateBus::waitFor([&] { return posted.count() == 1; }));
    const uint id = posted.first().at(1).toUInt();
    const auto notifies = bus->callArguments(notifyService, notifyPath, QStringLiteral("Notify"));
    ASSERT_EQ(notifies.size(), 1);
    EXPECT_EQ(notifies[0].value(5).toStringList(),
              (QStringList{QStringLiteral("mirelo-action"), QStringLiteral("Start a Pomodoro")}));

    auto invoke = [&](uint which, const QString& key) {
        return bus->emitSignal(notifyService, notifyPath, QStringLiteral("org.freedesktop.Notifications"),
                               QStringLiteral("ActionInvoked"), QStringLiteral("us"), {which, key});
    };
    // Another program's notification, another key, then ours twice (a server that keeps it).
    ASSERT_TRUE(invoke(id + 100, QStringLiteral("mirelo-action")));
    ASSERT_TRUE(invoke(id, QStringLiteral("default")));
    ASSERT_TRUE(invoke(id, QStringLiteral("mirelo-action")));
    ASSERT_TRUE(invoke(id, QStringLiteral("mirelo-action")));
    PrivateBus::waitFor([&] { return invoked > 1; }, 1000);
    EXPECT_EQ(invoked, 1);
}
