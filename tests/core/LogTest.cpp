#include "FakeClock.h"
#include "LogCapture.h"
#include "TestEnvironment.h"
#include "diagnostics/Log.h"
#include "settings/Preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <thread>
#include <vector>

class LogTest : public TestEnvironment
{
protected:
    QString logsFolder() const { return dataRoot() + QStringLiteral("/data/logs"); }
    QString todaysFile() const { return logsFolder() + QLatin1Char('/') + Log::logFileName(QDate::currentDate()); }
};

TEST_F(LogTest, LevelComesFromThePreference)
{
    Preferences prefs(Preferences::defaultFilePath());
    EXPECT_EQ(Log::logLevel(prefs), Log::Level::info);
    prefs.setValue(PreferKey::logLevel, QStringLiteral("warning"));
    EXPECT_EQ(Log::logLevel(prefs), Log::Level::warning);
    prefs.setValue(PreferKey::logLevel, QStringLiteral("verbose"));
    EXPECT_EQ(Log::logLevel(prefs), Log::Level::verbose);
    prefs.setValue(PreferKey::logLevel, QStringLiteral("WARNING"));
    EXPECT_EQ(Log::logLevel(prefs), Log::Level::debug);
    prefs.setValue(PreferKey::logLevel, QStringLiteral("loud"));
    EXPECT_EQ(Log::logLevel(prefs), Log::Level::debug);
}

TEST_F(LogTest, FileNameUsesTheCalendarYearAroundNewYear)
{
    // 2025-12-29 is in week 1 of 2026; the file must still say 2025.
    EXPECT_EQ(Log::logFileName(QDate(2025, 12, 29)), QStringLiteral("2025-12-29.log"));
    EXPECT_EQ(Log::logFileName(QDate(2027, 1, 1)), QStringLiteral("2027-01-01.log"));
}

TEST_F(LogTest, SetupWritesTheBannerToTheDailyFileAndFiltersByLevel)
{
    Preferences prefs(Preferences::defaultFilePath());
    Log::setupLogger(prefs);
    EXPECT_EQ(Log::currentLogFilePath(), todaysFile());
    LOG_DEBUG(QStringLiteral("hidden debug line"));
    LOG_INFO(QStringLiteral("visible info line"));

    const QString text = QString::fromUtf8(readFile(todaysFile()));
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7); // six lines of banner, then the one info line
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Logger setuped!")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("Logger level: info")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("Release Stage: ") + Log::buildInfo().releaseStage));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral("  v") + Log::buildInfo().shortVersion + QStringLiteral(" (") +
                                  Log::buildInfo().buildNumber + QStringLiteral(")")))
        << lines[3].toStdString();
    EXPECT_TRUE(lines[4].contains(QStringLiteral("User Platform: ")));
    EXPECT_TRUE(lines[5].endsWith(QStringLiteral("Sandboxed: false")));
    EXPECT_FALSE(text.contains(QStringLiteral("hidden debug line")));
    EXPECT_TRUE(text.contains(QStringLiteral("visible info line")));
    // Each line carries level, file, line and function.
    EXPECT_TRUE(lines.last().contains(QStringLiteral("[info] LogTest.cpp:")));
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral("TestBody visible info line")));
}

TEST_F(LogTest, WarningLevelDropsInfoAndSecondStartAppends)
{
    Preferences prefs(Preferences::defaultFilePath());
    prefs.setValue(PreferKey::logLevel, QStringLiteral("warning"));
    Log::setupLogger(prefs);
    LOG_INFO(QStringLiteral("first info"));
    LOG_WARNING(QStringLiteral("first warning"));
    Log::reset();
    Log::setupLogger(prefs);
    LOG_ERROR(QStringLiteral("second error"));
    const QString text = QString::fromUtf8(readFile(todaysFile()));
    EXPECT_FALSE(text.contains(QStringLiteral("first info")));
    EXPECT_TRUE(text.contains(QStringLiteral("first warning")));
    EXPECT_TRUE(text.contains(QStringLiteral("second error")));
}

TEST_F(LogTest, MessageIsBuiltOnlyWhenWritten)
{
    Log::reset(); // no outputs at all
    int built = 0;
    auto expensive = [&] {
        ++built;
        return QStringLiteral("x");
    };
    LOG_ERROR(expensive());
    EXPECT_EQ(built, 0);
    LogCapture capture(Log::Level::info);
    LOG_DEBUG(expensive());
    EXPECT_EQ(built, 0);
    LOG_INFO(expensive());
    EXPECT_EQ(built, 1);
}

TEST_F(LogTest, CleanUpRemovesFilesOlderThanSevenDays)
{
    QDir().mkpath(logsFolder());
    const QDateTime now(QDate(2026, 1, 3), QTime(12, 0));
    for (const char* name : {"2025-12-26.log", "2025-12-27.log", "2026-01-03.log", "notes.txt", "2025-12-01.log.zip",
                             "2025-12-28.log"})
        writeFile(logsFolder() + QLatin1Char('/') + QLatin1String(name), "x");
    Log::cleanUpExpiredLogs(now);
    QStringList left = QDir(logsFolder()).entryList(QDir::Files);
    left.sort();
    // 2025-12-26 is eight days old and goes, with older archives; 2025-12-27 is exactly seven
    // days old and stays.
    EXPECT_EQ(left, (QStringList{"2025-12-27.log", "2025-12-28.log", "2026-01-03.log", "notes.txt"}));
    EXPECT_TRUE(log().containsAt(Log::Level::debug, QStringLiteral("Will remove 2025-12-26.log")));
}

TEST_F(LogTest, ARunPastMidnightMovesToTheNewDaysFileAndCleansUpThen)
{
    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(23, 59, 58)));
    // Exactly a week old at start, eight days old after midnight.
    for (const char* name : {"2026-03-03.log", "2026-03-03.log.zip", "notes.txt"})
        writeFile(logsFolder() + QLatin1Char('/') + QLatin1String(name), "x");
    QStringList inUse;
    Log::onLogFileChanged([&inUse](const QString& path) { inUse << QFileInfo(path).fileName(); });
    Preferences prefs(Preferences::defaultFilePath());
    Log::setupLogger(prefs, &clock);
    EXPECT_TRUE(QFileInfo::exists(logsFolder() + QStringLiteral("/2026-03-03.log")));

    clock.advanceSeconds(5);
    LOG_INFO(QStringLiteral("the night's line"));
    EXPECT_EQ(inUse, (QStringList{"2026-03-10.log", "2026-03-11.log"}));
    EXPECT_FALSE(readFile(logsFolder() + QStringLiteral("/2026-03-10.log")).contains("the night's line"));
    EXPECT_TRUE(readFile(logsFolder() + QStringLiteral("/2026-03-11.log")).contains("the night's line"));
    EXPECT_EQ(QDir(logsFolder()).entryList(QDir::Files, QDir::Name),
              (QStringList{"2026-03-10.log", "2026-03-11.log", "notes.txt"}));
}

TEST_F(LogTest, CleanUpUsesTheCalendarYearAcrossNewYear)
{
    QDir().mkpath(logsFolder());
    // On 2026-01-05 the limit is 2025-12-29: a week-based year would read it as 2026-12-29 and
    // delete every file of the last year.
    writeFile(logsFolder() + QStringLiteral("/2025-12-29.log"), "x");
    writeFile(logsFolder() + QStringLiteral("/2025-12-28.log"), "x");
    Log::cleanUpExpiredLogs(QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
    EXPECT_TRUE(QFileInfo::exists(logsFolder() + QStringLiteral("/2025-12-29.log")));
    EXPECT_FALSE(QFileInfo::exists(logsFolder() + QStringLiteral("/2025-12-28.log")));
}

TEST_F(LogTest, UnusableDataRootRunsWithoutTheFileAndSaysSo)
{
    writeFile(dataRoot(), "not a folder");
    Preferences prefs(Preferences::defaultFilePath());
    Log::setupLogger(prefs);
    EXPECT_TRUE(Log::currentLogFilePath().isEmpty());
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Can't create the log folder")));
    LOG_INFO(QStringLiteral("still logging"));
    EXPECT_TRUE(log().contains(QStringLiteral("still logging")));
    EXPECT_EQ(readFile(dataRoot()), QByteArray("not a folder"));
}

TEST_F(LogTest, LinesFromManyThreadsNeverMix)
{
    Preferences prefs(Preferences::defaultFilePath());
    Log::setupLogger(prefs);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 200; ++i)
                LOG_INFO(QStringLiteral("thread %1 line %2 ").arg(t).arg(i) + QString(40, QLatin1Char('x')));
        });
    }
    for (auto& th : threads)
        th.join();
    int matching = 0;
    static const QRegularExpression whole(QStringLiteral("thread \\d line \\d+ x{40}$"));
    for (const QString& line : QString::fromUtf8(readFile(todaysFile())).split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("thread ")))
            matching += whole.match(line).hasMatch() ? 1 : -1000;
    }
    EXPECT_EQ(matching, 800);
}

TEST(LogPlatform, UserPlatformLineReadsOsRelease)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/os-release");
    TestEnvironment::writeFile(path, "NAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\nID=debian\n");
    EXPECT_EQ(Log::userPlatformLine(path), QStringLiteral("User Platform: Debian GNU/Linux 12 build (Unknown)"));
    TestEnvironment::writeFile(path, "NAME=Arch Linux\nBUILD_ID=rolling\n");
    EXPECT_EQ(Log::userPlatformLine(path), QStringLiteral("User Platform: Arch Linux Unknown build (rolling)"));
    EXPECT_EQ(Log::userPlatformLine(dir.path() + QStringLiteral("/none")),
              QStringLiteral("User Platform: Unknown Unknown build (Unknown)"));
}
