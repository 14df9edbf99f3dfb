#include "linux/PortalBackgroundLoginItems.h"

#include "diagnostics/Log.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusObjectPath>
#include <QFileInfo>

namespace {
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString backgroundInterface = QStringLiteral("org.freedesktop.portal.Background");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
} // namespace

PortalBackgroundLoginItems::PortalBackgroundLoginItems(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus(std::move(bus))
{
}

bool PortalBackgroundLoginItems::sandboxed(const QString& marker)
{
    return QFileInfo::exists(marker);
}

bool PortalBackgroundLoginItems::setEnabled(bool wanted)
{
    if (!bus.isConnected())
        return false;
    // The portal names the request object after our connection and a token of ours; watching
    // it before the call means a quick answer cannot be missed.
    const QString token = QStringLiteral("mirelo_background%1").arg(++counter);
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    if (!pendingRequest.isEmpty())
        bus.disconnect(portalService, pendingRequest, requestInterface, QStringLiteral("Response"), this,
                       SLOT(response(uint, QVariantMap, QDBusMessage)));
    pendingRequest = portalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    bus.connect(portalService, pendingRequest, requestInterface, QStringLiteral("Response"), this,
                SLOT(response(uint, QVariantMap, QDBusMessage)));

    QDBusMessage call =
        QDBusMessage::createMethodCall(portalService, portalPath, backgroundInterface, QStringLiteral("RequestBackground"));
    const QVariantMap options{
        {QStringLiteral("handle_token"), token},
        // Shown to the user when the desktop asks.
        {QStringLiteral("reason"), QCoreApplication::translate("Localizable", "Start Mirelo when you log in")},
        {QStringLiteral("autostart"), wanted},
        {QStringLiteral("commandline"), QStringList{QStringLiteral("mirelo")}},
        {QStringLiteral("dbus-activatable"), false}};
    call << QString() << options;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *done;
        if (!reply.isError())
            return;
        LOG_ERROR(QStringLiteral("Background portal: RequestBackground failed: %1: %2")
                      .arg(reply.error().name(), reply.error().message()));
        enabled = false;
        Q_EMIT answered(false);
    });
    asked = wanted;
    LOG_INFO(QStringLiteral("Asked the Background portal to %1 the start at login.")
                 .arg(wanted ? QStringLiteral("allow") : QStringLiteral("remove")));
    return true;
}

void PortalBackgroundLoginItems::response(uint code, const QVariantMap& results, const QDBusMessage& message)
{
    if (message.path() != pendingRequest)
        return;
    bus.disconnect(portalService, pendingRequest, requestInterface, QStringLiteral("Response"), this,
                   SLOT(response(uint, QVariantMap, QDBusMessage)));
    pendingRequest.clear();
    // 0: answered; 1: the user cancelled; 2: refused or failed. Autostart is on only if the
    // answer says so: a portal may let us run in the background but not at login.
    enabled = code == 0 && results.value(QStringLiteral("autostart")).toBool();
    LOG_INFO(QStringLiteral("Background portal answered (response %1): start at login %2.")
                 .arg(code)
                 .arg(enabled ? QStringLiteral("on") : QStringLiteral("off")));
    if (asked && !enabled)
        LOG_WARNING(QStringLiteral("The desktop did not allow Mirelo to start at login."));
    Q_EMIT answered(enabled);
}
