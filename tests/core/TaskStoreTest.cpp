#include "FakeClock.h"
#include "FakeLoginItems.h"
#include "LogCapture.h"
#include "ReadOnlyPath.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "records/Interval.h"
#include "records/MainDB.h"
#include "records/RecordsExport.h"
#include "records/TaskExport.h"
#include "records/TaskService.h"
#include "settings/DataFolder.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>

#include <sqlite3.h>

#include <ctime>
#include <unistd.h>

namespace {

// Runs SQL the way any other program would, one "|"-joined line per row.
QStringList plainSQL(const QString& path, const QString& sql)
{
    sqlite3* handle = nullptr;
    QStringList rows;
    if (sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(handle, sql.toUtf8().constData(), -1, &statement, nullptr) == SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
                QStringList values;
                for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                    values << QString::fromUtf8(text ? text : "");
                }
                rows << values.join(QLatin1Char('|'));
            }
        } else {
            rows << QStringLiteral("SQL error: ") + QString::fromUtf8(sqlite3_errmsg(handle));
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(handle);
    return rows;
}

QDateTime at(const QDate& day, const QTime& time)
{
    return QDateTime(day, time, Qt::LocalTime);
}

Interval interval(int type, const QDateTime& start, const std::optional<QDateTime>& end)
{
    Interval task;
    task.type = type;
    task.start = start;
    task.end = end;
    task.name = QStringLiteral("[reserved]");
    return task;
}

std::vector<QTime> startTimes(const std::vector<Interval>& tasks)
{
    std::vector<QTime> times;
    for (const Interval& task : tasks)
        times.push_back(task.start.time());
    return times;
}

} // namespace

class TaskStoreTest : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        MainDB::installTrace();
        // Thirteen hours east of UTC: a day taken in UTC instead of local time is the wrong day.
        savedTZ = qgetenv("TZ");
        qputenv("TZ", "MRT-13");
        tzset();
        clock.set(at(day, QTime(10, 0)));
        tracker = RecordingUsageTracker::install();
        prefs = std::make_unique<Preferences>(Preferences::defaultFilePath());
        FakeLoginItems loginItems;
        UserDefaults::setupUserDefaultsValues(*prefs, loginItems);
        dbFile = *DataFolder::databasePath();
    }

    void TearDown() override
    {
        store.reset();
        savedTZ.isNull() ? qunsetenv("TZ") : qputenv("TZ", savedTZ);
        tzset();
        TestEnvironment::TearDown();
    }

    TaskService& open(const std::optional<QString>& path)
    {
        store.reset();
        store = std::make_unique<TaskService>(*prefs, clock, path);
        return *store;
    }
    TaskService& open() { return open(dbFile); }

    // Five-minute intervals one after another from `from`: P Pomodoro, S short, L long break.
    void record(const QString& kinds, QTime from)
    {
        QDateTime start = at(day, from);
        for (QChar kind : kinds) {
            const int type = kind == QLatin1Char('P') ? 1 : kind == QLatin1Char('S') ? 2 : 3;
            ASSERT_TRUE(store->insert(interval(type, start, start.addSecs(300))));
            start = start.addSecs(300);
        }
    }

    // After a failed setup every read answers neutrally; a finished interval waits in the
    // journal, and no statement reaches the file.
    void expectNeutral(TaskService& tasks)
    {
        EXPECT_FALSE(tasks.isReady());
        EXPECT_FALSE(tasks.insert(interval(1, at(day, QTime(9, 0)), at(day, QTime(9, 25)))));
        EXPECT_TRUE(tasks.hasUnsavedTasks());
        Interval kept = interval(1, at(day, QTime(9, 0)), at(day, QTime(9, 30)));
        kept.taskID = 1;
        EXPECT_FALSE(tasks.updateOrInsert(kept));
        EXPECT_TRUE(tasks.fetchTodayTasks(false).empty());
        EXPECT_FALSE(tasks.lastPomodoroTask());
        EXPECT_FALSE(tasks.readAllTasks()); // an export writes nothing
        EXPECT_FALSE(tasks.shouldTakeALongBreak());
        const auto events = tracker->all();
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].name, QStringLiteral("failedToOpenDB"));
        EXPECT_EQ(events[0].flags, 2);
        EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Failed to open db.")));
        EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Failed to setup db. error: ")));
        EXPECT_FALSE(log().contains(QStringLiteral("DB setup.")));
    }

    QStringList dataFolderEntries() const
    {
        return QDir(QFileInfo(dbFile).absolutePath())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    const QDate day{2026, 3, 10};
    FakeClock clock;
    std::shared_ptr<RecordingUsageTracker> tracker;
    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<TaskService> store;
    QString dbFile;
    QByteArray savedTZ;
};

TEST_F(TaskStoreTest, FreshFileGetsExactlyTheTableAndStartsEmpty)
{
    ASSERT_FALSE(QFileInfo::exists(dbFile));
    TaskService& tasks = open();
    EXPECT_TRUE(tasks.isReady());
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("DB setup.")));
    EXPECT_TRUE(tasks.fetchTodayTasks(false).empty());
    EXPECT_FALSE(tasks.lastPomodoroTask());
    EXPECT_FALSE(tasks.shouldTakeALongBreak());
    EXPECT_TRUE(tracker->names().isEmpty());
    EXPECT_EQ(plainSQL(dbFile, QStringLiteral("PRAGMA table_info(WTask)")),
              QStringList({"0|taskID|INTEGER|0||1", "1|type|INTEGER|0||0", "2|start|REAL|0||0",
                           "3|end|REAL|0||0", "4|name|TEXT|0||0"}));
    EXPECT_EQ(
        plainSQL(dbFile, QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'WTask'")),
        QStringList{R"(CREATE TABLE "WTask"("taskID" INTEGER PRIMARY KEY AUTOINCREMENT, "type" INTEGER, )"
                    R"("start" REAL, "end" REAL, "name" TEXT))"});
    // One index beside the table, on the column every day's query picks rows by.
    EXPECT_EQ(plainSQL(dbFile, QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index'")),
              QStringList{R"(CREATE INDEX "WTask_start" ON "WTask"("start"))"});

    ASSERT_TRUE(tasks.insert(interval(1, at(day, QTime(10, 0, 0, 900)), at(day, QTime(10, 25, 0, 100)))));
    Interval open = interval(2, at(day, QTime(11, 0)), std::nullopt);
    open.name.reset();
    ASSERT_TRUE(tasks.insert(open));
    // 10:00 thirteen hours east of UTC is 21:00 UTC the day before.
    EXPECT_EQ(plainSQL(dbFile, QStringLiteral("SELECT taskID, type, typeof(start), "
                                              "strftime('%Y-%m-%d %H:%M:%f', start, 'unixepoch'), "
                                              "strftime('%H:%M:%f', \"end\", 'unixepoch'), typeof(\"end\"), "
                                              "quote(name) FROM WTask ORDER BY taskID")),
              QStringList({"1|1|real|2026-03-09 21:00:00.900|21:25:00.100|real|'[reserved]'",
                           "2|2|real|2026-03-09 22:00:00.000||null|NULL"}));
}

TEST_F(TaskStoreTest, DefaultCycleEndsInALongBreakAndTheLongBreakStartsTheCountAgain)
{
    open();
    std::vector<bool> answers;
    QTime from(9, 0);
    for (const QString& step : QStringList{"P", "SP", "SP", "SP", "LP", "SP", "SP", "SP"}) {
        record(step, from);
        from = from.addSecs(300 * step.size());
        answers.push_back(store->shouldTakeALongBreak());
    }
    EXPECT_EQ(answers, (std::vector<bool>{false, false, false, true, false, false, false, true}));
}

TEST_F(TaskStoreTest, CountZeroAsksForALongBreakOnAnEmptyDayAndUnknownTypesLogAsNil)
{
    prefs->setValue(DurationKey::countToLongBreak, 0);
    open();
    EXPECT_TRUE(store->shouldTakeALongBreak());
    EXPECT_TRUE(log().containsAt(Log::Level::debug, QStringLiteral("tasks: []")));

    prefs->setValue(DurationKey::countToLongBreak, 1);
    record(QStringLiteral("PS"), QTime(10, 0));
    ASSERT_TRUE(store->insert(interval(7, at(day, QTime(10, 30)), at(day, QTime(10, 31)))));
    EXPECT_TRUE(store->shouldTakeALongBreak());
    EXPECT_TRUE(log().containsAt(Log::Level::debug,
                                 QStringLiteral(R"(tasks: [nil, "Today-Short-break", "Today-Pomodoro"])")));
}

TEST_F(TaskStoreTest, AnIntervalBelongsToTheDayItStartedInEveryView)
{
    TaskService& tasks = open();
    const QDate yesterday = day.addDays(-1), tomorrow = day.addDays(1);
    const std::vector<Interval> rows = {
        interval(1, at(yesterday, QTime(23, 50)), at(day, QTime(0, 15))),
        interval(1, at(day, QTime(23, 50)), at(tomorrow, QTime(0, 15))),
        interval(2, at(day, QTime(0, 0)), at(day, QTime(0, 5))),
        interval(1, at(day, QTime(23, 30)), at(day, QTime(23, 59, 59))),
        interval(1, at(day, QTime(23, 40)), at(day, QTime(23, 59, 59, 500))),
        interval(1, at(day, QTime(12, 0)), std::nullopt),
        interval(2, at(day, QTime(13, 0)), at(day, QTime(13, 5))),
    };
    for (const Interval& row : rows)
        ASSERT_TRUE(tasks.insert(row));

    const std::vector<QTime> today{QTime(0, 0), QTime(13, 0), QTime(23, 30), QTime(23, 40), QTime(23, 50)};
    EXPECT_EQ(startTimes(tasks.fetchTodayTasks(false)), today);
    EXPECT_EQ(startTimes(tasks.fetchTodayTasks(true)),
              (std::vector<QTime>{QTime(23, 30), QTime(23, 40), QTime(23, 50)}));
    clock.set(at(day, QTime(23, 59, 59)));
    EXPECT_EQ(startTimes(tasks.fetchTodayTasks(false)), today);

    // The Pomodoro across this midnight stays the day's; yesterday keeps its own.
    clock.set(at(tomorrow, QTime(0, 20)));
    EXPECT_TRUE(tasks.fetchTodayTasks(false).empty());
    clock.set(at(yesterday, QTime(23, 55)));
    EXPECT_EQ(startTimes(tasks.fetchTodayTasks(false)), std::vector<QTime>{QTime(23, 50)});

    // The list, the charts and the goal count the same Pomodoros on the same days.
    const std::vector<DayFocus> focus = tasks.focusPerDay(yesterday, tomorrow);
    ASSERT_EQ(focus.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const std::vector<Interval> listed = tasks.fetchTasks(yesterday.addDays(i), true);
        qint64 seconds = 0;
        for (const Interval& task : listed)
            seconds += task.focusedDuration();
        EXPECT_EQ(focus[std::size_t(i)], (DayFocus{seconds, int(listed.size())})) << i;
    }
}

TEST_F(TaskStoreTest, DaysWhoseMidnightIsADaylightSavingChangeStillHaveAToday)
{
    // Three hours west of UTC, summer time from the first Sunday of September to the first
    // Sunday of April, both changes at midnight.
    qputenv("TZ", "MRT3MRST,M9.1.0/0,M4.1.0/0");
    tzset();
    TaskService& tasks = open();

    // On 2026-04-04 the clocks go back from 24:00 to 23:00: its last hour comes twice.
    const QDate fallBack(2026, 4, 4);
    const QDateTime repeatedHour = at(fallBack, QTime(23, 10)).addSecs(3600);
    ASSERT_TRUE(tasks.insert(interval(1, repeatedHour, repeatedHour.addSecs(1500))));
    clock.set(at(fallBack, QTime(12, 0)));
    EXPECT_EQ(tasks.fetchTodayTasks(false).size(), 1u);
    clock.set(at(fallBack.addDays(1), QTime(12, 0)));
    EXPECT_TRUE(tasks.fetchTodayTasks(false).empty());

    // On 2026-09-06 there is no 00:00: the day begins at 01:00.
    const QDate springForward(2026, 9, 6), before = springForward.addDays(-1);
    ASSERT_TRUE(tasks.insert(interval(1, at(before, QTime(23, 0)), at(before, QTime(23, 25)))));
    ASSERT_TRUE(tasks.insert(interval(2, at(springForward, QTime(1, 0)), at(springForward, QTime(1, 5)))));
    clock.set(at(springForward, QTime(10, 0)));
    EXPECT_EQ(startTimes(tasks.fetchTodayTasks(false)), std::vector<QTime>{QTime(1, 0)});
}

TEST_F(TaskStoreTest, AnExportTellsTheRepeatedHourApartAndABusyStoreExportsNothing)
{
    qputenv("TZ", "America/New_York");
    tzset();
    TaskService& tasks = open();
    // 05:10 and 06:10 UTC on 2023-11-05 are both 01:10 in New York: before and after the change.
    const QDateTime first(QDate(2023, 11, 5), QTime(5, 10), Qt::UTC);
    ASSERT_TRUE(tasks.insert(interval(1, first, first.addSecs(1500))));
    ASSERT_TRUE(tasks.insert(interval(1, first.addSecs(3600), first.addSecs(3600 + 1500))));
    auto records = tasks.readAllTasks();
    ASSERT_TRUE(records);
    const QList<QByteArray> lines = TaskExport::csv(*records).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].contains(",2023-11-05T01:10:00-04:00,2023-11-05T01:35:00-04:00,1500"))
        << lines[1].constData();
    EXPECT_TRUE(lines[2].contains(",2023-11-05T01:10:00-05:00,2023-11-05T01:35:00-05:00,1500"))
        << lines[2].constData();

    // Another program holds the file: nothing to export, rather than a file of no records.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dbFile.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_FALSE(tasks.readAllTasks());
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    records = tasks.readAllTasks();
    ASSERT_TRUE(records);
    EXPECT_EQ(records->size(), 2u);
}

TEST_F(TaskStoreTest, AnExportReadsPageByPageAndLosesNoRowWhereStartsTie)
{
    TaskService& tasks = open();
    // 4,500 rows on two starts only, so that pages break inside a run of equal starts; one
    // interval still running.
    plainSQL(dbFile,
             QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 4500) "
                            "INSERT INTO WTask(type, start, end) SELECT 1 + i % 3, 1e9 + (i / 3000) * 60, "
                            "1e9 + (i / 3000) * 60 + 300 FROM n"));
    plainSQL(dbFile, QStringLiteral("INSERT INTO WTask(type, start) VALUES(1, 1e9)"));
    const QString csv = QDir(QFileInfo(dbFile).absolutePath()).filePath(QStringLiteral("export.csv"));
    RecordsExport exporter(tasks.databaseFileForReading());
    QSignalSpy finished(&exporter, &RecordsExport::finished);
    ASSERT_TRUE(exporter.start(csv));
    EXPECT_FALSE(exporter.start(csv)); // one at a time
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(finished.at(0).at(0).value<RecordsExport::Outcome>(), RecordsExport::Outcome::saved);
    const QList<QByteArray> lines = readFile(csv).split('\n');
    ASSERT_EQ(lines.size(), 4502); // the header, 4,500 rows and the last line break
    QSet<QByteArray> ids;
    for (qsizetype i = 1; i <= 4500; ++i)
        ids.insert(lines[i].split(',').value(0));
    EXPECT_EQ(ids.size(), 4500);

    // No database: nothing written, not even a header.
    RecordsExport nowhere{QString()};
    QSignalSpy refused(&nowhere, &RecordsExport::finished);
    ASSERT_TRUE(nowhere.start(csv + QStringLiteral(".none")));
    ASSERT_TRUE(refused.wait(5000));
    EXPECT_EQ(refused.at(0).at(0).value<RecordsExport::Outcome>(), RecordsExport::Outcome::unreadable);
    EXPECT_FALSE(QFileInfo::exists(csv + QStringLiteral(".none")));
}

TEST_F(TaskStoreTest, UpdateOrInsertLengthensTheLatestPomodoroInPlace)
{
    TaskService& tasks = open();
    ASSERT_TRUE(
        tasks.insert(interval(1, at(day.addDays(-1), QTime(20, 0)), at(day.addDays(-1), QTime(20, 25)))));
    ASSERT_TRUE(tasks.insert(interval(1, at(day, QTime(9, 0)), at(day, QTime(9, 25)))));
    ASSERT_TRUE(tasks.insert(interval(2, at(day, QTime(9, 25)), at(day, QTime(9, 30)))));

    auto last = tasks.lastPomodoroTask();
    ASSERT_TRUE(last);
    ASSERT_TRUE(last->taskID);
    EXPECT_EQ(last->start, at(day, QTime(9, 0)));
    const qint64 key = *last->taskID;

    last->end = at(day, QTime(9, 26));
    EXPECT_TRUE(tasks.updateOrInsert(*last));
    const auto today = tasks.fetchTodayTasks(true);
    ASSERT_EQ(today.size(), 1u);
    EXPECT_EQ(today[0].taskID, key);
    EXPECT_EQ(today[0].duration(), 1560);
    EXPECT_EQ(plainSQL(dbFile, QStringLiteral("SELECT count(*) FROM WTask")), QStringList{"3"});
}

TEST_F(TaskStoreTest, UpdateOrInsertKeepsTheKeyOfARowThatIsGone)
{
    TaskService& tasks = open();
    Interval vanished = interval(1, at(day, QTime(9, 0)), at(day, QTime(9, 25)));
    vanished.taskID = 42;
    EXPECT_TRUE(tasks.updateOrInsert(vanished));
    ASSERT_TRUE(tasks.insert(interval(2, at(day, QTime(9, 25)), at(day, QTime(9, 30)))));
    EXPECT_EQ(plainSQL(dbFile, QStringLiteral("SELECT taskID, type FROM WTask ORDER BY taskID")),
              QStringList({"42|1", "43|2"}));
}

TEST_F(TaskStoreTest, DurationTruncatesEachSideAndOnlyThreeTypesHaveTitles)
{
    Interval task = interval(1, at(day, QTime(10, 0, 0, 900)), at(day, QTime(10, 25, 0, 100)));
    EXPECT_EQ(task.duration(), 1500);
    task.end.reset();
    EXPECT_EQ(task.duration(), 0);

    // Without an installed translation the key itself is the title.
    EXPECT_EQ(Interval::typeTitle(1), QStringLiteral("Today-Pomodoro"));
    EXPECT_EQ(Interval::typeTitle(3), QStringLiteral("Today-Long-break"));
    for (int type : {0, 4, 7, -1})
        EXPECT_FALSE(Interval::typeTitle(type)) << type;
}

TEST_F(TaskStoreTest, DataSurvivesReopeningWithMillisecondsAndAbsentNames)
{
    Interval named = interval(1, at(day, QTime(10, 0, 0, 250)), at(day, QTime(10, 25, 1, 750)));
    Interval unnamed = interval(3, at(day, QTime(10, 30)), at(day, QTime(10, 45)));
    unnamed.name.reset();
    ASSERT_TRUE(open().insert(named));
    ASSERT_TRUE(store->insert(unnamed));
    store.reset();

    const auto rows = open().fetchTodayTasks(false);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].taskID, 1);
    EXPECT_EQ(rows[0].start, named.start);
    EXPECT_EQ(rows[0].end, named.end);
    EXPECT_EQ(rows[0].name, QStringLiteral("[reserved]"));
    EXPECT_EQ(rows[1].type, 3);
    EXPECT_FALSE(rows[1].name);
}

TEST_F(TaskStoreTest, OlderFileWithoutTheNameColumnGainsIt)
{
    const QString start = QString::number(at(day, QTime(9, 0)).toSecsSinceEpoch());
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(dbFile.toUtf8().constData(), &handle), SQLITE_OK);
    const QString create =
        QStringLiteral("CREATE TABLE WTask(taskID INTEGER PRIMARY KEY AUTOINCREMENT, type "
                       "INTEGER, start REAL, \"end\" REAL); INSERT INTO WTask(type, start, \"end\") "
                       "VALUES(2, %1, %1 + 300);")
            .arg(start);
    ASSERT_EQ(sqlite3_exec(handle, create.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(handle);

    TaskService& tasks = open();
    EXPECT_TRUE(tasks.isReady());
    EXPECT_EQ(
        plainSQL(dbFile, QStringLiteral("SELECT name FROM pragma_table_info('WTask') WHERE name = 'name'")),
        QStringList{"name"});
    const auto rows = tasks.fetchTodayTasks(false);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].duration(), 300);
    EXPECT_FALSE(rows[0].name);
}

TEST_F(TaskStoreTest, ConnectionLimitsItsJournalAndLogsDatabaseMessagesByLevel)
{
    MainDB db(dbFile);
    ASSERT_FALSE(db.setup(Interval::tableName(), Interval::columnDefs()));
    const auto limit = db.query(QStringLiteral("PRAGMA journal_size_limit"), {});
    ASSERT_TRUE(limit.value);
    EXPECT_EQ(*limit.value, std::vector<DBRow>{{qint64{20971520}}});

    EXPECT_FALSE(db.query(QStringLiteral("SELECT * FROM Missing"), {}).value);
    sqlite3_log(SQLITE_WARNING_AUTOINDEX, "automatic index");
    sqlite3_log(SQLITE_NOTICE_RECOVER_WAL, "recovered frames");
    const QStringList lines = log().lines();
    EXPECT_EQ(
        lines.filter(QRegularExpression(R"(^error\|.*\|\[WCDB\]\[ERROR\] .*no such table: Missing)")).size(),
        1);
    EXPECT_EQ(
        lines.filter(QRegularExpression(R"(^warning\|.*\|\[WCDB\]\[WARNING\] .*automatic index)")).size(), 1);
    EXPECT_EQ(lines.filter(QRegularExpression(R"(^debug\|.*\|\[WCDB\]\[DEBUG\] .*recovered frames)")).size(),
              1);
}

TEST_F(TaskStoreTest, GarbageFileIsNeverWrittenTo)
{
    QByteArray noise;
    for (int i = 0; i < 5000; ++i)
        noise.append(static_cast<char>((i * 7919) % 251));
    const QByteArray damagedHeader = QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\xff');
    // SQLite itself would take a file this short for an empty database and write over it.
    for (const QByteArray& contents : {noise, damagedHeader, QByteArray("x")}) {
        SCOPED_TRACE(contents.left(20).toHex().toStdString());
        writeFile(dbFile, contents);
        tracker = RecordingUsageTracker::install();
        log().clear();
        expectNeutral(open());
        store.reset();
        EXPECT_EQ(readFile(dbFile), contents);
        EXPECT_EQ(dataFolderEntries(), QStringList{"db.v1.sqlite"});
    }
}

TEST_F(TaskStoreTest, FolderInPlaceOrNoPathFailsEveryOperationNeutrally)
{
    ASSERT_TRUE(QDir().mkpath(dbFile));
    writeFile(dbFile + QStringLiteral("/keep"), "kept");
    expectNeutral(open());
    EXPECT_EQ(readFile(dbFile + QStringLiteral("/keep")), QByteArray("kept"));

    tracker = RecordingUsageTracker::install();
    log().clear();
    expectNeutral(open(std::nullopt));
}

TEST_F(TaskStoreTest, UnreadableFileIsLeftAlone)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    open().insert(interval(1, at(day, QTime(9, 0)), at(day, QTime(9, 25))));
    store.reset();
    const QByteArray before = readFile(dbFile);
    ASSERT_TRUE(QFile::setPermissions(dbFile, {}));
    tracker = RecordingUsageTracker::install();
    log().clear();
    expectNeutral(open());
    ASSERT_TRUE(QFile::setPermissions(dbFile, QFile::ReadOwner | QFile::WriteOwner));
    EXPECT_EQ(readFile(dbFile), before);
}

// A file that cannot be written at start, a quit before it can, a start after: the intervals
// are in the table once, also when a crash repeats the journal after they landed.
TEST_F(TaskStoreTest, RefusedIntervalsOutliveAQuitAndLandOnce)
{
    open().insert(interval(1, at(day, QTime(8, 0)), at(day, QTime(8, 25))));
    store.reset();
    const QString journal = stateHome() + QStringLiteral("/org.mirelo.Mirelo/unsaved-intervals.json");
    {
        ReadOnlyPath readOnly(dbFile);
        if (!readOnly.active())
            GTEST_SKIP() << "this file system cannot make a file read-only";
        TaskService& tasks = open();
        Interval paused = interval(1, at(day, QTime(9, 0)), at(day, QTime(9, 30)));
        paused.paused = 300;
        EXPECT_FALSE(tasks.insert(paused));
        EXPECT_FALSE(tasks.insert(interval(2, at(day, QTime(9, 30)), at(day, QTime(9, 35)))));
        store.reset();
    }
    const QByteArray journalled = readFile(journal);
    const QString rows = QStringLiteral(
        R"(SELECT type, CAST(end - start AS INTEGER), COALESCE(paused, 0) FROM WTask LEFT JOIN WTaskPause USING(taskID) ORDER BY start)");
    const QStringList expected{"1|1500|0", "1|1800|300", "2|300|0"};
    open();
    EXPECT_EQ(plainSQL(dbFile, rows), expected);
    EXPECT_FALSE(QFileInfo::exists(journal));
    store.reset();
    writeFile(journal, journalled);
    open();
    EXPECT_EQ(plainSQL(dbFile, rows), expected);
}

// Kept intervals land before a newer one, so the table keeps the order they finished in; a
// journal that cannot be read is left to the user as it is, never overwritten.
TEST_F(TaskStoreTest, KeptIntervalsLandFirstAndAnUnreadableJournalIsLeftAlone)
{
    open().insert(interval(1, at(day, QTime(8, 0)), at(day, QTime(8, 25))));
    store.reset();
    const QString rows =
        QStringLiteral("SELECT type, CAST(end - start AS INTEGER) FROM WTask ORDER BY taskID");
    {
        ReadOnlyPath readOnly(dbFile);
        if (!readOnly.active())
            GTEST_SKIP() << "this file system cannot make a file read-only";
        TaskService& tasks = open();
        EXPECT_FALSE(tasks.insert(interval(2, at(day, QTime(8, 25)), at(day, QTime(8, 30)))));
        readOnly.release();
        EXPECT_TRUE(tasks.insert(interval(1, at(day, QTime(8, 30)), at(day, QTime(8, 55)))));
        EXPECT_EQ(plainSQL(dbFile, rows), (QStringList{"1|1500", "2|300", "1|1500"}));
    }
    store.reset();
    const QString journal = stateHome() + QStringLiteral("/org.mirelo.Mirelo/unsaved-intervals.json");
    writeFile(journal, "{\"intervals\": [cut short");
    ReadOnlyPath readOnly(dbFile);
    EXPECT_FALSE(open().insert(interval(2, at(day, QTime(9, 0)), at(day, QTime(9, 5)))));
    EXPECT_EQ(readFile(journal), QByteArray("{\"intervals\": [cut short"));

    // Not even a journal can be written: the quit says how many intervals it loses.
    store.reset();
    ASSERT_TRUE(QFile::remove(journal));
    ReadOnlyPath folder(QFileInfo(journal).absolutePath());
    EXPECT_FALSE(open().insert(interval(2, at(day, QTime(9, 0)), at(day, QTime(9, 5)))));
    store.reset();
    EXPECT_TRUE(log().anyContains(QStringLiteral("1 finished task(s) could not be saved and are lost")));
}

TEST_F(TaskStoreTest, AFileTurnedReadOnlyWhileOpenIsToldSoAndItsKeptIntervalsStillCount)
{
    TaskService& tasks = open();
    ASSERT_TRUE(tasks.insert(interval(1, at(day, QTime(8, 0)), at(day, QTime(8, 25)))));
    ReadOnlyPath readOnly(dbFile);
    if (!readOnly.active())
        GTEST_SKIP() << "this file system cannot make a file read-only";
    const TaskWrite written = tasks.insert(interval(2, at(day, QTime(8, 25)), at(day, QTime(8, 30))));
    EXPECT_FALSE(written);
    // Not a lock that passes by itself: the user has something to do.
    EXPECT_EQ(written.problem, StoreProblem::readOnly);
    // The next interval starts after the kept one, not after the last row in the table.
    EXPECT_EQ(tasks.latestEnd(), at(day, QTime(8, 30)));
}

TEST_F(TaskStoreTest, AFolderThatCannotBeWrittenKeepsIntervalsUntilItCan)
{
    const QString folder = QFileInfo(dbFile).absolutePath();
    ReadOnlyPath readOnly(folder);
    if (!readOnly.active())
        GTEST_SKIP() << "this file system cannot make a folder read-only";
    TaskService& tasks = open();
    EXPECT_FALSE(tasks.insert(interval(1, at(day, QTime(9, 0)), at(day, QTime(9, 25)))));
    EXPECT_TRUE(tasks.hasUnsavedTasks());
    readOnly.release();
    EXPECT_TRUE(tasks.saveUnsavedTasks());
    EXPECT_EQ(plainSQL(dbFile, QStringLiteral("SELECT type, CAST(end - start AS INTEGER) FROM WTask")),
              QStringList{"1|1500"});
}

TEST_F(TaskStoreTest, AnIntervalAndItsPauseAreWrittenTogetherOrNotAtAll)
{
    TaskService& tasks = open();
    ASSERT_TRUE(plainSQL(dbFile, QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON WTaskPause BEGIN "
                                                "SELECT RAISE(FAIL, 'no room'); END"))
                    .isEmpty());
    Interval paused = interval(1, at(day, QTime(9, 0)), at(day, QTime(9, 30)));
    paused.paused = 300;
    const bool written = bool(tasks.insert(paused));
    // A row without its pause would count 30 focused minutes for 25.
    const QStringList rows = plainSQL(dbFile, QStringLiteral("SELECT count(*) FROM WTask"));
    EXPECT_EQ(rows, QStringList{written ? "1" : "0"});
    EXPECT_EQ(plainSQL(dbFile, QStringLiteral("SELECT count(*) FROM WTaskPause")), rows);
}

// What a postponement after a refused first write relies on: without a key, the same type and
// start is the same interval.
TEST_F(TaskStoreTest, ALengthenedIntervalWithoutItsKeyIsStillOneRow)
{
    TaskService& tasks = open();
    Interval first = interval(1, at(day, QTime(9, 0)), at(day, QTime(9, 25)));
    ASSERT_TRUE(tasks.insert(first));
    first.end = at(day, QTime(9, 26));
    EXPECT_TRUE(tasks.updateOrInsert(first));

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dbFile.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    Interval kept = interval(1, at(day, QTime(10, 0)), at(day, QTime(10, 25)));
    EXPECT_FALSE(tasks.insert(kept));
    kept.end = at(day, QTime(10, 27));
    EXPECT_FALSE(tasks.updateOrInsert(kept));
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(tasks.saveUnsavedTasks());
    EXPECT_EQ(plainSQL(dbFile, QStringLiteral("SELECT CAST(end - start AS INTEGER) FROM WTask ORDER BY start")),
              (QStringList{"1560", "1620"}));
}
