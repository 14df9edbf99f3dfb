#pragma once

#include <QHash>

#include <memory>

class QWindow;
struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_seat;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

// Keeps the compositor's own key bindings (workspace switching, launching, closing) away from a
// window while it has the keyboard, through the keyboard-shortcuts-inhibit protocol. Its
// objects live on an event queue of their own, so Qt's dispatching never sees them.
class WaylandShortcutsInhibitor
{
public:
    // None when the compositor does not offer the protocol or there is no seat.
    static std::unique_ptr<WaylandShortcutsInhibitor> create();
    ~WaylandShortcutsInhibitor();

    // Asks the compositor to keep its shortcuts from window's surface (once per surface), or
    // gives them back.
    void hold(QWindow* window, bool on);
    bool holds(QWindow* window) const { return inhibitors.contains(window); }

private:
    WaylandShortcutsInhibitor() = default;
    static void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t version);
    static void globalRemove(void* data, wl_registry* registry, uint32_t name);

    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_registry* registry = nullptr;
    wl_seat* seat = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager = nullptr;
    QHash<QWindow*, zwp_keyboard_shortcuts_inhibitor_v1*> inhibitors;
};
