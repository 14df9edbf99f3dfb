#pragma once

#include "timer/Clock.h"

#include <algorithm>

// A clock that moves only when told. Time that passes moves both clocks; stepWallClock()
// moves the wall clock alone, as NTP or a manual change does.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 3, 10), QTime(10, 0), Qt::LocalTime))
        : current(std::move(start))
    {
    }

    QDateTime now() const override { return current; }
    qint64 steadyMs() const override { return steady; }
    // A later time has passed; an earlier one is a step of the wall clock back.
    void set(const QDateTime& t)
    {
        steady += std::max<qint64>(0, current.msecsTo(t));
        current = t;
    }
    // A negative amount is a step of the wall clock back: the steady clock never goes back.
    void advanceMs(qint64 ms)
    {
        current = current.addMSecs(ms);
        steady += std::max<qint64>(0, ms);
    }
    void advanceSeconds(qint64 s) { advanceMs(s * 1000); }
    void stepWallClock(qint64 ms) { current = current.addMSecs(ms); }

private:
    QDateTime current;
    qint64 steady = 1'000'000;
};
