#include "wayland/WaylandRegistry.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <algorithm>

void WaylandRegistry::global(void* data, wl_registry*, uint32_t name, const char* interface, uint32_t version)
{
    auto* self = static_cast<WaylandRegistry*>(data);
    // The first of several (seats, outputs) is the one Qt uses too.
    const QByteArray key(interface);
    if (!self->globals.contains(key))
        self->globals.insert(key, {name, version});
}

void WaylandRegistry::globalRemove(void* data, wl_registry*, uint32_t name)
{
    auto* self = static_cast<WaylandRegistry*>(data);
    for (auto it = self->globals.begin(); it != self->globals.end(); ++it) {
        if (it->first == name) {
            self->globals.erase(it);
            return;
        }
    }
}

std::unique_ptr<WaylandRegistry> WaylandRegistry::create()
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) || !native)
        return nullptr;
    auto* display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    if (!display)
        return nullptr;
    std::unique_ptr<WaylandRegistry> registry(new WaylandRegistry);
    registry->display = display;
    registry->queue = wl_display_create_queue(display);
    // A wrapper puts the registry, and so everything bound from it, on our queue from the start.
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), registry->queue);
    registry->registry = wl_display_get_registry(wrapped);
    wl_proxy_wrapper_destroy(wrapped);
    static const wl_registry_listener listener = {&WaylandRegistry::global, &WaylandRegistry::globalRemove};
    wl_registry_add_listener(registry->registry, &listener, registry.get());
    if (wl_display_roundtrip_queue(display, registry->queue) < 0)
        return nullptr;
    return registry;
}

WaylandRegistry::~WaylandRegistry()
{
    if (registry)
        wl_registry_destroy(registry);
    if (display)
        wl_display_flush(display);
    if (queue)
        wl_event_queue_destroy(queue);
}

void* WaylandRegistry::bind(const wl_interface* interface, uint32_t version)
{
    const auto found = globals.constFind(QByteArray(interface->name));
    if (found == globals.constEnd())
        return nullptr;
    return wl_registry_bind(registry, found->first, interface, std::min(version, found->second));
}

void WaylandRegistry::dispatchPending()
{
    wl_display_dispatch_queue_pending(display, queue);
}

void WaylandRegistry::flush()
{
    wl_display_flush(display);
}
