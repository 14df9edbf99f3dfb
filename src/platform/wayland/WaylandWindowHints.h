#pragma once

#include "cycle/WindowHints.h"

// The break windows under a Wayland compositor. There is nothing to set on a window: the
// protocol has no "above", "on every workspace" or keyboard grab for ordinary windows; a
// full-screen window per output is what a program may ask for, and the compositor decides
// about focus (Qt asks through xdg-activation where the compositor offers it).
class WaylandWindowHints final : public WindowHints
{
public:
    void prepareOverlayWindow(quintptr) override {}
    bool canReclaimKeyboard() const override { return false; }

    // Says once, at start, what the session refuses and what that means for the user.
    static void logLimits();
};
