#pragma once

#include "timer/IdleMonitor.h"

#include <chrono>
#include <memory>

class WaylandRegistry;
struct ext_idle_notification_v1;
struct ext_idle_notifier_v1;
struct org_kde_kwin_idle;
struct org_kde_kwin_idle_timeout;
struct wl_seat;

// The idle time where the compositor itself says when input stops and starts again: the
// ext-idle-notify protocol, or KDE's older idle protocol (wlroots compositors before it). While
// watched, the compositor tells "idle" once no input came for a few seconds and "resumed" at
// the next input; the events wait on our queue until the idle time is asked for, and the
// answer may be late by up to the asking interval. Not watched, nothing is asked of the
// compositor and nothing comes from it.
class WaylandIdleMonitor final : public IdleMonitor
{
    Q_OBJECT
public:
    // How long without input before the compositor says "idle": shorter idle times read as 0.
    static constexpr std::chrono::milliseconds notifyAfter{5000};

    // None when Qt is not on Wayland or the compositor offers neither protocol.
    static std::unique_ptr<WaylandIdleMonitor> create();
    ~WaylandIdleMonitor() override;

    void idleSeconds(std::function<void(std::optional<qint64>)> done) override;
    QString backendName() const override;
    void setWatching(bool watching) override;

private:
    WaylandIdleMonitor() = default;
    void listen();
    void stopListening();
    void becameIdle();
    void resumed();
    static void onIdle(void* data, org_kde_kwin_idle_timeout*);
    static void onResumed(void* data, org_kde_kwin_idle_timeout*);
    static void onIdled(void* data, ext_idle_notification_v1*);
    static void onExtResumed(void* data, ext_idle_notification_v1*);

    std::unique_ptr<WaylandRegistry> registry;
    wl_seat* seat = nullptr;
    ext_idle_notifier_v1* notifier = nullptr;
    ext_idle_notification_v1* notification = nullptr;
    org_kde_kwin_idle* kdeIdle = nullptr;
    org_kde_kwin_idle_timeout* kdeTimeout = nullptr;
    std::optional<std::chrono::steady_clock::time_point> idleSince;
};
