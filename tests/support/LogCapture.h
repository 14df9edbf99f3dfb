#pragma once

#include "diagnostics/Log.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace spdlog::sinks {
class sink;
}

// Collects the messages written while it exists (verbose and up unless told otherwise).
class LogCapture
{
public:
    explicit LogCapture(Log::Level minimum = Log::Level::verbose);

    // "LEVEL|function|message" per line, level as in Log::levelName.
    QStringList lines() const;
    QStringList messages() const;
    bool contains(const QString& message) const;
    bool containsAt(Log::Level level, const QString& message) const;
    bool anyStartsWith(const QString& prefix) const;
    bool anyContains(const QString& text) const;
    int count(const QString& message) const;
    void clear();

private:
    std::shared_ptr<spdlog::sinks::sink> sink;
};
