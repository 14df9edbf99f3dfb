#pragma once

#include "timer/Clock.h"

// A clock that moves only when told.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 3, 10), QTime(10, 0), Qt::LocalTime))
        : current(std::move(start))
    {
    }

    QDateTime now() const override { return current; }
    void set(const QDateTime& t) { current = t; }
    void advanceMs(qint64 ms) { current = current.addMSecs(ms); }
    void advanceSeconds(qint64 s) { current = current.addSecs(s); }

private:
    QDateTime current;
};
