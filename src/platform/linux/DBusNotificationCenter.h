#pragma once

#include "timer/NotificationCenter.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>
#include <optional>

class QDBusServiceWatcher;

// User notifications through org.freedesktop.Notifications. Calls are asynchronous, so a
// missing notification server never blocks the timer.
class DBusNotificationCenter final : public QObject, public NotificationCenter
{
    Q_OBJECT
public:
    explicit DBusNotificationCenter(QDBusConnection bus = QDBusConnection::sessionBus(),
                                    QObject* parent = nullptr);

    void postNotification(const QString& title, const QString& content) override;
    // A server that shows no buttons ignores it; its ActionInvoked signal runs it.
    void postNotificationWithAction(const QString& title, const QString& content,
                                    NotificationAction action) override;
    // Closes every notification this process posted and the server still shows.
    void clearAllNotification() override;

    QSet<uint> postedIds() const { return ids; }
    int pendingPosts() const { return pending; }

Q_SIGNALS:
    // After a Notify reply arrived (ok false when the server refused or is missing).
    void notificationPosted(bool ok, uint id);

private Q_SLOTS:
    void onNotificationClosed(uint id, uint reason);
    void onActionInvoked(uint id, const QString& key);

private:
    void post(const QString& title, const QString& content, std::optional<NotificationAction> action);
    void closeNotification(uint id);

    QDBusConnection bus;
    QDBusServiceWatcher* watcher = nullptr;
    QSet<uint> ids;
    QHash<uint, std::function<void()>> actions;
    quint64 postSequence = 0;
    quint64 clearedUpTo = 0;
    int pending = 0;
};
