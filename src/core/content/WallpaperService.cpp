#include "content/WallpaperService.h"

#include "content/ConfFile.h"
#include "content/SerialQueue.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "settings/DataFolder.h"
#include "settings/Path.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "timer/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>

namespace {

// Whole days from one moment to a later one, as a calendar counts elapsed days.
qint64 elapsedDays(const QDateTime& from, const QDateTime& to)
{
    qint64 days = from.daysTo(to);
    if (days > 0 && from.addDays(days) > to)
        --days;
    else if (days < 0 && from.addDays(days) < to)
        ++days;
    return days;
}

QString folderWithoutSlash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

} // namespace

namespace WallpaperImageDecoder {

std::optional<QImage> decode(const QString& path, const QSize& target)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && !size.isEmpty() && target.isValid() && !target.isEmpty() &&
        reader.supportsOption(QImageIOHandler::ScaledSize)) {
        const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        const QSize cover = turned ? target.transposed() : target;
        // Only the decoder's own 1/8, 1/4 and 1/2 are cheap: any other size means decoding
        // more and resizing afterwards, which costs more than the whole image.
        for (int denominator : {8, 4, 2}) {
            const QSize reduced(size.width() / denominator, size.height() / denominator);
            if (reduced.width() >= cover.width() && reduced.height() >= cover.height()) {
                reader.setScaledSize(reduced);
                break;
            }
        }
    }
    // The faster, coarser decoding: every consumer blurs the photo heavily.
    reader.setQuality(49);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}

} // namespace WallpaperImageDecoder

WallpaperService::WallpaperService(Preferences& preferences, const Clock& clock, QNetworkAccessManager* network,
                                   ContentLimits limits, QObject* parent)
    : QObject(parent),
      kUnplashURL(UserDefaults::endpoint(preferences, EndpointKey::unsplash) + QStringLiteral("/photos/?client_id=") +
                  QLatin1String(clientId) + QStringLiteral("&order_by=latest")),
      clock(clock), network(network ? network : new QNetworkAccessManager(this)), limits(limits),
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
    HttpFetch::get(*network, QUrl(kUnplashURL), limits.list, this,
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

QStringList WallpaperService::clearOldImages(const QString& folder, const QStringList& wanted)
{
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    QFileInfoList kept;
    for (const QFileInfo& entry : entries) {
        if (wanted.contains(entry.fileName()) && entry.isFile() && !entry.isSymLink())
            kept << entry;
    }
    // Old photos stay until photos of the current list are on disk: a break always has one.
    if (kept.isEmpty())
        return {};

    int removed = 0;
    for (const QFileInfo& entry : entries) {
        if (kept.contains(entry))
            continue;
        // A link is removed itself, never what it points at.
        const bool gone = entry.isDir() && !entry.isSymLink()
                              ? QDir(entry.absoluteFilePath()).removeRecursively()
                              : QFile::remove(entry.absoluteFilePath());
        if (gone)
            ++removed;
        else
            LOG_ERROR(QStringLiteral("Failed to remove file: ") + entry.absoluteFilePath());
    }
    if (removed > 0)
        LOG_INFO(QStringLiteral("Removed %1 files of earlier photo lists").arg(removed));

    qint64 total = 0;
    for (const QFileInfo& entry : kept)
        total += entry.size();
    QStringList evicted;
    if (total > limits.photoCacheBytes) {
        std::sort(kept.begin(), kept.end(),
                  [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() < b.lastModified(); });
        for (const QFileInfo& entry : kept) {
            if (total <= limits.photoCacheBytes)
                break;
            if (QFile::remove(entry.absoluteFilePath())) {
                total -= entry.size();
                evicted << entry.fileName();
            }
        }
        LOG_WARNING(QStringLiteral("The photo cache was over %1 bytes: removed the %2 oldest photos.")
                        .arg(limits.photoCacheBytes)
                        .arg(evicted.size()));
    }
    if (removed > 0 || !evicted.isEmpty()) {
        std::lock_guard lock(bagMutex);
        randomHashList.clear();
    }
    return evicted;
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
    bool stored = false;
    if (!result.answered()) {
        LOG_ERROR(QStringLiteral("Error: ") + result.error);
    } else if (!result.succeeded()) {
        // An error page is not a photo: never cache it.
        LOG_ERROR(QStringLiteral("Error: HTTP status ") + QString::number(result.status));
    } else {
        LOG_INFO(QStringLiteral("Response success."));
        if (result.body.isEmpty()) {
            LOG_ERROR(QStringLiteral("Response data empty."));
        } else {
            const QString tmp = path + QStringLiteral(".tmp");
            LOG_DEBUG(QStringLiteral("Writing to ") + tmp);
            QFile file(tmp);
            const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                                 file.write(result.body) == result.body.size() && file.flush();
            file.close();
            if (!written) {
                LOG_ERROR(QStringLiteral("Coundn't write file to path: ") + tmp);
                QFile::remove(tmp);
            } else {
                LOG_DEBUG(QStringLiteral("Successfully written."));
                LOG_DEBUG(QStringLiteral("Moving file to ") + path);
                if (!QFile::rename(tmp, path)) {
                    LOG_ERROR(QStringLiteral("Can't move file at ") + tmp + QStringLiteral(" to ") + path);
                    QFile::remove(tmp);
                } else {
                    LOG_INFO(QStringLiteral("Image downloaded: ") + path);
                    stored = true;
                }
            }
        }
    }

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
    const QStringList evicted = folder ? clearOldImages(*folder, wanted) : QStringList();
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
    LOG_INFO(QStringLiteral("freeUpDiskSpaceIfNeeded"));
    const auto folder = DataFolder::wallpapersDirectory();
    if (!folder)
        return;
    const QList<Path> children = Path(folderWithoutSlash(*folder)).children();
    const QDateTime now = clock.now();
    LOG_DEBUG(QStringLiteral("now: ") + QString::number(now.toSecsSinceEpoch()));
    QList<Path> expired;
    for (const Path& child : children) {
        const QDateTime modified = QFileInfo(child.string).lastModified();
        if (modified.isValid() && elapsedDays(modified, now) > 3)
            expired.append(child);
    }
    LOG_INFO(QStringLiteral("expiredFiles count: ") + QString::number(expired.size()));
    for (const Path& child : expired) {
        const QFileInfo info(child.string);
        const bool removed = info.isDir() && !info.isSymLink() ? QDir(child.string).removeRecursively()
                                                                : QFile::remove(child.string);
        if (!removed)
            LOG_ERROR(QStringLiteral("Failed to remove file: ") + child.string);
    }
    LOG_INFO(QStringLiteral("Deleted expiredFiles count: ") + QString::number(expired.size()));
    track(MREvent::freeUpDiskSpace, {{QStringLiteral("count"), QString::number(expired.size())}});
}

QStringList WallpaperService::fileListInWallpaperFolder()
{
    const auto folder = DataFolder::wallpapersDirectory();
    const QFileInfo info(folder ? *folder : QString());
    if (!folder || !info.isDir() || !info.isReadable()) {
        LOG_ERROR(QStringLiteral("Get wallpaper folder failed"));
        return {};
    }
    QStringList names;
    for (const QString& name : QDir(*folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted)) {
        if (!name.endsWith(QLatin1String(".tmp")))
            names.append(name);
    }
    return names;
}

std::optional<QString> WallpaperService::randomWallpaperURLHash()
{
    const QStringList names = fileListInWallpaperFolder();
    LOG_DEBUG(QStringLiteral("File list: ") + names.join(QStringLiteral(", ")));
    if (names.isEmpty()) {
        LOG_ERROR(QStringLiteral("File list count 0"));
        return std::nullopt;
    }
    quint32 r = QRandomGenerator::global()->generate();
    if (r >= quint32(names.size()))
        r %= quint32(names.size());
    return names.at(int(r));
}

std::optional<QString> WallpaperService::nextRandomHash()
{
    std::lock_guard lock(bagMutex);
    if (randomHashList.isEmpty()) {
        QStringList names = fileListInWallpaperFolder();
        LOG_DEBUG(QStringLiteral("fileList: ") + names.join(QStringLiteral(", ")));
        std::shuffle(names.begin(), names.end(), *QRandomGenerator::global());
        randomHashList = names;
        LOG_DEBUG(QStringLiteral("Create new hash list. count: ") + QString::number(randomHashList.size()));
        if (randomHashList.isEmpty())
            return std::nullopt;
    }
    const QString name = randomHashList.takeFirst();
    LOG_DEBUG(QStringLiteral("Next Hash: ") + name);
    return name;
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
    LOG_DEBUG(QStringLiteral("Loading image: 003"));
    std::optional<QImage> image;
    // A name that is not a plain file name never leaves the cache folder.
    if (!hash.isEmpty() && !hash.contains(QLatin1Char('/')))
        image = WallpaperImageDecoder::decode(folder + hash, target);
    if (image) {
        LOG_DEBUG(QStringLiteral("Loading image: 004"));
    } else if (auto fallback = nextRandomHash()) {
        // The bag may hand back the name that just failed: one more draw avoids deleting it.
        if (*fallback == hash) {
            if (auto other = nextRandomHash())
                fallback = other;
        }
        LOG_DEBUG(QStringLiteral("Loading image: 005"));
        image = WallpaperImageDecoder::decode(folder + *fallback, target);
        if (image) {
            LOG_DEBUG(QStringLiteral("Loading image: 006"));
        } else {
            LOG_ERROR(QStringLiteral("Create image failed!"));
            track(MREvent::readImageFailed);
            if (!QFile::remove(folder + *fallback))
                LOG_ERROR(QStringLiteral("Remove image file failed!"));
        }
    }
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
