#pragma once

#include <QString>

#include <functional>

class BreakWindowController;
class Preferences;

// A quit request while the break window may be on screen.
namespace QuitRequest {

enum class TerminateReply
{
    now,    // quit at once
    cancel, // refused
    later,  // asked on the break window; terminate runs if the user confirms
};

// No break window, or one not on screen: now. A break or back-to-work screen showing: ask
// "Quit <name>?" on it, unless the passcode lock is on and not yet passed, which only says so.
TerminateReply applicationShouldTerminate(BreakWindowController* breakWindowCon,
                                          const Preferences& preferences, const QString& appName,
                                          std::function<void()> terminate);

} // namespace QuitRequest
