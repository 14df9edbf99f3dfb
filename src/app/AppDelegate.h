#pragma once

#include "break/QuitRequest.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <memory>

class AppWindows;
class ContentServices;
class CycleServices;
class DBusNotificationCenter;
class FreedesktopWorkspace;
class LogindSleepMonitor;
class CycleController;
class TrayIcon;
class Countdown;
class PlatformBackends;
class PortalAppearance;
class Preferences;
class EventSounds;
class QtBreakWindows;
class QtScheduler;
class SystemClock;
class TaskService;
class VersionRecord;
class LoginItems;
class XdgLauncherActions;

// Creates and wires everything, in the start-up order: logging, crash reports, appearance,
// the version check, then the main application (defaults, task store, tray, timers).
class AppDelegate : public QObject
{
    Q_OBJECT
public:
    explicit AppDelegate(QDBusConnection sessionBus, QObject* parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    // The menu's Quit: asks first while a break is on screen.
    void terminate();
    // The session's SIGTERM/SIGINT: nobody is there to answer a question.
    void terminateNow();

    // Answers a quit request: at once, refused, or after the user confirmed on the break window.
    QuitRequest::TerminateReply applicationShouldTerminate();
    static QString appName();

    CycleController* app() const;

    // The menu's Preferences… and About: one window each, created on first use.
    void showPreferences();
    void showStatistics();
    void showAbout();

private:
    void enterMainApp();
    void announceMissingTray();
    void watchForTrays();
    void checkNews();
    void exportDBusInterface();
    void appleInterfaceThemeChanged(bool dark);
    void applicationWillTerminate();

    QDBusConnection sessionBus;
    Preferences* preferences = nullptr;
    std::unique_ptr<SystemClock> clock;
    std::unique_ptr<QtScheduler> scheduler;
    std::unique_ptr<LoginItems> loginItems;
    std::unique_ptr<FreedesktopWorkspace> workspace;
    std::unique_ptr<XdgLauncherActions> launcherActions;
    std::unique_ptr<VersionRecord> versionRecord;
    std::unique_ptr<PortalAppearance> appearance;
    std::unique_ptr<LogindSleepMonitor> sleepMonitor;
    std::unique_ptr<DBusNotificationCenter> notifications;
    std::unique_ptr<Countdown> timer;
    std::unique_ptr<TaskService> tasks;
    std::unique_ptr<ContentServices> content;
    std::unique_ptr<PlatformBackends> platform;
    // The chosen sounds stand in front of the platform's: the overlay plays through them.
    std::unique_ptr<EventSounds> eventSounds;
    std::unique_ptr<QtBreakWindows> breakWindows;
    std::unique_ptr<CycleServices> cycle;
    std::unique_ptr<TrayIcon> trayIcon;
    std::unique_ptr<QObject> dbusObject;
    std::unique_ptr<AppWindows> windows;
    bool hasCrashedInLastSession = false;
    bool darkMode = false;
};
