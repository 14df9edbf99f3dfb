#include "preferences/PreferencesAdvancedViewModel.h"
#include "FakeClock.h"
#include "FakeWorkspace.h"
#include "LogCapture.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "diagnostics/Log.h"
#include "settings/Preferences.h"

#include <QFileInfo>

class PreferencesAdvancedViewModelTest : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        tracker = RecordingUsageTracker::install();
        prefs = std::make_unique<Preferences>(Preferences::defaultFilePath());
        model = std::make_unique<PreferencesAdvancedViewModel>(*prefs, &workspace, &launcher);
    }
    FakeWorkspace workspace;
    FakeLauncherActions launcher;
    std::shared_ptr<RecordingUsageTracker> tracker;
    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<PreferencesAdvancedViewModel> model;
};

TEST_F(PreferencesAdvancedViewModelTest, RevealShowsTheFileBeingWrittenNotTodaysName)
{
    // The logger writes a file dated by its own clock, which is not today's date.
    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(23, 0)));
    Log::setupLogger(*prefs, &clock);
    LogCapture capture(Log::Level::debug);
    model->onRevealLogClicked();
    ASSERT_EQ(workspace.revealed.size(), 1);
    EXPECT_EQ(workspace.revealed.first(), Log::currentLogFilePath());
    EXPECT_EQ(QFileInfo(workspace.revealed.first()).fileName(), QStringLiteral("2026-03-10.log"));
    EXPECT_TRUE(QFileInfo::exists(workspace.revealed.first()));
    EXPECT_TRUE(capture.containsAt(Log::Level::debug,
                                   QStringLiteral("logFileURL: ") +
                                       QUrl::fromLocalFile(workspace.revealed.first()).toString()));
    EXPECT_EQ(tracker->names().count(QStringLiteral("RevealLogFile")), 1);
}

TEST_F(PreferencesAdvancedViewModelTest, LauncherButtonsReportTheirEventsAndOutcome)
{
    EXPECT_EQ(model->onAlfredWorkflowClicked(), QStringLiteral("Added to your launcher"));
    launcher.failure = QStringLiteral("Permission denied");
    LogCapture capture(Log::Level::debug);
    EXPECT_EQ(model->onAlfredWorkflowClicked(),
              QStringLiteral("Could not add Mirelo to your launcher: Permission denied"));
    EXPECT_TRUE(capture.containsAt(Log::Level::error,
                                   QStringLiteral("Can't write the launcher entry: Permission denied")));
    EXPECT_EQ(tracker->names().count(QStringLiteral("ExportWrokflow")), 2);

    model->onRaycastClicked();
    ASSERT_EQ(workspace.opened.size(), 1);
    EXPECT_EQ(workspace.opened.first().query(), QStringLiteral("ref=preferences"));
    workspace.opens = false;
    model->onRaycastClicked();
    EXPECT_TRUE(capture.containsAt(Log::Level::error, QStringLiteral("open URL error")));
    EXPECT_EQ(tracker->names().count(QStringLiteral("RaycastExtension")), 2);
}
