#pragma once

#include <QHash>

#include <memory>

class QWindow;
class WaylandRegistry;
struct wl_seat;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

// Keeps the compositor's own key bindings (workspace switching, launching, closing) away from a
// window while it has the keyboard, through the keyboard-shortcuts-inhibit protocol.
class WaylandShortcutsInhibitor
{
public:
    // None when the compositor does not offer the protocol or there is no seat.
    static std::unique_ptr<WaylandShortcutsInhibitor> create();
    ~WaylandShortcutsInhibitor();

    // Asks the compositor to keep its shortcuts from window's surface (once per surface), or
    // gives them back.
    void hold(QWindow* window, bool on);

private:
    WaylandShortcutsInhibitor() = default;

    std::unique_ptr<WaylandRegistry> registry;
    wl_seat* seat = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager = nullptr;
    QHash<QWindow*, zwp_keyboard_shortcuts_inhibitor_v1*> inhibitors;
};
