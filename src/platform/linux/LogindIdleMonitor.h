#pragma once

#include "timer/IdleMonitor.h"

#include <QDBusConnection>
#include <QVariantMap>

#include <memory>

// The session's idle and lock hints from logind on the system bus. Coarse — the desktop sets
// IdleHint after its own idle delay — but present where nothing else is (a Wayland
// compositor without an idle service). Lock and unlock come from the session's Lock/Unlock
// signals and its LockedHint.
class LogindIdleMonitor final : public IdleMonitor
{
    Q_OBJECT
public:
    // None without logind. sessionId empty: the caller's own session ("auto").
    static std::unique_ptr<LogindIdleMonitor>
    create(QDBusConnection systemBus, QString sessionId = qEnvironmentVariable("XDG_SESSION_ID"));

    void idleSeconds(std::function<void(std::optional<qint64>)> done) override;
    QString backendName() const override;

    // Empty until logind has named the session.
    QString sessionPath() const { return session; }

Q_SIGNALS:
    void sessionFound();

private Q_SLOTS:
    void onPropertiesChanged(const QString& interface, const QVariantMap& changed,
                             const QStringList& invalidated);
    void onLock();
    void onUnlock();

private:
    explicit LogindIdleMonitor(QDBusConnection bus);
    void findSession(const QString& sessionId);
    void setLocked(bool value);

    QDBusConnection bus;
    QString session;
    bool locked = false;
};
