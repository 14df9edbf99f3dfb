#include "FakeLoginItems.h"
#include "LogCapture.h"
#include "TestEnvironment.h"
#include "linux/XdgAutostartLoginItems.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"

#include <QFileInfo>
#include <QSettings>

class XdgAutostartTest : public TestEnvironment
{
protected:
    QString entryPath() const { return configHome() + QStringLiteral("/autostart/org.mirelo.Mirelo.desktop"); }
};

TEST_F(XdgAutostartTest, EnableWritesADesktopEntryAndDisableRemovesIt)
{
    XdgAutostartLoginItems items(QStringLiteral("/opt/My Apps/mirelo"));
    EXPECT_EQ(XdgAutostartLoginItems::autostartFilePath(), entryPath());
    ASSERT_TRUE(items.setEnabled(true));
    EXPECT_TRUE(items.isEnabled());
    const QString text = QString::fromUtf8(readFile(entryPath()));
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=\"/opt/My Apps/mirelo\"\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Type=Application\n")));

    ASSERT_TRUE(items.setEnabled(false));
    EXPECT_FALSE(QFileInfo::exists(entryPath()));
    EXPECT_TRUE(items.setEnabled(false)); // already off
}

TEST_F(XdgAutostartTest, UnwritableAutostartFolderIsReportedAsFailure)
{
    writeFile(configHome() + QStringLiteral("/autostart"), "a file in the way");
    XdgAutostartLoginItems items(QStringLiteral("/usr/bin/mirelo"));
    EXPECT_FALSE(items.setEnabled(true));
    EXPECT_EQ(readFile(configHome() + QStringLiteral("/autostart")), QByteArray("a file in the way"));
}

TEST_F(XdgAutostartTest, FirstStartWritesTheEntryThroughTheDefaults)
{
    XdgAutostartLoginItems items(QStringLiteral("/usr/bin/mirelo"));
    Preferences prefs(Preferences::defaultFilePath());
    UserDefaults::setupUserDefaultsValues(prefs, items);
    EXPECT_TRUE(QFileInfo::exists(entryPath()));
    EXPECT_TRUE(prefs.boolValue(PreferKey::LaunchAtLogin));
}
