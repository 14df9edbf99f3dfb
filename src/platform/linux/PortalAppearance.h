#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QHash>
#include <QObject>

#include <optional>

// The desktop's light or dark preference from the portal's "color-scheme" setting, with
// the palette's lightness where no portal answers; and whether it asks for less motion or more
// contrast, from the same portal (its own keys, and GNOME's and KDE's settings it passes on).
class PortalAppearance : public QObject
{
    Q_OBJECT
public:
    explicit PortalAppearance(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    bool isDarkMode() const { return dark; }
    // GNOME's enable-animations off, KDE's AnimationDurationFactor 0, or reduced-motion 1.
    bool prefersReducedMotion() const { return reducedMotion; }
    // The portal's contrast 1 or GNOME's high-contrast on.
    bool prefersHighContrast() const { return highContrast; }
    // Asks the portal once; appearanceChanged follows when its answer differs.
    void refresh();

    // 1 = dark, 2 = light, 0 = no preference; a variant may be wrapped more than once.
    static std::optional<bool> darkFromColorScheme(const QVariant& value);
    static bool paletteIsDark();

Q_SIGNALS:
    void appearanceChanged(bool dark);
    void accessibilityChanged();

private Q_SLOTS:
    // SettingChanged(namespace, key, value).
    void onSettingChanged(const QDBusMessage& message);

private:
    void apply(bool value);
    void readSetting(const QString& nameSpace, const QString& key);
    void takeSetting(const QString& nameSpace, const QString& key, const QVariant& value);

    QDBusConnection bus;
    bool dark = false;
    bool reducedMotion = false;
    bool highContrast = false;
    // The accessibility settings read so far, by "namespace key".
    QHash<QString, QVariant> readings;
};
