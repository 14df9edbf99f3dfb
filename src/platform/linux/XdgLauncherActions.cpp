#include "linux/XdgLauncherActions.h"

#include "linux/DesktopEntry.h"

#include <QStandardPaths>

XdgLauncherActions::XdgLauncherActions(QString executable) : executable(std::move(executable)) {}

QString XdgLauncherActions::entryFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/applications/org.mirelo.Mirelo.desktop");
}

QByteArray XdgLauncherActions::entry(const QString& executable)
{
    const QString program = DesktopEntry::execArgument(executable);
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=Mirelo\n"
                                  "GenericName=Focus Timer\n"
                                  "Comment=Work in Pomodoros and take your breaks\n"
                                  "Exec=") +
                   program +
                   QStringLiteral("\n"
                                  "Icon=org.mirelo.Mirelo\n"
                                  "Terminal=false\n"
                                  "Categories=Utility;Clock;\n"
                                  "Keywords=pomodoro;timer;focus;break;\n"
                                  "StartupNotify=false\n"
                                  "Actions=pomodoro;short-break;long-break;stop;preferences;\n");
    struct Action
    {
        const char* id;
        const char* name;
    };
    static const Action actions[] = {{"pomodoro", "Start Pomodoro"},
                                     {"short-break", "Short Break"},
                                     {"long-break", "Long Break"},
                                     {"stop", "Stop Timer"},
                                     {"preferences", "Preferences"}};
    for (const Action& action : actions) {
        text += QStringLiteral("\n[Desktop Action ") + QLatin1String(action.id) + QStringLiteral("]\nName=") +
                QLatin1String(action.name) + QStringLiteral("\nExec=") + program + QLatin1Char(' ') +
                QLatin1String(action.id) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QString XdgLauncherActions::install()
{
    QString error;
    if (!DesktopEntry::writeIfChanged(
            entryFilePath(), entry(executable.isEmpty() ? DesktopEntry::runningProgram() : executable),
            &error))
        return error;
    return {};
}
