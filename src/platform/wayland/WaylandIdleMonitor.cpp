#include "wayland/WaylandIdleMonitor.h"

#include "wayland/WaylandRegistry.h"

#include <wayland-client.h>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"

std::unique_ptr<WaylandIdleMonitor> WaylandIdleMonitor::create()
{
    auto registry = WaylandRegistry::create();
    if (!registry || !registry->offers(wl_seat_interface.name))
        return nullptr;
    const bool ext = registry->offers(ext_idle_notifier_v1_interface.name);
    if (!ext && !registry->offers(org_kde_kwin_idle_interface.name))
        return nullptr;
    std::unique_ptr<WaylandIdleMonitor> monitor(new WaylandIdleMonitor);
    monitor->seat = static_cast<wl_seat*>(registry->bind(&wl_seat_interface, 1));
    if (ext)
        monitor->notifier =
            static_cast<ext_idle_notifier_v1*>(registry->bind(&ext_idle_notifier_v1_interface, 1));
    else
        monitor->kdeIdle = static_cast<org_kde_kwin_idle*>(registry->bind(&org_kde_kwin_idle_interface, 1));
    registry->flush();
    monitor->registry = std::move(registry);
    return monitor;
}

void WaylandIdleMonitor::setWatching(bool watching)
{
    if (watching)
        listen();
    else
        stopListening();
}

void WaylandIdleMonitor::listen()
{
    if (notification || kdeTimeout)
        return;
    // Until the compositor says otherwise, the user is here.
    idleSince.reset();
    const auto timeout = uint32_t(notifyAfter.count());
    if (notifier) {
        static const ext_idle_notification_v1_listener listener = {&WaylandIdleMonitor::onIdled,
                                                                   &WaylandIdleMonitor::onExtResumed};
        notification = ext_idle_notifier_v1_get_idle_notification(notifier, timeout, seat);
        ext_idle_notification_v1_add_listener(notification, &listener, this);
    } else {
        static const org_kde_kwin_idle_timeout_listener listener = {&WaylandIdleMonitor::onIdle,
                                                                    &WaylandIdleMonitor::onResumed};
        kdeTimeout = org_kde_kwin_idle_get_idle_timeout(kdeIdle, seat, timeout);
        org_kde_kwin_idle_timeout_add_listener(kdeTimeout, &listener, this);
    }
    registry->flush();
}

void WaylandIdleMonitor::stopListening()
{
    if (notification)
        ext_idle_notification_v1_destroy(notification);
    if (kdeTimeout)
        org_kde_kwin_idle_timeout_release(kdeTimeout);
    if (notification || kdeTimeout)
        registry->flush();
    notification = nullptr;
    kdeTimeout = nullptr;
    idleSince.reset();
    // Events still queued for the objects just destroyed are dropped here.
    registry->dispatchPending();
}

WaylandIdleMonitor::~WaylandIdleMonitor()
{
    if (notification)
        ext_idle_notification_v1_destroy(notification);
    if (notifier)
        ext_idle_notifier_v1_destroy(notifier);
    if (kdeTimeout)
        org_kde_kwin_idle_timeout_release(kdeTimeout);
    if (kdeIdle)
        org_kde_kwin_idle_destroy(kdeIdle);
    if (seat)
        wl_seat_destroy(seat);
}

QString WaylandIdleMonitor::backendName() const
{
    return notifier ? QStringLiteral("the compositor (ext-idle-notify)")
                    : QStringLiteral("the compositor (KDE idle)");
}

void WaylandIdleMonitor::idleSeconds(std::function<void(std::optional<qint64>)> done)
{
    // Asked without being watched (a first question): listening starts now.
    listen();
    // What the compositor said since the last question, in order.
    registry->dispatchPending();
    if (!idleSince) {
        done(0);
        return;
    }
    done(std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - *idleSince)
             .count());
}

void WaylandIdleMonitor::becameIdle()
{
    // Seen at the latest question, not when it came: counted from then, never longer than true.
    if (!idleSince)
        idleSince = std::chrono::steady_clock::now() - notifyAfter;
}

void WaylandIdleMonitor::resumed()
{
    idleSince.reset();
}

void WaylandIdleMonitor::onIdle(void* data, org_kde_kwin_idle_timeout*)
{
    static_cast<WaylandIdleMonitor*>(data)->becameIdle();
}

void WaylandIdleMonitor::onResumed(void* data, org_kde_kwin_idle_timeout*)
{
    static_cast<WaylandIdleMonitor*>(data)->resumed();
}

void WaylandIdleMonitor::onIdled(void* data, ext_idle_notification_v1*)
{
    static_cast<WaylandIdleMonitor*>(data)->becameIdle();
}

void WaylandIdleMonitor::onExtResumed(void* data, ext_idle_notification_v1*)
{
    static_cast<WaylandIdleMonitor*>(data)->resumed();
}
