#pragma once

#include "shortcuts/GlobalShortcuts.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QVariantMap>

// Global shortcuts through the desktop portal (org.freedesktop.portal.GlobalShortcuts), where a
// Wayland desktop offers it: the desktop binds them, may bind another trigger than the one
// asked for, and may ask the user. One portal session per binding; the desktop may close it.
// The portal is started on demand, and one that starts later (or again) binds them anew.
class PortalGlobalShortcuts final : public GlobalShortcuts
{
    Q_OBJECT
public:
    static constexpr int startTimeoutMs = 5000;

    // Null when the desktop's portal has no global shortcuts; where no portal runs or can be
    // started yet, one that waits for it.
    static PortalGlobalShortcuts* create(QDBusConnection bus, QObject* parent = nullptr);
    ~PortalGlobalShortcuts() override;

    // Asks the desktop for these combinations; it answers later (triggersChanged), so nothing is
    // reported refused here.
    QStringList bind(const QList<QKeySequence>& combinations) override;
    void setSuspended(bool suspended) override;

    bool boundByDesktop() const override { return true; }
    QString boundTrigger(int index) const override { return triggers.value(index); }

    // A combination as the portal's preferred trigger ("CTRL+ALT+p"); empty when it has none.
    static QString preferredTrigger(const QKeySequence& combination);

private Q_SLOTS:
    void response(uint code, const QVariantMap& results, const QDBusMessage& message);
    // Activated(o session, s id, t timestamp, a{sv} options)
    void shortcutActivated(const QDBusMessage& message);
    void sessionClosed(const QVariantMap& details, const QDBusMessage& message);

private:
    explicit PortalGlobalShortcuts(QDBusConnection bus, QObject* parent);
    // Calls method with a request token; the answer comes as that request's Response.
    void request(const QString& method, const QVariantList& arguments, QVariantMap options);
    void createSession();
    void bindShortcuts();
    void closeSession();

    QDBusConnection bus;
    QDBusServiceWatcher portalWatcher;
    QList<QKeySequence> wanted;
    QStringList triggers;
    QString session;
    QString pendingRequest;
    QString pendingMethod;
    quint64 counter = 0;
    bool suspended = false;
};
