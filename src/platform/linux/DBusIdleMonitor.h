#pragma once

#include "timer/IdleMonitor.h"

#include <QDBusConnection>

#include <memory>

// The session's idle time and screen lock: an exact source first when there is one (the X
// server's on X11), then GNOME's idle monitor (org.gnome.Mutter.IdleMonitor), else
// org.freedesktop.ScreenSaver's session idle time (milliseconds on KDE Plasma, seconds
// elsewhere), else a fallback monitor (the compositor's, logind's). Lock and unlock come from
// the screen savers' ActiveChanged.
class DBusIdleMonitor final : public IdleMonitor
{
    Q_OBJECT
public:
    // None when the session bus offers neither a way to read the idle time nor a fallback.
    // first and fallback, each of which may be null, outlive the monitor.
    static std::unique_ptr<DBusIdleMonitor> create(QDBusConnection bus, IdleMonitor* fallback,
                                                   IdleMonitor* first = nullptr);

    void idleSeconds(std::function<void(std::optional<qint64>)> done) override;
    QString backendName() const override;
    void setWatching(bool watching) override;

private Q_SLOTS:
    void activeChanged(bool active);

private:
    DBusIdleMonitor(QDBusConnection bus, IdleMonitor* fallback, IdleMonitor* first);
    bool hasService(const QString& name) const;
    void askDesktop(std::function<void(std::optional<qint64>)> done);
    // KDE's screen locker answers GetSessionIdleTime in milliseconds.
    bool screenSaverCountsMilliseconds() const;

    QDBusConnection bus;
    IdleMonitor* fallback;
    IdleMonitor* first;
};
