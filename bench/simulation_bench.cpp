// The cycle simulation over ten million steps, one world from start to end: a million steps are
// about nineteen years of a user's days, quits, crashes and faulty disks. Reports steps per second and the first
// broken invariant, if any. The full read of the records runs every thousand steps; the rest of
// the checks after every step.
#include "CycleSimulation.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const std::size_t steps = argc > 1 ? std::size_t(std::strtoull(argv[1], nullptr, 10)) : 10'000'000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const auto events = CycleSimulation::draw(seed, steps);
    QElapsedTimer elapsed;
    elapsed.start();
    qint64 simulatedMs = 0;
    const auto failure = CycleSimulation::run(events, 1000, &simulatedMs);
    const double seconds = double(elapsed.nsecsElapsed()) / 1e9;
    const std::size_t done = failure ? failure->step + 1 : steps;
    std::printf("%zu steps in %.1f s: %.0f steps/s; %.1f simulated years\n", done, seconds,
                double(done) / seconds, double(simulatedMs) / (365.25 * 86'400'000.0));
    if (failure) {
        std::printf("seed %llu, step %zu: %s\n", static_cast<unsigned long long>(seed), failure->step,
                    qPrintable(failure->what));
        // "shrink" as the third argument also prints a shorter list that fails the same way.
        if (argc <= 3 || std::strcmp(argv[3], "shrink") != 0)
            return 1;
        const auto shrunk =
            CycleSimulation::shrink({events.begin(), events.begin() + std::ptrdiff_t(done)}, 400);
        std::printf("MIRELO_SIMULATION=\"%llu:%s\"\n", static_cast<unsigned long long>(seed),
                    qPrintable(CycleSimulation::format(shrunk)));
    }
    return failure ? 1 : 0;
}
