#include "CommandLineClient.h"

#include "ApplicationDBusAdaptor.h"
#include "BuildConfig.h"
#include "StatusFollower.h"
#include "TimerDBusAdaptor.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QJsonDocument>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace CommandLineClient {

namespace {
const QStringList subcommands{
    QStringLiteral("pomodoro"),   QStringLiteral("short-break"), QStringLiteral("long-break"),
    QStringLiteral("stop"),       QStringLiteral("status"),      QStringLiteral("preferences"),
    QStringLiteral("statistics"), QStringLiteral("pause"),       QStringLiteral("resume")};

QString usage()
{
    // The command words and "<state> <mm:ss>" are the interface and stay as they are.
    return QCoreApplication::translate(
        "CommandLineClient",
        "Usage: mirelo [pomodoro | short-break | long-break | stop | pause | resume |\n"
        "               status | preferences | statistics]\n"
        "Without a command, starts Mirelo in the tray.\n"
        "  pomodoro     start a Pomodoro\n"
        "  short-break  start a short break\n"
        "  long-break   start a long break\n"
        "  stop         stop the running timer\n"
        "  pause        pause the running Pomodoro\n"
        "  resume       go on with the paused Pomodoro\n"
        "  status       print \"<state> <mm:ss>\" (state \"held\" while a break waits for a call,\n"
        "               \"paused\" while the Pomodoro is paused)\n"
        "    --follow     print a line at every change and every minute, for status bars\n"
        "    --json       print each as a JSON object (text, tooltip, class, percentage)\n"
        "  preferences  open the preferences window\n"
        "  statistics   open the statistics window\n");
}

QString failed(const QString& command, const QString& why)
{
    return QCoreApplication::translate("CommandLineClient", "mirelo: %1 failed: %2").arg(command, why);
}

QVariant property(QDBusConnection& bus, const QString& name, QString* error)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(TimerDBusAdaptor::serviceName), QLatin1String(TimerDBusAdaptor::objectPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << QLatin1String(TimerDBusAdaptor::interfaceName) << name;
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        *error = reply.errorMessage();
        return {};
    }
    return reply.arguments().first().value<QDBusVariant>().variant();
}
} // namespace

bool isClientInvocation(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return false;
    const QString& first = arguments.at(1);
    static const QStringList clientOptions{QStringLiteral("--help"), QStringLiteral("-h"),
                                           QStringLiteral("--version")};
    if (clientOptions.contains(first))
        return true;
    // Anything else with a dash is Qt's (-session at session restore, -platform, --style, …): it
    // starts the application. A bare word is a subcommand, or a typo the client reports.
    return !first.startsWith(QLatin1Char('-'));
}

int run(const QStringList& arguments, QDBusConnection bus, QTextStream& out, QTextStream& err)
{
    const QString command = arguments.value(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        out << usage();
        return 0;
    }
    if (command == QLatin1String("--version")) {
        out << "Mirelo " << MIRELO_SHORT_VERSION << " (" << MIRELO_BUILD_NUMBER << ")\n";
        return 0;
    }
    const QStringList options = arguments.mid(2);
    const bool follow = options.contains(QStringLiteral("--follow"));
    const bool json = options.contains(QStringLiteral("--json"));
    const bool statusOptions = command == QLatin1String("status") && options.size() == int(follow) + int(json);
    if (!subcommands.contains(command) || (arguments.size() > 2 && !statusOptions)) {
        err << QCoreApplication::translate("CommandLineClient", "mirelo: unknown command '%1'")
                   .arg(arguments.mid(1).join(QLatin1Char(' ')))
            << "\n"
            << usage();
        return 2;
    }
    if (follow && bus.isConnected()) {
        // Runs until it is ended, at the latest with the status bar that started it (a bar that
        // quits does not always end its modules); waits for an instance that is not there.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() == 1)
            return 0;
        StatusFollower follower(bus, out, json);
        return QCoreApplication::exec();
    }
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(QLatin1String(TimerDBusAdaptor::serviceName)).value()) {
        err << QCoreApplication::translate("CommandLineClient", "Mirelo is not running. Start it with `mirelo` first.")
            << "\n";
        return 1;
    }

    QString error;
    if (command == QLatin1String("status")) {
        const QVariant state = property(bus, QStringLiteral("State"), &error);
        const QVariant remaining = property(bus, QStringLiteral("RemainingSeconds"), &error);
        if (!state.isValid() || !remaining.isValid()) {
            err << QCoreApplication::translate("CommandLineClient", "mirelo: could not read the timer: %1").arg(error)
                << "\n";
            return 1;
        }
        const int seconds = remaining.toInt();
        // A break waiting for a call to end: the Pomodoro is over, its break not yet begun.
        const bool held = property(bus, QStringLiteral("Held"), &error).toBool();
        const bool paused = property(bus, QStringLiteral("Paused"), &error).toBool();
        if (json) {
            const QVariantMap properties{{QStringLiteral("State"), state},
                                         {QStringLiteral("RemainingSeconds"), seconds},
                                         {QStringLiteral("Held"), held},
                                         {QStringLiteral("Paused"), paused},
                                         {QStringLiteral("HeldBy"), property(bus, QStringLiteral("HeldBy"), &error)}};
            out << QJsonDocument(StatusFollower::jsonLine(properties, 0, 0)).toJson(QJsonDocument::Compact) << "\n";
            return 0;
        }
        out << (held     ? QStringLiteral("held")
                : paused ? QStringLiteral("paused")
                         : state.toString())
            << ' ' << QString::asprintf("%02d:%02d", seconds / 60, seconds % 60) << "\n";
        return 0;
    }

    if (command == QLatin1String("preferences") || command == QLatin1String("statistics")) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QLatin1String(TimerDBusAdaptor::serviceName), QLatin1String(TimerDBusAdaptor::objectPath),
            QLatin1String(ApplicationDBusAdaptor::interfaceName), QStringLiteral("ActivateAction"));
        call << command << QVariantList() << QVariantMap();
        const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            err << failed(command, reply.errorMessage()) << "\n";
            return 1;
        }
        return 0;
    }

    static const QHash<QString, QString> methods{
        {QStringLiteral("pomodoro"), QStringLiteral("Pomodoro")},
        {QStringLiteral("short-break"), QStringLiteral("ShortBreak")},
        {QStringLiteral("long-break"), QStringLiteral("LongBreak")},
        {QStringLiteral("stop"), QStringLiteral("StopTimer")},
        {QStringLiteral("pause"), QStringLiteral("Pause")},
        {QStringLiteral("resume"), QStringLiteral("Resume")}};
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(TimerDBusAdaptor::serviceName), QLatin1String(TimerDBusAdaptor::objectPath),
        QLatin1String(TimerDBusAdaptor::interfaceName), methods.value(command));
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        if (reply.errorName() == QLatin1String(TimerDBusAdaptor::refusedError))
            err << QCoreApplication::translate("CommandLineClient", "mirelo: %1 refused: %2")
                       .arg(command, reply.errorMessage())
                << "\n";
        else
            err << failed(command, reply.errorMessage()) << "\n";
        return 1;
    }
    return 0;
}

} // namespace CommandLineClient
