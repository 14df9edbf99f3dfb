#include "LogCapture.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "diagnostics/UsageEvent.h"
#include "diagnostics/UsageTracker.h"

#include <QSet>

class UsageEventsTest : public TestEnvironment
{
};

TEST_F(UsageEventsTest, VocabularyHasUniqueNamesWithTheOldSpellings)
{
    QSet<QString> names;
    for (UsageEvent e : allEvents())
        names.insert(eventName(e));
    EXPECT_EQ(names.size(), 83);
    EXPECT_EQ(eventName(allEvents().front()), QStringLiteral("AppLaunched"));
    EXPECT_EQ(eventName(allEvents().back()), QStringLiteral("userReturned"));
    EXPECT_EQ(eventName(UsageEvent::ExportWrokflow), QStringLiteral("ExportWrokflow"));
    EXPECT_EQ(eventName(UsageEvent::checkForUpdatesManualy), QStringLiteral("checkForUpdatesManualy"));
    EXPECT_EQ(eventName(UsageEvent::loadVelmoroQuotes), QStringLiteral("loadVelmoroQuotes"));
}

TEST_F(UsageEventsTest, OnlyFailedToOpenDbIsCritical)
{
    for (UsageEvent e : allEvents())
        EXPECT_EQ(eventFlags(e), e == UsageEvent::failedToOpenDB ? 2 : 1) << eventName(e).toStdString();
}

TEST_F(UsageEventsTest, TrackSendsNamePropertiesAndFlag)
{
    auto tracker = RecordingUsageTracker::install();
    track(UsageEvent::failedToOpenDB);
    track(UsageEvent::playSound, {{QStringLiteral("name"), QStringLiteral("Glass")}});
    trackContentView(QStringLiteral("BreakViewController"));
    trackQualifiedClassName(QStringLiteral("PreferencesAdvancedViewController"));
    const auto events = tracker->all();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].name, QStringLiteral("failedToOpenDB"));
    EXPECT_EQ(events[0].flags, 2);
    EXPECT_EQ(events[1].properties.value(QStringLiteral("name")), QStringLiteral("Glass"));
    EXPECT_EQ(events[1].flags, 1);
    EXPECT_EQ(events[2].name, QStringLiteral("contentView"));
    EXPECT_EQ(events[2].properties.value(QStringLiteral("VC")), QStringLiteral("BreakViewController"));
    EXPECT_EQ(events[3].name, QStringLiteral("Mirelo.PreferencesAdvancedViewController"));
}

TEST_F(UsageEventsTest, LocalTrackerWritesADebugLineAndSendsNothing)
{
    track(UsageEvent::quotesOptionUpdate, {{QStringLiteral("type"), QStringLiteral("2")}});
    EXPECT_TRUE(log().containsAt(Log::Level::debug, QStringLiteral("Usage event: quotesOptionUpdate {type=2} flags: 1")));
}
