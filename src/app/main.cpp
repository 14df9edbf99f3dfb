#include "BuildConfig.h"
#include "diagnostics/Log.h"
#include "linux/XdgAutostartLoginItems.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "settings/VersionRecord.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirelo"));
    QApplication::setOrganizationDomain(QStringLiteral("mirelo.org"));
    QApplication::setDesktopFileName(QStringLiteral(MIRELO_BUNDLE_IDENTIFIER));
    QApplication::setApplicationVersion(QStringLiteral(MIRELO_SHORT_VERSION));
    // A tray application: closing a window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    Preferences& preferences = Preferences::standard();
    Log::setupLogger(preferences);

    XdgAutostartLoginItems loginItems;
    VersionRecord versionRecord(preferences, QStringLiteral(MIRELO_BUILD_NUMBER));
    versionRecord.upgradeIfNeeded([&] { UserDefaults::setupUserDefaultsValues(preferences, loginItems); });

    return QApplication::exec();
}
