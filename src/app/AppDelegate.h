#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <memory>

class BreakWindows;
class CrashReporter;
class DBusNotificationCenter;
class ImageSource;
class LogindSleepMonitor;
class MRApp;
class MRStatusItem;
class MRTimer;
class PortalAppearance;
class Preferences;
class QtScheduler;
class SystemClock;
class TaskService;
class TimerDBusAdaptor;
class VersionRecord;
class WallpaperProvider;
class XdgAutostartLoginItems;

// Creates and wires everything, in the start-up order: logging, crash reports, appearance,
// the version check, then the main application (defaults, task store, tray, timers).
class AppDelegate : public QObject
{
    Q_OBJECT
public:
    explicit AppDelegate(QDBusConnection sessionBus, QObject* parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    // The menu's Quit and the session's SIGTERM/SIGINT.
    void terminate();

    MRApp* app() const { return mrApp.get(); }

private:
    void enterMainApp();
    void exportDBusInterface();
    void appleInterfaceThemeChanged(bool dark);
    bool applicationShouldTerminate();
    void applicationWillTerminate();

    QDBusConnection sessionBus;
    Preferences* preferences = nullptr;
    std::unique_ptr<SystemClock> clock;
    std::unique_ptr<QtScheduler> scheduler;
    std::unique_ptr<XdgAutostartLoginItems> loginItems;
    std::unique_ptr<VersionRecord> versionRecord;
    std::unique_ptr<PortalAppearance> appearance;
    std::unique_ptr<LogindSleepMonitor> sleepMonitor;
    std::unique_ptr<DBusNotificationCenter> notifications;
    std::unique_ptr<MRTimer> timer;
    std::unique_ptr<TaskService> tasks;
    std::unique_ptr<BreakWindows> breakWindows;
    std::unique_ptr<WallpaperProvider> wallpapers;
    std::unique_ptr<ImageSource> images;
    std::unique_ptr<MRApp> mrApp;
    std::unique_ptr<MRStatusItem> statusItem;
    std::unique_ptr<QObject> dbusObject;
    bool hasCrashedInLastSession = false;
    bool darkMode = false;
};
