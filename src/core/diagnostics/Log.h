#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

namespace spdlog {
class logger;
namespace sinks {
class sink;
}
} // namespace spdlog

class Clock;
class Preferences;

// The process-wide logger: five levels, a console output and a daily file output.
// Use the LOG_* macros; they capture file, function and line, and build the message only
// when some output will write it.
namespace Log {

enum class Level { verbose = 0, debug = 1, info = 2, warning = 3, error = 4 };

QString levelName(Level level);

// Reads the "logLevel" preference: absent gives info, a level name gives that level,
// any other text gives debug.
Level logLevel(const Preferences& preferences);

// True when some output writes lines of this level.
bool enabled(Level level);

void write(Level level, const char* file, const char* function, int line, const QString& message);

struct BuildInfo
{
    QString releaseStage;
    QString shortVersion;
    QString buildNumber;
};
BuildInfo buildInfo();

// The daily file name: calendar year, month, day and ".log".
QString logFileName(const QDate& date);

// The folder the log files live in, created when missing; empty when it cannot be made.
QString logDirectory();

// Adds the console and file outputs at the level of the "logLevel" preference, removes
// week-old files and writes the start-up banner. The file output moves to the new date's
// file at each local midnight (by clock, the system's when none) and cleans up again then.
void setupLogger(const Preferences& preferences, const Clock* clock = nullptr);

// Deletes log files and their archives dated more than seven days before now.
void cleanUpExpiredLogs(const QDateTime& now = QDateTime::currentDateTime());

// The path of the file output, empty when there is none.
QString currentLogFilePath();

// Called with the file output's path now (when there is one) and whenever it changes. It runs
// while the logger is locked: it must not log.
void onLogFileChanged(std::function<void(const QString& path)> listener);

// For tests: extra outputs and a way back to the state before setupLogger().
void addSink(std::shared_ptr<spdlog::sinks::sink> sink, Level minimum);
void reset();

// Reads "User Platform" facts from an os-release file (NAME, VERSION_ID, BUILD_ID).
QString userPlatformLine(const QString& osReleasePath = QStringLiteral("/etc/os-release"));

} // namespace Log

#define MR_LOG(level, message)                                                                             \
    do {                                                                                                   \
        if (::Log::enabled(level))                                                                         \
            ::Log::write(level, __FILE__, __func__, __LINE__, (message));                                  \
    } while (false)

#define LOG_VERBOSE(message) MR_LOG(::Log::Level::verbose, message)
#define LOG_DEBUG(message) MR_LOG(::Log::Level::debug, message)
#define LOG_INFO(message) MR_LOG(::Log::Level::info, message)
#define LOG_WARNING(message) MR_LOG(::Log::Level::warning, message)
#define LOG_ERROR(message) MR_LOG(::Log::Level::error, message)
