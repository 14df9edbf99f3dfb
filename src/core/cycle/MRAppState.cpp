#include "cycle/MRAppState.h"

std::optional<MRAppState> appStateFromRawValue(int rawValue)
{
    if (rawValue < 0 || rawValue > 3)
        return std::nullopt;
    return static_cast<MRAppState>(rawValue);
}

QString appStateName(MRAppState state)
{
    switch (state) {
    case MRAppState::idle:
        return QStringLiteral("idle");
    case MRAppState::working:
        return QStringLiteral("working");
    case MRAppState::shortBreak:
        return QStringLiteral("shortBreak");
    case MRAppState::longBreak:
        return QStringLiteral("longBreak");
    }
    return {};
}
