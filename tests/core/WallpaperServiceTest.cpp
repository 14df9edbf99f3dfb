#include "ContentTestSupport.h"
#include "content/WallpaperCache.h"
#include "content/WallpaperService.h"
#include "settings/DataFolder.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QThread>

namespace {

const QString listPath = QStringLiteral("/photos/");

QJsonObject photo(const QString& full, const QString& name)
{
    return QJsonObject{{QStringLiteral("id"), QStringLiteral("x")},
                       {QStringLiteral("urls"), QJsonObject{{QStringLiteral("full"), full}}},
                       {QStringLiteral("user"), QJsonObject{{QStringLiteral("name"), name}}}};
}

QByteArray listOf(const QJsonArray& items)
{
    return QJsonDocument(items).toJson(QJsonDocument::Compact);
}

} // namespace

class WallpaperServiceTest : public ContentFixture
{
protected:
    WallpaperService& service()
    {
        if (!instance)
            instance = std::make_unique<WallpaperService>(*prefs, clock, nullptr, quickLimits());
        return *instance;
    }
    QString confFile() const { return dataFolder() + QStringLiteral("/wallpapers.conf"); }
    QString imageUrl(const QString& name) const { return server->baseUrl() + QStringLiteral("/img/") + name; }
    void writeConf(const WallpaperConf& conf) { writeFile(confFile(), conf.toJson()); }
    void cache(const QString& name, const QByteArray& bytes) { writeFile(wallpaperFolder() + name, bytes); }
    QStringList cached() const
    {
        QStringList names = QDir(wallpaperFolder()).entryList(QDir::Files | QDir::Hidden);
        names.sort();
        return names;
    }
    bool waitForPass()
    {
        return waitUntil([this] { return !service().isDownloading(); });
    }
    bool waitForUpdate()
    {
        QSignalSpy spy(&service(), &WallpaperService::updateFinished);
        return spy.wait(5000);
    }
    std::optional<QImage> loadImage(const QString& hash)
    {
        std::optional<QImage> delivered;
        bool done = false;
        service().wallpaperImage(hash, [&](std::optional<QImage> image) {
            EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
            delivered = std::move(image);
            done = true;
        });
        EXPECT_TRUE(waitUntil([&] { return done; }));
        return delivered;
    }

    std::unique_ptr<WallpaperService> instance;
};

TEST_F(WallpaperServiceTest, ListIsFetchedOnFirstStartAndThenAfterOneDayAndOneSecond)
{
    server->route(listPath, LoopbackHttpServer::Response::json(listOf({photo(imageUrl("1"), "Ann")})));
    service();
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("Wallpaper config file not exist")));
    EXPECT_TRUE(log().contains(QStringLiteral("No wallpaper available")));
    service().checkUpdateIfNeeded();
    service().checkUpdateIfNeeded();
    EXPECT_TRUE(log().contains(QStringLiteral("Update wallpaper……")));
    EXPECT_TRUE(log().contains(QStringLiteral("Is updating…")));
    ASSERT_TRUE(waitForUpdate());
    ASSERT_EQ(server->requestCount(listPath), 1);
    EXPECT_EQ(server->requests()[0].target,
              QByteArray(QByteArray("/photos/?client_id=") + WallpaperService::clientId + "&order_by=latest"));

    const qint64 now = clock.now().toSecsSinceEpoch();
    instance.reset();
    writeConf(WallpaperConf{now - 86400, {}});
    service().checkUpdateIfNeeded();
    EXPECT_TRUE(log().contains(QStringLiteral("No need to auto update")));
    EXPECT_EQ(server->requestCount(listPath), 1);

    clock.advanceSeconds(1);
    service().checkUpdateIfNeeded();
    ASSERT_TRUE(waitForUpdate());
    EXPECT_EQ(server->requestCount(listPath), 2);
}

TEST_F(WallpaperServiceTest, UnreadableConfigurationIsRemovedAndStartsEmpty)
{
    const std::vector<QByteArray> bad{
        "garbage",
        "",
        R"({"lastTime": 1700000000, "wallpapers": [{"url": "https://a/1", "urlHa)",
        R"({"lastTime": "yesterday", "wallpapers": []})",
        R"({"lastTime": 1.5})",
        R"({"wallpapers": {}})",
        R"({"wallpapers": [7]})",
        R"({"wallpapers": [{"url": 5}]})",
        R"([{"url": "https://a/1"}])",
    };
    for (const QByteArray& bytes : bad) {
        writeFile(confFile(), bytes);
        log().clear();
        instance.reset();
        service();
        EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Read from conf file failed, will remove conf file")))
            << bytes.toStdString();
        EXPECT_FALSE(QFileInfo::exists(confFile())) << bytes.toStdString();
        EXPECT_EQ(service().config(), WallpaperConf{}) << bytes.toStdString();
    }
    // Missing keys are not damage: they read as their initial values.
    writeFile(confFile(), R"({"wallpapers": [{"url": "https://a/1"}]})");
    instance.reset();
    EXPECT_EQ(service().config().lastTime, 0);
    ASSERT_EQ(service().config().wallpapers.size(), 1);
    EXPECT_EQ(service().config().wallpapers[0].author, QString());
    EXPECT_TRUE(QFileInfo::exists(confFile()));
}

TEST_F(WallpaperServiceTest, UnusableElementsAreSkippedAndTheRestIsCachedInOrder)
{
    server->route(QStringLiteral("/img/1"), LoopbackHttpServer::Response::text(jpeg(40, 30), "image/jpeg"));
    server->route(QStringLiteral("/img/3"), LoopbackHttpServer::Response::text(jpeg(40, 30), "image/jpeg"));
    const QJsonArray list{
        photo(imageUrl("1"), "Ann"),
        QJsonObject{{QStringLiteral("urls"), QJsonObject{{QStringLiteral("full"), imageUrl("2")}}}},
        QJsonObject{{QStringLiteral("urls"), QJsonObject{{QStringLiteral("regular"), imageUrl("2")}}},
                    {QStringLiteral("user"), QJsonObject{{QStringLiteral("name"), QStringLiteral("Bob")}}}},
        photo(QStringLiteral("file:///etc/passwd"), "Eve"),
        photo(QStringLiteral("qrc:/quotes/velmoro.json"), "Eve"),
        photo(QStringLiteral("/img/relative"), "Eve"),
        QJsonObject{{QStringLiteral("urls"), QJsonObject{{QStringLiteral("full"), 5}}},
                    {QStringLiteral("user"), QJsonObject{{QStringLiteral("name"), QStringLiteral("Num")}}}},
        photo(imageUrl("3"), "Cid"),
    };
    server->route(listPath, LoopbackHttpServer::Response::json(listOf(list)));
    cache(QStringLiteral("old"), jpeg(8, 8));

    service().update();
    ASSERT_TRUE(waitForUpdate());
    EXPECT_TRUE(log().contains(QStringLiteral("Wallpapers fetched, count: 8")));
    int skipped = 0;
    for (const QString& message : log().messages())
        skipped += message.startsWith(QStringLiteral("Can't parse JSON item ")) ? 1 : 0;
    EXPECT_EQ(skipped, 6);

    const QList<WallPaper> expected{{imageUrl("1"), md5(imageUrl("1")), QStringLiteral("Ann")},
                                    {imageUrl("3"), md5(imageUrl("3")), QStringLiteral("Cid")}};
    EXPECT_EQ(service().config().wallpapers, expected);
    EXPECT_EQ(service().author(md5(imageUrl("3"))), QStringLiteral("Cid"));

    ASSERT_TRUE(waitForPass());
    EXPECT_EQ(service().config().lastTime, clock.now().toSecsSinceEpoch());
    EXPECT_EQ(WallpaperConf::fromJson(readFile(confFile())), service().config());
    QStringList hashes{md5(imageUrl("1")), md5(imageUrl("3"))};
    hashes.sort();
    EXPECT_EQ(cached(), hashes) << "the old cache is gone, nothing half-written is left";
    EXPECT_EQ(server->requestCount(QStringLiteral("/img/1")), 1);
    EXPECT_EQ(server->requestCount(QStringLiteral("/img/2")), 0);
    EXPECT_EQ(server->requests().size(), 3u);
    EXPECT_TRUE(log().contains(QStringLiteral("Download completed.")));
    EXPECT_TRUE(service().downloadingHash().isEmpty());
}

TEST_F(WallpaperServiceTest, UnusableResponsesKeepTheListTheStampAndTheCache)
{
    server->route(QStringLiteral("/img/1"), LoopbackHttpServer::Response::text(jpeg(40, 30), "image/jpeg"));
    server->route(listPath,
                  {LoopbackHttpServer::Response::json(listOf({photo(imageUrl("1"), "Ann")})),
                   LoopbackHttpServer::Response::json(R"([{"urls":{}}, {"user":{"name":"x"}}])"),
                   LoopbackHttpServer::Response::json("[]"),
                   LoopbackHttpServer::Response::json(R"([1, {"urls":{"full":"http://a/b"},"user":{"name":"n"}}])"),
                   LoopbackHttpServer::Response::json(R"({"errors":["OAuth error: invalid client"]})", 401),
                   LoopbackHttpServer::Response::text("<html>busy</html>", "text/html", 503),
                   LoopbackHttpServer::Response::text("", "application/json")});
    service().update();
    ASSERT_TRUE(waitForUpdate());
    ASSERT_TRUE(waitForPass());
    const WallpaperConf good = service().config();
    const QByteArray stored = readFile(confFile());
    const QStringList files = cached();
    ASSERT_EQ(files.size(), 1);

    const QStringList expectedLogs{QStringLiteral("Result value in response is nil"),
                                   QStringLiteral("Result value in response is nil"),
                                   QStringLiteral("Result value in response is nil"),
                                   // An error status is no list, whatever its body.
                                   QStringLiteral("Fetch unsplash list failed: HTTP status 401"),
                                   QStringLiteral("Fetch unsplash list failed: HTTP status 503"),
                                   QStringLiteral("Fetch unsplash list failed: ")};
    for (const QString& expected : expectedLogs) {
        clock.advanceSeconds(2 * 86400);
        log().clear();
        QSignalSpy spy(&service(), &WallpaperService::updateFinished);
        service().checkUpdateIfNeeded();
        ASSERT_TRUE(spy.wait(5000));
        EXPECT_FALSE(spy.at(0).at(0).toBool());
        EXPECT_TRUE(log().anyStartsWith(expected)) << expected.toStdString();
        EXPECT_EQ(service().config(), good);
        EXPECT_EQ(readFile(confFile()), stored);
        EXPECT_EQ(cached(), files);
        EXPECT_FALSE(service().isUpdating());
    }
}

TEST_F(WallpaperServiceTest, AFullCacheSendsNothingAndAMissingPhotoIsFetchedLater)
{
    server->route(QStringLiteral("/img/2"), LoopbackHttpServer::Response::text(jpeg(20, 20), "image/jpeg"));
    const WallpaperConf conf{clock.now().toSecsSinceEpoch(),
                             {{imageUrl("1"), md5(imageUrl("1")), QStringLiteral("Ann")},
                              {imageUrl("2"), md5(imageUrl("2")), QStringLiteral("Bob")}}};
    writeConf(conf);
    cache(md5(imageUrl("1")), jpeg(8, 8));
    cache(md5(imageUrl("2")), jpeg(8, 8));
    service();
    EXPECT_FALSE(service().isDownloading());
    EXPECT_TRUE(server->requests().empty());

    QFile::remove(wallpaperFolder() + md5(imageUrl("2")));
    service().downloadImagesIfNeeded();
    EXPECT_TRUE(service().isDownloading());
    service().downloadImagesIfNeeded();
    EXPECT_TRUE(log().contains(QStringLiteral("Already downloading")));
    ASSERT_TRUE(waitForPass());
    EXPECT_EQ(server->requestCount(QStringLiteral("/img/2")), 1);
    EXPECT_TRUE(QFileInfo::exists(wallpaperFolder() + md5(imageUrl("2"))));
}

TEST_F(WallpaperServiceTest, FailedDownloadsLeaveNothingBehindAndEndThePass)
{
    LoopbackHttpServer::Response hangUp;
    hangUp.mode = LoopbackHttpServer::Response::Mode::hangUp;
    LoopbackHttpServer::Response truncated = LoopbackHttpServer::Response::text(jpeg(64, 64), "image/jpeg");
    truncated.mode = LoopbackHttpServer::Response::Mode::truncated;
    LoopbackHttpServer::Response endless;
    endless.mode = LoopbackHttpServer::Response::Mode::endless;
    server->route(QStringLiteral("/img/404"), LoopbackHttpServer::Response::text("<html>gone</html>", "text/html", 404));
    server->route(QStringLiteral("/img/hangup"), hangUp);
    server->route(QStringLiteral("/img/truncated"), truncated);
    server->route(QStringLiteral("/img/huge"), endless);
    server->route(QStringLiteral("/img/empty"), LoopbackHttpServer::Response::text("", "image/jpeg"));
    server->route(QStringLiteral("/img/good"), LoopbackHttpServer::Response::text(jpeg(16, 16), "image/jpeg"));
    WallpaperConf conf{clock.now().toSecsSinceEpoch(), {}};
    for (const char* name : {"404", "hangup", "truncated", "huge", "empty", "good"})
        conf.wallpapers.append({imageUrl(name), md5(imageUrl(name)), QStringLiteral("n")});
    // A hand-edited local address is refused, never copied.
    conf.wallpapers.append({QStringLiteral("file:///etc/hostname"), md5(QStringLiteral("file:///etc/hostname")), {}});
    writeConf(conf);

    QSignalSpy passes(&service(), &WallpaperService::downloadPassFinished);
    ASSERT_TRUE(passes.wait(5000));
    EXPECT_FALSE(service().isDownloading());
    EXPECT_TRUE(service().downloadingHash().isEmpty());
    EXPECT_EQ(cached(), QStringList{md5(imageUrl("good"))});
    EXPECT_TRUE(log().contains(QStringLiteral("Error: HTTP status 404")));
    EXPECT_TRUE(log().anyContains(QStringLiteral("exceeds 262144 bytes")));
    EXPECT_TRUE(log().contains(QStringLiteral("Response data empty.")));
    EXPECT_TRUE(log().anyContains(QStringLiteral("not an http(s) address")));
    EXPECT_EQ(log().count(QStringLiteral("Download completed.")), 1);

    // The next pass retries only what is missing.
    server->route(QStringLiteral("/img/404"), LoopbackHttpServer::Response::text(jpeg(16, 16), "image/jpeg"));
    service().downloadImagesIfNeeded();
    ASSERT_TRUE(passes.wait(5000));
    EXPECT_EQ(server->requestCount(QStringLiteral("/img/good")), 1);
    EXPECT_TRUE(QFileInfo::exists(wallpaperFolder() + md5(imageUrl("404"))));
}

TEST_F(WallpaperServiceTest, OldPhotosStayUntilTheNewListsAreOnDiskAndFailuresAreRetriedHourly)
{
    // Two days ago's list is cached, beside a link to a folder elsewhere.
    writeConf(WallpaperConf{clock.now().toSecsSinceEpoch() - 2 * 86400,
                            {{imageUrl("old"), md5(imageUrl("old")), {}}}});
    cache(md5(imageUrl("old")), jpeg(8, 8));
    const QString elsewhere = dataHome() + QStringLiteral("/elsewhere");
    writeFile(elsewhere + QStringLiteral("/keep.txt"), "not ours");
    ASSERT_TRUE(QFile::link(elsewhere, wallpaperFolder() + QStringLiteral("link")));
    QJsonArray list;
    for (int i = 0; i < 40; ++i)
        list.append(photo(imageUrl(QString::number(i)), QStringLiteral("P")));
    server->route(listPath, LoopbackHttpServer::Response::json(listOf(list)));
    server->setFallback(LoopbackHttpServer::Response::text("busy", "text/plain", 503));
    ContentLimits limits = quickLimits();
    limits.photoCacheBytes = 20 * jpeg(16, 16).size();
    instance = std::make_unique<WallpaperService>(*prefs, clock, nullptr, limits);
    service().checkUpdateIfNeeded();
    ASSERT_TRUE(waitForUpdate() && waitForPass());
    EXPECT_TRUE(log().contains(QStringLiteral("The photo list names 40 photos; keeping the first 30.")));
    EXPECT_EQ(server->requests().size(), 31u);
    EXPECT_EQ(service().config().lastTime, clock.now().toSecsSinceEpoch()) << "the downloads ran";
    EXPECT_EQ(cached(), QStringList{md5(imageUrl("old"))}) << "no new photo on disk: the old one stays";

    server->setFallback(LoopbackHttpServer::Response::text(jpeg(16, 16), "image/jpeg"));
    clock.advanceSeconds(WallpaperService::retryInterval - 1);
    service().checkUpdateIfNeeded();
    EXPECT_FALSE(service().isDownloading());
    clock.advanceSeconds(1);
    service().checkUpdateIfNeeded();
    ASSERT_TRUE(waitForPass());
    // The new photos replace the rest, the link removed but not followed, nothing copied
    // aside, and the oldest dropped for space are not fetched again.
    EXPECT_EQ(cached().size(), 20);
    EXPECT_FALSE(QFileInfo(wallpaperFolder() + QStringLiteral("link")).isSymLink());
    EXPECT_EQ(readFile(elsewhere + QStringLiteral("/keep.txt")), QByteArray("not ours"));
    EXPECT_TRUE(QDir(tempHome()).isEmpty());
    EXPECT_TRUE(
        log().contains(QStringLiteral("The photo cache was over %1 bytes: removed the 10 oldest photos.")
                           .arg(limits.photoCacheBytes)));
    service().downloadImagesIfNeeded();
    ASSERT_TRUE(waitForPass());
    EXPECT_EQ(server->requests().size(), 61u);
}

TEST_F(WallpaperServiceTest, OverItsSizeTheCacheDropsItsOldestPhotosFirst)
{
    // Names in another order than their ages, so that neither order stands in for the other.
    const QStringList oldestFirst{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("d"),
                                  QStringLiteral("b")};
    for (int i = 0; i < oldestFirst.size(); ++i) {
        cache(oldestFirst[i], QByteArray(100, 'x'));
        QFile file(wallpaperFolder() + oldestFirst[i]);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(clock.now().addSecs(60 * (i - 4)), QFileDevice::FileModificationTime));
    }
    // At exactly its size nothing goes; over it, the oldest go until the rest fill it exactly.
    EXPECT_TRUE(WallpaperCache(400).clearOldImages(wallpaperFolder(), oldestFirst).isEmpty());
    EXPECT_EQ(cached().size(), 4);
    EXPECT_EQ(WallpaperCache(200).clearOldImages(wallpaperFolder(), oldestFirst),
              (QStringList{QStringLiteral("c"), QStringLiteral("a")}));
    EXPECT_EQ(cached(), (QStringList{QStringLiteral("b"), QStringLiteral("d")}));
}

TEST_F(WallpaperServiceTest, AListArrivingDuringAPassIsStampedOnceItsOwnPassHasRun)
{
    LoopbackHttpServer::Response held = LoopbackHttpServer::Response::text(jpeg(16, 16), "image/jpeg");
    held.held = true;
    server->setFallback(held);
    const qint64 stamp = clock.now().toSecsSinceEpoch() - 2 * 86400;
    writeConf(WallpaperConf{stamp, {{imageUrl("a"), md5(imageUrl("a")), {}}}});
    server->route(listPath, LoopbackHttpServer::Response::json(listOf({photo(imageUrl("b"), "B")})));
    service().checkUpdateIfNeeded(); // while "a" is downloading
    ASSERT_TRUE(waitForUpdate());
    EXPECT_EQ(service().config().lastTime, stamp);
    ASSERT_TRUE(waitUntil([&] {
        server->releaseHeld();
        return !service().isDownloading() && cached() == QStringList{md5(imageUrl("b"))};
    }));
    EXPECT_EQ(service().config().lastTime, clock.now().toSecsSinceEpoch());
}

TEST_F(WallpaperServiceTest, PickersSkipTemporaryFilesAndTheBagCyclesWithoutRepeats)
{
    EXPECT_FALSE(service().randomWallpaperURLHash());
    EXPECT_TRUE(log().contains(QStringLiteral("File list count 0")));
    EXPECT_FALSE(service().nextRandomHash());

    for (const char* name : {"a", "b", "c.tmp"})
        cache(QString::fromLatin1(name), "x");
    QStringList files = service().fileListInWallpaperFolder();
    files.sort();
    EXPECT_EQ(files, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));

    for (int cycle = 0; cycle < 3; ++cycle) {
        QStringList drawn{service().nextRandomHash().value_or(QString()), service().nextRandomHash().value_or(QString())};
        drawn.sort();
        EXPECT_EQ(drawn, (QStringList{QStringLiteral("a"), QStringLiteral("b")})) << cycle;
    }
    EXPECT_EQ(log().count(QStringLiteral("Create new hash list. count: 2")), 3);
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(files.contains(service().randomWallpaperURLHash().value_or(QString())));
}

TEST_F(WallpaperServiceTest, FilesOlderThanThreeDaysAreRemovedAtCreation)
{
    const QDateTime now = clock.now();
    const std::vector<std::pair<QString, QDateTime>> files{
        {QStringLiteral("four-days"), now.addDays(-4)},
        {QStringLiteral("three-days"), now.addDays(-3)},
        {QStringLiteral("almost-four"), now.addDays(-4).addSecs(60)},
        {QStringLiteral("leftover.tmp"), now.addDays(-10)},
    };
    for (const auto& [name, modified] : files) {
        cache(name, "x");
        QFile file(wallpaperFolder() + name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    service();
    EXPECT_EQ(cached(), (QStringList{QStringLiteral("almost-four"), QStringLiteral("three-days")}));
    EXPECT_TRUE(log().contains(QStringLiteral("expiredFiles count: 2")));
    EXPECT_TRUE(log().contains(QStringLiteral("Deleted expiredFiles count: 2")));
    ASSERT_TRUE(tracker->names().contains(QStringLiteral("freeUpDiskSpace")));
    for (const auto& event : tracker->all()) {
        if (event.name == QStringLiteral("freeUpDiskSpace")) {
            EXPECT_EQ(event.properties.value(QStringLiteral("count")), QStringLiteral("2"));
        }
    }
}

TEST_F(WallpaperServiceTest, AnUndecodablePhotoIsReplacedByAnotherOnce)
{
    cache(QStringLiteral("good"), jpeg(64, 48));
    cache(QStringLiteral("bad"), "not an image at all");
    const auto image = loadImage(QStringLiteral("bad"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(64, 48));
    EXPECT_TRUE(log().contains(QStringLiteral("Loading image: 005")));
    EXPECT_TRUE(log().contains(QStringLiteral("Loading image: 006")));
    EXPECT_TRUE(QFileInfo::exists(wallpaperFolder() + QStringLiteral("bad")));

    // Two bad files: the fallback is deleted, the first stays, and no photo is delivered.
    instance.reset();
    QFile::remove(wallpaperFolder() + QStringLiteral("good"));
    cache(QStringLiteral("worse"), QByteArray(1000, '\xff'));
    EXPECT_FALSE(loadImage(QStringLiteral("bad")));
    EXPECT_TRUE(log().contains(QStringLiteral("Create image failed!")));
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("readImageFailed")));
    EXPECT_EQ(cached(), QStringList{QStringLiteral("bad")});

    // A name that tries to leave the cache folder is not read.
    writeFile(dataFolder() + QStringLiteral("/outside.jpg"), jpeg(8, 8));
    EXPECT_FALSE(loadImage(QStringLiteral("../outside.jpg")));
}

TEST_F(WallpaperServiceTest, PhotosAreDecodedJustLargeEnoughForTheLargestScreen)
{
    cache(QStringLiteral("wide"), jpeg(1000, 500));
    const std::vector<std::pair<QSize, QSize>> cases{
        {QSize(100, 50), QSize(125, 62)},   // an eighth covers it
        {QSize(400, 100), QSize(500, 250)}, // a quarter would not
        {QSize(501, 100), QSize(1000, 500)},
        {QSize(2000, 2000), QSize(1000, 500)}, // never enlarged
    };
    for (const auto& [screen, decoded] : cases) {
        service().setMaximumImageSize(screen);
        EXPECT_EQ(loadImage(QStringLiteral("wide")).value_or(QImage()).size(), decoded) << screen.width();
    }
}

TEST_F(WallpaperServiceTest, DestroyingTheServiceMidWayDeliversNothingAndJoinsItsThread)
{
    LoopbackHttpServer::Response late = LoopbackHttpServer::Response::text(jpeg(16, 16), "image/jpeg");
    late.delayMs = 30;
    server->setFallback(late);
    WallpaperConf conf{clock.now().toSecsSinceEpoch(), {}};
    for (int i = 0; i < 5; ++i)
        conf.wallpapers.append({imageUrl(QString::number(i)), md5(imageUrl(QString::number(i))), {}});
    writeConf(conf);
    cache(QStringLiteral("photo"), jpeg(300, 200));
    service();
    ASSERT_TRUE(server->waitForRequests(QStringLiteral("/img/0"), 1));
    int delivered = 0;
    for (int i = 0; i < 5; ++i)
        service().wallpaperImage(QStringLiteral("photo"), [&delivered](std::optional<QImage>) { ++delivered; });
    instance.reset();
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(delivered, 0);
}
