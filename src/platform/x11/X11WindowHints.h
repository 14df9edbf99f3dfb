#pragma once

#include "cycle/WindowHints.h"

// EWMH hints for the break windows under an X11 window manager: on every workspace
// (_NET_WM_DESKTOP = 0xFFFFFFFF), above other windows, out of the task bar and pager. Does
// nothing when the application does not run on X11.
class X11WindowHints final : public WindowHints
{
public:
    void prepareOverlayWindow(quintptr nativeWindowId) override;
};
