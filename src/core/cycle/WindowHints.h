#pragma once

#include <QtGlobal>

// What the break windows ask of the window system beyond what the toolkit offers: stay on
// every workspace, above panels, out of the task bar. Window managers drop these when a window
// is withdrawn, so they are set before every mapping, not once.
class WindowHints
{
public:
    virtual ~WindowHints() = default;
    // nativeWindowId: the toolkit's native window id of a created window that is not mapped now.
    virtual void prepareOverlayWindow(quintptr nativeWindowId) = 0;
    // Whether a break window may ask for the keyboard again after another program took it.
    // Where the compositor alone decides, asking again only repeats a refused request.
    virtual bool canReclaimKeyboard() const { return true; }
};
