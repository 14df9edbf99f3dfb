#include "linux/DBusNotificationCenter.h"

#include "diagnostics/Log.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
} // namespace

DBusNotificationCenter::DBusNotificationCenter(QDBusConnection connection, QObject* parent)
    : QObject(parent), bus(std::move(connection))
{
    bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                SLOT(onNotificationClosed(uint, uint)));
    // A restarted server knows none of our ids.
    watcher = new QDBusServiceWatcher(service, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] { ids.clear(); });
}

void DBusNotificationCenter::postNotification(const QString& title, const QString& content)
{
    LOG_INFO(QStringLiteral("Will post notification: Notification(title: \"%1\", informativeText: \"%2\")")
                 .arg(title, content));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(1));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("org.mirelo.Mirelo"));
    hints.insert(QStringLiteral("sound-name"), QStringLiteral("message-new-instant"));
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    message << QStringLiteral("Mirelo") << uint(0) << QStringLiteral("org.mirelo.Mirelo") << title << content
            << QStringList() << hints << int(-1);

    const quint64 sequence = ++postSequence;
    ++pending;
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(message), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, sequence](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        --pending;
        QDBusPendingReply<uint> reply = *w;
        if (reply.isError()) {
            LOG_ERROR(QStringLiteral("Failed to post notification: ") + reply.error().message());
            Q_EMIT notificationPosted(false, 0);
            return;
        }
        const uint id = reply.value();
        // Cleared while the reply was on its way: it must not stay on screen.
        if (sequence <= clearedUpTo)
            closeNotification(id);
        else
            ids.insert(id);
        Q_EMIT notificationPosted(true, id);
    });
}

void DBusNotificationCenter::clearAllNotification()
{
    LOG_INFO(QStringLiteral("Will removeAllDeliveredNotifications"));
    clearedUpTo = postSequence;
    const QSet<uint> toClose = ids;
    ids.clear();
    for (uint id : toClose)
        closeNotification(id);
}

void DBusNotificationCenter::closeNotification(uint id)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("CloseNotification"));
    message << id;
    bus.asyncCall(message);
}

void DBusNotificationCenter::onNotificationClosed(uint id, uint reason)
{
    Q_UNUSED(reason);
    ids.remove(id);
}
