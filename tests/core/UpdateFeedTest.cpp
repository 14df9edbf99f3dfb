#include "ContentTestSupport.h"
#include "CycleFakes.h"
#include "ManualScheduler.h"
#include "update/AppcastUpdater.h"
#include "update/ReleaseStage.h"

#include <QSignalSpy>

namespace {

QByteArray appcast(const QByteArray& items)
{
    return R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.example.org/xml-namespaces/appcast">
  <channel>
    <title>Mirelo</title>
)" + items + R"(
  </channel>
</rss>)";
}

const QByteArray releases = appcast(R"(
    <item>
      <title>Version 1.5</title>
      <link>https://mirelo.org/releases/1.5</link>
      <enclosure url="https://downloads.mirelo.org/mirelo-1.5.tar.gz" sparkle:version="7"
                 sparkle:shortVersionString="1.5" length="10" type="application/octet-stream"/>
    </item>
    <item>
      <title>Version 1.6</title>
      <sparkle:version>12</sparkle:version>
      <sparkle:shortVersionString>1.6</sparkle:shortVersionString>
      <enclosure url="https://downloads.mirelo.org/mirelo-1.6.tar.gz" length="10" type="application/octet-stream"/>
    </item>
    <item><title>Release notes only</title><description>&lt;b&gt;no enclosure&lt;/b&gt;</description></item>
    <item><title>Version 1.1</title><enclosure url="https://downloads.mirelo.org/old" sparkle:version="2"/></item>)");

} // namespace

class UpdateFeedTest : public ContentFixture
{
protected:
    AppcastUpdater& updater(const QString& buildVersion = QStringLiteral("5"))
    {
        if (!instance) {
            instance = std::make_unique<AppcastUpdater>(*prefs, scheduler, notifications, nullptr, quickLimits(),
                                                        AppcastUpdater::BuildVersion{buildVersion, QStringLiteral("1.4")});
        }
        return *instance;
    }
    bool checked()
    {
        QSignalSpy spy(&updater(), &AppcastUpdater::checkFinished);
        return spy.wait(5000);
    }

    ManualScheduler scheduler;
    FakeNotificationCenter notifications;
    std::unique_ptr<AppcastUpdater> instance;
};

TEST_F(UpdateFeedTest, TheStoredStageChoosesTheFeed)
{
    const QString base = server->baseUrl() + QLatin1Char('/');
    EXPECT_EQ(xmlURL(*prefs), base + QStringLiteral("appcast-beta.xml"));
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("default stage: Unknown")));
    EXPECT_TRUE(log().contains(QStringLiteral("current release stage: ") + Log::buildInfo().releaseStage));

    const std::vector<std::pair<int, QString>> stages{{1, QStringLiteral("appcast.xml")},
                                                      {2, QStringLiteral("appcast-beta.xml")},
                                                      {3, QStringLiteral("appcast-nightly.xml")},
                                                      {4, QStringLiteral("appcast-debug.xml")},
                                                      {5, QStringLiteral("appcast-beta.xml")},
                                                      {7, QStringLiteral("appcast-beta.xml")},
                                                      {-1, QStringLiteral("appcast-beta.xml")}};
    for (const auto& [stored, file] : stages) {
        prefs->setValue(PreferKey::checkUpdateForStage, stored);
        EXPECT_EQ(xmlURL(*prefs), base + file) << stored;
    }
    prefs->setValue(PreferKey::checkUpdateForStage, 3);
    xmlURL(*prefs);
    EXPECT_TRUE(log().contains(QStringLiteral("default stage: Nightly Build")));
}

TEST_F(UpdateFeedTest, ChecksEveryTwelveHoursWithoutAskingAndMentionsANewBuildOnce)
{
    server->route(QStringLiteral("/appcast-beta.xml"), LoopbackHttpServer::Response::text(releases, "application/rss+xml"));
    updater().setupUpdater();
    EXPECT_TRUE(log().contains(QStringLiteral("setupUpdater")));
    EXPECT_TRUE(log().contains(QStringLiteral("Update info url: ") + server->baseUrl() + QStringLiteral("/appcast-beta.xml")));
    EXPECT_TRUE(updater().automaticallyChecksForUpdates());
    EXPECT_FALSE(updater().updaterShouldPromptForPermissionToCheckForUpdates());

    scheduler.advance(AppcastUpdater::firstCheckDelay.count());
    ASSERT_TRUE(checked());
    EXPECT_EQ(server->requestCount(QStringLiteral("/appcast-beta.xml")), 1);
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("didFinishLoading appcast: ")));
    EXPECT_TRUE(log().anyContains(QStringLiteral("didFindValidUpdate item: ")));
    EXPECT_TRUE(log().anyContains(QStringLiteral("version: 12")));
    EXPECT_TRUE(log().anyContains(QStringLiteral(" fileURL: https://downloads.mirelo.org/mirelo-1.6.tar.gz")));
    EXPECT_EQ(tracker->names().count(QStringLiteral("CFUDidFindValidUpdate")), 1);
    EXPECT_EQ(notifications.posted, QStringList{QStringLiteral("A new version of Mirelo is available")});

    scheduler.advance(qint64(AppcastUpdater::updateCheckInterval) * 1000 - 1);
    EXPECT_EQ(server->requestCount(QStringLiteral("/appcast-beta.xml")), 1);
    scheduler.advance(1);
    ASSERT_TRUE(checked());
    EXPECT_EQ(server->requestCount(QStringLiteral("/appcast-beta.xml")), 2);
    EXPECT_EQ(notifications.posted.size(), 1) << "an automatic check mentions a version once";

    updater().checkForUpdates();
    ASSERT_TRUE(checked());
    EXPECT_EQ(notifications.posted.size(), 2) << "the menu's check always answers";

    // The next start knows the build was mentioned already; only a newer one is mentioned.
    instance.reset();
    prefs = std::make_unique<Preferences>(Preferences::defaultFilePath());
    updater().setupUpdater();
    scheduler.advance(AppcastUpdater::firstCheckDelay.count());
    ASSERT_TRUE(checked());
    EXPECT_EQ(notifications.posted.size(), 2);
    server->route(
        QStringLiteral("/appcast-beta.xml"),
        LoopbackHttpServer::Response::text(
            appcast(R"(<item><enclosure url="https://downloads.mirelo.org/m" sparkle:version="13"/></item>)"),
            "application/rss+xml"));
    scheduler.advance(qint64(AppcastUpdater::updateCheckInterval) * 1000);
    ASSERT_TRUE(checked());
    EXPECT_EQ(notifications.posted.size(), 3);
}

TEST_F(UpdateFeedTest, UpToDateAndFailedChecksAnswerOnlyTheUser)
{
    server->route(QStringLiteral("/appcast-beta.xml"),
                  {LoopbackHttpServer::Response::text(releases, "application/rss+xml"),
                   LoopbackHttpServer::Response::text(releases, "application/rss+xml"),
                   LoopbackHttpServer::Response::text("<rss><channel><item>", "application/rss+xml"),
                   LoopbackHttpServer::Response::text("<html>down</html>", "text/html", 502)});
    updater(QStringLiteral("12")).setupUpdater();
    updater().checkForUpdatesInBackground();
    ASSERT_TRUE(checked());
    EXPECT_TRUE(log().contains(QStringLiteral("updaterDidNotFindUpdate")));
    EXPECT_TRUE(notifications.posted.isEmpty());

    updater().checkForUpdates();
    ASSERT_TRUE(checked());
    EXPECT_EQ(notifications.posted, QStringList{QStringLiteral("You're up to date!")});

    updater().checkForUpdatesInBackground();
    ASSERT_TRUE(checked());
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Update check failed: ")));
    EXPECT_EQ(notifications.posted.size(), 1);

    updater().checkForUpdates();
    ASSERT_TRUE(checked());
    EXPECT_TRUE(log().contains(QStringLiteral("Update check failed: HTTP status 502")));
    EXPECT_EQ(notifications.posted.last(), QStringLiteral("Update Error!"));
    EXPECT_FALSE(tracker->names().contains(QStringLiteral("CFUDidFindValidUpdate")));

    // No server at all, as offline: the user is told what that means and what to do.
    server.reset();
    updater().checkForUpdates();
    ASSERT_TRUE(checked());
    EXPECT_TRUE(
        notifications.texts.last().startsWith(QStringLiteral("The update server could not be reached.")))
        << notifications.texts.last().toStdString();
}

TEST_F(UpdateFeedTest, FeedsAreReadStrictlyAndVersionsComparedAsNumbers)
{
    QString error;
    const auto parsed = Appcast::parse(releases, &error);
    ASSERT_TRUE(parsed) << error.toStdString();
    EXPECT_EQ(parsed->title, QStringLiteral("Mirelo"));
    ASSERT_EQ(parsed->items.size(), 3); // the item without a version is left out
    EXPECT_EQ(parsed->items[0].displayVersionString, QStringLiteral("1.5"));
    EXPECT_EQ(parsed->items[0].infoURL, QStringLiteral("https://mirelo.org/releases/1.5"));
    EXPECT_EQ(parsed->newestItem()->version, QStringLiteral("12"));
    EXPECT_EQ(parsed->newestItem()->displayVersionString, QStringLiteral("1.6"));

    for (const QByteArray& bad : {QByteArray(), QByteArray("<rss><channel>"), QByteArray("<feed></feed>"),
                                  QByteArray("<rss></rss>"), QByteArray("not xml at all"),
                                  QByteArray("<rss><channel></channel></rss><rss/>")}) {
        EXPECT_FALSE(Appcast::parse(bad, &error)) << bad.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_TRUE(Appcast::parse(appcast(""), &error)->items.isEmpty());

    EXPECT_GT(compareVersions(QStringLiteral("1.10"), QStringLiteral("1.9")), 0);
    EXPECT_EQ(compareVersions(QStringLiteral("2"), QStringLiteral("2.0")), 0);
    EXPECT_GT(compareVersions(QStringLiteral("1.0"), QStringLiteral("1.0b1")), 0);
    EXPECT_LT(compareVersions(QStringLiteral("1.0b1"), QStringLiteral("1.0b2")), 0);
    EXPECT_GT(compareVersions(QStringLiteral("100000000000000000000001"), QStringLiteral("99")), 0);
    EXPECT_LT(compareVersions(QStringLiteral("007"), QStringLiteral("12")), 0);
}
