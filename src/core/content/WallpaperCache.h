#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QStringList>

#include <mutex>
#include <optional>

struct HttpResult;

// The folder of cached break photos: what is in it, the shuffle bag that breaks draw from,
// a downloaded photo put in place, the pruning after a download pass and the removal of
// expired files. Every method may run on any thread; the bag has its own lock.
class WallpaperCache
{
public:
    // The oldest photos go once the kept ones pass maximumBytes.
    explicit WallpaperCache(qint64 maximumBytes);

    // The photos in the cache folder, partial downloads left out.
    QStringList fileList();
    // Shuffle bag over the cached files: no repeats within one cycle.
    std::optional<QString> nextRandomHash();
    // An independent uniform pick, repeats allowed.
    std::optional<QString> randomHash();

    // Writes a downloaded photo to path, through a ".tmp" file beside it; true once it is there.
    static bool store(const HttpResult& result, const QString& path);
    // Once photos of the pass's list are on disk, removes every other entry of the cache
    // folder (links themselves, never what they point at), then the oldest photos while the
    // cache is over its size; returns the photos removed for space.
    QStringList clearOldImages(const QString& folder, const QStringList& wanted);
    // Removes what has been in the cache folder for more than three days.
    void freeUpDiskSpace(const QDateTime& now);
    // Decodes the cached photo; an undecodable one is replaced by one other cached photo, and
    // that one is deleted when it cannot be decoded either.
    std::optional<QImage> load(const QString& folder, const QString& hash, const QSize& target);

private:
    const qint64 maximumBytes;
    std::mutex bagMutex; // randomHashList: main thread and, in the fallback, the disk thread
    QStringList randomHashList;
};
