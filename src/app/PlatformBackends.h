#pragma once

#include <QDBusConnection>

#include <memory>

class CanberraEventSound;
class DBusIdleMonitor;
class DesktopImageSource;
class FprintdBiometrics;
class GlobalShortcuts;
class IdleMonitor;
class LogindIdleMonitor;
class PortalScreenshot;
class Presence;
class PresenceSources;
class ThreadPoolExecutor;
class WaylandIdleMonitor;
class WindowHints;
class X11IdleMonitor;

// The Linux backends behind the core's ports, chosen here once for the session: Wayland or X11
// for the window hints and screen captures, and the best idle source the desktop offers.
class PlatformBackends
{
public:
    PlatformBackends(QDBusConnection sessionBus, bool darkMode);
    ~PlatformBackends();

    ThreadPoolExecutor& imageExecutor() const { return *executor; }
    DesktopImageSource& images() const { return *imageSource; }
    WindowHints& windowHints() const { return *hints; }
    CanberraEventSound& eventSound() const { return *sound; }
    FprintdBiometrics& biometrics() const { return *fingerprint; }

    // The desktop's idle time and lock; none where no source answers.
    IdleMonitor* idleMonitor();
    // What shows the user busy at the screen (calls, shares, full-screen work); none where no
    // source can be read.
    Presence* presence();
    // The global shortcuts of the X server; none on a desktop that has none for us.
    GlobalShortcuts* globalShortcuts();

private:
    QDBusConnection sessionBus;
    std::unique_ptr<ThreadPoolExecutor> executor;
    std::unique_ptr<WindowHints> hints;
    std::unique_ptr<CanberraEventSound> sound;
    // Outlives the break windows, whose lock lets go of the reader when it goes.
    std::unique_ptr<FprintdBiometrics> fingerprint;
    std::unique_ptr<PortalScreenshot> screenshots;
    std::unique_ptr<DesktopImageSource> imageSource;
    std::unique_ptr<GlobalShortcuts> shortcuts;
    bool shortcutsTried = false;
    std::unique_ptr<X11IdleMonitor> x11Idle;
    std::unique_ptr<LogindIdleMonitor> logindIdle;
    std::unique_ptr<WaylandIdleMonitor> waylandIdle;
    std::unique_ptr<DBusIdleMonitor> dbusIdle;
    bool idleTried = false;
    std::unique_ptr<PresenceSources> presenceSources;
    bool presenceTried = false;
};
