#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Local crash reports: a fatal signal leaves a report (time, signal, the log file in use,
// backtrace) in <data root>/data/crashes/; the next start finds it and zips that log beside
// the logs. Nothing leaves the machine.
class CrashReporter
{
public:
    // Installs the fatal-signal handlers on an alternate stack, so a stack overflow is reported
    // too. The report folder is created now and the log file's path kept ready as it changes,
    // because nothing may allocate inside a signal handler.
    static void install();
    static QString crashesDirectory();

    // Reports left by earlier runs that were not handled yet.
    static QStringList pendingReports();
    // The moment the report says the crash happened; invalid when it cannot be read.
    static QDateTime crashTime(const QString& reportPath);

    // The log file the report names, when it is one of the log folder's files.
    static QString crashLogFile(const QString& reportPath);

    // The zipped log (logFile, else the crash day's), or an empty text when it cannot be made
    // (logged).
    static QString attachments(const QDateTime& crashTime, const QString& logFile = {});

    // Finds pending reports, attaches their logs and marks them handled; removes handled
    // reports older than the logs' week. True when the previous run crashed.
    static bool processPendingReports(const QDateTime& now = QDateTime::currentDateTime());
};
