#include "linux/FprintdBiometrics.h"

#include "diagnostics/Log.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace {

const QString service = QStringLiteral("net.reactivated.Fprint");
const QString managerPath = QStringLiteral("/net/reactivated/Fprint/Manager");
const QString managerInterface = QStringLiteral("net.reactivated.Fprint.Manager");
const QString deviceInterface = QStringLiteral("net.reactivated.Fprint.Device");

QString errorText(const QDBusPendingCall& call)
{
    const QDBusError error = call.error();
    return error.message().isEmpty() ? error.name() : error.name() + QStringLiteral(": ") + error.message();
}

} // namespace

FprintdBiometrics::FprintdBiometrics(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus(std::move(bus))
{
    watcher = new QDBusServiceWatcher(service, this->bus, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        if (callbacks.finished) {
            claimed = false;
            verifying = false;
            finish(false, QStringLiteral("the fingerprint service went away"));
        }
    });
}

FprintdBiometrics::~FprintdBiometrics()
{
    invalidate();
}

QDBusMessage FprintdBiometrics::deviceCall(const QString& method) const
{
    return QDBusMessage::createMethodCall(service, device, deviceInterface, method);
}

void FprintdBiometrics::then(const QDBusPendingCall& call, std::function<void(const QDBusPendingCall&)> next,
                             std::function<void(const QDBusPendingCall&)> stale)
{
    auto* pending = new QDBusPendingCallWatcher(call, this);
    const quint64 started = session;
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, pending, started, next = std::move(next), stale = std::move(stale)] {
                pending->deleteLater();
                if (started == session)
                    next(*pending);
                else if (stale)
                    stale(*pending);
            });
}

void FprintdBiometrics::evaluate(Callbacks next)
{
    invalidate();
    callbacks = std::move(next);
    if (!bus.isConnected()) {
        failToBegin(QStringLiteral("no system bus"));
        return;
    }
    const QDBusMessage getDevice = QDBusMessage::createMethodCall(service, managerPath, managerInterface,
                                                                  QStringLiteral("GetDefaultDevice"));
    then(bus.asyncCall(getDevice), [this](const QDBusPendingCall& call) {
        const QDBusPendingReply<QDBusObjectPath> reply = call;
        if (reply.isError()) {
            failToBegin(errorText(call));
            return;
        }
        device = reply.value().path();
        QDBusMessage list = deviceCall(QStringLiteral("ListEnrolledFingers"));
        list << QString();
        then(bus.asyncCall(list), [this](const QDBusPendingCall& call) {
            const QDBusPendingReply<QStringList> fingers = call;
            if (fingers.isError()) {
                failToBegin(errorText(call));
                return;
            }
            if (fingers.value().isEmpty()) {
                failToBegin(QStringLiteral("no enrolled finger"));
                return;
            }
            QDBusMessage claim = deviceCall(QStringLiteral("Claim"));
            claim << QString();
            then(
                bus.asyncCall(claim),
                [this](const QDBusPendingCall& call) {
                    if (call.isError()) {
                        failToBegin(errorText(call));
                        return;
                    }
                    claimed = true;
                    bus.connect(service, device, deviceInterface, QStringLiteral("VerifyStatus"), this,
                                SLOT(verifyStatus(QString, bool)));
                    startVerifying();
                },
                [this, claimedDevice = device](const QDBusPendingCall& call) {
                    // Cancelled while the claim was on its way: the reader is still let go.
                    if (!call.isError())
                        bus.asyncCall(QDBusMessage::createMethodCall(service, claimedDevice, deviceInterface,
                                                                     QStringLiteral("Release")));
                });
        });
    });
}

void FprintdBiometrics::findReader(std::function<void(const QString& missing)> answer)
{
    const QString noReader = tr("No fingerprint reader was found.");
    if (!bus.isConnected()) {
        answer(noReader);
        return;
    }
    // Apart from the checks: asking must not cancel one that runs.
    auto* pending = new QDBusPendingCallWatcher(
        bus.asyncCall(QDBusMessage::createMethodCall(service, managerPath, managerInterface,
                                                     QStringLiteral("GetDefaultDevice"))),
        this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending, answer, noReader] {
        pending->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *pending;
        if (reply.isError()) {
            LOG_INFO(QStringLiteral("No fingerprint reader: ") + errorText(*pending));
            answer(noReader);
            return;
        }
        QDBusMessage list = QDBusMessage::createMethodCall(service, reply.value().path(), deviceInterface,
                                                           QStringLiteral("ListEnrolledFingers"));
        list << QString();
        auto* fingers = new QDBusPendingCallWatcher(bus.asyncCall(list), this);
        connect(fingers, &QDBusPendingCallWatcher::finished, this, [fingers, answer] {
            fingers->deleteLater();
            const QDBusPendingReply<QStringList> enrolled = *fingers;
            answer(enrolled.isError() || enrolled.value().isEmpty()
                       ? tr("No finger is enrolled: add one in the desktop's user settings.")
                       : QString());
        });
    });
}

void FprintdBiometrics::startVerifying()
{
    QDBusMessage start = deviceCall(QStringLiteral("VerifyStart"));
    start << QStringLiteral("any");
    const bool first = !verifying;
    then(bus.asyncCall(start), [this, first](const QDBusPendingCall& call) {
        if (call.isError()) {
            if (first) {
                failToBegin(errorText(call));
            } else {
                releaseDevice();
                finish(false, errorText(call));
            }
            return;
        }
        verifying = true;
        if (first && callbacks.began)
            callbacks.began(true, QString());
    });
}

void FprintdBiometrics::verifyStatus(const QString& result, bool done)
{
    if (!verifying || !callbacks.finished)
        return;
    if (result == QLatin1String("verify-match")) {
        releaseDevice();
        finish(true, QString());
    } else if (result == QLatin1String("verify-no-match")) {
        // Another finger, or the same one badly placed: stop and listen again.
        LOG_INFO(QStringLiteral("Fingerprint did not match; waiting for another try."));
        bus.asyncCall(deviceCall(QStringLiteral("VerifyStop")));
        startVerifying();
    } else if (!done && (result == QLatin1String("verify-retry-scan") ||
                         result == QLatin1String("verify-swipe-too-short") ||
                         result == QLatin1String("verify-finger-not-centered") ||
                         result == QLatin1String("verify-remove-and-retry"))) {
        LOG_INFO(QStringLiteral("Fingerprint reader asks for another scan: ") + result);
    } else {
        releaseDevice();
        finish(false, result);
    }
}

void FprintdBiometrics::failToBegin(const QString& error)
{
    auto began = std::move(callbacks.began);
    releaseDevice();
    callbacks = {};
    ++session;
    if (began)
        began(false, error);
}

void FprintdBiometrics::finish(bool matched, const QString& error)
{
    auto finished = std::move(callbacks.finished);
    callbacks = {};
    ++session;
    if (finished)
        finished(matched, error);
}

void FprintdBiometrics::releaseDevice()
{
    if (!device.isEmpty())
        bus.disconnect(service, device, deviceInterface, QStringLiteral("VerifyStatus"), this,
                       SLOT(verifyStatus(QString, bool)));
    if (verifying)
        bus.asyncCall(deviceCall(QStringLiteral("VerifyStop")));
    if (claimed)
        bus.asyncCall(deviceCall(QStringLiteral("Release")));
    verifying = false;
    claimed = false;
}

void FprintdBiometrics::invalidate()
{
    ++session;
    callbacks = {};
    releaseDevice();
}
