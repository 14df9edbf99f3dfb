#include "wayland/WaylandShortcutsInhibitor.h"

#include "diagnostics/Log.h"
#include "wayland/WaylandRegistry.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

std::unique_ptr<WaylandShortcutsInhibitor> WaylandShortcutsInhibitor::create()
{
    auto registry = WaylandRegistry::create();
    if (!registry || !registry->offers(zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) ||
        !registry->offers(wl_seat_interface.name))
        return nullptr;
    std::unique_ptr<WaylandShortcutsInhibitor> inhibitor(new WaylandShortcutsInhibitor);
    inhibitor->seat = static_cast<wl_seat*>(registry->bind(&wl_seat_interface, 1));
    inhibitor->manager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(
        registry->bind(&zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
    inhibitor->registry = std::move(registry);
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
}

void WaylandShortcutsInhibitor::hold(QWindow* window, bool on)
{
    // The inhibitors' active/inactive events land on our queue; nobody listens, so they are
    // only taken off it.
    registry->dispatchPending();
    if (!on) {
        if (auto* inhibitor = inhibitors.take(window)) {
            zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor);
            registry->flush();
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
    registry->flush();
}
