#pragma once

#include "diagnostics/UsageTracker.h"

#include <QStringList>

#include <mutex>
#include <vector>

// Remembers every event it is given.
class RecordingUsageTracker final : public UsageTracker
{
public:
    struct Event
    {
        QString name;
        EventProperties properties;
        int flags;
    };

    void trackEvent(const QString& name, const EventProperties& properties, int flags) override
    {
        std::lock_guard lock(mutex);
        events.push_back({name, properties, flags});
    }

    QStringList names() const
    {
        std::lock_guard lock(mutex);
        QStringList out;
        for (const auto& e : events)
            out << e.name;
        return out;
    }

    std::vector<Event> all() const
    {
        std::lock_guard lock(mutex);
        return events;
    }

    static std::shared_ptr<RecordingUsageTracker> install()
    {
        auto tracker = std::make_shared<RecordingUsageTracker>();
        UsageTracker::setShared(tracker);
        return tracker;
    }

private:
    mutable std::mutex mutex;
    std::vector<Event> events;
};
