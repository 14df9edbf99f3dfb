#include "diagnostics/Log.h"

#include "BuildConfig.h"
#include "settings/Path.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <spdlog/details/file_helper.h>
#include <spdlog/sinks/base_sink.h>
#include <spdlog/sinks/stdout_sinks.h>
#include <spdlog/spdlog.h>

#include <atomic>
#include <mutex>
#include <optional>

namespace Log {

namespace {

constexpr const char* linePattern = "%Y-%m-%d %H:%M:%S.%e [%l] %s:%#:%! %v";

struct State
{
    std::mutex mutex;
    std::shared_ptr<spdlog::logger> logger;
    std::atomic<int> minimum{static_cast<int>(Level::error) + 1};
    QString filePath;
    std::function<void(const QString&)> fileListener;
};

State& state()
{
    static State s;
    return s;
}

spdlog::level::level_enum toSpdlog(Level level)
{
    switch (level) {
    case Level::verbose:
        return spdlog::level::trace;
    case Level::debug:
        return spdlog::level::debug;
    case Level::info:
        return spdlog::level::info;
    case Level::warning:
        return spdlog::level::warn;
    case Level::error:
        return spdlog::level::err;
    }
    return spdlog::level::info;
}

std::shared_ptr<spdlog::logger> ensureLogger()
{
    auto& s = state();
    if (!s.logger) {
        s.logger = std::make_shared<spdlog::logger>("mirelo");
        s.logger->set_level(spdlog::level::trace);
        s.logger->flush_on(spdlog::level::trace);
    }
    return s.logger;
}

void addSinkLocked(const std::shared_ptr<spdlog::sinks::sink>& sink, Level minimum)
{
    auto& s = state();
    sink->set_level(toSpdlog(minimum));
    sink->set_pattern(linePattern);
    ensureLogger()->sinks().push_back(sink);
    if (static_cast<int>(minimum) < s.minimum.load())
        s.minimum.store(static_cast<int>(minimum));
}

// Files in the log folder named for a date more than seven days before now: the logs and
// their archives ("2026-03-01.log", "2026-03-01.log.zip"). None when no limit can be formed.
std::optional<QStringList> expiredLogs(const QString& folder, const QDateTime& now)
{
    bool ok = false;
    const qlonglong limit = now.addSecs(-604800).toString(QStringLiteral("yyyyMMdd")).toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    QStringList expired;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
        bool isNumber = false;
        const qlonglong key = info.baseName().remove(QLatin1Char('-')).toLongLong(&isNumber);
        if (isNumber && key < limit)
            expired << info.absoluteFilePath();
    }
    return expired;
}

// The file output. It moves to the new date's file at the first line after local midnight
// and cleans up the folder then, so a program that runs for weeks keeps one file a day.
// Every call reaches it through write() or reset(), with the state's mutex held: it reads
// and updates the state directly and never logs.
class DailyFileSink final : public spdlog::sinks::base_sink<std::mutex>
{
public:
    // Throws spdlog::spdlog_ex when today's file cannot be opened.
    DailyFileSink(QString folder, const Clock* clock) : folder(std::move(folder)), clock(clock)
    {
        open(now());
    }

    QString path() const { return currentPath; }

protected:
    void sink_it_(const spdlog::details::log_msg& message) override
    {
        // A plain number per line; the calendar is consulted only at the switch.
        const qint64 nowMs = clock ? clock->now().toMSecsSinceEpoch() : QDateTime::currentMSecsSinceEpoch();
        if (nowMs >= nextSwitchMs)
            switchFile(QDateTime::fromMSecsSinceEpoch(nowMs));
        spdlog::memory_buf_t formatted;
        formatter_->format(message, formatted);
        file->write(formatted);
    }

    void flush_() override { file->flush(); }

private:
    QDateTime now() const { return clock ? clock->now() : QDateTime::currentDateTime(); }

    void open(const QDateTime& at)
    {
        const QDate date = at.toLocalTime().date();
        const QString path = folder + QLatin1Char('/') + logFileName(date);
        // Opened aside first: a file that cannot be opened leaves the current one in use.
        auto next = std::make_unique<spdlog::details::file_helper>();
        next->open(QFile::encodeName(path).toStdString(), false);
        file = std::move(next);
        currentPath = path;
        nextSwitchMs = date.addDays(1).startOfDay(Qt::LocalTime).toMSecsSinceEpoch();
    }

    void switchFile(const QDateTime& at)
    {
        try {
            open(at);
        } catch (const spdlog::spdlog_ex&) {
            nextSwitchMs = at.toMSecsSinceEpoch() + 60'000; // stay with the old file, try again soon
            return;
        }
        if (const auto expired = expiredLogs(folder, at)) {
            for (const QString& path : *expired)
                QFile::remove(path);
        }
        state().filePath = currentPath;
        if (state().fileListener)
            state().fileListener(currentPath);
    }

    const QString folder;
    const Clock* clock;
    std::unique_ptr<spdlog::details::file_helper> file;
    QString currentPath;
    qint64 nextSwitchMs = 0;
};

QString osReleaseValue(const QByteArray& content, const char* key)
{
    const QByteArray prefix = QByteArray(key) + '=';
    for (const QByteArray& raw : content.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (!line.startsWith(prefix))
            continue;
        QByteArray value = line.mid(prefix.size());
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return QString::fromUtf8(value);
    }
    return {};
}

} // namespace

QString levelName(Level level)
{
    switch (level) {
    case Level::verbose:
        return QStringLiteral("verbose");
    case Level::debug:
        return QStringLiteral("debug");
    case Level::info:
        return QStringLiteral("info");
    case Level::warning:
        return QStringLiteral("warning");
    case Level::error:
        return QStringLiteral("error");
    }
    return {};
}

Level logLevel(const Preferences& preferences)
{
    const auto text = preferences.stringValue(PreferKey::logLevel);
    if (!text)
        return Level::info;
    for (Level level : {Level::verbose, Level::debug, Level::info, Level::warning, Level::error}) {
        if (*text == levelName(level))
            return level;
    }
    return Level::debug;
}

bool enabled(Level level)
{
    return static_cast<int>(level) >= state().minimum.load(std::memory_order_relaxed);
}

void write(Level level, const char* file, const char* function, int line, const QString& message)
{
    // One lock around the write: outputs may be added while other threads log.
    std::lock_guard lock(state().mutex);
    const auto& logger = state().logger;
    if (!logger)
        return;
    try {
        const QByteArray utf8 = message.toUtf8();
        logger->log(spdlog::source_loc{file, line, function}, toSpdlog(level),
                    spdlog::string_view_t(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    } catch (...) {
        // A write that fails is dropped; logging never stops the caller.
    }
}

BuildInfo buildInfo()
{
    return {QStringLiteral(MIRELO_RELEASE_STAGE), QStringLiteral(MIRELO_SHORT_VERSION),
            QStringLiteral(MIRELO_BUILD_NUMBER)};
}

QString logFileName(const QDate& date)
{
    // Calendar year: the week-based year would name a file 2026 on 2025-12-29.
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log");
}

QString logDirectory()
{
    try {
        Path folder = Path::root() + QStringLiteral("data");
        folder.mkdir();
        Path logs = folder + QStringLiteral("logs");
        logs.mkdir();
        if (!QFileInfo(logs.string).isDir())
            return {};
        return logs.string;
    } catch (const PathError&) {
        return {};
    }
}

void setupLogger(const Preferences& preferences, const Clock* clock)
{
    const Level level = logLevel(preferences);
    {
        std::lock_guard lock(state().mutex);
        addSinkLocked(std::make_shared<spdlog::sinks::stderr_sink_mt>(), level);
    }

    cleanUpExpiredLogs(clock ? clock->now() : QDateTime::currentDateTime());

    const QString folder = logDirectory();
    bool fileOutput = false;
    if (!folder.isEmpty()) {
        try {
            auto sink = std::make_shared<DailyFileSink>(folder, clock);
            std::lock_guard lock(state().mutex);
            addSinkLocked(sink, level);
            state().filePath = sink->path();
            if (state().fileListener)
                state().fileListener(state().filePath);
            fileOutput = true;
        } catch (const spdlog::spdlog_ex& error) {
            LOG_ERROR(QStringLiteral("Can't open the log file in %1 (%2); logging to the console only.")
                          .arg(folder, QString::fromUtf8(error.what())));
        }
    } else {
        LOG_ERROR(QStringLiteral("Can't create the log folder under %1; logging to the console only.")
                      .arg(Path::root().string));
    }
    Q_UNUSED(fileOutput);

    const BuildInfo build = buildInfo();
    LOG_INFO(QStringLiteral("Logger setuped!"));
    LOG_INFO(QStringLiteral("Logger level: ") + levelName(level));
    LOG_INFO(QStringLiteral("Release Stage: ") + build.releaseStage);
    LOG_INFO(QStringLiteral(" v") + build.shortVersion + QStringLiteral(" (") + build.buildNumber + QStringLiteral(")"));
    LOG_INFO(userPlatformLine());
    LOG_INFO(QStringLiteral("Sandboxed: ") +
             (qEnvironmentVariableIsSet("APP_SANDBOX_CONTAINER_ID") ? QStringLiteral("true") : QStringLiteral("false")));
}

void cleanUpExpiredLogs(const QDateTime& now)
{
    const QString folder = logDirectory();
    if (folder.isEmpty())
        return;
    const auto expired = expiredLogs(folder, now);
    if (!expired) {
        LOG_ERROR(QStringLiteral("Can't find from date."));
        return;
    }
    for (const QString& path : *expired) {
        LOG_DEBUG(QStringLiteral("Will remove ") + QFileInfo(path).fileName());
        if (!QFile::remove(path))
            LOG_ERROR(QStringLiteral("Failed to remove ") + path);
    }
}

QString currentLogFilePath()
{
    std::lock_guard lock(state().mutex);
    return state().filePath;
}

void onLogFileChanged(std::function<void(const QString&)> listener)
{
    std::lock_guard lock(state().mutex);
    state().fileListener = std::move(listener);
    if (state().fileListener && !state().filePath.isEmpty())
        state().fileListener(state().filePath);
}

void addSink(std::shared_ptr<spdlog::sinks::sink> sink, Level minimum)
{
    std::lock_guard lock(state().mutex);
    addSinkLocked(sink, minimum);
}

void reset()
{
    std::lock_guard lock(state().mutex);
    auto& s = state();
    if (s.logger)
        s.logger->flush();
    s.logger.reset();
    s.filePath.clear();
    s.fileListener = nullptr;
    s.minimum.store(static_cast<int>(Level::error) + 1);
}

QString userPlatformLine(const QString& osReleasePath)
{
    QFile file(osReleasePath);
    QByteArray content;
    if (file.open(QIODevice::ReadOnly))
        content = file.read(64 * 1024);
    auto orUnknown = [](QString value) { return value.isEmpty() ? QStringLiteral("Unknown") : value; };
    return QStringLiteral("User Platform: %1 %2 build (%3)")
        .arg(orUnknown(osReleaseValue(content, "NAME")), orUnknown(osReleaseValue(content, "VERSION_ID")),
             orUnknown(osReleaseValue(content, "BUILD_ID")));
}

} // namespace Log
