#pragma once

#include "FakeClock.h"
#include "LogCapture.h"
#include "LoopbackHttpServer.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "content/HttpFetch.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"

#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <memory>

// A small JPEG of one colour, as a photo server would send it.
inline QByteArray jpeg(int width, int height, QColor color = Qt::darkCyan)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

// Runs the event loop until the condition holds; false after timeoutMs. Waiting here is
// waiting for loopback I/O or the disk thread, never for virtual time.
template <typename Condition>
bool waitUntil(Condition condition, int timeoutMs = 5000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// Per-test folders, a loopback server behind every endpoint key, a recording usage tracker
// and a fake clock.
class ContentFixture : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        tracker = RecordingUsageTracker::install();
        server = std::make_unique<LoopbackHttpServer>();
        prefs = std::make_unique<Preferences>(Preferences::defaultFilePath());
        for (const QString& key : {EndpointKey::unsplash, EndpointKey::quotes, EndpointKey::news,
                                   EndpointKey::update, EndpointKey::apn})
            prefs->setValue(key, server->baseUrl());
    }

    void TearDown() override
    {
        prefs.reset();
        server.reset();
        TestEnvironment::TearDown();
    }

    // Small caps so oversized bodies end quickly; time-outs short, yet loose enough for a
    // loaded machine under the sanitizers.
    static ContentLimits quickLimits()
    {
        ContentLimits limits;
        limits.list = {64 * 1024, std::chrono::milliseconds(2000), std::chrono::milliseconds(5000)};
        limits.image = {256 * 1024, std::chrono::milliseconds(2000), std::chrono::milliseconds(5000)};
        return limits;
    }

    QString dataFolder() const { return dataRoot() + QStringLiteral("/Data"); }
    QString wallpaperFolder() const { return dataFolder() + QStringLiteral("/Wallpapers/"); }

    FakeClock clock;
    std::shared_ptr<RecordingUsageTracker> tracker;
    std::unique_ptr<LoopbackHttpServer> server;
    std::unique_ptr<Preferences> prefs;
};
