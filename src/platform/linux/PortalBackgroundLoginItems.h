#pragma once

#include "settings/LoginItems.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QVariantMap>

// Launch at login inside a sandbox (Flatpak): an autostart file written from in there would
// name a command the host cannot run, so the desktop's Background portal is asked instead; it
// may ask the user, and writes the entry itself.
class PortalBackgroundLoginItems final : public QObject, public LoginItems
{
    Q_OBJECT
public:
    explicit PortalBackgroundLoginItems(QDBusConnection bus, QObject* parent = nullptr);

    // True inside a Flatpak sandbox, which marks itself with this file.
    static bool sandboxed(const QString& marker = QStringLiteral("/.flatpak-info"));

    // Asks the portal; true once the question went out (the answer comes as answered()).
    bool setEnabled(bool enabled) override;
    // The portal's last answer.
    bool isEnabled() const override { return enabled; }

Q_SIGNALS:
    // The desktop answered a request: whether Mirelo now starts at login. False when the user
    // refused, the portal failed or did not answer.
    void answered(bool enabled);

private Q_SLOTS:
    void response(uint code, const QVariantMap& results, const QDBusMessage& message);

private:
    QDBusConnection bus;
    QString pendingRequest;
    bool asked = false;
    bool enabled = false;
    quint64 counter = 0;
};
