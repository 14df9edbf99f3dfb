#pragma once

#include <QString>

#include <optional>

enum class CycleState
{
    idle = 0,
    working = 1,
    shortBreak = 2,
    longBreak = 3
};

// None for a raw value outside 0...3.
std::optional<CycleState> appStateFromRawValue(int rawValue);
// "idle", "working", "shortBreak", "longBreak".
QString appStateName(CycleState state);

// How a stop request from the break overlay continues.
enum class StopTimerEvent
{
    newPomodoro = 0,
    postponePomodoro = 1,
    noNewPomodoro = 2
};
