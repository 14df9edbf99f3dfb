#include "PrivateBus.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>
#include <QUuid>

PrivateBus::PrivateBus(bool othersMayConnect)
{
    daemon = std::make_unique<QProcess>();
    daemon->setProgram(QStringLiteral("dbus-daemon"));
    QString config = QStringLiteral("--session");
    if (othersMayConnect) {
        // The session bus's own rules, plus connections from every user.
        QFile file(configDir.filePath(QStringLiteral("bus.conf")));
        if (file.open(QIODevice::WriteOnly))
            file.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                       " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                       "<busconfig>\n"
                       "  <include>/usr/share/dbus-1/session.conf</include>\n"
                       "  <policy context=\"default\"><allow user=\"*\"/></policy>\n"
                       "</busconfig>\n");
        config = QStringLiteral("--config-file=") + file.fileName();
    }
    daemon->setArguments({config, QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    daemon->start();
    if (!daemon->waitForStarted(5000))
        return;
    QDeadlineTimer deadline(5000);
    QByteArray out;
    while (!out.contains('\n') && !deadline.hasExpired()) {
        daemon->waitForReadyRead(100);
        out += daemon->readAllStandardOutput();
    }
    busAddress = QString::fromUtf8(out.trimmed());
    connectionName = QStringLiteral("test-bus-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

PrivateBus::~PrivateBus()
{
    stopMocks();
    if (!connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(connectionName);
    if (daemon) {
        daemon->terminate();
        if (!daemon->waitForFinished(3000))
            daemon->kill();
        daemon->waitForFinished(1000);
    }
}

QDBusConnection PrivateBus::connection() const
{
    return QDBusConnection::connectToBus(busAddress, connectionName);
}

bool PrivateBus::startTemplate(const QString& templateName, const QString& busName, bool asSystemBus,
                               const QString& parameters)
{
    if (!isRunning())
        return false;
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(asSystemBus ? QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS") : QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               busAddress);
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList args{QStringLiteral("-m"), QStringLiteral("dbusmock")};
    if (asSystemBus)
        args << QStringLiteral("--system");
    args << QStringLiteral("--template") << templateName;
    if (!parameters.isEmpty())
        args << QStringLiteral("--parameters") << parameters;
    process->start(QStringLiteral("/usr/bin/python3"), args);
    if (!process->waitForStarted(5000))
        return false;
    mocks.push_back(std::move(process));
    QDBusConnection bus = connection();
    return waitFor([&] { return bus.interface()->isServiceRegistered(busName).value(); }, 15000);
}

bool PrivateBus::emitSignal(const QString& service, const QString& objectPath, const QString& interface,
                            const QString& name, const QString& signature, const QVariantList& args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, objectPath, QStringLiteral("org.freedesktop.DBus.Mock"),
                                                          QStringLiteral("EmitSignal"));
    message << interface << name << signature << args;
    const QDBusMessage reply = connection().call(message, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

namespace {
// GetCalls answers a(tsav): timestamp, method name, arguments.
QList<std::pair<QString, QVariantList>> getCalls(const QDBusConnection& bus, const QString& service,
                                                 const QString& objectPath)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, objectPath, QStringLiteral("org.freedesktop.DBus.Mock"),
                                                          QStringLiteral("GetCalls"));
    const QDBusMessage reply = bus.call(message, QDBus::Block, 5000);
    QList<std::pair<QString, QVariantList>> calls;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return calls;
    const QDBusArgument arg = reply.arguments().first().value<QDBusArgument>();
    arg.beginArray();
    while (!arg.atEnd()) {
        quint64 timestamp = 0;
        QString method;
        QVariantList values;
        arg.beginStructure();
        arg >> timestamp >> method;
        arg.beginArray();
        while (!arg.atEnd()) {
            QDBusVariant v;
            arg >> v;
            values << v.variant();
        }
        arg.endArray();
        arg.endStructure();
        calls.append({method, values});
    }
    arg.endArray();
    return calls;
}
} // namespace

QStringList PrivateBus::calledMethods(const QString& service, const QString& objectPath)
{
    QStringList names;
    for (const auto& [method, args] : getCalls(connection(), service, objectPath))
        names << method;
    return names;
}

QList<QVariantList> PrivateBus::callArguments(const QString& service, const QString& objectPath, const QString& method)
{
    QList<QVariantList> out;
    for (const auto& [name, args] : getCalls(connection(), service, objectPath)) {
        if (name == method)
            out << args;
    }
    return out;
}

bool PrivateBus::stopMocks()
{
    for (auto& process : mocks) {
        process->terminate();
        if (!process->waitForFinished(3000))
            process->kill();
        process->waitForFinished(1000);
    }
    mocks.clear();
    return true;
}

bool PrivateBus::waitFor(const std::function<bool()>& predicate, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!predicate()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}
