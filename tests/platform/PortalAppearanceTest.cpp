#include "linux/PortalAppearance.h"

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
