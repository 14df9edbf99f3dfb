#pragma once

#include <QDateTime>

// The source of "now". Injected so that midnight, sleep and late ticks are plain unit tests.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    // Seconds since 1970-01-01 00:00 UTC, with the fraction.
    double secondsSince1970() const { return static_cast<double>(now().toMSecsSinceEpoch()) / 1000.0; }
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
