#pragma once

#include "cycle/WindowHints.h"

#include <memory>

class WaylandShortcutsInhibitor;

// The break windows under a Wayland compositor. There is nothing to set on a window: the
// protocol has no "above", "on every workspace" or keyboard grab for ordinary windows; a
// full-screen window per output is what a program may ask for, and the compositor decides
// about focus (Qt asks through xdg-activation where the compositor offers it). What it may
// grant is to keep its own shortcuts from the focused break window, so that a key binding
// does not switch the workspace away from the break.
class WaylandWindowHints final : public WindowHints
{
public:
    WaylandWindowHints();
    ~WaylandWindowHints() override;

    void prepareOverlayWindow(quintptr) override {}
    bool canReclaimKeyboard() const override { return false; }
    bool compositorPlacesWindows() const override { return true; }
    void holdDesktopShortcuts(QWindow* window, bool hold) override;

    // Says once, at start, what the session refuses and what that means for the user.
    static void logLimits();

private:
    std::unique_ptr<WaylandShortcutsInhibitor> inhibitor;
    bool inhibitorLookedFor = false;
};
