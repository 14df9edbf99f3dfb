#include "ContentTestSupport.h"
#include "CycleFakes.h"
#include "FakeLoginItems.h"
#include "ManualScheduler.h"
#include "content/QuoteService.h"
#include "content/WallpaperService.h"
#include "cycle/CycleController.h"
#include "records/TaskService.h"
#include "settings/DataFolder.h"
#include "settings/UserDefaults.h"
#include "timer/Countdown.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>

// A break end to end: the content services fed by a loopback server, the cycle controller
// on virtual time, the break windows recorded.
class ContentBreakTest : public ContentFixture
{
protected:
    ManualScheduler scheduler{&clock};
    FakeSleepMonitor sleepMonitor;
    FakeLoginItems loginItems;
    FakeNotificationCenter notifications;
    FakeBreakWindows windows;
    FakeImageSource images;
};

TEST_F(ContentBreakTest, ABreakShowsACachedPhotographAndAFetchedQuote)
{
    const QString photoA = server->baseUrl() + QStringLiteral("/img/a.jpg");
    const QString photoB = server->baseUrl() + QStringLiteral("/img/b.jpg");
    QJsonArray list;
    for (const auto& [url, name] : {std::pair{photoA, QStringLiteral("Ann")}, std::pair{photoB, QStringLiteral("Bo")}})
        list.append(QJsonObject{{QStringLiteral("urls"), QJsonObject{{QStringLiteral("full"), url}}},
                                {QStringLiteral("user"), QJsonObject{{QStringLiteral("name"), name}}}});
    server->route(QStringLiteral("/photos/"), LoopbackHttpServer::Response::json(QJsonDocument(list).toJson()));
    server->route(QStringLiteral("/img/a.jpg"), LoopbackHttpServer::Response::text(jpeg(120, 80, Qt::red), "image/jpeg"));
    server->route(QStringLiteral("/img/b.jpg"), LoopbackHttpServer::Response::text(jpeg(120, 80, Qt::blue), "image/jpeg"));
    server->route(QStringLiteral("/wp-json/wp/v2/posts/"),
                  LoopbackHttpServer::Response::json(R"([{"content":{"rendered":"<p>Rest &amp; return.</p>"}}])"));

    // The start-up steps, in their order.
    UserDefaults::setupUserDefaultsValues(*prefs, loginItems);
    WallpaperService wallpapers(*prefs, clock, nullptr, quickLimits());
    wallpapers.setMaximumImageSize(QSize(320, 200));
    QSignalSpy passes(&wallpapers, &WallpaperService::downloadPassFinished);
    wallpapers.checkUpdateIfNeeded();
    QuoteService quotes(*prefs, nullptr, quickLimits());
    QSignalSpy fetched(&quotes, &QuoteService::quotesFetched);
    quotes.setup();
    ASSERT_TRUE(passes.wait(5000));
    ASSERT_TRUE(fetched.count() > 0 || fetched.wait(5000));
    ASSERT_EQ(wallpapers.fileListInWallpaperFolder().size(), 2);

    Countdown timer(clock, scheduler, &sleepMonitor);
    TaskService tasks(*prefs, clock, DataFolder::databasePath());
    windows.screenList = {{QStringLiteral("L"), QRect(0, 0, 320, 200), 1.0, true},
                          {QStringLiteral("R"), QRect(320, 0, 160, 100), 1.0, false}};
    CycleControllerDependencies deps;
    deps.preferences = prefs.get();
    deps.clock = &clock;
    deps.scheduler = &scheduler;
    deps.timer = &timer;
    deps.tasks = &tasks;
    deps.notifications = &notifications;
    deps.breakWindows = &windows;
    deps.wallpapers = &wallpapers;
    deps.images = &images;
    deps.defaultImage = [] { return QImage(); };
    CycleController app(deps);

    app.startPomodoro();
    scheduler.advance(1500 * 1000);
    ASSERT_EQ(app.state.value(), CycleState::shortBreak);
    ASSERT_TRUE(waitUntil([this] { return windows.shown.size() == 2; }));
    EXPECT_EQ(images.desktopCalls, 0);
    // The main screen's window is shown last.
    const QString shownHash = windows.shown[1].hash;
    EXPECT_TRUE(shownHash == md5(photoA) || shownHash == md5(photoB)) << shownHash.toStdString();
    EXPECT_EQ(windows.shown[1].imageSize, QSize(320, 200));
    EXPECT_EQ(windows.shown[0].imageSize, QSize(160, 100));
    EXPECT_EQ(wallpapers.author(shownHash), shownHash == md5(photoA) ? QStringLiteral("Ann") : QStringLiteral("Bo"));
    EXPECT_EQ(quotes.nextQuote(), QStringLiteral("Rest & return."));

    // The next break draws the other photograph: the bag does not repeat within a cycle.
    scheduler.advance(300 * 1000);
    windows.handlers.didClickNextTimerHandler();
    scheduler.advance(1500 * 1000);
    ASSERT_TRUE(waitUntil([this] { return windows.shown.size() == 4; }));
    EXPECT_NE(windows.shown[3].hash, shownHash);
}
