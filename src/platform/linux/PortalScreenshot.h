#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QObject>
#include <QVariantMap>

#include <chrono>
#include <functional>
#include <map>
#include <optional>

class QTimer;
class WorkExecutor;

// A picture of the whole desktop through the desktop portal (org.freedesktop.portal.Screenshot,
// non-interactive): the way a program may see the screen on Wayland. Every request answers
// exactly once, on the main thread: the image, or none when there is no portal, it refuses or
// fails, the file cannot be read, or no answer comes in time.
class PortalScreenshot final : public QObject
{
    Q_OBJECT
public:
    PortalScreenshot(QDBusConnection bus, WorkExecutor& executor, QObject* parent = nullptr);
    ~PortalScreenshot() override;

    // How long a break waits for the picture before it shows without it.
    void setTimeout(std::chrono::milliseconds limit) { timeout = limit; }

    void take(std::function<void(std::optional<QImage>)> done);

private Q_SLOTS:
    void response(uint code, const QVariantMap& results, const QDBusMessage& message);

private:
    struct Request
    {
        std::function<void(std::optional<QImage>)> done;
        QTimer* timer = nullptr;
        QString handle; // the request object the portal named, when other than expected
        QString token;
        QDateTime started;
        // Answered already (the time limit passed): a capture that still comes is only deleted.
        bool late = false;
    };
    void watch(const QString& path);
    void unwatch(const QString& path);
    // Ends the request under path (once): answers done with image.
    void finish(const QString& path, std::optional<QImage> image);
    void load(const QString& path, const QString& file);
    // Whether file is the capture the portal made for this request, which is ours to delete.
    static bool madeForRequest(const QFileInfo& file, const Request& request);
    // How long a request that timed out still waits for its capture, to delete it.
    static constexpr std::chrono::minutes lateCaptureWait{2};

    QDBusConnection bus;
    WorkExecutor& executor;
    std::chrono::milliseconds timeout{5000};
    quint64 counter = 0;
    std::map<QString, Request> requests; // by the request path we expect
};
