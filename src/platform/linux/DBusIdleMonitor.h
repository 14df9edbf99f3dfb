#pragma once

#include "timer/IdleMonitor.h"

#include <QDBusConnection>

#include <memory>

// The session's own idle time and screen lock over D-Bus: GNOME's idle monitor
// (org.gnome.Mutter.IdleMonitor), else org.freedesktop.ScreenSaver's session idle time, else
// a fallback monitor (the X server's, the compositor's, logind's). Lock and unlock come from the
// screen savers' ActiveChanged.
class DBusIdleMonitor final : public IdleMonitor
{
    Q_OBJECT
public:
    // None when the session bus offers neither a way to read the idle time nor a fallback.
    // fallback, which may be null, outlives the monitor.
    static std::unique_ptr<DBusIdleMonitor> create(QDBusConnection bus, IdleMonitor* fallback);

    void idleSeconds(std::function<void(std::optional<qint64>)> done) override;
    QString backendName() const override;
    void setWatching(bool watching) override;

private Q_SLOTS:
    void activeChanged(bool active);

private:
    DBusIdleMonitor(QDBusConnection bus, IdleMonitor* fallback);
    bool hasService(const QString& name) const;

    QDBusConnection bus;
    IdleMonitor* fallback;
};
