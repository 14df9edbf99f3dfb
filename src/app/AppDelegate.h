#pragma once

#include "break/QuitRequest.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <memory>

class AboutWindowController;
class StatWindowController;
class NewsWindowController;
class AppcastUpdater;
class CanberraEventSound;
class FprintdBiometrics;
class X11IdleMonitor;
class DBusIdleMonitor;
class AwayDetector;
class FreedesktopWorkspace;
class XdgLauncherActions;
class GlobalShortcuts;
class ShortcutBinder;
class CrashReporter;
class DBusNotificationCenter;
class DesktopImageSource;
class LogindIdleMonitor;
class WaylandIdleMonitor;
class PortalScreenshot;
class LogindSleepMonitor;
class MRApp;
class NewsService;
class QNetworkAccessManager;
class QuoteService;
class MRStatusItem;
class MRTimer;
class PortalAppearance;
class PreferencesWindowController;
class Preferences;
class QtBreakWindows;
class QtScheduler;
class SystemClock;
class TaskService;
class ThreadPoolExecutor;
class TimerDBusAdaptor;
class VersionRecord;
class WallpaperService;
class WindowHints;
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
    // The menu's Quit: asks first while a break is on screen.
    void terminate();
    // The session's SIGTERM/SIGINT: nobody is there to answer a question.
    void terminateNow();

    // Answers a quit request: at once, refused, or after the user confirmed on the break window.
    QuitRequest::TerminateReply applicationShouldTerminate();
    static QString appName();

    MRApp* app() const { return mrApp.get(); }

    // The menu's Preferences… and About: one window each, created on first use.
    void showPreferences();
    void showStatistics();
    void showAbout();

private:
    void enterMainApp();
    void announceMissingTray();
    // Binds the two stored shortcuts to their actions.
    void registerShortcuts();
    void checkNews();
    void exportDBusInterface();
    void appleInterfaceThemeChanged(bool dark);
    void applicationWillTerminate();
    // A break covers the screens: the settings windows would only sit behind it.
    void closeAuxiliaryWindows();
    // The settings windows follow the desktop's light or dark appearance.
    void applyAppearanceToWindows();

    QDBusConnection sessionBus;
    Preferences* preferences = nullptr;
    std::unique_ptr<SystemClock> clock;
    std::unique_ptr<QtScheduler> scheduler;
    std::unique_ptr<XdgAutostartLoginItems> loginItems;
    std::unique_ptr<FreedesktopWorkspace> workspace;
    std::unique_ptr<XdgLauncherActions> launcherActions;
    std::unique_ptr<VersionRecord> versionRecord;
    std::unique_ptr<PortalAppearance> appearance;
    std::unique_ptr<LogindSleepMonitor> sleepMonitor;
    std::unique_ptr<DBusNotificationCenter> notifications;
    std::unique_ptr<MRTimer> timer;
    std::unique_ptr<TaskService> tasks;
    // The content services outlive the windows and the controller that call them.
    std::unique_ptr<QNetworkAccessManager> network;
    std::unique_ptr<WallpaperService> wallpapers;
    std::unique_ptr<QuoteService> quotes;
    std::unique_ptr<NewsService> news;
    std::unique_ptr<AppcastUpdater> updater;
    std::unique_ptr<ThreadPoolExecutor> imageExecutor;
    std::unique_ptr<WindowHints> windowHints;
    std::unique_ptr<CanberraEventSound> eventSound;
    // Outlives the break windows, whose lock lets go of the reader when it goes.
    std::unique_ptr<FprintdBiometrics> biometrics;
    std::unique_ptr<QtBreakWindows> breakWindows;
    std::unique_ptr<PortalScreenshot> screenshots;
    std::unique_ptr<DesktopImageSource> images;
    std::unique_ptr<MRApp> mrApp;
    std::unique_ptr<GlobalShortcuts> globalShortcuts;
    std::unique_ptr<ShortcutBinder> shortcutBinder;
    std::unique_ptr<MRStatusItem> statusItem;
    std::unique_ptr<X11IdleMonitor> x11Idle;
    std::unique_ptr<LogindIdleMonitor> logindIdle;
    std::unique_ptr<WaylandIdleMonitor> waylandIdle;
    std::unique_ptr<DBusIdleMonitor> idleMonitor;
    // Subscribed to the controller's state: goes before it.
    std::unique_ptr<AwayDetector> awayDetector;
    std::unique_ptr<QObject> dbusObject;
    std::unique_ptr<PreferencesWindowController> preferencesWindow;
    std::unique_ptr<AboutWindowController> aboutWindow;
    std::unique_ptr<StatWindowController> statisticsWindow;
    std::unique_ptr<NewsWindowController> newsWindow;
    bool hasCrashedInLastSession = false;
    bool darkMode = false;
};
