#include "wayland/WaylandShortcutsInhibitor.h"

#include "diagnostics/Log.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

#include <cstring>

void WaylandShortcutsInhibitor::global(void* data, wl_registry* registry, uint32_t name,
                                       const char* interface, uint32_t version)
{
    Q_UNUSED(version);
    auto* self = static_cast<WaylandShortcutsInhibitor*>(data);
    if (std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0 &&
        !self->manager) {
        self->manager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !self->seat) {
        // The first seat is the one Qt takes its keyboard from.
        self->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    }
}

void WaylandShortcutsInhibitor::globalRemove(void*, wl_registry*, uint32_t) {}

std::unique_ptr<WaylandShortcutsInhibitor> WaylandShortcutsInhibitor::create()
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) || !native)
        return nullptr;
    auto* display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    if (!display)
        return nullptr;
    std::unique_ptr<WaylandShortcutsInhibitor> inhibitor(new WaylandShortcutsInhibitor);
    inhibitor->display = display;
    inhibitor->queue = wl_display_create_queue(display);
    // A wrapper puts the registry, and so everything bound from it, on our queue from the start.
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), inhibitor->queue);
    inhibitor->registry = wl_display_get_registry(wrapped);
    wl_proxy_wrapper_destroy(wrapped);
    static const wl_registry_listener listener = {&WaylandShortcutsInhibitor::global,
                                                  &WaylandShortcutsInhibitor::globalRemove};
    wl_registry_add_listener(inhibitor->registry, &listener, inhibitor.get());
    if (wl_display_roundtrip_queue(display, inhibitor->queue) < 0 || !inhibitor->manager || !inhibitor->seat)
        return nullptr;
    return inhibitor;
}

WaylandShortcutsInhibitor::~WaylandShortcutsInhibitor()
{
    for (auto* inhibitor : std::as_const(inhibitors))
        zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor);
    if (manager)
        zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(manager);
    if (seat)
        wl_seat_destroy(seat);
    if (registry)
        wl_registry_destroy(registry);
    if (display)
        wl_display_flush(display);
    if (queue)
        wl_event_queue_destroy(queue);
}

void WaylandShortcutsInhibitor::hold(QWindow* window, bool on)
{
    // The inhibitors' active/inactive events land on our queue; nobody listens, so they are
    // only taken off it.
    wl_display_dispatch_queue_pending(display, queue);
    if (!on) {
        if (auto* inhibitor = inhibitors.take(window)) {
            zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor);
            wl_display_flush(display);
        }
        return;
    }
    if (inhibitors.contains(window))
        return; // a second inhibitor for one surface is a protocol error
    auto* surface = static_cast<wl_surface*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", window));
    if (!surface) {
        LOG_WARNING(
            QStringLiteral("The break window has no Wayland surface yet; the desktop's shortcuts stay on."));
        return;
    }
    inhibitors.insert(window,
                      zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(manager, surface, seat));
    wl_display_flush(display);
}
