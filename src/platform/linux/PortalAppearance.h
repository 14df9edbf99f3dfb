#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>

#include <optional>

// The desktop's light or dark preference from the portal's "color-scheme" setting, with
// the palette's lightness where no portal answers.
class PortalAppearance : public QObject
{
    Q_OBJECT
public:
    explicit PortalAppearance(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    bool isDarkMode() const { return dark; }
    // Asks the portal once; appearanceChanged follows when its answer differs.
    void refresh();

    // 1 = dark, 2 = light, 0 = no preference; a variant may be wrapped more than once.
    static std::optional<bool> darkFromColorScheme(const QVariant& value);
    static bool paletteIsDark();

Q_SIGNALS:
    void appearanceChanged(bool dark);

private Q_SLOTS:
    void onSettingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value);

private:
    void apply(bool value);

    QDBusConnection bus;
    bool dark = false;
};
