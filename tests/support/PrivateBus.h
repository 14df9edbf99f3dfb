#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

#include <memory>
#include <vector>

// A dbus-daemon of the test's own, and python-dbusmock servers on it. Everything is stopped
// when the object goes away, so no daemon outlives the test.
class PrivateBus
{
public:
    // othersMayConnect: programs of other users may connect too (a program under test that
    // runs unprivileged); otherwise only this user's, as on a desktop.
    explicit PrivateBus(bool othersMayConnect = false);
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool isRunning() const { return !busAddress.isEmpty(); }
    QString address() const { return busAddress; }
    // A connection of this process to the bus (a fresh name per bus).
    QDBusConnection connection() const;

    // Starts `python3 -m dbusmock --template NAME` on this bus (as its system bus when
    // asSystemBus) and waits until it owns busName. False when it did not come up. NAME may be
    // a template file's path; parameters, when given, is the template's JSON object.
    bool startTemplate(const QString& templateName, const QString& busName, bool asSystemBus,
                       const QString& parameters = QString());

    // Calls org.freedesktop.DBus.Mock methods on a mock object.
    bool emitSignal(const QString& service, const QString& objectPath, const QString& interface,
                    const QString& name, const QString& signature, const QVariantList& args);
    // Method names of the calls the mock received, in order.
    QStringList calledMethods(const QString& service, const QString& objectPath);
    QList<QVariantList> callArguments(const QString& service, const QString& objectPath,
                                      const QString& method);
    bool stopMocks();

    // Runs the event loop until predicate is true or timeoutMs of real time passed.
    static bool waitFor(const std::function<bool()>& predicate, int timeoutMs = 5000);

private:
    QTemporaryDir configDir;
    std::unique_ptr<QProcess> daemon;
    std::vector<std::unique_ptr<QProcess>> mocks;
    QString busAddress;
    QString connectionName;
};
