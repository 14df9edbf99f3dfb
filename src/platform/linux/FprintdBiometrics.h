#pragma once

#include "auth/Biometrics.h"

#include <QDBusConnection>
#include <QObject>

class QDBusPendingCall;
class QDBusServiceWatcher;

// The fingerprint check through fprintd on the system bus: the default reader, its enrolled
// fingers, Claim, VerifyStart("any"), VerifyStatus until a match or a failure, VerifyStop and
// Release. The reader is always released: on a match, a failure, a cancel and on destruction.
class FprintdBiometrics final : public QObject, public Biometrics
{
    Q_OBJECT
public:
    explicit FprintdBiometrics(QDBusConnection bus = QDBusConnection::systemBus(), QObject* parent = nullptr);
    ~FprintdBiometrics() override;

    void evaluate(Callbacks callbacks) override;
    void invalidate() override;
    void findReader(std::function<void(const QString& missing)> answer) override;

private Q_SLOTS:
    void verifyStatus(const QString& result, bool done);

private:
    // Runs the next step of the check once call answers; stale instead when the check was
    // cancelled or replaced meanwhile.
    void then(const QDBusPendingCall& call, std::function<void(const QDBusPendingCall&)> next,
              std::function<void(const QDBusPendingCall&)> stale = {});
    void failToBegin(const QString& error);
    void finish(bool matched, const QString& error);
    void startVerifying();
    void releaseDevice();
    QDBusMessage deviceCall(const QString& method) const;

    QDBusConnection bus;
    QDBusServiceWatcher* watcher = nullptr;
    Callbacks callbacks;
    QString device;
    bool claimed = false;
    bool verifying = false;
    // Counts checks; an answer for an earlier one finds a different number and is dropped.
    quint64 session = 0;
};
