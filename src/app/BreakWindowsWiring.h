#pragma once

#include <memory>

class Clock;
class ContentServices;
class EventSound;
class Countdown;
class PlatformBackends;
class Preferences;
class QtBreakWindows;
class Scheduler;

// The break windows with what their overlay reads: the countdown, the sound (the chosen one, in
// front of the platform's), the window hints
// and the fingerprint reader of the session, and the quotes and photo credits of the content.
class BreakWindowsWiring
{
public:
    // The services must outlive the windows.
    static std::unique_ptr<QtBreakWindows> create(Preferences& preferences, const Clock& clock,
                                                  Countdown& timer, Scheduler& scheduler,
                                                  PlatformBackends& platform, ContentServices& content,
                                                  EventSound& sound);
};
