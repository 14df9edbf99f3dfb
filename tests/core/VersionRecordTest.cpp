#include "LogCapture.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "settings/VersionRecord.h"

class VersionRecordTest : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        tracker = RecordingUsageTracker::install();
        prefs = std::make_unique<Preferences>(Preferences::defaultFilePath());
    }
    QString appInfoFile() const { return dataRoot() + QStringLiteral("/Data/appInfo.dat"); }
    void runUpgrade(const QString& build)
    {
        VersionRecord record(*prefs, build);
        int completions = 0;
        record.upgradeIfNeeded([&] { ++completions; });
        EXPECT_EQ(completions, 1);
    }

    std::shared_ptr<RecordingUsageTracker> tracker;
    std::unique_ptr<Preferences> prefs;
};

TEST_F(VersionRecordTest, NoRecordIsAFreshInstallAndWritesTheBuild)
{
    runUpgrade(QStringLiteral("342"));
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("App Info file not found.")));
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("Brand new install.")));
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("Save app info result: true")));
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("appBrandNewInstalled")));
    EXPECT_EQ(readFile(appInfoFile()), QByteArray(R"({"version":"342"})"));
}

TEST_F(VersionRecordTest, OlderRecordIsAnUpgrade)
{
    writeFile(appInfoFile(), R"({"version":"341"})");
    runUpgrade(QStringLiteral("342"));
    EXPECT_TRUE(log().contains(QStringLiteral("newVersion: 342 oldVersion: 341")));
    EXPECT_TRUE(log().contains(QStringLiteral("Upgraded.")));
    EXPECT_TRUE(log().contains(QStringLiteral("Upgraded from Optional(\"341\").")));
    EXPECT_EQ(tracker->names(), QStringList{QStringLiteral("appUpgraded")});
    EXPECT_EQ(readFile(appInfoFile()), QByteArray(R"({"version":"342"})"));
}

TEST_F(VersionRecordTest, SameBuildAndDowngradeAreNothingToDo)
{
    writeFile(appInfoFile(), R"({"version":"342","extra":true})");
    runUpgrade(QStringLiteral("342"));
    EXPECT_TRUE(log().contains(QStringLiteral("Nothing to do.")));
    log().clear();
    runUpgrade(QStringLiteral("300"));
    EXPECT_TRUE(log().contains(QStringLiteral("Nothing to do.")));
    EXPECT_EQ(readFile(appInfoFile()), QByteArray(R"({"version":"300"})"));
    EXPECT_TRUE(tracker->names().isEmpty());
}

TEST_F(VersionRecordTest, GarbageOrNonStringVersionCountsAsFreshInstall)
{
    for (const QByteArray& bad : {QByteArray("\xff\xfe garbage"), QByteArray(R"({"version":342})"),
                                  QByteArray(R"({"version":"abc"})"), QByteArray("[1]")}) {
        writeFile(appInfoFile(), bad);
        tracker = RecordingUsageTracker::install();
        runUpgrade(QStringLiteral("342"));
        EXPECT_EQ(tracker->names(), QStringList{QStringLiteral("appBrandNewInstalled")}) << bad.toStdString();
        EXPECT_EQ(readFile(appInfoFile()), QByteArray(R"({"version":"342"})"));
    }
    EXPECT_TRUE(log().contains(QStringLiteral("Can't read old version. appInfo.version: abc")));
}

TEST_F(VersionRecordTest, FreshInstallConvertsTheLegacyQuoteSwitch)
{
    prefs->setValue(PreferKey::QuoteEnabled, false);
    runUpgrade(QStringLiteral("342"));
    EXPECT_TRUE(prefs->hasPersistedValue(keyText(PreferKey::QuotesType)));
    EXPECT_EQ(prefs->intValue(PreferKey::QuotesType), 0);
    EXPECT_TRUE(prefs->hasPersistedValue(keyText(PreferKey::QuoteEnabled))); // left in place

    writeFile(appInfoFile(), "{}");
    prefs->setValue(PreferKey::QuoteEnabled, true);
    runUpgrade(QStringLiteral("342"));
    EXPECT_EQ(prefs->intValue(PreferKey::QuotesType), 1);
}

TEST_F(VersionRecordTest, UpgradeWithoutLegacySwitchLeavesQuotesTypeAlone)
{
    runUpgrade(QStringLiteral("342"));
    EXPECT_FALSE(prefs->hasPersistedValue(keyText(PreferKey::QuotesType)));
}

TEST_F(VersionRecordTest, UnparsableRunningBuildCountsAsUpgrade)
{
    writeFile(appInfoFile(), R"({"version":"341"})");
    VersionRecord record(*prefs, QStringLiteral("1.2"));
    EXPECT_TRUE(record.isUpgraded());
    EXPECT_TRUE(log().contains(QStringLiteral("Can't read new version. appInfo.version: 1.2")));
}

TEST_F(VersionRecordTest, UnwritableDataRootStillCompletesTheStart)
{
    writeFile(dataRoot(), "file in the way");
    runUpgrade(QStringLiteral("342"));
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Can't find appInfoFilePath!")));
    EXPECT_TRUE(log().contains(QStringLiteral("Save app info result: false")));
    EXPECT_EQ(readFile(dataRoot()), QByteArray("file in the way"));
}
