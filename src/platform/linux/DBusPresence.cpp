#include "linux/DBusPresence.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QPointer>

std::unique_ptr<DBusPresence> DBusPresence::doNotDisturb(QDBusConnection bus, QObject* parent)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.freedesktop.Notifications") << QStringLiteral("Inhibited");
    return std::unique_ptr<DBusPresence>(
        new DBusPresence(std::move(bus), QStringLiteral("Do Not Disturb"),
                         QCoreApplication::translate("Localizable", "Do Not Disturb on"), {get}, parent));
}

std::unique_ptr<DBusPresence> DBusPresence::idleInhibitor(QDBusConnection bus, QObject* parent)
{
    QDBusMessage gnome = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.SessionManager"), QStringLiteral("/org/gnome/SessionManager"),
        QStringLiteral("org.gnome.SessionManager"), QStringLiteral("IsInhibited"));
    gnome << 8u; // GSM_INHIBITOR_FLAG_IDLE: the session must not go idle
    // Not org.freedesktop.PowerManagement.Inhibit's HasInhibit: that is true while anything
    // blocks suspend (a music player, an update), not only while the screen is kept on.
    QDBusMessage kde = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.Solid.PowerManagement.PolicyAgent"),
        QStringLiteral("/org/kde/Solid/PowerManagement/PolicyAgent"),
        QStringLiteral("org.kde.Solid.PowerManagement.PolicyAgent"), QStringLiteral("HasInhibition"));
    kde << 4u; // ChangeScreenSettings: what org.freedesktop.ScreenSaver's Inhibit asks for
    return std::unique_ptr<DBusPresence>(new DBusPresence(
        std::move(bus), QStringLiteral("idle inhibitors"),
        QCoreApplication::translate("Localizable", "the screen is kept on"), {gnome, kde}, parent));
}

DBusPresence::DBusPresence(QDBusConnection connection, QString name, QString description,
                           std::vector<QDBusMessage> calls, QObject* parent)
    : Presence(parent), bus(std::move(connection)), name(std::move(name)),
      description(std::move(description)), calls(std::move(calls))
{}

void DBusPresence::activeSources(std::function<void(QStringList)> done)
{
    ask(0, std::move(done));
}

void DBusPresence::ask(size_t index, std::function<void(QStringList)> done)
{
    while (index < calls.size() && !(bus.isConnected() && bus.interface() &&
                                     bus.interface()->isServiceRegistered(calls[index].service()).value()))
        ++index;
    if (index >= calls.size()) {
        done({});
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(calls[index], timeoutMs), this);
    QPointer<DBusPresence> weak(this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [weak, watcher, index, done = std::move(done)]() mutable {
                watcher->deleteLater();
                const QDBusMessage reply = watcher->reply();
                bool on = false;
                if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                    QVariant value = reply.arguments().first();
                    if (value.canConvert<QDBusVariant>())
                        value = value.value<QDBusVariant>().variant();
                    on = value.toBool();
                }
                if (on)
                    done({weak->description});
                else
                    weak->ask(index + 1, std::move(done));
            });
}
