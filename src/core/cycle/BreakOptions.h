#pragma once

#include "cycle/CycleState.h"

#include <QString>

#include <optional>

class Preferences;

// The choices of the break options popover.
enum class PopoverButton
{
    skip = 0,
    postpone = 1,
    cancel = 2,
    stop = 3
};

// None for a raw value outside 0...3.
std::optional<PopoverButton> popoverButtonFromRawValue(int rawValue);
// The case name: "skip", "postpone", "cancel", "stop".
QString popoverButtonName(PopoverButton button);
// None for a raw value outside 0...2.
std::optional<StopTimerEvent> stopTimerEventFromRawValue(int rawValue);

// What a stop request from the overlay leads to, before the passcode lock has its say.
namespace BreakOptions {

enum class StopRoute
{
    ignored,     // the user chose that a running break cannot be cancelled
    showOptions, // the options popover decides
    stop,        // stop at once (noNewPomodoro)
};

StopRoute stopRoute(const Preferences& preferences);

// The stop request a popover choice makes; none for cancel.
std::optional<StopTimerEvent> stopEvent(PopoverButton button);

} // namespace BreakOptions
