#include "linux/FreedesktopWorkspace.h"

#include "diagnostics/Log.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFileInfo>

FreedesktopWorkspace::FreedesktopWorkspace(QDBusConnection bus) : bus(std::move(bus)) {}

void FreedesktopWorkspace::revealFile(const QString& path)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)} << QString();
    // Asynchronous: a file manager that is slow to start must not freeze the pane.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
    const QUrl folder = QUrl::fromLocalFile(QFileInfo(path).absolutePath());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [folder](QDBusPendingCallWatcher* done) {
                         const QDBusPendingReply<> reply = *done;
                         if (reply.isError()) {
                             LOG_WARNING(QStringLiteral("No file manager selects files (") +
                                         reply.error().message() + QStringLiteral("); opening the folder."));
                             if (!QDesktopServices::openUrl(folder))
                                 LOG_ERROR(QStringLiteral("Can't open the log folder."));
                         }
                         done->deleteLater();
                     });
}

bool FreedesktopWorkspace::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
