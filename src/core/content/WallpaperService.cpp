#include "content/WallpaperService.h"

#include "content/ConfFile.h"
#include "content/SerialQueue.h"
#include "diagnostics/Log.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "timer/Clock.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QSaveFile>

WallpaperService::WallpaperService(Preferences& preferences, const Clock& clock,
                                   QNetworkAccessManager* network, ContentLimits limits, QObject* parent)
    : QObject(parent), kUnplashURL(UserDefaults::endpoint(preferences, EndpointKey::unsplash) +
                                   QStringLiteral("/photos/?client_id=") + QLatin1String(clientId) +
                                   QStringLiteral("&order_by=latest")),
      clock(clock), network(network ? network : new QNetworkAccessManager(this)), limits(limits),
      cache(limits.photoCacheBytes),
      diskQueue(std::make_unique<SerialQueue>("org.mirelo.Mirelo.wallpaper.diskQueue"))
{
    setupConfig();
    downloadImagesIfNeeded();
    freeUpDiskSpaceIfNeeded();
}

WallpaperService::~WallpaperService()
{
    // Join the disk thread before anything it uses goes away; what it posted to this object
    // is dropped with the object.
    diskQueue.reset();
}

void WallpaperService::setupConfig()
{
    const auto path = DataFolder::wallpaperConfPath();
    if (!path)
        return;
    conf = loadConfFile<WallpaperConf>(*path);
}

void WallpaperService::saveConfig(const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(conf.toJson()) < 0 || !file.commit())
        LOG_ERROR(QStringLiteral("Save wallpaper config file failed!"));
}

void WallpaperService::checkUpdateIfNeeded()
{
    const qint64 now = clock.now().toSecsSinceEpoch();
    // A list still waiting for its downloads is not fetched again meanwhile.
    if (now - conf.lastTime < updateInterval || pendingStamp) {
        LOG_INFO(QStringLiteral("No need to auto update"));
        if (lastPassFailed && !downloading && now - lastPassEnded >= retryInterval) {
            LOG_INFO(QStringLiteral("Retrying the photos that failed to download"));
            downloadImagesIfNeeded();
        }
        return;
    }
    update();
}

void WallpaperService::update()
{
    if (updating) {
        LOG_INFO(QStringLiteral("Is updating…"));
        return;
    }
    LOG_INFO(QStringLiteral("Update wallpaper……"));
    const auto path = DataFolder::wallpaperConfPath();
    if (!path)
        return;
    updating = true;
    HttpFetch::get(
        *network, QUrl(kUnplashURL), limits.list, this,
        [this, confPath = *path](const HttpResult& result) { handleListResponse(result, confPath); });
}

void WallpaperService::handleListResponse(const HttpResult& result, const QString& confPath)
{
    updating = false;
    if (!result.answered()) {
        LOG_ERROR(QStringLiteral("Fetch unsplash list failed: ") + result.error);
        Q_EMIT updateFinished(false);
        return;
    }
    if (!result.succeeded()) {
        LOG_ERROR(QStringLiteral("Fetch unsplash list failed: HTTP status ") +
                  QString::number(result.status));
        Q_EMIT updateFinished(false);
        return;
    }
    const PhotoList list = PhotoList::parse(result.body);
    if (list.status == PhotoList::Status::notJson) {
        LOG_ERROR(QStringLiteral("Fetch unsplash list failed: ") + list.error);
        Q_EMIT updateFinished(false);
        return;
    }
    if (list.status == PhotoList::Status::notObjectList) {
        LOG_ERROR(QStringLiteral("Result value in response is nil"));
        Q_EMIT updateFinished(false);
        return;
    }
    LOG_INFO(QStringLiteral("Wallpapers fetched, count: ") + QString::number(list.elementCount));
    for (const QString& item : list.skipped)
        LOG_ERROR(QStringLiteral("Can't parse JSON item ") + item);
    QList<WallPaper> photos = list.photos;
    if (photos.size() > limits.photosPerList) {
        LOG_WARNING(QStringLiteral("The photo list names %1 photos; keeping the first %2.")
                        .arg(photos.size())
                        .arg(limits.photosPerList));
        photos = photos.mid(0, limits.photosPerList);
    }
    for (const WallPaper& photo : photos)
        parsedUrls.append(photo.url);

    // Only a list that holds photos replaces the current one: an unusable answer must not
    // cost the user the cache they have.
    if (photos.isEmpty()) {
        LOG_ERROR(QStringLiteral("Result value in response is nil"));
        Q_EMIT updateFinished(false);
        return;
    }
    conf.wallpapers = photos;
    evictedForSpace.clear();
    // The day is stamped once this list's downloads have run: a list whose photos never came
    // is fetched again at the next break.
    pendingStamp = clock.now().toSecsSinceEpoch();
    saveConfig(confPath);
    if (downloading) {
        LOG_INFO(QStringLiteral("Downloading image, the new list follows this pass"));
        passForNewList = true;
    } else {
        downloadImagesIfNeeded();
    }
    Q_EMIT updateFinished(true);
}
void WallpaperService::downloadImagesIfNeeded()
{
    if (downloading) {
        LOG_INFO(QStringLiteral("Already downloading"));
        return;
    }
    if (conf.wallpapers.isEmpty()) {
        LOG_INFO(QStringLiteral("No wallpaper available"));
        return;
    }
    downloading = true;
    const quint64 pass = ++passNumber;
    {
        std::lock_guard lock(downloadingMutex);
        passHashes.clear();
        // Recomputed: the stored hash comes from a file a user can edit.
        for (const WallPaper& photo : conf.wallpapers)
            passHashes << md5(photo.url);
        passFailures = 0;
    }
    int started = 0;
    for (const WallPaper& photo : conf.wallpapers) {
        const QString hash = md5(photo.url);
        if (evictedForSpace.contains(hash))
            continue;
        const auto folder = DataFolder::wallpapersDirectory();
        if (!folder) {
            LOG_ERROR(QStringLiteral("Coundn't resolve file path"));
            continue;
        }
        const QString path = *folder + hash;
        if (QFileInfo::exists(path))
            continue;
        {
            std::lock_guard lock(downloadingMutex);
            if (inFlight.contains(hash)) {
                LOG_INFO(QStringLiteral("hash ") + hash + QStringLiteral(" is downloading, skip."));
                continue;
            }
            inFlight.append(hash);
        }
        ++started;
        HttpFetch::get(*network, QUrl(photo.url, QUrl::StrictMode), limits.image, this,
                       [this, hash, path, pass](const HttpResult& result) {
                           diskQueue->async([this, result, hash, path, pass] {
                               finishDownload(result, hash, path, pass);
                           });
                       });
    }
    if (started == 0) {
        downloading = false;
        diskQueue->async([this, pass] { endPass(pass, 0); });
    }
}

void WallpaperService::finishDownload(const HttpResult& result, const QString& hash, const QString& path,
                                      quint64 pass)
{
    const bool stored = WallpaperCache::store(result, path);

    bool lastOne = false;
    int failures = 0;
    {
        std::lock_guard lock(downloadingMutex);
        inFlight.removeAll(hash);
        if (!stored)
            ++passFailures;
        lastOne = inFlight.isEmpty();
        failures = passFailures;
    }
    if (lastOne) {
        LOG_INFO(QStringLiteral("Download completed."));
        endPass(pass, failures);
    }
}

void WallpaperService::endPass(quint64 pass, int failures)
{
    QStringList wanted;
    {
        std::lock_guard lock(downloadingMutex);
        wanted = passHashes;
    }
    const auto folder = DataFolder::wallpapersDirectory();
    const QStringList evicted = folder ? cache.clearOldImages(*folder, wanted) : QStringList();
    QMetaObject::invokeMethod(
        this, [this, pass, failures, evicted] { passFinished(pass, failures, evicted); },
        Qt::QueuedConnection);
}

void WallpaperService::passFinished(quint64 pass, int failures, const QStringList& evicted)
{
    evictedForSpace += evicted;
    // A pass that ended after another one began (an empty pass) leaves the running one alone.
    if (pass != passNumber)
        return;
    downloading = false;
    lastPassEnded = clock.now().toSecsSinceEpoch();
    lastPassFailed = failures > 0;
    if (passForNewList) {
        passForNewList = false;
        Q_EMIT downloadPassFinished();
        downloadImagesIfNeeded();
        return;
    }
    if (pendingStamp) {
        conf.lastTime = *pendingStamp;
        pendingStamp.reset();
        if (const auto path = DataFolder::wallpaperConfPath())
            saveConfig(*path);
    }
    Q_EMIT downloadPassFinished();
}

void WallpaperService::freeUpDiskSpaceIfNeeded()
{
    cache.freeUpDiskSpace(clock.now());
}

QStringList WallpaperService::fileListInWallpaperFolder()
{
    return cache.fileList();
}

std::optional<QString> WallpaperService::randomWallpaperURLHash()
{
    return cache.randomHash();
}

std::optional<QString> WallpaperService::nextRandomHash()
{
    return cache.nextRandomHash();
}

void WallpaperService::wallpaperImage(const QString& hash, std::function<void(std::optional<QImage>)> done)
{
    LOG_INFO(QStringLiteral("wallpaperImage hash: ") + hash);
    LOG_DEBUG(QStringLiteral("Loading image: 001"));
    const auto folder = DataFolder::wallpapersDirectory();
    if (!folder) {
        QMetaObject::invokeMethod(
            this, [done = std::move(done)] { done(std::nullopt); }, Qt::QueuedConnection);
        return;
    }
    LOG_DEBUG(QStringLiteral("Loading image: 002"));
    diskQueue->async([this, folder = *folder, hash, target = maxImageSize, done = std::move(done)]() mutable {
        loadImage(folder, hash, target, std::move(done));
    });
}

void WallpaperService::loadImage(const QString& folder, const QString& hash, QSize target,
                                 std::function<void(std::optional<QImage>)> done)
{
    std::optional<QImage> image = cache.load(folder, hash, target);
    QMetaObject::invokeMethod(
        this, [done = std::move(done), image = std::move(image)] { done(image); }, Qt::QueuedConnection);
}

std::optional<QString> WallpaperService::author(const QString& urlHash) const
{
    for (const WallPaper& photo : conf.wallpapers) {
        if (photo.urlHash == urlHash)
            return photo.author;
    }
    return std::nullopt;
}

QStringList WallpaperService::downloadingHash() const
{
    std::lock_guard lock(downloadingMutex);
    return inFlight;
}

void WallpaperService::waitForDiskQueue()
{
    diskQueue->waitUntilIdle();
}
