#include "cycle/CycleState.h"

std::optional<CycleState> appStateFromRawValue(int rawValue)
{
    if (rawValue < 0 || rawValue > 3)
        return std::nullopt;
    return static_cast<CycleState>(rawValue);
}

QString appStateName(CycleState state)
{
    switch (state) {
    case CycleState::idle:
        return QStringLiteral("idle");
    case CycleState::working:
        return QStringLiteral("working");
    case CycleState::shortBreak:
        return QStringLiteral("shortBreak");
    case CycleState::longBreak:
        return QStringLiteral("longBreak");
    }
    return {};
}
