#include "AppDelegate.h"
#include "ApplicationDBusAdaptor.h"
#include "BuildConfig.h"
#include "CommandLineClient.h"
#include "TimerDBusAdaptor.h"
#include "UnixSignalWatcher.h"
#include "diagnostics/Log.h"
#include "widgets/Accessibility.h"
#include "widgets/Localizable.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QIcon>

#include <cstdio>
#include <malloc.h>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    if (CommandLineClient::isClientInvocation(arguments)) {
        QCoreApplication client(argc, argv);
        Localizable::install(client);
        QTextStream out(stdout), err(stderr);
        return CommandLineClient::run(arguments, QDBusConnection::sessionBus(), out, err);
    }

    // Break pictures are screen-sized and come and go with every break. With a fixed threshold
    // each one is mapped on its own and handed back when freed; glibc's sliding threshold would
    // keep them in the heap for the rest of the run once the first was freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirelo"));
    QApplication::setOrganizationDomain(QStringLiteral("mirelo.org"));
    QApplication::setDesktopFileName(QStringLiteral(MIRELO_BUNDLE_IDENTIFIER));
    QApplication::setApplicationVersion(QStringLiteral(MIRELO_SHORT_VERSION));
    // Every window, the news and statistics too, carries the program's icon on the taskbar.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(MIRELO_BUNDLE_IDENTIFIER),
                                                 QIcon(QStringLiteral(":/about/org.mirelo.Mirelo.svg"))));
    Accessibility::install();
    // A tray application: closing a window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // The "Localizable" texts, before anything is shown.
    if (!Localizable::install(app))
        std::fputs("Mirelo: no text table; showing the keys.\n", stderr);

    // The bus name is the single-instance lock; the second instance never opens the database.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        const auto reply = bus.interface()->registerService(QLatin1String(TimerDBusAdaptor::serviceName),
                                                            QDBusConnectionInterface::DontQueueService,
                                                            QDBusConnectionInterface::DontAllowReplacement);
        if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
            std::fputs(qPrintable(QCoreApplication::translate("Localizable", "Mirelo is already running.") +
                                  QLatin1Char('\n')),
                       stdout);
            // Started again from a launcher: the running one shows itself, as a window program would.
            QDBusMessage activate = QDBusMessage::createMethodCall(
                QLatin1String(TimerDBusAdaptor::serviceName), QLatin1String(TimerDBusAdaptor::objectPath),
                QLatin1String(ApplicationDBusAdaptor::interfaceName), QStringLiteral("Activate"));
            activate << QVariantMap();
            bus.call(activate, QDBus::Block, 2000);
            return 0;
        }
    } else {
        std::fputs(qPrintable(QCoreApplication::translate(
                                  "Localizable",
                                  "Mirelo: no session bus; running without scripting and single-instance check.") +
                              QLatin1Char('\n')),
                   stderr);
    }

    AppDelegate delegate(bus);
    UnixSignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &UnixSignalWatcher::terminationRequested, &delegate,
                     [&delegate](int signal) {
                         LOG_INFO(QStringLiteral("Received signal %1, quitting.").arg(signal));
                         // A signal has nobody to answer a question: no confirmation, even during a break.
                         delegate.terminateNow();
                     });
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
