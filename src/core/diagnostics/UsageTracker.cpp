#include "diagnostics/UsageTracker.h"

#include "diagnostics/Log.h"

#include <QStringList>

#include <mutex>

namespace {
std::mutex trackerMutex;
std::shared_ptr<UsageTracker>& sharedTracker()
{
    static std::shared_ptr<UsageTracker> tracker = std::make_shared<LogUsageTracker>();
    return tracker;
}
} // namespace

std::shared_ptr<UsageTracker> UsageTracker::shared()
{
    std::lock_guard lock(trackerMutex);
    return sharedTracker();
}

void UsageTracker::setShared(std::shared_ptr<UsageTracker> tracker)
{
    std::lock_guard lock(trackerMutex);
    sharedTracker() = tracker ? std::move(tracker) : std::make_shared<LogUsageTracker>();
}

void LogUsageTracker::trackEvent(const QString& name, const EventProperties& properties, int flags)
{
    LOG_DEBUG([&] {
        QStringList pairs;
        for (auto it = properties.cbegin(); it != properties.cend(); ++it)
            pairs << it.key() + QLatin1Char('=') + it.value();
        return QStringLiteral("Usage event: %1 {%2} flags: %3").arg(name, pairs.join(QStringLiteral(", "))).arg(flags);
    }());
}

void track(UsageEvent event, const EventProperties& properties)
{
    UsageTracker::shared()->trackEvent(eventName(event), properties, eventFlags(event));
}

void trackContentView(const QString& className)
{
    UsageTracker::shared()->trackEvent(eventName(UsageEvent::contentView),
                                       {{QStringLiteral("VC"), className}},
                                       eventFlags(UsageEvent::contentView));
}

void trackQualifiedClassName(const QString& className)
{
    UsageTracker::shared()->trackEvent(QStringLiteral("Mirelo.") + className, {}, 1);
}
