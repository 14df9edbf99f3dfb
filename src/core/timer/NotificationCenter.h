#pragma once

#include <QString>

// User notifications: post one with a title and a text; remove every one this program posted.
class NotificationCenter
{
public:
    virtual ~NotificationCenter() = default;
    virtual void postNotification(const QString& title, const QString& content) = 0;
    virtual void clearAllNotification() = 0;
};
