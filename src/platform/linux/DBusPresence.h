#pragma once

#include "presence/Presence.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <memory>
#include <vector>

// A presence source read by D-Bus calls that answer true or false, asked in order until one
// says true; a service that is absent or does not answer says nothing. Two of them:
// - Do Not Disturb: org.freedesktop.Notifications' Inhibited property, where the notification
//   server has it (KDE Plasma);
// - an idle inhibitor (a player or a call keeps the screen on): GNOME's session manager
//   IsInhibited(8), KDE's power management HasInhibition(ChangeScreenSettings).
class DBusPresence final : public Presence
{
    Q_OBJECT
public:
    static constexpr int timeoutMs = 2000;

    static std::unique_ptr<DBusPresence> doNotDisturb(QDBusConnection bus, QObject* parent = nullptr);
    static std::unique_ptr<DBusPresence> idleInhibitor(QDBusConnection bus, QObject* parent = nullptr);

    void activeSources(std::function<void(QStringList)> done) override;
    QString backendName() const override { return name; }

private:
    DBusPresence(QDBusConnection bus, QString name, QString description, std::vector<QDBusMessage> calls,
                 QObject* parent);
    void ask(size_t index, std::function<void(QStringList)> done);

    QDBusConnection bus;
    QString name;
    QString description;
    std::vector<QDBusMessage> calls;
};
