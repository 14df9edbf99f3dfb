#include "CycleSimulation.h"

#include <gtest/gtest.h>

namespace {

std::size_t stepsFromEnvironment(std::size_t fallback)
{
    bool ok = false;
    const qulonglong steps = qEnvironmentVariable("MIRELO_SIMULATION_STEPS").toULongLong(&ok);
    return ok && steps > 0 ? std::size_t(steps) : fallback;
}

// Lives the events; on a failure, says the seed and a shrunk list that replays it.
void live(std::uint64_t seed, const std::vector<SimulationEvent>& events, int shrinkBudget = 400)
{
    const auto failure = CycleSimulation::run(events);
    if (!failure)
        return;
    const auto shrunk = shrinkBudget > 0 ? CycleSimulation::shrink(events, shrinkBudget) : events;
    const auto again = CycleSimulation::run(shrunk);
    ADD_FAILURE() << "seed " << seed << ", step " << failure->step << ": " << failure->what.toStdString()
                  << "\n"
                  << shrunk.size() << " events fail with: "
                  << (again ? again->what.toStdString() : std::string("(no failure)"))
                  << "\nreplay with MIRELO_SIMULATION=\"" << seed << ':'
                  << CycleSimulation::format(shrunk).toStdString() << '"';
}

} // namespace

class CycleSimulationTest : public ::testing::TestWithParam<std::uint64_t>
{};

// 4 × 5,000 steps: about a month of a user's days each.
TEST_P(CycleSimulationTest, EveryInvariantHoldsAfterEveryStep)
{
    live(GetParam(), CycleSimulation::draw(GetParam(), stepsFromEnvironment(5'000)));
}

INSTANTIATE_TEST_SUITE_P(Seeds, CycleSimulationTest, ::testing::Values(1, 2, 3, 4));

// MIRELO_SIMULATION="seed" or "seed:events" replays one run; MIRELO_SIMULATION_SEEDS="first-last"
// explores a range (MIRELO_SIMULATION_STEPS long each, without shrinking).
TEST(CycleSimulationReplay, FromTheEnvironment)
{
    const QString replay = qEnvironmentVariable("MIRELO_SIMULATION");
    const QString range = qEnvironmentVariable("MIRELO_SIMULATION_SEEDS");
    if (replay.isEmpty() && range.isEmpty())
        GTEST_SKIP() << "set MIRELO_SIMULATION or MIRELO_SIMULATION_SEEDS";
    if (!replay.isEmpty()) {
        const std::uint64_t seed = replay.section(QLatin1Char(':'), 0, 0).toULongLong();
        const QString text = replay.section(QLatin1Char(':'), 1);
        const auto events = text.isEmpty() ? CycleSimulation::draw(seed, stepsFromEnvironment(5'000))
                                           : CycleSimulation::parse(text);
        ASSERT_TRUE(events) << "not a list of events: " << text.toStdString();
        live(seed, *events, 3000);
    }
    if (!range.isEmpty()) {
        const std::uint64_t first = range.section(QLatin1Char('-'), 0, 0).toULongLong();
        const std::uint64_t last =
            std::max<std::uint64_t>(first, range.section(QLatin1Char('-'), 1).toULongLong());
        for (std::uint64_t seed = first; seed <= last; ++seed)
            live(seed, CycleSimulation::draw(seed, stepsFromEnvironment(5'000)), 0);
    }
}
