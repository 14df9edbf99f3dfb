#pragma once

#include <QtGlobal>

// What the break windows ask of the window system beyond what the toolkit offers: stay on
// every workspace, above panels, out of the task bar. Set before the window is first mapped.
class WindowHints
{
public:
    virtual ~WindowHints() = default;
    // nativeWindowId: the toolkit's native window id of a created but not yet mapped window.
    virtual void prepareOverlayWindow(quintptr nativeWindowId) = 0;
};
