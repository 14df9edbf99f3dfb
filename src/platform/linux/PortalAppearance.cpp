#include "linux/PortalAppearance.h"

#include "diagnostics/Log.h"
#include "linux/DBusVariant.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QPalette>

namespace {
const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settings = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearanceNamespace = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");

struct Setting
{
    const char* nameSpace;
    const char* key;
};
constexpr Setting accessibilitySettings[] = {{"org.freedesktop.appearance", "reduced-motion"},
                                             {"org.freedesktop.appearance", "contrast"},
                                             {"org.gnome.desktop.interface", "enable-animations"},
                                             {"org.gnome.desktop.a11y.interface", "high-contrast"},
                                             {"org.kde.kdeglobals.KDE", "AnimationDurationFactor"}};

QString settingId(const QString& nameSpace, const QString& key)
{
    return nameSpace + QLatin1Char(' ') + key;
}
} // namespace

PortalAppearance::PortalAppearance(QDBusConnection connection, QObject* parent)
    : QObject(parent), bus(std::move(connection)), dark(paletteIsDark())
{
    // Taken as a message: QtDBus refuses to connect the signal to a slot with a QDBusVariant
    // parameter, and changes made while the program runs went unheard.
    if (bus.isConnected() && !bus.connect(service, path, settings, QStringLiteral("SettingChanged"), this,
                                          SLOT(onSettingChanged(QDBusMessage))))
        qWarning("Mirelo: cannot follow the desktop's appearance settings");
    // A portal that starts after us (it is started on demand) is read as soon as it is there.
    if (bus.isConnected()) {
        auto* watcher =
            new QDBusServiceWatcher(service, bus, QDBusServiceWatcher::WatchForRegistration, this);
        connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, &PortalAppearance::refresh);
    }
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
    for (const Setting& setting : accessibilitySettings)
        readSetting(QLatin1String(setting.nameSpace), QLatin1String(setting.key));
}

void PortalAppearance::readSetting(const QString& nameSpace, const QString& key)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, settings, QStringLiteral("Read"));
    message << nameSpace << key;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, 2000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, nameSpace, key](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                QDBusPendingReply<QDBusVariant> reply = *w;
                // A desktop without the setting answers with an error: nothing is asked of us.
                if (!reply.isError())
                    takeSetting(nameSpace, key, QVariant::fromValue(reply.value()));
            });
}

void PortalAppearance::takeSetting(const QString& nameSpace, const QString& key, const QVariant& value)
{
    readings.insert(settingId(nameSpace, key), unwrapDBusVariant(value));
    auto reading = [this](const char* nameSpace, const char* key) {
        return readings.value(settingId(QLatin1String(nameSpace), QLatin1String(key)));
    };
    const QVariant animations = reading("org.gnome.desktop.interface", "enable-animations");
    const QVariant factor = reading("org.kde.kdeglobals.KDE", "AnimationDurationFactor");
    const bool reduced = reading("org.freedesktop.appearance", "reduced-motion").toUInt() == 1 ||
                         (animations.isValid() && !animations.toBool()) ||
                         (factor.isValid() && factor.toDouble() <= 0.0);
    const bool contrast = reading("org.freedesktop.appearance", "contrast").toUInt() == 1 ||
                          reading("org.gnome.desktop.a11y.interface", "high-contrast").toBool();
    if (reduced == reducedMotion && contrast == highContrast)
        return;
    reducedMotion = reduced;
    highContrast = contrast;
    Q_EMIT accessibilityChanged();
}

void PortalAppearance::onSettingChanged(const QDBusMessage& message)
{
    const QVariantList args = message.arguments();
    if (args.size() < 3)
        return;
    const QString nameSpace = args[0].toString();
    const QString key = args[1].toString();
    const QDBusVariant value(unwrapDBusVariant(args[2]));
    for (const Setting& setting : accessibilitySettings) {
        if (nameSpace == QLatin1String(setting.nameSpace) && key == QLatin1String(setting.key)) {
            takeSetting(nameSpace, key, QVariant::fromValue(value));
            return;
        }
    }
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
