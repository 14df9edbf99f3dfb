#pragma once

#include <QtGlobal>

class QWindow;

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
    // Whether the window system alone places windows and may re-place a shown break window
    // (a compositor rearranging its outputs); the window then asks for its screen again.
    virtual bool compositorPlacesWindows() const { return false; }
    // While the break window that takes the keyboard is shown, the desktop's own shortcuts
    // (another workspace, another window) would lead out of the break: where the window system
    // lets a window keep them, it does until the window hides. Where windows follow the user to
    // every workspace (X11) there is nothing to hold.
    virtual void holdDesktopShortcuts(QWindow* window, bool hold)
    {
        Q_UNUSED(window);
        Q_UNUSED(hold);
    }
};
