#pragma once

#include <QDateTime>

// The sources of "now". Injected so that midnight, sleep, clock steps and late ticks are plain
// unit tests. Two clocks: the wall clock, which says when something happened and may step
// (NTP, a manual change, a restored virtual machine), and a clock that never steps and keeps
// counting while the machine sleeps, on which every length is measured.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds on the clock that never steps and counts sleep; only differences mean anything.
    virtual qint64 steadyMs() const = 0;

    // Seconds since 1970-01-01 00:00 UTC, with the fraction.
    double secondsSince1970() const { return static_cast<double>(now().toMSecsSinceEpoch()) / 1000.0; }
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 steadyMs() const override;
};
