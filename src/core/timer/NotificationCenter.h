#pragma once

#include <QString>

#include <functional>

// A button on a notification: its label and what clicking it does (on the main thread).
struct NotificationAction
{
    QString label;
    std::function<void()> invoke;
};

// User notifications: post one with a title and a text; remove every one this program posted.
class NotificationCenter
{
public:
    virtual ~NotificationCenter() = default;
    virtual void postNotification(const QString& title, const QString& content) = 0;
    // A server that shows no buttons shows the notification without it.
    virtual void postNotificationWithAction(const QString& title, const QString& content,
                                            NotificationAction action)
    {
        Q_UNUSED(action);
        postNotification(title, content);
    }
    virtual void clearAllNotification() = 0;
};
