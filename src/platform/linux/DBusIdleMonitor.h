#pragma once

#include "timer/IdleMonitor.h"

#include <QDBusConnection>

#include <functional>
#include <memory>

// The session's own idle time and screen lock over D-Bus: GNOME's idle monitor
// (org.gnome.Mutter.IdleMonitor), else org.freedesktop.ScreenSaver's session idle time, else
// a fallback (the X server's). Lock and unlock come from the screen savers' ActiveChanged.
class DBusIdleMonitor final : public IdleMonitor
{
    Q_OBJECT
public:
    using Fallback = std::function<void(std::function<void(std::optional<qint64>)>)>;

    // None when the session bus offers neither a way to read the idle time nor a fallback.
    static std::unique_ptr<DBusIdleMonitor> create(QDBusConnection bus, Fallback fallback,
                                                   QString fallbackName);

    void idleSeconds(std::function<void(std::optional<qint64>)> done) override;
    QString backendName() const override;
    void setWatching(bool watching) override;
    // The monitor behind the fallback, told when to watch.
    void setFallbackMonitor(IdleMonitor* monitor) { fallbackMonitor = monitor; }

private Q_SLOTS:
    void activeChanged(bool active);

private:
    DBusIdleMonitor(QDBusConnection bus, Fallback fallback, QString fallbackName);
    bool hasService(const QString& name) const;

    QDBusConnection bus;
    Fallback fallback;
    QString fallbackName;
    IdleMonitor* fallbackMonitor = nullptr;
};
