#include "linux/FreedesktopWorkspace.h"

#include "diagnostics/Log.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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

bool FreedesktopWorkspace::openShortcutSettings()
{
    // The desktops whose portal binds global shortcuts, each with its settings page of them.
    struct Page
    {
        const char* desktop;
        const char* program;
        const char* argument;
    };
    static const Page pages[] = {{"KDE", "systemsettings", "kcm_keys"},
                                 {"KDE", "systemsettings5", "kcm_keys"},
                                 {"GNOME", "gnome-control-center", "keyboard"}};
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const Page& page : pages) {
        if (!desktops.contains(QLatin1String(page.desktop)))
            continue;
        const QString program = QStandardPaths::findExecutable(QLatin1String(page.program));
        if (!program.isEmpty() && QProcess::startDetached(program, {QLatin1String(page.argument)}))
            return true;
    }
    LOG_INFO(QStringLiteral("No settings of keyboard shortcuts known for this desktop: ") +
             desktops.join(QLatin1Char(':')));
    return false;
}
