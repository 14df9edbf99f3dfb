#pragma once

#include "content/HttpFetch.h"
#include "content/WallPaper.h"
#include "content/WallpaperCache.h"
#include "content/WallpaperImageDecoder.h"
#include "cycle/BreakPorts.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QStringList>

#include <memory>
#include <mutex>
#include <optional>

class Clock;
class Preferences;
class QNetworkAccessManager;
class SerialQueue;

// The cache of break photographs: once a day at most the photo service's latest list is
// fetched into "wallpapers.conf" and every listed photo is downloaded into the cache folder
// (".tmp" first, then moved into place). Photos of older lists stay until a pass has put
// photos of the new list on disk; the day is stamped once the new list's downloads have run,
// and failed photos are tried again at the next break or start, at most once an hour.
// Breaks draw the cached photos from a shuffle bag. Entry points run on the main thread;
// download completions, pruning and image decoding run on one disk worker thread.
class WallpaperService : public QObject, public WallpaperProvider
{
    Q_OBJECT
public:
    static constexpr const char* clientId =
        "7d3e9a1c5b8f2046e1a9c7d3b5f80e2a4c6e8a0b2d4f6a8c0e2b4d6f8a1c3e5b";
    static constexpr qint64 updateInterval = 86401; // one day and one second
    static constexpr qint64 retryInterval = 3600;   // seconds between passes that retry failures

    // Creation loads the configuration, downloads missing photos and removes expired ones.
    // network may be null: the service then uses its own manager. The list address is read
    // once, here, from the "UnsplashBaseURL" preference.
    WallpaperService(Preferences& preferences, const Clock& clock, QNetworkAccessManager* network = nullptr,
                     ContentLimits limits = {}, QObject* parent = nullptr);
    ~WallpaperService() override;

    const QString kUnplashURL;

    void setupConfig();
    void checkUpdateIfNeeded();
    void update();
    void downloadImagesIfNeeded();
    void freeUpDiskSpaceIfNeeded();

    // Any thread.
    QStringList fileListInWallpaperFolder() override;
    // Shuffle bag over the cached files: no repeats within one cycle. Any thread.
    std::optional<QString> nextRandomHash() override;
    // An independent uniform pick, repeats allowed (the preferences preview).
    std::optional<QString> randomWallpaperURLHash();
    // Decodes the cached file on the disk thread, reduced where that still covers
    // maximumImageSize(); an undecodable file is replaced by one other cached photo. done
    // runs on the main thread, with none when no photo could be had, and never after the
    // service is gone.
    void wallpaperImage(const QString& hash, std::function<void(std::optional<QImage>)> done) override;

    // The photographer of a listed photo, for "photo by …".
    std::optional<QString> author(const QString& urlHash) const;

    // The largest screen, in the pixels the break windows draw in. Images are decoded no
    // smaller than that.
    void setMaximumImageSize(const QSize& size) { maxImageSize = size; }
    QSize maximumImageSize() const { return maxImageSize; }

    const WallpaperConf& config() const { return conf; }
    const QStringList& urls() const { return parsedUrls; }
    bool isUpdating() const { return updating; }
    bool isDownloading() const { return downloading; }
    QStringList downloadingHash() const;

    // Blocks until the disk thread has run everything posted so far (tests, benchmarks).
    void waitForDiskQueue();

Q_SIGNALS:
    // A list response has been handled; accepted when it replaced the list.
    void updateFinished(bool accepted);
    // The last download of a pass has ended (isDownloading is false again).
    void downloadPassFinished();

private:
    void handleListResponse(const HttpResult& result, const QString& confPath);
    void saveConfig(const QString& path);
    // On the disk thread.
    void finishDownload(const HttpResult& result, const QString& hash, const QString& path, quint64 pass);
    void endPass(quint64 pass, int failures);
    // Main thread.
    void passFinished(quint64 pass, int failures, const QStringList& evicted);
    void loadImage(const QString& folder, const QString& hash, QSize target,
                   std::function<void(std::optional<QImage>)> done);

    const Clock& clock;
    QNetworkAccessManager* network;
    ContentLimits limits;
    WallpaperConf conf;
    QStringList parsedUrls;
    bool updating = false;
    bool downloading = false;
    // The stamp of a list whose downloads have not run yet.
    std::optional<qint64> pendingStamp;
    // A list arrived during a pass: its own pass follows.
    bool passForNewList = false;
    quint64 passNumber = 0;
    qint64 lastPassEnded = 0;
    bool lastPassFailed = false;
    // Listed photos removed for space: not fetched again for this list.
    QStringList evictedForSpace;
    QSize maxImageSize{3840, 2160};

    mutable std::mutex downloadingMutex; // the lock around downloadingHash
    QStringList inFlight;
    int passFailures = 0;
    QStringList passHashes; // the photos the running pass keeps
    WallpaperCache cache;

    // Last member: its thread is joined first on destruction (and explicitly in the destructor).
    std::unique_ptr<SerialQueue> diskQueue;
};
