#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

class CycleController;
class Countdown;

// org.freedesktop.Application on /org/mirelo/Mirelo: launchers activate Mirelo (which opens
// the preferences) and run the desktop file's actions over D-Bus.
class ApplicationDBusAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    static constexpr const char* interfaceName = "org.freedesktop.Application";

    // bus: the connection the object is exported on, which answers the calls it receives.
    ApplicationDBusAdaptor(QObject* exported, CycleController& app, Countdown& timer, QDBusConnection bus,
                           std::function<void()> showPreferences, std::function<void()> showStatistics);

    // The desktop file's action names.
    static QStringList actions();

public Q_SLOTS:
    void Activate(const QVariantMap& platformData);
    // Mirelo opens no files: refused with an error reply.
    void Open(const QStringList& uris, const QVariantMap& platformData, const QDBusMessage& message);
    // An unknown action is refused with an error reply, not answered as done.
    void ActivateAction(const QString& actionName, const QVariantList& parameter,
                        const QVariantMap& platformData, const QDBusMessage& message);

private:
    CycleController& app;
    Countdown& timer;
    QDBusConnection bus;
    std::function<void()> showPreferences;
    std::function<void()> showStatistics;
};
