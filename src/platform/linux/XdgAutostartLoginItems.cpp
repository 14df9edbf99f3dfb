#include "linux/XdgAutostartLoginItems.h"

#include "diagnostics/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

XdgAutostartLoginItems::XdgAutostartLoginItems(QString executable) : executable(std::move(executable)) {}

QString XdgAutostartLoginItems::autostartFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/org.mirelo.Mirelo.desktop");
}

bool XdgAutostartLoginItems::setEnabled(bool enabled)
{
    const QString path = autostartFilePath();
    if (!enabled) {
        if (!QFileInfo::exists(path))
            return true;
        if (QFile::remove(path))
            return true;
        LOG_ERROR(QStringLiteral("Can't remove the autostart entry ") + path);
        return false;
    }

    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        LOG_ERROR(QStringLiteral("Can't create the autostart folder for ") + path);
        return false;
    }
    QString command = executable.isEmpty() ? QCoreApplication::applicationFilePath() : executable;
    if (command.isEmpty())
        command = QStringLiteral("mirelo");
    // Desktop-entry Exec quoting: wrap in double quotes and escape the reserved characters.
    QString quoted = command;
    for (const char* reserved : {"\\", "\"", "`", "$"})
        quoted.replace(QLatin1String(reserved), QLatin1Char('\\') + QLatin1String(reserved));
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Mirelo\n"
                                         "Comment=Focus timer\n"
                                         "Exec=\"%1\"\n"
                                         "Icon=org.mirelo.Mirelo\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(quoted);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(entry.toUtf8()) < 0 || !file.commit()) {
        LOG_ERROR(QStringLiteral("Can't write the autostart entry ") + path + QStringLiteral(": ") + file.errorString());
        return false;
    }
    return true;
}

bool XdgAutostartLoginItems::isEnabled() const
{
    return QFileInfo::exists(autostartFilePath());
}
