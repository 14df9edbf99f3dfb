#include "timer/Clock.h"

#include <time.h>

qint64 SystemClock::steadyMs() const
{
    // CLOCK_BOOTTIME: CLOCK_MONOTONIC would stand still while the machine sleeps.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}
