#include "LogCapture.h"
#include "PrivateBusTest.h"
#include "linux/PortalAppearance.h"

#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

#include <QDBusVariant>

#include <gtest/gtest.h>

TEST(PortalAppearanceTest, ColorSchemeIsReadThroughAnyNumberOfVariantWrappings)
{
    EXPECT_EQ(PortalAppearance::darkFromColorScheme(QVariant(1u)), true);
    EXPECT_EQ(PortalAppearance::darkFromColorScheme(QVariant(2u)), false);
    EXPECT_EQ(PortalAppearance::darkFromColorScheme(QVariant(0u)), std::nullopt); // no preference
    const QVariant once = QVariant::fromValue(QDBusVariant(QVariant(1u)));
    const QVariant twice = QVariant::fromValue(QDBusVariant(once));
    EXPECT_EQ(PortalAppearance::darkFromColorScheme(once), true);
    EXPECT_EQ(PortalAppearance::darkFromColorScheme(twice), true);
    EXPECT_EQ(PortalAppearance::darkFromColorScheme(QVariant(QStringLiteral("dark"))), std::nullopt);
    EXPECT_EQ(PortalAppearance::darkFromColorScheme(QVariant(7u)), std::nullopt);
}

TEST(PortalAppearanceTest, NoPortalLeavesThePaletteInCharge)
{
    PortalAppearance appearance(
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("no-portal")));
    EXPECT_EQ(appearance.isDarkMode(), PortalAppearance::paletteIsDark());
    QDBusConnection::disconnectFromBus(QStringLiteral("no-portal"));
}

class PortalAccessibilityTest : public PrivateBusTest
{};

TEST_F(PortalAccessibilityTest, LessMotionAndMoreContrastFollowTheDesktopAsItChanges)
{
    ASSERT_TRUE(bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/settings_portal.py"),
                                  QStringLiteral("org.freedesktop.portal.Desktop"), false,
                                  QStringLiteral(R"({"settings": {"org.freedesktop.appearance color-scheme": 1,
                                                 "org.gnome.desktop.interface enable-animations": false}})")));
    PortalAppearance appearance(bus->connection());
    // GNOME's switch reaches us through the portal; the contrast key is not there at all.
    ASSERT_TRUE(PrivateBus::waitFor([&] { return appearance.prefersReducedMotion(); }));
    EXPECT_TRUE(appearance.isDarkMode());
    EXPECT_FALSE(appearance.prefersHighContrast());

    // Changed while running: the portal's own keys, and KDE's factor, each count.
    QSignalSpy changed(&appearance, &PortalAppearance::accessibilityChanged);
    auto change = [&](const char* nameSpace, const char* key, const QVariant& value) {
        return bus->emitSignal(QStringLiteral("org.freedesktop.portal.Desktop"),
                               QStringLiteral("/org/freedesktop/portal/desktop"),
                               QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("SettingChanged"),
                               QStringLiteral("ssv"),
                               {QLatin1String(nameSpace), QLatin1String(key), QVariant::fromValue(QDBusVariant(value))});
    };
    ASSERT_TRUE(change("org.freedesktop.appearance", "contrast", 1u));
    ASSERT_TRUE(PrivateBus::waitFor([&] { return appearance.prefersHighContrast(); }));
    ASSERT_TRUE(change("org.gnome.desktop.interface", "enable-animations", true));
    ASSERT_TRUE(PrivateBus::waitFor([&] { return !appearance.prefersReducedMotion(); }));
    ASSERT_TRUE(change("org.kde.kdeglobals.KDE", "AnimationDurationFactor", 0.0));
    ASSERT_TRUE(PrivateBus::waitFor([&] { return appearance.prefersReducedMotion(); }));
    EXPECT_EQ(changed.count(), 3);
    // The light or dark switch while running (the signal was never connected before).
    QSignalSpy appearanceChanged(&appearance, &PortalAppearance::appearanceChanged);
    ASSERT_TRUE(change("org.freedesktop.appearance", "color-scheme", 2u));
    ASSERT_TRUE(PrivateBus::waitFor([&] { return !appearance.isDarkMode(); }));
    EXPECT_EQ(appearanceChanged.count(), 1);
    // Something else changing says nothing.
    ASSERT_TRUE(change("org.gnome.desktop.interface", "font-name", QStringLiteral("Cantarell 11")));
    QTest::qWait(200);
    EXPECT_EQ(changed.count(), 3);
}
