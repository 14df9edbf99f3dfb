#include "x11/XcbTrayManagerWatcher.h"

#include <QByteArray>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
struct FreeDeleter
{
    void operator()(void* p) const { std::free(p); }
};
} // namespace

XcbTrayManagerWatcher* XcbTrayManagerWatcher::create(QObject* parent)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    xcb_connection_t* connection = x11->connection();
    int screenNumber = 0;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    // Qt talks to the default screen of its display.
    const QByteArray display = qgetenv("DISPLAY");
    if (const int dot = display.lastIndexOf('.'); dot > display.lastIndexOf(':'))
        screenNumber = display.mid(dot + 1).toInt();
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.data)
        return nullptr;
    return new XcbTrayManagerWatcher(connection, screens.data->root, screenNumber, parent);
}

XcbTrayManagerWatcher::XcbTrayManagerWatcher(xcb_connection_t* connection, std::uint32_t root, int screen,
                                             QObject* parent)
    : QObject(parent), connection(connection)
{
    manager = atom("MANAGER");
    traySelection = atom(QByteArray("_NET_SYSTEM_TRAY_S" + QByteArray::number(screen)).constData());
    // The announcement goes to the root window's structure listeners; the masks other parts of
    // the program chose on the root window are kept.
    std::unique_ptr<xcb_get_window_attributes_reply_t, FreeDeleter> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root), nullptr));
    const std::uint32_t mask =
        (attributes ? attributes->your_event_mask : 0) | std::uint32_t(XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

XcbTrayManagerWatcher::~XcbTrayManagerWatcher()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

std::uint32_t XcbTrayManagerWatcher::atom(const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, FreeDeleter> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : 0;
}

bool XcbTrayManagerWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_CLIENT_MESSAGE)
        return false;
    auto* client = reinterpret_cast<xcb_client_message_event_t*>(event);
    if (client->type == manager && client->format == 32 && client->data.data32[1] == traySelection) {
        // Qt reads the selection's new owner from the same message: look once it has.
        QMetaObject::invokeMethod(this, &XcbTrayManagerWatcher::trayAppeared, Qt::QueuedConnection);
    }
    return false;
}
