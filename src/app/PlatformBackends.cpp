#include "PlatformBackends.h"

#include "diagnostics/Log.h"
#include "linux/CanberraEventSound.h"
#include "linux/DBusIdleMonitor.h"
#include "linux/DBusPresence.h"
#include "linux/DesktopImageSource.h"
#include "linux/FprintdBiometrics.h"
#include "linux/LogindIdleMonitor.h"
#include "linux/PipeWirePresence.h"
#include "presence/HoldChoices.h"
#include "settings/Preferences.h"
#include "linux/PortalGlobalShortcuts.h"
#include "linux/PortalScreenshot.h"
#include "presence/PresenceSources.h"
#include "timer/ThreadPoolExecutor.h"
#include "wayland/WaylandIdleMonitor.h"
#include "wayland/WaylandWindowHints.h"
#include "x11/X11FullscreenPresence.h"
#include "x11/X11IdleMonitor.h"
#include "x11/X11WindowHints.h"
#include "x11/XcbGlobalShortcuts.h"

#include <QGuiApplication>

PlatformBackends::PlatformBackends(QDBusConnection bus, bool darkMode) : sessionBus(std::move(bus))
{
    executor = std::make_unique<ThreadPoolExecutor>();
    imageSource = std::make_unique<DesktopImageSource>(*executor);
    imageSource->setDarkAppearance(darkMode);
    const bool onWayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (onWayland) {
        screenshots = std::make_unique<PortalScreenshot>(sessionBus, *executor);
        imageSource->setPortal(screenshots.get());
    }
    if (onWayland) {
        WaylandWindowHints::logLimits();
        hints = std::make_unique<WaylandWindowHints>();
    } else {
        hints = std::make_unique<X11WindowHints>();
    }
    sound = std::make_unique<CanberraEventSound>();
    fingerprint = std::make_unique<FprintdBiometrics>();
}

PlatformBackends::~PlatformBackends() = default;

IdleMonitor* PlatformBackends::idleMonitor()
{
    if (idleTried)
        return dbusIdle.get();
    idleTried = true;
    // The X server's idle time first where there is one (exact, unlike some desktops' D-Bus
    // answer), then the desktop's own, else the Wayland compositor's, else logind's idle hint.
    // The desktop's screen saver and logind both tell the lock.
    x11Idle = X11IdleMonitor::create();
    logindIdle = LogindIdleMonitor::create(QDBusConnection::systemBus());
    waylandIdle = WaylandIdleMonitor::create();
    IdleMonitor* fallbackIdle = waylandIdle ? static_cast<IdleMonitor*>(waylandIdle.get()) : logindIdle.get();
    dbusIdle = DBusIdleMonitor::create(sessionBus, fallbackIdle, x11Idle.get());
    if (dbusIdle && logindIdle)
        QObject::connect(logindIdle.get(), &IdleMonitor::lockedChanged, dbusIdle.get(),
                         &IdleMonitor::lockedChanged);
    return dbusIdle.get();
}

Presence* PlatformBackends::presence()
{
    if (presenceTried)
        return presenceSources && !presenceSources->isEmpty() ? presenceSources.get() : nullptr;
    presenceTried = true;
    // Each source is optional; what this desktop cannot tell is simply not asked.
    presenceSources = std::make_unique<PresenceSources>();
    // Only what the user lets hold a break ("Hold breaks during") counts.
    presenceSources->setFilter(
        [](const QStringList& active) { return HoldChoices::allowed(Preferences::standard(), active); });
    presenceSources->add(PipeWirePresence::create());
    presenceSources->add(DBusPresence::doNotDisturb(sessionBus));
    presenceSources->add(DBusPresence::idleInhibitor(sessionBus));
    presenceSources->add(X11FullscreenPresence::create());
    return presenceSources->isEmpty() ? nullptr : presenceSources.get();
}

GlobalShortcuts* PlatformBackends::globalShortcuts()
{
    if (!shortcutsTried) {
        shortcutsTried = true;
        shortcuts.reset(XcbGlobalShortcuts::create());
        // On Wayland a program grabs no keys: the desktop binds them through its portal, where
        // it offers one (KDE Plasma 5.27, GNOME 48).
        if (!shortcuts)
            shortcuts.reset(PortalGlobalShortcuts::create(sessionBus));
        if (shortcuts && !qobject_cast<XcbGlobalShortcuts*>(shortcuts.get()))
            LOG_INFO(QStringLiteral("Global shortcuts are bound by the desktop through its portal."));
        if (!shortcuts)
            LOG_WARNING(
                QStringLiteral("Global shortcuts are not available on this desktop; the shortcuts are kept "
                               "but do nothing."));
    }
    return shortcuts.get();
}
