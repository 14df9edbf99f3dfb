#pragma once

#include <QByteArray>
#include <QHash>

#include <cstdint>
#include <memory>
#include <utility>

struct wl_display;
struct wl_event_queue;
struct wl_interface;
struct wl_registry;

// The compositor's globals as Qt's own connection sees them, on an event queue of our own, so
// that Qt's dispatching never meets our objects and ours never meets Qt's. Events for what is
// bound here are queued as Qt reads the connection and handled when dispatchPending() runs.
class WaylandRegistry
{
public:
    // None when Qt is not running on Wayland.
    static std::unique_ptr<WaylandRegistry> create();
    ~WaylandRegistry();

    bool offers(const char* interface) const { return globals.contains(QByteArray(interface)); }
    // The global bound at the highest version both sides know, on our queue; null when the
    // compositor does not offer it.
    void* bind(const wl_interface* interface, uint32_t version);
    void dispatchPending();
    void flush();

private:
    WaylandRegistry() = default;
    static void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t version);
    static void globalRemove(void* data, wl_registry* registry, uint32_t name);

    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_registry* registry = nullptr;
    QHash<QByteArray, std::pair<uint32_t, uint32_t>> globals; // interface → name, version
};
