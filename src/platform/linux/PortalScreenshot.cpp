#include "linux/PortalScreenshot.h"

#include "diagnostics/Log.h"
#include "timer/WorkExecutor.h"

#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
// A screenshot of several 8K screens as an uncompressed picture stays well below this.
constexpr qint64 maxFileSize = qint64(512) * 1024 * 1024;
} // namespace

PortalScreenshot::PortalScreenshot(QDBusConnection bus, WorkExecutor& executor, QObject* parent)
    : QObject(parent), bus(std::move(bus)), executor(executor)
{}

PortalScreenshot::~PortalScreenshot()
{
    for (const auto& [path, request] : requests) {
        unwatch(path);
        if (!request.handle.isEmpty())
            unwatch(request.handle);
    }
}

void PortalScreenshot::watch(const QString& path)
{
    bus.connect(portalService, path, requestInterface, QStringLiteral("Response"), this,
                SLOT(response(uint, QVariantMap, QDBusMessage)));
}

void PortalScreenshot::unwatch(const QString& path)
{
    bus.disconnect(portalService, path, requestInterface, QStringLiteral("Response"), this,
                   SLOT(response(uint, QVariantMap, QDBusMessage)));
}

void PortalScreenshot::take(std::function<void(std::optional<QImage>)> done)
{
    // The call itself starts a portal that is started on demand; where there is none it fails at once.
    if (!bus.isConnected()) {
        LOG_INFO(QStringLiteral("No screenshot portal on the session bus."));
        done(std::nullopt);
        return;
    }
    // The portal names the request object after our connection and a token of ours; watching it
    // before the call means a quick answer cannot be missed.
    const QString token = QStringLiteral("mirelo%1").arg(++counter);
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = portalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;

    Request& request = requests[path];
    request.done = std::move(done);
    request.token = token;
    request.started = QDateTime::currentDateTimeUtc();
    request.timer = new QTimer(this);
    request.timer->setSingleShot(true);
    connect(request.timer, &QTimer::timeout, this, [this, path] {
        auto found = requests.find(path);
        if (found == requests.end())
            return;
        if (found->second.late) {
            finish(path, std::nullopt);
            return;
        }
        LOG_ERROR(QStringLiteral("The screenshot portal did not answer in %1 ms.").arg(timeout.count()));
        // The break goes on without it; a capture that comes later (after a permission prompt)
        // would stay in the user's pictures, so the request still listens, to delete it.
        Request& request = found->second;
        request.late = true;
        if (auto done = std::exchange(request.done, nullptr))
            done(std::nullopt);
        request.timer->start(lateCaptureWait);
    });
    request.timer->start(timeout);
    watch(path);

    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath,
                                                       QStringLiteral("org.freedesktop.portal.Screenshot"),
                                                       QStringLiteral("Screenshot"));
    call << QString()
         << QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("interactive"), false}};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, int(timeout.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, path](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *call;
        auto found = requests.find(path);
        if (found == requests.end())
            return;
        if (reply.isError() && reply.error().type() == QDBusError::ServiceUnknown) {
            LOG_INFO(QStringLiteral("No screenshot portal on the session bus."));
            finish(path, std::nullopt);
            return;
        }
        if (reply.isError()) {
            LOG_ERROR(QStringLiteral("Screenshot portal failed: ") + reply.error().name() +
                      QStringLiteral(": ") + reply.error().message());
            finish(path, std::nullopt);
            return;
        }
        // Older portals may name another request object than the one the token asked for.
        const QString handle = reply.value().path();
        if (handle != path) {
            found->second.handle = handle;
            watch(handle);
        }
    });
}

void PortalScreenshot::response(uint code, const QVariantMap& results, const QDBusMessage& message)
{
    QString path = message.path();
    if (!requests.count(path)) {
        const auto byHandle = std::find_if(requests.begin(), requests.end(),
                                           [&](const auto& entry) { return entry.second.handle == path; });
        if (byHandle == requests.end())
            return;
        path = byHandle->first;
    }
    if (requests[path].late) {
        const QFileInfo file(QUrl(results.value(QStringLiteral("uri")).toString()).toLocalFile());
        if (code == 0 && madeForRequest(file, requests[path]) && QFile::remove(file.filePath()))
            LOG_INFO(QStringLiteral("Deleted the screenshot the portal saved after the time limit: ") +
                     file.filePath());
        finish(path, std::nullopt);
        return;
    }
    if (code != 0) {
        // 1: the user cancelled; 2: refused or failed.
        LOG_ERROR(QStringLiteral("The screenshot portal gave no picture (response %1).").arg(code));
        finish(path, std::nullopt);
        return;
    }
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile()) {
        LOG_ERROR(QStringLiteral("The screenshot portal answered no local file: ") + uri.toString());
        finish(path, std::nullopt);
        return;
    }
    // Only a picture file of a sensible size: a device (/dev/zero) or a pipe would never end,
    // and a break must not wait on it. The time limit keeps running while the file is read.
    const QFileInfo file(uri.toLocalFile());
    if (!file.isFile() || file.size() > maxFileSize) {
        LOG_ERROR(QStringLiteral("The screenshot portal's answer is not a picture file: ") + file.filePath());
        finish(path, std::nullopt);
        return;
    }
    load(path, file.filePath());
}

bool PortalScreenshot::madeForRequest(const QFileInfo& file, const Request& request)
{
    if (!file.isFile() || file.isSymLink())
        return false;
    // Made after the request (a little slack for coarse file times), so not a file that was
    // there before.
    if (file.lastModified().toUTC() < request.started.addSecs(-2))
        return false;
    // Some portals answer one fixed path in a shared temporary folder (/tmp/out.png) for every
    // client: another program's capture, unless the name is our request's.
    const QString folder = QDir::cleanPath(file.absolutePath());
    const bool shared = folder == QLatin1String("/tmp") || folder == QLatin1String("/var/tmp");
    if (shared && !file.fileName().contains(request.token))
        return false;
    return true;
}

void PortalScreenshot::load(const QString& path, const QString& file)
{
    auto image = std::make_shared<QImage>();
    QPointer<PortalScreenshot> weak(this);
    // The portal saves every capture in the user's pictures: one per break would pile up.
    const bool ours = madeForRequest(QFileInfo(file), requests[path]);
    executor.run(
        [image, file, ours] {
            image->load(file);
            if (!image->isNull() && ours)
                QFile::remove(file);
        },
        [weak, image, file, path] {
            if (!weak)
                return;
            if (image->isNull()) {
                LOG_ERROR(QStringLiteral("Can't read the portal's screenshot ") + file);
                weak->finish(path, std::nullopt);
                return;
            }
            LOG_INFO(QStringLiteral("Got a screenshot from the portal: ") + file);
            weak->finish(path, *image);
        });
}

void PortalScreenshot::finish(const QString& path, std::optional<QImage> image)
{
    auto found = requests.find(path);
    if (found == requests.end())
        return;
    Request request = std::move(found->second);
    requests.erase(found);
    unwatch(path);
    if (!request.handle.isEmpty())
        unwatch(request.handle);
    if (request.timer)
        request.timer->deleteLater();
    if (request.done)
        request.done(std::move(image));
}
