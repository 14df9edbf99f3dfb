#include "x11/X11FullscreenPresence.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* x, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 1, static_cast<uint16_t>(strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return result;
}

// The 32-bit values of a window property; empty when it is not set.
std::vector<uint32_t> windowProperty(xcb_connection_t* x, xcb_window_t window, xcb_atom_t name,
                                     xcb_atom_t type)
{
    std::vector<uint32_t> values;
    if (name == XCB_ATOM_NONE)
        return values;
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, name, type, 0, 64), nullptr);
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return values;
}

} // namespace

std::unique_ptr<X11FullscreenPresence> X11FullscreenPresence::create(QObject* parent)
{
    if (!connection())
        return nullptr;
    return std::unique_ptr<X11FullscreenPresence>(new X11FullscreenPresence(parent));
}

bool X11FullscreenPresence::fullscreenHasFocus() const
{
    xcb_connection_t* x = connection();
    if (!x)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const auto active = windowProperty(x, root, atom(x, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
    if (active.empty() || active.front() == XCB_WINDOW_NONE)
        return false;
    // Our own break windows are full-screen too; they never hold a break.
    const auto pid = windowProperty(x, active.front(), atom(x, "_NET_WM_PID"), XCB_ATOM_CARDINAL);
    if (!pid.empty() && pid.front() == static_cast<uint32_t>(getpid()))
        return false;
    const xcb_atom_t fullscreen = atom(x, "_NET_WM_STATE_FULLSCREEN");
    for (uint32_t state : windowProperty(x, active.front(), atom(x, "_NET_WM_STATE"), XCB_ATOM_ATOM))
        if (state == fullscreen && fullscreen != XCB_ATOM_NONE)
            return true;
    return false;
}

void X11FullscreenPresence::activeSources(std::function<void(QStringList)> done)
{
    if (fullscreenHasFocus())
        done({QCoreApplication::translate("Localizable", "full-screen window")});
    else
        done({});
}
