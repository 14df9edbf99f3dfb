#include "LogCapture.h"
#include "TestEnvironment.h"
#include "diagnostics/Log.h"
#include "linux/CrashReporter.h"

#include <QDir>
#include <QFileInfo>

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
