#include "linux/PortalAppearance.h"

#include "diagnostics/Log.h"
#include "linux/DBusVariant.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QPalette>

namespace {
const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settings = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearanceNamespace = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");
} // namespace

PortalAppearance::PortalAppearance(QDBusConnection connection, QObject* parent)
    : QObject(parent), bus(std::move(connection)), dark(paletteIsDark())
{
    if (bus.isConnected())
        bus.connect(service, path, settings, QStringLiteral("SettingChanged"), this,
                    SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    refresh();
}

std::optional<bool> PortalAppearance::darkFromColorScheme(const QVariant& value)
{
    const QVariant v = unwrapDBusVariant(value);
    bool ok = false;
    const uint scheme = v.toUInt(&ok);
    if (!ok || scheme > 2)
        return std::nullopt;
    if (scheme == 0)
        return std::nullopt;
    return scheme == 1;
}

bool PortalAppearance::paletteIsDark()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

void PortalAppearance::refresh()
{
    if (!bus.isConnected())
        return;
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, settings, QStringLiteral("Read"));
    message << appearanceNamespace << colorScheme;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, 2000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        QDBusPendingReply<QDBusVariant> reply = *w;
        if (reply.isError())
            return; // no portal: the palette stays in charge
        if (const auto value = darkFromColorScheme(QVariant::fromValue(reply.value())))
            apply(*value);
    });
}

void PortalAppearance::onSettingChanged(const QString& nameSpace, const QString& key,
                                        const QDBusVariant& value)
{
    if (nameSpace != appearanceNamespace || key != colorScheme)
        return;
    apply(darkFromColorScheme(QVariant::fromValue(value)).value_or(paletteIsDark()));
}

void PortalAppearance::apply(bool value)
{
    if (value == dark)
        return;
    dark = value;
    Q_EMIT appearanceChanged(dark);
}
