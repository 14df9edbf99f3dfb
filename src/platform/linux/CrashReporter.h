#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Local crash reports: a fatal signal leaves a report (time, signal, backtrace) in
// <data root>/data/crashes/; the next start finds it and zips the log of the crash day beside
// it. Nothing leaves the machine.
class CrashReporter
{
public:
    // Installs the fatal-signal handlers; the report folder is created now, because nothing
    // may allocate inside a signal handler.
    static void install();
    static QString crashesDirectory();

    // Reports left by earlier runs that were not handled yet.
    static QStringList pendingReports();
    // The moment the report says the crash happened; invalid when it cannot be read.
    static QDateTime crashTime(const QString& reportPath);

    // The zipped log of the crash day, or an empty text when it cannot be made (logged).
    static QString attachments(const QDateTime& crashTime);

    // Finds pending reports, attaches their logs and marks them handled. True when the
    // previous run crashed.
    static bool processPendingReports();
};
