#include "linux/XdgAutostartLoginItems.h"

#include "diagnostics/Log.h"
#include "linux/DesktopEntry.h"

#include <QFile>
#include <QFileInfo>
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

    const QString command = executable.isEmpty() ? DesktopEntry::runningProgram() : executable;
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Mirelo\n"
                                         "Comment=Focus timer\n"
                                         "Exec=%1\n"
                                         "Icon=org.mirelo.Mirelo\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(DesktopEntry::execArgument(command));
    QString error;
    if (!DesktopEntry::writeIfChanged(path, entry.toUtf8(), &error)) {
        LOG_ERROR(QStringLiteral("Can't write the autostart entry ") + path + QStringLiteral(": ") + error);
        return false;
    }
    return true;
}

bool XdgAutostartLoginItems::isEnabled() const
{
    return QFileInfo::exists(autostartFilePath());
}
