#include "linux/LogindIdleMonitor.h"

#include "diagnostics/Log.h"
#include "linux/DBusVariant.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDateTime>
#include <QPointer>

namespace {

const QString logind = QStringLiteral("org.freedesktop.login1");
const QString sessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

} // namespace

LogindIdleMonitor::LogindIdleMonitor(QDBusConnection connection) : bus(std::move(connection)) {}

std::unique_ptr<LogindIdleMonitor> LogindIdleMonitor::create(QDBusConnection systemBus, QString sessionId)
{
    if (!systemBus.isConnected() || !systemBus.interface() ||
        !systemBus.interface()->isServiceRegistered(logind).value())
        return nullptr;
    std::unique_ptr<LogindIdleMonitor> monitor(new LogindIdleMonitor(std::move(systemBus)));
    monitor->findSession(sessionId.isEmpty() ? QStringLiteral("auto") : sessionId);
    return monitor;
}

QString LogindIdleMonitor::backendName() const
{
    return logind;
}

void LogindIdleMonitor::findSession(const QString& sessionId)
{
    QDBusMessage call = QDBusMessage::createMethodCall(logind, QStringLiteral("/org/freedesktop/login1"),
                                                       QStringLiteral("org.freedesktop.login1.Manager"),
                                                       QStringLiteral("GetSession"));
    call << sessionId;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            LOG_WARNING(QStringLiteral("logind names no session for this program: ") + reply.errorMessage());
            return;
        }
        session = reply.arguments().first().value<QDBusObjectPath>().path();
        if (session.isEmpty())
            return;
        bus.connect(logind, session, sessionInterface, QStringLiteral("Lock"), this, SLOT(onLock()));
        bus.connect(logind, session, sessionInterface, QStringLiteral("Unlock"), this, SLOT(onUnlock()));
        bus.connect(logind, session, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                    SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
        Q_EMIT sessionFound();
    });
}

void LogindIdleMonitor::idleSeconds(std::function<void(std::optional<qint64>)> done)
{
    if (session.isEmpty()) {
        done(std::nullopt);
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(logind, session, propertiesInterface, QStringLiteral("GetAll"));
    call << sessionInterface;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 2000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            done(std::nullopt);
            return;
        }
        const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().first());
        if (!unwrapDBusVariant(properties.value(QStringLiteral("IdleHint"))).toBool()) {
            done(0);
            return;
        }
        // Microseconds of the wall clock; zero or a time ahead of ours says nothing.
        const qint64 sinceMs =
            unwrapDBusVariant(properties.value(QStringLiteral("IdleSinceHint"))).toULongLong() / 1000;
        const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
        if (sinceMs <= 0 || sinceMs > nowMs) {
            done(std::nullopt);
            return;
        }
        done((nowMs - sinceMs) / 1000);
    });
}

void LogindIdleMonitor::onPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                            const QStringList& invalidated)
{
    Q_UNUSED(invalidated);
    const auto hint = changed.constFind(QStringLiteral("LockedHint"));
    if (interface == sessionInterface && hint != changed.constEnd())
        setLocked(unwrapDBusVariant(*hint).toBool());
}

void LogindIdleMonitor::onLock()
{
    setLocked(true);
}

void LogindIdleMonitor::onUnlock()
{
    setLocked(false);
}

void LogindIdleMonitor::setLocked(bool value)
{
    // The Lock request and the LockedHint that follows it are one event.
    if (value == locked)
        return;
    locked = value;
    LOG_INFO(value ? QStringLiteral("The session locked.") : QStringLiteral("The session unlocked."));
    Q_EMIT lockedChanged(value);
}
