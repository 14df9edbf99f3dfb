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
const QString actionKey = QStringLiteral("mirelo-action");
} // namespace

DBusNotificationCenter::DBusNotificationCenter(QDBusConnection connection, QObject* parent)
    : QObject(parent), bus(std::move(connection))
{
    bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                SLOT(onNotificationClosed(uint, uint)));
    bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                SLOT(onActionInvoked(uint, QString)));
    // A restarted server knows none of our ids.
    watcher = new QDBusServiceWatcher(service, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] {
        ids.clear();
        actions.clear();
    });
}

void DBusNotificationCenter::postNotification(const QString& title, const QString& content)
{
    post(title, content, std::nullopt);
}

void DBusNotificationCenter::postNotificationWithAction(const QString& title, const QString& content,
                                                        NotificationAction action)
{
    post(title, content, std::move(action));
}

void DBusNotificationCenter::post(const QString& title, const QString& content,
                                  std::optional<NotificationAction> action)
{
    LOG_INFO(QStringLiteral("Will post notification: Notification(title: \"%1\", informativeText: \"%2\")")
                 .arg(title, content));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(1));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("org.mirelo.Mirelo"));
    hints.insert(QStringLiteral("sound-name"), QStringLiteral("message-new-instant"));
    QStringList actionList;
    std::function<void()> invoke;
    if (action && action->invoke) {
        actionList << actionKey << action->label;
        invoke = std::move(action->invoke);
    }
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    message << QStringLiteral("Mirelo") << uint(0) << QStringLiteral("org.mirelo.Mirelo") << title << content
            << actionList << hints << int(-1);

    const quint64 sequence = ++postSequence;
    ++pending;
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(message), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, sequence, invoke = std::move(invoke)](QDBusPendingCallWatcher* w) {
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
                if (sequence <= clearedUpTo) {
                    closeNotification(id);
                } else {
                    ids.insert(id);
                    if (invoke)
                        actions.insert(id, invoke);
                }
                Q_EMIT notificationPosted(true, id);
            });
}

void DBusNotificationCenter::clearAllNotification()
{
    LOG_INFO(QStringLiteral("Will removeAllDeliveredNotifications"));
    clearedUpTo = postSequence;
    const QSet<uint> toClose = ids;
    ids.clear();
    actions.clear();
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
    actions.remove(id);
}

void DBusNotificationCenter::onActionInvoked(uint id, const QString& key)
{
    // Ids are the server's, so another program's notifications never match ours.
    if (key != actionKey || !actions.contains(id))
        return;
    LOG_INFO(QStringLiteral("Notification action invoked"));
    // Once: a server may keep the notification on screen after the click.
    const std::function<void()> invoke = actions.take(id);
    invoke();
}
