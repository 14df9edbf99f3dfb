#include "FakeClock.h"
#include "FakeLoginItems.h"
#include "LogCapture.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "records/StatRow.h"
#include "records/TaskService.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"

#include "statistics/FocusChart.h"
#include "statistics/StatViewController.h"
#include "statistics/StatWindowController.h"
#include "widgets/Localizable.h"
#include <QApplication>
#include <QDir>

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// The statistics window on the real task store, at a fake time.
class StatisticsTest : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        // The English table: it holds the plural forms.
        static const bool installed = Localizable::install(*qApp);
        ASSERT_TRUE(installed);
        tracker = RecordingUsageTracker::install();
        prefs = std::make_unique<Preferences>(Preferences::defaultFilePath());
        UserDefaults::setupUserDefaultsValues(*prefs, loginItems);
        tasks = std::make_unique<TaskService>(*prefs, clock, DataFolder::databasePath());
    }
    void record(int type, const QDateTime& start, qint64 seconds)
    {
        Interval task;
        task.type = type;
        task.start = start;
        task.end = start.addSecs(seconds);
        ASSERT_TRUE(tasks->insert(task));
    }
    // Waits for the export running in the background to end.
    bool exportEnded()
    {
        return QTest::qWaitFor([&] { return !view().isExporting(); }, 10000);
    }
    StatViewController& view()
    {
        if (!window)
            window = std::make_unique<StatWindowController>(*tasks, *prefs, clock);
        return *window->contentViewController();
    }
    QStringList rows()
    {
        QStringList shown;
        for (int i = 0; i < view().tableView->count(); ++i) {
            auto* cell =
                static_cast<StatTableCellView*>(view().tableView->itemWidget(view().tableView->item(i)));
            shown << cell->titleLabel->text() + QLatin1Char('|') + cell->detailLabel->text();
        }
        return shown;
    }
    QDateTime at(int day, int hour, int minute) const
    {
        return QDateTime(QDate(2026, 12, day), QTime(hour, minute), Qt::LocalTime);
    }

    FakeClock clock{QDateTime(QDate(2026, 12, 6), QTime(18, 0), Qt::LocalTime)};
    FakeLoginItems loginItems;
    std::shared_ptr<RecordingUsageTracker> tracker;
    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<TaskService> tasks;
    std::unique_ptr<StatWindowController> window;
};

TEST_F(StatisticsTest, ADayOfRecordsListedFilteredCountedAndCrossingMidnight)
{
    // Nothing yet: the placeholder and a count of 0.
    window = std::make_unique<StatWindowController>(*tasks, *prefs, clock);
    window->showWindow();
    EXPECT_TRUE(view().tableView->isHidden());
    EXPECT_FALSE(view().placeholderLabel->isHidden());
    EXPECT_EQ(view().placeholderLabel->text(), Localizable::text("No timer yet"));
    EXPECT_EQ(view().countLabel->text(), QStringLiteral("0 Pomodoros"));
    EXPECT_EQ(view().dateLable->text(), QStringLiteral("Sunday, December 6, 2026"));

    record(1, at(5, 14, 0), 1500);
    record(1, at(5, 23, 59), 1500); // over midnight: the day it started
    record(1, at(6, 9, 30), 1500);
    record(2, at(6, 10, 0), 59);
    record(3, at(6, 10, 5), 60);
    record(1, at(6, 11, 0), 119);
    // Shown again: the new rows are there; the default filter lists Pomodoros only.
    window->close();
    window->showWindow();
    const QString work =
        StatViewController::colourEmojiAvailable() ? QStringLiteral("💻") : QStringLiteral("W");
    EXPECT_EQ(rows(),
              (QStringList{work + QStringLiteral(" 09:30|25 min"), work + QStringLiteral(" 11:00|1 min")}));
    EXPECT_EQ(view().countLabel->text(), QStringLiteral("2 Pomodoros"));
    EXPECT_EQ(view().totalsLabel->text(), QStringLiteral("26 min focused · 2 Pomodoros · 2 breaks"));
    // A screen reader reads a row as words.
    EXPECT_TRUE(view().tableView->item(0)->data(Qt::AccessibleTextRole).toString().startsWith(QStringLiteral("Pomodoro at ")));

    // The filter is two labelled segments, one of them on.
    EXPECT_TRUE(view().pomodorosFilterButton->isChecked());
    EXPECT_FALSE(view().allFilterButton->isChecked());
    view().allFilterButton->click();
    EXPECT_EQ(prefs->intValue(PreferKey::statsFilterOption), 0);
    EXPECT_FALSE(view().pomodorosFilterButton->isChecked());
    EXPECT_EQ(rows().size(), 4);
    EXPECT_EQ(view().countLabel->text(), QStringLiteral("4 intervals"));
    EXPECT_TRUE(rows()[1].endsWith(QStringLiteral("|59 s")));
    // A short and a long break are told apart.
    EXPECT_NE(rows()[1].left(2), rows()[2].left(2));
    EXPECT_TRUE(rows()[2].endsWith(QStringLiteral("|1 min")));
    view().pomodorosFilterButton->click();
    EXPECT_EQ(prefs->intValue(PreferKey::statsFilterOption), 1);

    // The seven days end today; a Pomodoro counts on the day it started.
    const std::vector<qint64> week = view().chart->days();
    ASSERT_EQ(week.size(), 7u);
    EXPECT_EQ(week[6], 1500 + 119);
    EXPECT_EQ(week[5], 1500 + 1500);

    // Back one day, then across midnight with the window open: it follows the new today.
    view().previousDayButton->click();
    EXPECT_EQ(view().dateLable->text(), QStringLiteral("Saturday, December 5, 2026"));
    EXPECT_EQ(rows(),
              (QStringList{work + QStringLiteral(" 14:00|25 min"), work + QStringLiteral(" 23:59|25 min")}));
    EXPECT_EQ(view().countLabel->text(), QStringLiteral("2 Pomodoros"));
    EXPECT_EQ(view().totalsLabel->text(), QStringLiteral("50 min focused · 2 Pomodoros · 0 breaks"));
    view().previousDayButton->click();
    // A past day is not waiting for a timer.
    EXPECT_EQ(view().placeholderLabel->text(), QStringLiteral("Nothing recorded"));
    view().nextDayButton->click();
    EXPECT_TRUE(view().nextDayButton->isEnabled());
    view().nextDayButton->click();
    EXPECT_FALSE(view().nextDayButton->isEnabled());
    clock.advanceSeconds(8 * 3600);
    window->showWindow();
    EXPECT_EQ(view().dateLable->text(), QStringLiteral("Monday, December 7, 2026"));
    EXPECT_EQ(view().countLabel->text(), QStringLiteral("0 Pomodoros"));
    EXPECT_EQ(view().placeholderLabel->text(), Localizable::text("No timer yet"));
    int pageViews = 0;
    for (const auto& event : tracker->all())
        pageViews += event.name == QStringLiteral("contentView");
    EXPECT_EQ(pageViews, 2); // each appearance, not each request while open
    EXPECT_EQ(tracker->names().count(QStringLiteral("Mirelo.StatViewController")), 2);
}

TEST_F(StatisticsTest, RowTextsAreFixedAndNeverFormatStrings)
{
    Interval task;
    task.start = at(6, 7, 5);
    for (int type : {0, 4})
        EXPECT_EQ(StatRow::title((task.type = type, task)), QStringLiteral("❓ 07:05"));
    EXPECT_EQ(StatRow::title((task.type = 2, task), false), QStringLiteral("S 07:05"));
    EXPECT_EQ(StatRow::title((task.type = 3, task), false), QStringLiteral("L 07:05"));
    EXPECT_EQ(StatRow::detail(1500), QStringLiteral("25 min"));
    EXPECT_EQ(StatRow::detail(0), QStringLiteral("0 s"));
    EXPECT_EQ(StatRow::total(7500), QStringLiteral("2 h 05 min"));
    // Hours begin at exactly one hour.
    EXPECT_EQ(StatRow::total(3599), QStringLiteral("59 min"));
    EXPECT_EQ(StatRow::total(3600), QStringLiteral("1 h 00 min"));
    EXPECT_EQ(StatRow::total(3601), QStringLiteral("1 h 00 min"));
}

TEST_F(StatisticsTest, RecordsThatCannotBeReadAreNotExportedOverAFile)
{
    // A store whose database could not be opened reads as no records: a header alone must not
    // replace what the chosen file held.
    tasks = std::make_unique<TaskService>(*prefs, clock, std::nullopt);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.csv"));
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("last week's export\n");
    earlier.close();
    view().chooseExportPath = [&] { return path; };
    view().exportButton->click();
    ASSERT_TRUE(exportEnded());
    EXPECT_TRUE(view().exportResultLabel->text().startsWith(Localizable::text("Could not save: ")));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("last week's export\n"));
}

TEST_F(StatisticsTest, ExportWritesEveryRecordAndParsesBack)
{
    record(1, at(4, 9, 0), 1500);
    record(2, at(6, 9, 25), 300);
    Interval paused;
    paused.type = 1;
    paused.start = at(6, 10, 0);
    paused.end = paused.start.addSecs(2400);
    paused.paused = 900;
    ASSERT_TRUE(tasks->insert(paused));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.csv"));
    view().chooseExportPath = [&] { return path; };
    view().exportButton->click();
    EXPECT_FALSE(view().exportButton->isEnabled());
    ASSERT_TRUE(exportEnded());
    EXPECT_TRUE(view().exportButton->isEnabled());
    EXPECT_TRUE(view().exportProgress->isHidden());
    EXPECT_EQ(view().exportResultLabel->text(),
              Localizable::text("Saved to ") + QDir::toNativeSeparators(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 5); // the header, one line per record, and the last line break
    // The first five columns as they always were; paused and focused seconds after them.
    EXPECT_EQ(lines[0], QByteArray("id,type,start,end,seconds,paused,focused\r"));
    EXPECT_TRUE(lines[4].isEmpty());
    // Every column read back is the record's own.
    const auto when = [](const QByteArray& text) {
        return QDateTime::fromString(QString::fromUtf8(text), Qt::ISODate);
    };
    const struct
    {
        QByteArray id, type;
        QDateTime start, end;
        QByteArray seconds, paused, focused;
    } expected[] = {{"1", "pomodoro", at(4, 9, 0), at(4, 9, 25), "1500", "0", "1500"},
                    {"2", "shortBreak", at(6, 9, 25), at(6, 9, 30), "300", "0", "300"},
                    {"3", "pomodoro", at(6, 10, 0), at(6, 10, 40), "2400", "900", "1500"}};
    for (int i = 0; i < 3; ++i) {
        const QList<QByteArray> fields = lines[i + 1].trimmed().split(',');
        ASSERT_EQ(fields.size(), 7) << i;
        EXPECT_EQ(fields[0], expected[i].id) << i;
        EXPECT_EQ(fields[1], expected[i].type) << i;
        EXPECT_EQ(when(fields[2]), expected[i].start) << i;
        EXPECT_EQ(when(fields[3]), expected[i].end) << i;
        EXPECT_EQ(fields[4], expected[i].seconds) << i;
        EXPECT_EQ(fields[5], expected[i].paused) << i;
        EXPECT_EQ(fields[6], expected[i].focused) << i;
    }

    // A folder that cannot be written: nothing written, the old file left whole, said so.
    view().chooseExportPath = [&] { return dir.filePath(QStringLiteral("missing/records.csv")); };
    view().exportButton->click();
    ASSERT_TRUE(exportEnded());
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Failed to export the records.")));
    EXPECT_TRUE(view().exportResultLabel->text().startsWith(Localizable::text("Could not save: ")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
    // No file chosen: nothing happens.
    const QString said = view().exportResultLabel->text();
    const int logged = log().lines().size();
    view().chooseExportPath = [] { return QString(); };
    view().exportButton->click();
    EXPECT_EQ(view().exportResultLabel->text(), said);
    EXPECT_EQ(log().lines().size(), logged);

    // Cancelled at once: the earlier file stays as it was, whole, whichever way the race goes.
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier\n");
    earlier.close();
    view().chooseExportPath = [&] { return path; };
    view().exportButton->click();
    view().cancelExportButton->click();
    ASSERT_TRUE(exportEnded());
    const QByteArray after = readFile(path);
    EXPECT_TRUE(after == QByteArray("earlier\n") || after.split('\n').size() == 5) << after.constData();
}

TEST_F(StatisticsTest, AnOpenWindowShowsIntervalsAsTheyAreRecordedAndReadsWhatItShows)
{
    window = std::make_unique<StatWindowController>(*tasks, *prefs, clock);
    window->showWindow();
    EXPECT_EQ(view().countLabel->text(), QStringLiteral("0 Pomodoros"));
    // Forty minutes with fifteen paused: the row and the screen reader both say 25.
    Interval paused;
    paused.type = 1;
    paused.start = at(6, 10, 0);
    paused.end = paused.start.addSecs(2400);
    paused.paused = 900;
    ASSERT_TRUE(tasks->insert(paused));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view().tableView->count() == 1; }, 2000));
    EXPECT_EQ(view().countLabel->text(), QStringLiteral("1 Pomodoro"));
    ASSERT_EQ(rows().size(), 1);
    EXPECT_TRUE(rows()[0].endsWith(QStringLiteral("|25 min")));
    const QString spoken = view().tableView->item(0)->data(Qt::AccessibleTextRole).toString();
    EXPECT_TRUE(spoken.endsWith(QStringLiteral(", 25 min"))) << spoken.toStdString();
}

TEST_F(StatisticsTest, RecordsThatCannotBeReadAreNotAnEmptyDay)
{
    tasks.reset();
    writeFile(*DataFolder::databasePath(), QByteArray(4096, '\x7f'));
    tasks = std::make_unique<TaskService>(*prefs, clock, DataFolder::databasePath());
    view();
    window->showWindow();
    EXPECT_FALSE(view().placeholderLabel->isHidden());
    EXPECT_NE(view().placeholderLabel->text(), Localizable::text("No timer yet"));
    EXPECT_TRUE(view().placeholderLabel->text().contains(QStringLiteral("cannot read"))) << view().placeholderLabel->text().toStdString();
}
