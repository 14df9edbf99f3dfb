#include "linux/CrashReporter.h"

#include "diagnostics/Log.h"
#include "settings/Path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <JlCompress.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

char reportDirectory[4096] = {0};
constexpr int fatalSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};

// The log file in use, written outside the handler: two buffers, the one to read published
// atomically, so the handler never sees a path half copied.
char logFilePaths[2][4096] = {{0}, {0}};
std::atomic<int> logFilePathInUse{-1};

// A stack overflow leaves no room on the thread's own stack to run the handler.
alignas(16) char alternateStack[128 * 1024];

void rememberLogFile(const QString& path)
{
    const QByteArray local = QFile::encodeName(path);
    if (local.size() >= static_cast<qsizetype>(sizeof(logFilePaths[0])))
        return;
    const int next = logFilePathInUse.load() == 0 ? 1 : 0;
    std::memcpy(logFilePaths[next], local.constData(), static_cast<size_t>(local.size()) + 1);
    logFilePathInUse.store(next);
}

// Async-signal-safe decimal formatting.
size_t formatNumber(char* out, unsigned long long value)
{
    char digits[24];
    size_t n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (size_t i = 0; i < n; ++i)
        out[i] = digits[n - 1 - i];
    return n;
}

void writeAll(int fd, const char* text, size_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, text, length);
        if (written <= 0)
            return;
        text += written;
        length -= static_cast<size_t>(written);
    }
}

void writeText(int fd, const char* text)
{
    writeAll(fd, text, std::strlen(text));
}

void handleFatalSignal(int signal)
{
    const int savedErrno = errno;
    const time_t now = ::time(nullptr);
    char path[4200];
    size_t used = 0;
    const size_t dirLength = std::strlen(reportDirectory);
    if (dirLength > 0 && dirLength < 4096) {
        std::memcpy(path, reportDirectory, dirLength);
        used = dirLength;
        const char* prefix = "/crash-";
        std::memcpy(path + used, prefix, 7);
        used += 7;
        used += formatNumber(path + used, static_cast<unsigned long long>(now));
        path[used++] = '-';
        used += formatNumber(path + used, static_cast<unsigned long long>(::getpid()));
        std::memcpy(path + used, ".crash", 7); // with the terminating zero
        const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0) {
            char number[24];
            writeText(fd, "time: ");
            writeAll(fd, number, formatNumber(number, static_cast<unsigned long long>(now)));
            writeText(fd, "\nsignal: ");
            writeAll(fd, number, formatNumber(number, static_cast<unsigned long long>(signal)));
            writeText(fd, "\npid: ");
            writeAll(fd, number, formatNumber(number, static_cast<unsigned long long>(::getpid())));
            if (const int inUse = logFilePathInUse.load(); inUse >= 0) {
                writeText(fd, "\nlog: ");
                writeText(fd, logFilePaths[inUse]);
            }
            writeText(fd, "\nbacktrace:\n");
            void* frames[64];
            const int count = ::backtrace(frames, 64);
            ::backtrace_symbols_fd(frames, count, fd);
            ::close(fd);
        }
    }
    errno = savedErrno;
    // Let the default action end the process (and leave a core where the system keeps one).
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

} // namespace

QString CrashReporter::crashesDirectory()
{
    return (Path::root() + QStringLiteral("data") + QStringLiteral("crashes")).string;
}

void CrashReporter::install()
{
    const QString dir = crashesDirectory();
    QDir().mkpath(dir);
    const QByteArray local = QFile::encodeName(dir);
    if (local.size() < static_cast<qsizetype>(sizeof(reportDirectory)))
        std::memcpy(reportDirectory, local.constData(), static_cast<size_t>(local.size()) + 1);
    // backtrace() loads libgcc on first use; do it now, not in the handler.
    void* warmUp[1];
    ::backtrace(warmUp, 1);
    Log::onLogFileChanged(rememberLogFile);
    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof(alternateStack);
    const bool onAlternateStack = ::sigaltstack(&stack, nullptr) == 0;
    for (int signal : fatalSignals) {
        struct sigaction action{};
        action.sa_handler = handleFatalSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND | (onAlternateStack ? SA_ONSTACK : 0);
        ::sigaction(signal, &action, nullptr);
    }
}

QStringList CrashReporter::pendingReports()
{
    QStringList reports;
    const QDir dir(crashesDirectory());
    for (const QString& name : dir.entryList({QStringLiteral("*.crash")}, QDir::Files, QDir::Name))
        reports << dir.filePath(name);
    return reports;
}

QDateTime CrashReporter::crashTime(const QString& reportPath)
{
    QFile file(reportPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray firstLine = file.readLine(128).trimmed();
    if (!firstLine.startsWith("time: "))
        return {};
    bool ok = false;
    const qint64 seconds = firstLine.mid(6).toLongLong(&ok);
    return ok ? QDateTime::fromSecsSinceEpoch(seconds) : QDateTime();
}

QString CrashReporter::crashLogFile(const QString& reportPath)
{
    QFile file(reportPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The path sits before the backtrace; the report is ours but may be damaged.
    for (int i = 0; i < 8 && !file.atEnd(); ++i) {
        const QByteArray line = file.readLine(8192).trimmed();
        if (!line.startsWith("log: "))
            continue;
        const QFileInfo named(QFile::decodeName(line.mid(5)));
        const QString folder = Log::logDirectory();
        // Only a log of ours is zipped, whatever the report says.
        if (folder.isEmpty() || !named.isFile() || named.isSymLink() ||
            named.absolutePath() != QFileInfo(folder).absoluteFilePath() ||
            !named.fileName().endsWith(QStringLiteral(".log")))
            return {};
        return named.absoluteFilePath();
    }
    return {};
}

QString CrashReporter::attachments(const QDateTime& time, const QString& crashLog)
{
    if (!time.isValid() && crashLog.isEmpty())
        return {};
    const QString folder = Log::logDirectory();
    const QString logFile =
        !crashLog.isEmpty() ? crashLog : folder + QLatin1Char('/') + Log::logFileName(time.date());
    const QString archive = logFile + QStringLiteral(".zip");
    if (folder.isEmpty() || !QFileInfo::exists(logFile)) {
        LOG_ERROR(QStringLiteral("Failed to zip log file. Error: no log file ") + logFile);
        return {};
    }
    LOG_DEBUG(QStringLiteral("Zipping ") + archive + QStringLiteral(" progress: 0"));
    if (!JlCompress::compressFile(archive, logFile)) {
        LOG_ERROR(QStringLiteral("Failed to zip log file. Error: cannot write ") + archive);
        return {};
    }
    LOG_DEBUG(QStringLiteral("Zipping ") + archive + QStringLiteral(" progress: 1"));
    QFile zipped(archive);
    if (!zipped.open(QIODevice::ReadOnly) || zipped.size() == 0) {
        LOG_ERROR(QStringLiteral("Failed to zip log file. Error: cannot read ") + archive);
        return {};
    }
    return archive;
}

bool CrashReporter::processPendingReports(const QDateTime& now)
{
    // Reports handled at earlier starts are kept as long as the logs they point at.
    const QDir dir(crashesDirectory());
    const QDateTime limit = now.addSecs(-604800);
    for (const QFileInfo& handled : dir.entryInfoList({QStringLiteral("*.reported")}, QDir::Files)) {
        QDateTime crashed = crashTime(handled.absoluteFilePath());
        if (!crashed.isValid())
            crashed = handled.lastModified();
        if (crashed < limit && !QFile::remove(handled.absoluteFilePath()))
            LOG_ERROR(QStringLiteral("Failed to remove ") + handled.absoluteFilePath());
    }

    const QStringList reports = pendingReports();
    for (const QString& report : reports) {
        const QString archive = attachments(crashTime(report), crashLogFile(report));
        if (!archive.isEmpty())
            LOG_INFO(QStringLiteral("Crash report ") + report + QStringLiteral(" attached ") + archive);
        QFile::rename(report, report + QStringLiteral(".reported"));
    }
    return !reports.isEmpty();
}
