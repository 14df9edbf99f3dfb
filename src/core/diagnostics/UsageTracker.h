#pragma once

#include "diagnostics/UsageEvent.h"

#include <QMap>
#include <QString>

#include <memory>

using EventProperties = QMap<QString, QString>;

// Where usage events go. Reporting never blocks and never fails from the caller's side.
class UsageTracker
{
public:
    virtual ~UsageTracker() = default;
    // name is the event's name, or a page view's class name; flags 1 normal, 2 critical.
    virtual void trackEvent(const QString& name, const EventProperties& properties, int flags) = 0;

    // The tracker every report goes to. Thread-safe; a LogUsageTracker until replaced.
    static std::shared_ptr<UsageTracker> shared();
    static void setShared(std::shared_ptr<UsageTracker> tracker);
};

// Keeps everything on this machine: each event is a debug line in the log.
class LogUsageTracker final : public UsageTracker
{
public:
    void trackEvent(const QString& name, const EventProperties& properties, int flags) override;
};

// Reports an event with its flag to the shared tracker.
void track(UsageEvent event, const EventProperties& properties = {});

// Page views: contentView with the controller's class name under "VC", and the
// module-qualified class name ("Mirelo." + name) for the controllers that report it.
void trackContentView(const QString& className);
void trackQualifiedClassName(const QString& className);
