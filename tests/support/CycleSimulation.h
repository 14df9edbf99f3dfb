#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// One thing that happens to the program or its world, with what was drawn for it (a length of
// time, a choice): replaying the same list gives the same run, whatever the seed was.
struct SimulationEvent
{
    int kind = 0;
    qint64 arg = 0;

    bool operator==(const SimulationEvent&) const = default;
};

// Lives a user's days against the real cycle: controller, countdown, hold, pause, away
// detection, daily goal, scripting commands and D-Bus properties, on a real database in a
// folder of its own. The world around them (both clocks, the scheduler, calls and films, input,
// the lock, sleep, the overlay, the disk's faults, preference edits, quits and crashes) is
// simulated and driven by the events; what must always hold is checked after every one.
class CycleSimulation
{
public:
    struct Failure
    {
        std::size_t step = 0;
        QString what;
    };

    // Events drawn with weights from everything that can happen.
    static std::vector<SimulationEvent> draw(std::uint64_t seed, std::size_t steps);
    // Runs the events in a fresh world; the first broken invariant, or none. With
    // deepEvery > 1 the full read of the records runs only every that many steps (for long runs).
    // simulatedMs, when given, receives the time that passed in the world.
    static std::optional<Failure> run(const std::vector<SimulationEvent>& events, int deepEvery = 1,
                                      qint64* simulatedMs = nullptr);
    // A shorter list that still fails (delta debugging), within budget runs.
    static std::vector<SimulationEvent> shrink(std::vector<SimulationEvent> events, int budget = 400);

    // "time.s:12000 script.stop …", and back; none for a text that is not such a list.
    static QString format(const std::vector<SimulationEvent>& events);
    static std::optional<std::vector<SimulationEvent>> parse(const QString& text);
};
