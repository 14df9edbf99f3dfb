#include "LogCapture.h"

#include <spdlog/details/log_msg.h>
#include <spdlog/sinks/base_sink.h>

#include <mutex>

namespace {
struct Entry
{
    QString level;
    QString function;
    QString message;
};

class CaptureSink final : public spdlog::sinks::base_sink<std::mutex>
{
public:
    std::vector<Entry> entries()
    {
        std::lock_guard lock(this->mutex_);
        return captured;
    }
    void clearEntries()
    {
        std::lock_guard lock(this->mutex_);
        captured.clear();
    }

protected:
    void sink_it_(const spdlog::details::log_msg& msg) override
    {
        static const char* names[] = {"verbose", "debug", "info", "warning", "error", "critical", "off"};
        captured.push_back({QString::fromLatin1(names[msg.level]),
                            QString::fromUtf8(msg.source.funcname ? msg.source.funcname : ""),
                            QString::fromUtf8(msg.payload.data(), static_cast<qsizetype>(msg.payload.size()))});
    }
    void flush_() override {}

private:
    std::vector<Entry> captured;
};
} // namespace

LogCapture::LogCapture(Log::Level minimum) : sink(std::make_shared<CaptureSink>())
{
    Log::addSink(sink, minimum);
}

QStringList LogCapture::lines() const
{
    QStringList out;
    for (const Entry& e : static_cast<CaptureSink&>(*sink).entries())
        out << e.level + QLatin1Char('|') + e.function + QLatin1Char('|') + e.message;
    return out;
}

QStringList LogCapture::messages() const
{
    QStringList out;
    for (const Entry& e : static_cast<CaptureSink&>(*sink).entries())
        out << e.message;
    return out;
}

bool LogCapture::contains(const QString& message) const
{
    return messages().contains(message);
}

bool LogCapture::containsAt(Log::Level level, const QString& message) const
{
    for (const Entry& e : static_cast<CaptureSink&>(*sink).entries()) {
        if (e.level == Log::levelName(level) && e.message == message)
            return true;
    }
    return false;
}

bool LogCapture::anyStartsWith(const QString& prefix) const
{
    const QStringList all = messages();
    return std::any_of(all.cbegin(), all.cend(), [&](const QString& m) { return m.startsWith(prefix); });
}

bool LogCapture::anyContains(const QString& text) const
{
    const QStringList all = messages();
    return std::any_of(all.cbegin(), all.cend(), [&](const QString& m) { return m.contains(text); });
}

int LogCapture::count(const QString& message) const
{
    return static_cast<int>(messages().count(message));
}

void LogCapture::clear()
{
    static_cast<CaptureSink&>(*sink).clearEntries();
}
