#include "FakeClock.h"
#include "LogCapture.h"
#include "TestEnvironment.h"
#include "diagnostics/Log.h"
#include "linux/CrashReporter.h"
#include "settings/Preferences.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Runs off the end of any stack.
int overflow(int depth)
{
    volatile char frame[512] = {};
    frame[0] = static_cast<char>(depth);
    return depth < 0 ? frame[0] : overflow(depth + 1) + frame[0];
}
} // namespace

class CrashReporterTest : public TestEnvironment
{
protected:
    QString logs() const { return dataRoot() + QStringLiteral("/data/logs"); }
    QString writeReport(const QDateTime& when)
    {
        const QString path = CrashReporter::crashesDirectory() + QStringLiteral("/crash-1-2.crash");
        writeFile(path, "time: " + QByteArray::number(when.toSecsSinceEpoch()) + "\nsignal: 11\nbacktrace:\n");
        return path;
    }
};

TEST_F(CrashReporterTest, ReportOfALateNightCrashAttachesTheCrashDaysLog)
{
    const QDateTime crash(QDate(2026, 3, 9), QTime(23, 59, 30));
    writeFile(logs() + QStringLiteral("/2026-03-09.log"), "the evening's lines\n");
    writeFile(logs() + QStringLiteral("/2026-03-10.log"), "the next morning\n");
    const QString report = writeReport(crash);
    EXPECT_EQ(CrashReporter::crashTime(report), crash);

    EXPECT_TRUE(CrashReporter::processPendingReports());
    EXPECT_TRUE(QFileInfo(logs() + QStringLiteral("/2026-03-09.log.zip")).size() > 0);
    EXPECT_FALSE(QFileInfo::exists(logs() + QStringLiteral("/2026-03-10.log.zip")));
    EXPECT_TRUE(QFileInfo::exists(report + QStringLiteral(".reported")));
    EXPECT_TRUE(CrashReporter::pendingReports().isEmpty());
    EXPECT_FALSE(CrashReporter::processPendingReports()); // handled once only
}

TEST_F(CrashReporterTest, StackOverflowLeavesAReportThatZipsTheLogInUse)
{
    // The process started on the 10th and is writing the 11th's file when it crashes.
    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(23, 59, 59)));
    Preferences prefs(Preferences::defaultFilePath());
    Log::setupLogger(prefs, &clock);
    clock.advanceSeconds(2);
    LOG_INFO(QStringLiteral("the last line before the crash"));

    const pid_t child = ::fork();
    if (child == 0) {
        CrashReporter::install();
        ::_exit(overflow(0));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGSEGV);
    ASSERT_EQ(CrashReporter::pendingReports().size(), 1);
    const QString logInUse = logs() + QStringLiteral("/2026-03-11.log");
    EXPECT_EQ(CrashReporter::crashLogFile(CrashReporter::pendingReports()[0]), logInUse);

    // A report naming a file outside the logs zips nothing; a week-old handled one goes.
    const QString outside = dataRoot() + QStringLiteral("/Data/db.v1.sqlite");
    writeFile(outside, "private");
    writeFile(CrashReporter::crashesDirectory() + QStringLiteral("/crash-3-4.crash"),
              "log: " + outside.toUtf8());
    const QString old = CrashReporter::crashesDirectory() + QStringLiteral("/crash-0-1.crash.reported");
    writeFile(old,
              "time: " + QByteArray::number(QDateTime::currentDateTime().addDays(-8).toSecsSinceEpoch()));
    EXPECT_TRUE(CrashReporter::processPendingReports());
    EXPECT_TRUE(QFileInfo(logInUse + QStringLiteral(".zip")).size() > 0);
    EXPECT_FALSE(QFileInfo::exists(outside + QStringLiteral(".zip")));
    EXPECT_FALSE(QFileInfo::exists(old));
}

TEST_F(CrashReporterTest, MissingLogDropsTheAttachmentButHandlesTheReport)
{
    const QString report = writeReport(QDateTime(QDate(2026, 3, 1), QTime(12, 0)));
    EXPECT_TRUE(CrashReporter::processPendingReports());
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Failed to zip log file. Error: ")));
    EXPECT_TRUE(QFileInfo::exists(report + QStringLiteral(".reported")));
}

TEST_F(CrashReporterTest, UnreadableReportHasNoCrashTime)
{
    const QString path = CrashReporter::crashesDirectory() + QStringLiteral("/crash-x.crash");
    writeFile(path, "garbage\x00\xff");
    EXPECT_FALSE(CrashReporter::crashTime(path).isValid());
    EXPECT_TRUE(CrashReporter::attachments(QDateTime()).isEmpty());
    EXPECT_TRUE(CrashReporter::processPendingReports());
}
