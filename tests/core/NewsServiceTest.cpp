#include "ContentTestSupport.h"
#include "content/NewsService.h"

#include <QSignalSpy>

namespace {
const QString feedPath = QStringLiteral("/latestnews.json");
const QByteArray feed8 = R"({"news":[{"id":8,"title":"Mirelo 2","url":"https://example.org/8"},{"id":3,"title":"Old","url":"https://example.org/3"}]})";
} // namespace

class NewsServiceTest : public ContentFixture
{
protected:
    NewsService& service()
    {
        if (!instance)
            instance = std::make_unique<NewsService>(*prefs, clock, nullptr, quickLimits());
        return *instance;
    }
    QString confFile() const { return dataFolder() + QStringLiteral("/news.conf"); }
    NewsConf storedConf() const { return NewsConf::fromJson(readFile(confFile())).value_or(NewsConf{-1, -1, {}}); }

    // Runs the start-up check to its end; the announcements handed to the window.
    QList<News> checkNews()
    {
        QList<News> shown;
        log().clear();
        service().checkNews([&shown](const News& news) { shown << news; });
        EXPECT_TRUE(waitUntil([this] {
            return log().contains(QStringLiteral("News checked.")) || log().contains(QStringLiteral("Check news failed."));
        }));
        return shown;
    }

    std::unique_ptr<NewsService> instance;
};

TEST_F(NewsServiceTest, NoFetchWithinOneDayAndOneSecond)
{
    server->route(feedPath, LoopbackHttpServer::Response::json(feed8));
    writeFile(confFile(), NewsConf{clock.now().toSecsSinceEpoch() - 86400, 0, {}}.toJson());
    EXPECT_TRUE(checkNews().isEmpty());
    EXPECT_TRUE(log().contains(QStringLiteral("Checking news…")));
    EXPECT_TRUE(log().contains(QStringLiteral("No need to auto update")));
    EXPECT_TRUE(log().contains(QStringLiteral("No unread news.")));
    EXPECT_FALSE(service().latestNews());
    EXPECT_TRUE(server->requests().empty());

    clock.advanceSeconds(1);
    EXPECT_EQ(checkNews().size(), 1);
    EXPECT_EQ(server->requestCount(feedPath), 1);
}

TEST_F(NewsServiceTest, UnreadAnnouncementIsShownOnceAndRemembered)
{
    server->route(feedPath, LoopbackHttpServer::Response::json(feed8));
    writeFile(confFile(), NewsConf{0, 7, {}}.toJson());
    const QList<News> shown = checkNews();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], (News{8, QStringLiteral("Mirelo 2"), QStringLiteral("https://example.org/8")}));
    EXPECT_TRUE(log().contains(QStringLiteral("Will fetch news.")));
    EXPECT_TRUE(log().contains(QStringLiteral("data length: ") + QString::number(feed8.size())));
    EXPECT_TRUE(log().contains(QStringLiteral("Has unread news.")));
    EXPECT_EQ(storedConf().lastTime, clock.now().toSecsSinceEpoch());
    EXPECT_EQ(storedConf().newsResult, QString::fromUtf8(feed8));

    service().markAsRead(shown[0]);
    EXPECT_EQ(storedConf().lastReadID, 8);
    instance.reset();
    clock.advanceSeconds(2 * 86400);
    EXPECT_TRUE(checkNews().isEmpty());
    EXPECT_TRUE(log().contains(QStringLiteral("No unread news.")));
}

TEST_F(NewsServiceTest, EmptyFeedStampsTheCheckAndShowsNothing)
{
    server->route(feedPath, LoopbackHttpServer::Response::json(R"({"news":[]})"));
    EXPECT_TRUE(checkNews().isEmpty());
    EXPECT_FALSE(service().latestNews());
    EXPECT_EQ(service().config().lastTime, clock.now().toSecsSinceEpoch());
    EXPECT_TRUE(log().contains(QStringLiteral("No unread news.")));
}

TEST_F(NewsServiceTest, BrokenFeedsFailWithoutStamping)
{
    LoopbackHttpServer::Response refused;
    refused.mode = LoopbackHttpServer::Response::Mode::hangUp;
    server->route(
        feedPath,
        {LoopbackHttpServer::Response::json(R"({"news":[{"id":9,"title":"No address"}]})"),
         LoopbackHttpServer::Response::json(R"({"news":[{"id":9.5,"title":"t","url":"u"}]})"),
         LoopbackHttpServer::Response::json(R"({"items":[]})"),
         // A proxy's error page that happens to be valid news is still an error.
         LoopbackHttpServer::Response::json(R"({"news":[{"id":9,"title":"t","url":"https://a.test"}]})", 404),
         LoopbackHttpServer::Response::text("\xff\xfe{", "application/json"), refused});
    const QStringList expected{
        QStringLiteral("Decode json error: keyNotFound: news[0].url"),
        QStringLiteral("Decode json error: typeMismatch: news[0].id is not an integer"),
        QStringLiteral("Decode json error: keyNotFound: news"),
        QStringLiteral("Error: HTTP status 404"),
        QStringLiteral("Decode json error: "),
        QStringLiteral("response data nil.")};
    for (int i = 0; i < expected.size(); ++i) {
        const QString& text = expected[i];
        EXPECT_TRUE(checkNews().isEmpty());
        if (i == 4) {
            EXPECT_TRUE(log().contains(QStringLiteral("json: "))) << "invalid UTF-8 is logged as \"\"";
        }
        EXPECT_TRUE(log().anyStartsWith(text)) << text.toStdString();
        EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Check news failed.")));
        EXPECT_EQ(service().config().lastTime, 0);
        EXPECT_FALSE(QFileInfo::exists(confFile()));
        EXPECT_FALSE(service().isFetching());
    }
    EXPECT_EQ(tracker->names().count(QStringLiteral("checkNewsFailed")), expected.size());
}

TEST_F(NewsServiceTest, ASecondCheckWhileFetchingSendsNothing)
{
    LoopbackHttpServer::Response held = LoopbackHttpServer::Response::json(feed8);
    held.held = true;
    server->route(feedPath, held);
    int firstDone = 0, secondDone = 0;
    service().checkNewsIfNeeded(false,
                                [&](std::optional<ServiceError> error) { firstDone += error ? 100 : 1; });
    ASSERT_TRUE(server->waitForRequests(feedPath, 1));
    service().checkNewsIfNeeded(true,
                                [&](std::optional<ServiceError> error) { secondDone += error ? 100 : 1; });
    EXPECT_TRUE(log().contains(QStringLiteral("Force check news.")));
    EXPECT_TRUE(log().contains(QStringLiteral("Already fetching news.")));
    EXPECT_EQ(secondDone, 1);
    server->releaseHeld();
    ASSERT_TRUE(waitUntil([&] { return firstDone == 1; }));
    EXPECT_EQ(server->requestCount(feedPath), 1);
    EXPECT_EQ(service().latestNews()->id, 8);
}

TEST_F(NewsServiceTest, UnreadableConfigurationIsRemoved)
{
    for (const QByteArray& bytes : {QByteArray("\x00\x01garbage", 9), QByteArray(R"({"lastTime":"now"})"),
                                   QByteArray(R"({"lastReadID":true})"), QByteArray(R"({"newsResult":5})"),
                                   QByteArray(R"({"lastTime":12)"), QByteArray("[1,2]")}) {
        writeFile(confFile(), bytes);
        log().clear();
        instance.reset();
        service();
        EXPECT_TRUE(log().contains(QStringLiteral("Read from conf file failed, will remove conf file")))
            << bytes.toStdString();
        EXPECT_FALSE(QFileInfo::exists(confFile()));
        EXPECT_EQ(service().config(), NewsConf{});
    }
    instance.reset();
    log().clear();
    service();
    EXPECT_TRUE(log().contains(QStringLiteral("Wallpaper config file not exist")));
}

TEST_F(NewsServiceTest, OnlyWebAddressesArePagesToShow)
{
    EXPECT_EQ((News{1, {}, QStringLiteral("https://mirelo.org/news/1")}).pageUrl(),
              QUrl(QStringLiteral("https://mirelo.org/news/1")));
    for (const char* address : {"file:///etc/passwd", "javascript:alert(1)", "qrc:/x", "not a url", ""})
        EXPECT_TRUE((News{1, {}, QString::fromLatin1(address)}).pageUrl().isEmpty()) << address;
}
