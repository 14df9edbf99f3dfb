#include "content/WallpaperCache.h"

#include "content/HttpFetch.h"
#include "content/WallpaperImageDecoder.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "settings/DataFolder.h"
#include "settings/Path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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

WallpaperCache::WallpaperCache(qint64 maximumBytes) : maximumBytes(maximumBytes) {}

bool WallpaperCache::store(const HttpResult& result, const QString& path)
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
    return stored;
}

QStringList WallpaperCache::clearOldImages(const QString& folder, const QStringList& wanted)
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
    if (total > maximumBytes) {
        std::sort(kept.begin(), kept.end(),
                  [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() < b.lastModified(); });
        for (const QFileInfo& entry : kept) {
            if (total <= maximumBytes)
                break;
            if (QFile::remove(entry.absoluteFilePath())) {
                total -= entry.size();
                evicted << entry.fileName();
            }
        }
        LOG_WARNING(QStringLiteral("The photo cache was over %1 bytes: removed the %2 oldest photos.")
                        .arg(maximumBytes)
                        .arg(evicted.size()));
    }
    if (removed > 0 || !evicted.isEmpty()) {
        std::lock_guard lock(bagMutex);
        randomHashList.clear();
    }
    return evicted;
}

void WallpaperCache::freeUpDiskSpace(const QDateTime& now)
{
    LOG_INFO(QStringLiteral("freeUpDiskSpaceIfNeeded"));
    const auto folder = DataFolder::wallpapersDirectory();
    if (!folder)
        return;
    const QList<Path> children = Path(folderWithoutSlash(*folder)).children();
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
    track(UsageEvent::freeUpDiskSpace, {{QStringLiteral("count"), QString::number(expired.size())}});
}

QStringList WallpaperCache::fileList()
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

std::optional<QString> WallpaperCache::randomHash()
{
    const QStringList names = fileList();
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

std::optional<QString> WallpaperCache::nextRandomHash()
{
    std::lock_guard lock(bagMutex);
    if (randomHashList.isEmpty()) {
        QStringList names = fileList();
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

std::optional<QImage> WallpaperCache::load(const QString& folder, const QString& hash, const QSize& target)
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
            track(UsageEvent::readImageFailed);
            if (!QFile::remove(folder + *fallback))
                LOG_ERROR(QStringLiteral("Remove image file failed!"));
        }
    }
    return image;
}
