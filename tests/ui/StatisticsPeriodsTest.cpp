#include "FakeClock.h"
#include "FakeLoginItems.h"
#include "LogCapture.h"
#include "TestEnvironment.h"
#include "records/TaskService.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "statistics/FocusPeriodView.h"
#include "statistics/PeriodChart.h"
#include "statistics/StatWindowController.h"
#include "widgets/Localizable.h"

#include <QLabel>
#include <QLocale>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

class StatisticsPeriodsTest : public TestEnvironment
{};

// The week, month and year tabs of the statistics window on the real store, by keyboard.
TEST_F(StatisticsPeriodsTest, PeriodsMoveByKeyboardAndShowTotalsBusiestDayAndTheGoal)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    // The English table gives the plurals their forms.
    static const bool installed = Localizable::install(*qApp);
    ASSERT_TRUE(installed);
    FakeLoginItems loginItems;
    Preferences prefs(Preferences::defaultFilePath());
    UserDefaults::setupUserDefaultsValues(prefs, loginItems);
    FakeClock clock{QDateTime(QDate(2026, 3, 4), QTime(18, 0), Qt::LocalTime)};
    TaskService tasks(prefs, clock, DataFolder::databasePath());
    auto record = [&](const QDate& day, int minutes) {
        Interval task;
        task.type = 1;
        task.start = QDateTime(day, QTime(9, 0), Qt::LocalTime);
        task.end = task.start.addSecs(minutes * 60);
        ASSERT_TRUE(tasks.insert(task));
    };
    record(QDate(2026, 3, 3), 25);
    record(QDate(2026, 3, 4), 25);
    record(QDate(2026, 2, 10), 50);
    record(QDate(2026, 2, 10), 25);
    record(QDate(2026, 2, 11), 25);
    prefs.setValue(GoalKey::daily, 1);

    StatWindowController window(tasks, prefs, clock);
    window.showWindow();
    EXPECT_TRUE(window.goalLabel()->isVisible());
    EXPECT_EQ(window.goalLabel()->text(), QStringLiteral("1 of 1 today · 2 days in a row"));

    window.periodTabs()->setCurrentIndex(2);
    FocusPeriodView* month = window.periodView(2);
    ASSERT_TRUE(month);
    EXPECT_EQ(month->titleLabel->text(), QStringLiteral("March 2026"));
    EXPECT_EQ(month->totalsLabel->text(), QStringLiteral("2 Pomodoros, 50 min focused"));
    EXPECT_FALSE(month->nextButton->isEnabled()) << "no month after the current one";
    EXPECT_EQ(month->chart->bars().size(), 31u);

    QTest::keyClick(month, Qt::Key_Left);
    EXPECT_EQ(month->titleLabel->text(), QStringLiteral("February 2026"));
    EXPECT_EQ(month->totalsLabel->text(), QStringLiteral("3 Pomodoros, 1 h 40 min focused"));
    EXPECT_TRUE(month->busiestLabel->text().startsWith(QStringLiteral("Busiest day: Tue 10 February")))
        << month->busiestLabel->text().toStdString();
    EXPECT_TRUE(month->chart->accessibleDescription().contains(
        QStringLiteral("Tue 10 February: 2 Pomodoros, 1 h 15 min")))
        << month->chart->accessibleDescription().toStdString();
    QTest::keyClick(month, Qt::Key_Left);
    EXPECT_TRUE(month->busiestLabel->text().startsWith(QStringLiteral("No Pomodoro")));
    QTest::keyClick(month, Qt::Key_Home);
    EXPECT_EQ(month->titleLabel->text(), QStringLiteral("March 2026"));
    QTest::keyClick(month, Qt::Key_Right);
    EXPECT_EQ(month->titleLabel->text(), QStringLiteral("March 2026")) << "the future is not shown";

    window.periodTabs()->setCurrentIndex(3);
    FocusPeriodView* year = window.periodView(3);
    EXPECT_EQ(year->titleLabel->text(), QStringLiteral("2026"));
    EXPECT_EQ(year->totalsLabel->text(), QStringLiteral("5 Pomodoros, 2 h 30 min focused"));
    EXPECT_EQ(year->chart->bars().size(), 53u);
    QLocale::setDefault(QLocale::system());
}
