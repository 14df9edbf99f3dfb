#include "x11/X11IdleMonitor.h"

#include <QGuiApplication>

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

std::unique_ptr<X11IdleMonitor> X11IdleMonitor::create()
{
    xcb_connection_t* x = connection();
    if (!x)
        return nullptr;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(x, &xcb_screensaver_id);
    if (!extension || !extension->present)
        return nullptr;
    return std::unique_ptr<X11IdleMonitor>(new X11IdleMonitor);
}

void X11IdleMonitor::idleSeconds(std::function<void(std::optional<qint64>)> done)
{
    xcb_connection_t* x = connection();
    if (!x) {
        done(std::nullopt);
        return;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    // One short round trip to the server, every ten seconds at most while a Pomodoro runs.
    xcb_screensaver_query_info_reply_t* info =
        xcb_screensaver_query_info_reply(x, xcb_screensaver_query_info(x, screen->root), nullptr);
    if (!info) {
        done(std::nullopt);
        return;
    }
    const qint64 seconds = info->ms_since_user_input / 1000;
    free(info);
    done(seconds);
}
