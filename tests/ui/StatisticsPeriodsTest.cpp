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
#include "statistics/StatViewController.h"
#include "statistics/StatWindowController.h"
#include "widgets/Localizable.h"

#include <QLabel>
#include <QLocale>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <algorithm>

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
    EXPECT_TRUE(month->busiestLabel->text().startsWith(QStringLiteral("Busiest day: Tuesday, February 10, 2026")))
        << month->busiestLabel->text().toStdString();
    EXPECT_TRUE(month->chart->accessibleDescription().contains(
        QStringLiteral("Tuesday, February 10, 2026: 2 Pomodoros, 1 h 15 min")))
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
    // Its bars are weeks, and so is what the line over them names.
    EXPECT_TRUE(year->busiestLabel->text().startsWith(QStringLiteral("Busiest week: ")) &&
                year->busiestLabel->text().endsWith(QStringLiteral(", 1 h 40 min")))
        << year->busiestLabel->text().toStdString();
    QLocale::setDefault(QLocale::system());
}

// A year's twelve month names under 53 weeks at the window's opening width: wider names than
// their weeks leave some out, none touches another or leaves the chart, and today's stays.
TEST(PeriodChartLabels, LabelsThatDoNotFitAreLeftOutNeverOverlapped)
{
    std::vector<double> centres;
    std::vector<double> widths;
    for (int week = 0; week < 53; ++week) {
        centres.push_back(4 + 6.6 * (week + 0.5));
        widths.push_back(week % 4 == 0 && week < 48 ? 31.0 : 0.0);
    }
    const int today = 44;
    const auto placed = PeriodChart::fitLabels(centres, widths, 0, 360, 4, today);
    std::vector<std::pair<double, double>> shown;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (!placed[i])
            continue;
        ASSERT_GT(widths[i], 0) << "a blank place got a label";
        EXPECT_GE(*placed[i], 0);
        EXPECT_LE(*placed[i] + widths[i], 360);
        shown.emplace_back(*placed[i], *placed[i] + widths[i]);
    }
    std::sort(shown.begin(), shown.end());
    for (std::size_t i = 1; i < shown.size(); ++i)
        EXPECT_GE(shown[i].first, shown[i - 1].second + 4) << "labels " << i - 1 << " and " << i << " touch";
    EXPECT_TRUE(placed[today]);
    EXPECT_GE(shown.size(), 6u) << "every other month at least";
    // Room for all: all are there, the first moved in from the edge rather than cut.
    const auto roomy = PeriodChart::fitLabels({2, 100, 200}, {30, 30, 30}, 0, 360, 4);
    ASSERT_TRUE(roomy[0] && roomy[1] && roomy[2]);
    EXPECT_EQ(*roomy[0], 0);
    // Not touching is not enough: a label closer than the gap to another is left out.
    EXPECT_FALSE(PeriodChart::fitLabels({15, 48}, {30, 30}, 0, 100, 4)[1]);
    EXPECT_TRUE(PeriodChart::fitLabels({15, 52}, {30, 30}, 0, 100, 4)[1]);
}

// Every date in the window in the language shown, in that locale's own formats: the day's
// long date, the week's short dates, the month's stand-alone name (a heading, not "of December").
TEST_F(StatisticsPeriodsTest, DatesFollowTheLocaleOfTheLanguageShown)
{
    FakeLoginItems loginItems;
    Preferences prefs(Preferences::defaultFilePath());
    UserDefaults::setupUserDefaultsValues(prefs, loginItems);
    FakeClock clock{QDateTime(QDate(2026, 12, 8), QTime(18, 0), Qt::LocalTime)};
    TaskService tasks(prefs, clock, DataFolder::databasePath());
    struct Shown
    {
        const char* language;
        const char* day;
        const char* week;
        const char* month;
    };
    // Weeks start on Sunday in the United States and China, on Monday in Europe.
    const Shown cases[] = {
        {"en", "Tuesday, December 8, 2026", "12/6/26 to 12/12/26", "December 2026"},
        {"de_DE", "Dienstag, 8. Dezember 2026", "07.12.26 bis 13.12.26", "Dezember 2026"},
        {"ru_RU", "вторник, 8 декабря 2026 г.", "07.12.2026 – 13.12.2026", "Декабрь 2026"},
        {"zh_CN", "2026年12月8日星期二", "2026/12/6 至 2026/12/12", "2026年12月"},
        {"pl_PL", "wtorek, 8 grudnia 2026", "7.12.2026 – 13.12.2026", "Grudzień 2026"},
    };
    for (const Shown& shown : cases) {
        ASSERT_TRUE(Localizable::install(*qApp, {QString::fromLatin1(shown.language)}));
        StatWindowController window(tasks, prefs, clock);
        window.showWindow();
        EXPECT_EQ(window.contentViewController()->dateLable->text(), QString::fromUtf8(shown.day)) << shown.language;
        window.periodTabs()->setCurrentIndex(1);
        EXPECT_EQ(window.periodView(1)->titleLabel->text(), QString::fromUtf8(shown.week)) << shown.language;
        window.periodTabs()->setCurrentIndex(2);
        EXPECT_EQ(window.periodView(2)->titleLabel->text(), QString::fromUtf8(shown.month)) << shown.language;
    }
    ASSERT_TRUE(Localizable::install(*qApp, QStringList()));
}
