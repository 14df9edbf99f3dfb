#include "linux/DBusIdleMonitor.h"

#include "diagnostics/Log.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>

namespace {

const QString mutter = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString freedesktop = QStringLiteral("org.freedesktop.ScreenSaver");
const QString gnome = QStringLiteral("org.gnome.ScreenSaver");
const QString kde = QStringLiteral("org.kde.screensaver");

} // namespace

DBusIdleMonitor::DBusIdleMonitor(QDBusConnection connection, IdleMonitor* fallback, IdleMonitor* first)
    : bus(std::move(connection)), fallback(fallback), first(first)
{
    // Whichever screen saver the desktop runs says when the screen locks and unlocks.
    bus.connect(gnome, QStringLiteral("/org/gnome/ScreenSaver"), gnome, QStringLiteral("ActiveChanged"), this,
                SLOT(activeChanged(bool)));
    for (const char* path : {"/org/freedesktop/ScreenSaver", "/ScreenSaver"})
        bus.connect(freedesktop, QLatin1String(path), freedesktop, QStringLiteral("ActiveChanged"), this,
                    SLOT(activeChanged(bool)));
}

std::unique_ptr<DBusIdleMonitor> DBusIdleMonitor::create(QDBusConnection bus, IdleMonitor* fallback,
                                                         IdleMonitor* first)
{
    std::unique_ptr<DBusIdleMonitor> monitor(new DBusIdleMonitor(std::move(bus), fallback, first));
    if (!monitor->hasService(mutter) && !monitor->hasService(freedesktop) && !monitor->fallback &&
        !monitor->first)
        return nullptr;
    return monitor;
}

bool DBusIdleMonitor::hasService(const QString& name) const
{
    return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(name).value();
}

bool DBusIdleMonitor::screenSaverCountsMilliseconds() const
{
    if (qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QLatin1String("KDE"), Qt::CaseInsensitive))
        return true;
    if (!hasService(kde))
        return false;
    const auto owner = bus.interface()->serviceOwner(freedesktop);
    return owner.isValid() && owner.value() == bus.interface()->serviceOwner(kde).value();
}

QString DBusIdleMonitor::backendName() const
{
    if (first)
        return first->backendName();
    if (hasService(mutter))
        return mutter;
    if (hasService(freedesktop))
        return freedesktop;
    return fallback ? fallback->backendName() : QString();
}

void DBusIdleMonitor::idleSeconds(std::function<void(std::optional<qint64>)> done)
{
    if (!first) {
        askDesktop(std::move(done));
        return;
    }
    QPointer<DBusIdleMonitor> weak(this);
    first->idleSeconds([weak, done = std::move(done)](std::optional<qint64> seconds) mutable {
        if (seconds || !weak)
            done(seconds);
        else
            weak->askDesktop(std::move(done));
    });
}

void DBusIdleMonitor::askDesktop(std::function<void(std::optional<qint64>)> done)
{
    QDBusMessage call;
    bool milliseconds = false;
    if (hasService(mutter)) {
        call = QDBusMessage::createMethodCall(mutter, QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                                              mutter, QStringLiteral("GetIdletime"));
        milliseconds = true;
    } else if (hasService(freedesktop)) {
        call = QDBusMessage::createMethodCall(freedesktop, QStringLiteral("/org/freedesktop/ScreenSaver"),
                                              freedesktop, QStringLiteral("GetSessionIdleTime"));
        milliseconds = screenSaverCountsMilliseconds();
    } else if (fallback) {
        fallback->idleSeconds(std::move(done));
        return;
    } else {
        done(std::nullopt);
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 2000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, milliseconds, done = std::move(done)]() mutable {
                watcher->deleteLater();
                const QDBusMessage reply = watcher->reply();
                if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                    // The service is there but will not say: the X server may.
                    if (fallback)
                        fallback->idleSeconds(std::move(done));
                    else
                        done(std::nullopt);
                    return;
                }
                const qint64 value = reply.arguments().first().toLongLong();
                done(milliseconds ? value / 1000 : value);
            });
}

void DBusIdleMonitor::setWatching(bool watching)
{
    if (first)
        first->setWatching(watching);
    if (fallback)
        fallback->setWatching(watching);
}

void DBusIdleMonitor::activeChanged(bool active)
{
    LOG_INFO(active ? QStringLiteral("The screen locked.") : QStringLiteral("The screen unlocked."));
    Q_EMIT lockedChanged(active);
}
