#include "cycle/BreakOptions.h"

#include "settings/Preferences.h"
#include "settings/UserDefaults.h"

std::optional<PopoverButton> popoverButtonFromRawValue(int rawValue)
{
    if (rawValue < 0 || rawValue > 3)
        return std::nullopt;
    return static_cast<PopoverButton>(rawValue);
}

QString popoverButtonName(PopoverButton button)
{
    switch (button) {
    case PopoverButton::skip:
        return QStringLiteral("skip");
    case PopoverButton::postpone:
        return QStringLiteral("postpone");
    case PopoverButton::cancel:
        return QStringLiteral("cancel");
    case PopoverButton::stop:
        return QStringLiteral("stop");
    }
    return {};
}

std::optional<StopTimerEvent> stopTimerEventFromRawValue(int rawValue)
{
    if (rawValue < 0 || rawValue > 2)
        return std::nullopt;
    return static_cast<StopTimerEvent>(rawValue);
}

namespace BreakOptions {

StopRoute stopRoute(const Preferences& preferences)
{
    if (preferences.boolValue(PreferKey::noCancellationDuringTheBreak))
        return StopRoute::ignored;
    if (UserDefaults::shouldShowBreakOptions(preferences))
        return StopRoute::showOptions;
    return StopRoute::stop;
}

std::optional<StopTimerEvent> stopEvent(PopoverButton button)
{
    switch (button) {
    case PopoverButton::skip:
        return StopTimerEvent::newPomodoro;
    case PopoverButton::postpone:
        return StopTimerEvent::postponePomodoro;
    case PopoverButton::stop:
        return StopTimerEvent::noNewPomodoro;
    case PopoverButton::cancel:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace BreakOptions
