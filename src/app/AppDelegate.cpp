#include "AppDelegate.h"

#include "AppWindows.h"
#include "ApplicationDBusAdaptor.h"
#include "BreakWindowsWiring.h"
#include "BuildConfig.h"
#include "ContentServices.h"
#include "CycleServices.h"
#include "PlatformBackends.h"
#include "StatusMenuWiring.h"
#include "TimerDBusAdaptor.h"
#include "break/QtBreakWindows.h"
#include "content/NewsService.h"
#include "content/QuoteService.h"
#include "content/WallpaperService.h"
#include "cycle/DailyGoal.h"
#include "cycle/EventSounds.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "linux/CanberraEventSound.h"
#include "linux/CrashReporter.h"
#include "linux/DBusNotificationCenter.h"
#include "linux/DesktopImageSource.h"
#include "linux/FprintdBiometrics.h"
#include "linux/FreedesktopWorkspace.h"
#include "linux/LogindSleepMonitor.h"
#include "linux/PortalAppearance.h"
#include "linux/PortalBackgroundLoginItems.h"
#include "linux/XdgAutostartLoginItems.h"
#include "linux/XdgLauncherActions.h"
#include "records/TaskService.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "settings/VersionRecord.h"
#include "statusitem/TrayIcon.h"
#include "timer/Clock.h"
#include "timer/Countdown.h"
#include "timer/QtScheduler.h"
#include "timer/ThreadPoolExecutor.h"
#include "widgets/ChromeService.h"
#include "x11/XcbTrayManagerWatcher.h"

#include <QApplication>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QTimer>

using namespace std::chrono_literals;

namespace {
QString themeName(bool dark)
{
    return dark ? QStringLiteral("dark") : QStringLiteral("light");
}
} // namespace

AppDelegate::AppDelegate(QDBusConnection bus, QObject* parent) : QObject(parent), sessionBus(std::move(bus))
{}

AppDelegate::~AppDelegate()
{
    // A value still settling is written before its scheduler goes.
    if (preferences)
        preferences->writeSettledValuesWith(nullptr);
    // The tray, the adaptor, the windows and the overlay observe the controller: they go first.
    dbusObject.reset();
    windows.reset();
    trayIcon.reset();
    cycle.reset();
    breakWindows.reset();
}

CycleController* AppDelegate::app() const
{
    return cycle ? &cycle->app() : nullptr;
}

void AppDelegate::applicationDidFinishLaunching()
{
    preferences = &Preferences::standard();
    Log::setupLogger(*preferences);
    if (!preferences->loadProblem().isEmpty())
        LOG_ERROR(preferences->loadProblem());
    preferences->watchForOutsideEdits();
    LOG_INFO(QStringLiteral("applicationDidFinishLaunching"));

    // Crash and usage reporting (local): the handlers go in before anything else can fail.
    CrashReporter::install();
    hasCrashedInLastSession = CrashReporter::processPendingReports();

    appearance = std::make_unique<PortalAppearance>(sessionBus);
    darkMode = appearance->isDarkMode();
    LOG_INFO(QStringLiteral("isDarkMode: ") + (darkMode ? QStringLiteral("true") : QStringLiteral("false")));
    connect(appearance.get(), &PortalAppearance::appearanceChanged, this,
            [this](bool dark) { appleInterfaceThemeChanged(dark); });

    if (PortalBackgroundLoginItems::sandboxed()) {
        // Sandboxed, the desktop starts Mirelo at login through its Background portal, and may
        // refuse: the switch then follows what the desktop does.
        auto portal = std::make_unique<PortalBackgroundLoginItems>(sessionBus);
        connect(portal.get(), &PortalBackgroundLoginItems::answered, this, [this](bool on) {
            if (preferences->boolValue(PreferKey::LaunchAtLogin) != on)
                preferences->setValue(PreferKey::LaunchAtLogin, on);
        });
        loginItems = std::move(portal);
    } else {
        loginItems = std::make_unique<XdgAutostartLoginItems>();
    }
    workspace = std::make_unique<FreedesktopWorkspace>(sessionBus);
    launcherActions = std::make_unique<XdgLauncherActions>();
    versionRecord = std::make_unique<VersionRecord>(*preferences, QStringLiteral(MIRELO_BUILD_NUMBER));
    QPointer<AppDelegate> weak(this);
    versionRecord->upgradeIfNeeded([weak] {
        if (weak)
            weak->enterMainApp();
    });
}

void AppDelegate::enterMainApp()
{
    clock = std::make_unique<SystemClock>();
    scheduler = std::make_unique<QtScheduler>();
    sleepMonitor = std::make_unique<LogindSleepMonitor>();
    notifications = std::make_unique<DBusNotificationCenter>(sessionBus);
    timer = std::make_unique<Countdown>(*clock, *scheduler, sleepMonitor.get());
    content = std::make_unique<ContentServices>(*preferences, *clock, *scheduler, *notifications);
    platform = std::make_unique<PlatformBackends>(sessionBus, darkMode);

    // The main break window and its content exist from here to the end of the run; they are
    // attached to the controller as soon as it exists.
    eventSounds = std::make_unique<EventSounds>(platform->eventSound(), *preferences);
    breakWindows = BreakWindowsWiring::create(*preferences, *clock, *timer, *scheduler, *platform, *content,
                                              *eventSounds);

    UserDefaults::setupUserDefaultsValues(*preferences, *loginItems);
    UserDefaults::tellAboutKeptAsidePreferences(*preferences, *notifications);
    preferences->writeSettledValuesWith(scheduler.get());
    content->setup();
    tasks = std::make_unique<TaskService>(*preferences, *clock, DataFolder::databasePath());

    CycleControllerDependencies deps;
    deps.preferences = preferences;
    deps.clock = clock.get();
    deps.scheduler = scheduler.get();
    deps.timer = timer.get();
    deps.tasks = tasks.get();
    deps.notifications = notifications.get();
    deps.breakWindows = breakWindows.get();
    deps.wallpapers = &content->wallpapers();
    deps.images = &platform->images();
    deps.defaultImage = [] { return QImage(QStringLiteral(":/images/default-image.jpg")); };
    deps.imageExecutor = &platform->imageExecutor();
    deps.presence = platform->presence();
    deps.sleepMonitor = sleepMonitor.get();
    QPointer<AppDelegate> owner(this);
    deps.closeAuxiliaryWindows = [owner] {
        if (owner && owner->windows)
            owner->windows->closeAuxiliaryWindows();
    };
    cycle = std::make_unique<CycleServices>(deps, darkMode);
    CycleController& cycleController = cycle->app();

    // The overlay's handlers and the short-break shortcut's stop go through the controller.
    breakWindows->attach(cycleController);
    // Less motion and more contrast where the desktop asks, now and whenever that changes.
    auto applyAccessibility = [this] {
        ChromeService::setReducedMotion(appearance->prefersReducedMotion());
        breakWindows->setHighContrast(appearance->prefersHighContrast());
        LOG_INFO(QStringLiteral("Reduced motion: %1, high contrast: %2")
                     .arg(appearance->prefersReducedMotion() ? QStringLiteral("on") : QStringLiteral("off"),
                          appearance->prefersHighContrast() ? QStringLiteral("on") : QStringLiteral("off")));
    };
    applyAccessibility();
    connect(appearance.get(), &PortalAppearance::accessibilityChanged, this, applyAccessibility);
    cycle->registerShortcuts(platform->globalShortcuts());
    eventSounds->attach(cycleController);
    trayIcon = std::make_unique<TrayIcon>(cycleController, *timer, *preferences);
    trayIcon->followDailyGoal(cycle->dailyGoal().status);
    cycle->startAwayDetection(platform->idleMonitor(), *scheduler, *notifications, platform->presence());

    AppWindows::Services services;
    services.preferences.preferences = preferences;
    services.preferences.loginItems = loginItems.get();
    services.preferences.advanced.preferences = preferences;
    services.preferences.advanced.shortcuts = cycle->shortcutBinder();
    services.preferences.advanced.workspace = workspace.get();
    services.preferences.advanced.launcher = launcherActions.get();
    services.preferences.advanced.biometrics = &platform->biometrics();
    services.preferences.advanced.globalShortcuts = platform->globalShortcuts();
    services.preferences.advanced.globalShortcutsOffered = platform->globalShortcuts() != nullptr;
    services.preferences.wallpaper.preferences = preferences;
    services.preferences.wallpaper.scheduler = scheduler.get();
    services.preferences.wallpaper.quotes = &content->quotes();
    WallpaperService* wallpapers = &content->wallpapers();
    services.preferences.wallpaper.wallpapers = wallpapers;
    services.preferences.wallpaper.randomWallpaperURLHash = [wallpapers] {
        return wallpapers->randomWallpaperURLHash();
    };
    services.preferences.wallpaper.images = &platform->images();
    services.preferences.wallpaper.screens = breakWindows.get();
    EventSounds* sounds = eventSounds.get();
    services.preferences.trySound = [sounds](SoundEvent event) { sounds->playEvent(event, true); };
    services.tasks = tasks.get();
    services.clock = clock.get();
    services.network = &content->network();
    windows = std::make_unique<AppWindows>(std::move(services), darkMode);

    QPointer<AppDelegate> self(this);
    const auto call = [self](void (AppDelegate::*action)()) {
        return [self, action] {
            if (self)
                (self.data()->*action)();
        };
    };
    trayIcon->setupMenu(
        StatusMenuWiring::commands({call(&AppDelegate::showStatistics), call(&AppDelegate::showPreferences),
                                    call(&AppDelegate::showAbout), call(&AppDelegate::terminate),
                                    [self](const QString& title, const QString& text) {
                                        if (self && self->notifications)
                                            self->notifications->postNotification(title, text);
                                    }},
                                   content->updater()));
    LOG_INFO(QStringLiteral("Status item shown."));
    if (!trayIcon->watchForTray())
        announceMissingTray();
    watchForTrays();

    exportDBusInterface();

    if (preferences->boolValue(PreferKey::AutoStartPomodoroEnabled)) {
        QPointer<CycleController> app(&cycleController);
        scheduler->schedule(1000ms, [app] {
            if (app)
                app->startPomodoro();
        });
    }
    cycleController.lastMinuteWarning();

    LOG_INFO(QStringLiteral("hasCrashedInLastSession: ") +
             (hasCrashedInLastSession ? QStringLiteral("true") : QStringLiteral("false")));
    track(UsageEvent::AppLaunched,
          {{QStringLiteral("theme"), themeName(darkMode)},
           {QStringLiteral("hasCrashedInLastSession"),
            hasCrashedInLastSession ? QStringLiteral("true") : QStringLiteral("false")},
           {QStringLiteral("wallpaperOption"),
            wallpaperOptionName(cycleController.wallpaperOptionForBreak())}});

    content->startNews();
    QPointer<AppDelegate> weakSelf(this);
    scheduler->schedule(3000ms, [weakSelf] {
        if (weakSelf)
            weakSelf->checkNews();
    });
}

void AppDelegate::watchForTrays()
{
    // Told by the desktop, not looked for on a timer: an idle program without a tray never wakes.
    auto appeared = [this] {
        if (trayIcon)
            trayIcon->trayMayHaveAppeared();
    };
    if (XcbTrayManagerWatcher* xembed = XcbTrayManagerWatcher::create(this))
        connect(xembed, &XcbTrayManagerWatcher::trayAppeared, this, appeared);
    auto* watcher = new QDBusServiceWatcher(QStringLiteral("org.kde.StatusNotifierWatcher"), sessionBus,
                                            QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, appeared);
}

void AppDelegate::announceMissingTray()
{
    // Stock GNOME has no tray: without a word the program would run with nothing on screen.
    // The icon still appears by itself once a tray shows up.
    LOG_WARNING(QStringLiteral("No system tray available: the icon shows once a tray appears; until then "
                               "Mirelo is reached through its launcher actions and the mirelo command."));
    notifications->postNotification(
        QCoreApplication::translate("Localizable", "Mirelo is running without a tray icon"),
        QCoreApplication::translate(
            "Localizable",
            "Start and stop timers from Mirelo's launcher actions or with \"mirelo pomodoro\", "
            "\"mirelo stop\" and \"mirelo status\" in a terminal. Enable a tray extension "
            "(AppIndicator on GNOME) to get the icon."));
}

void AppDelegate::checkNews()
{
    QPointer<AppDelegate> weak(this);
    content->news()->checkNews([weak](const News& item) {
        if (!weak)
            return;
        weak->windows->showNews(item, [weak](const News& shown) {
            if (weak)
                weak->content->news()->markAsRead(shown);
        });
    });
}

void AppDelegate::exportDBusInterface()
{
    if (!sessionBus.isConnected()) {
        LOG_WARNING(QStringLiteral("No session bus: scripting over D-Bus is off."));
        return;
    }
    dbusObject = std::make_unique<QObject>();
    new TimerDBusAdaptor(dbusObject.get(), cycle->app(), *timer, sessionBus);
    QPointer<AppDelegate> weak(this);
    new ApplicationDBusAdaptor(
        dbusObject.get(), cycle->app(), *timer, sessionBus,
        [weak] {
            if (weak)
                weak->showPreferences();
        },
        [weak] {
            if (weak)
                weak->showStatistics();
        });
    if (!sessionBus.registerObject(QLatin1String(TimerDBusAdaptor::objectPath), dbusObject.get()))
        LOG_ERROR(QStringLiteral("Can't export ") + QLatin1String(TimerDBusAdaptor::objectPath));
}

void AppDelegate::appleInterfaceThemeChanged(bool dark)
{
    LOG_INFO(QStringLiteral("notification: color-scheme changed, dark: ") +
             (dark ? QStringLiteral("true") : QStringLiteral("false")));
    QPointer<AppDelegate> weak(this);
    QTimer::singleShot(100ms, this, [weak] {
        if (!weak)
            return;
        weak->darkMode = weak->appearance->isDarkMode();
        track(UsageEvent::appleInterfaceThemeChanged, {{QStringLiteral("theme"), themeName(weak->darkMode)}});
        if (weak->cycle)
            weak->cycle->app().isDarkMode.accept(weak->darkMode);
        LOG_INFO(QStringLiteral("self.isDarkMode: ") +
                 (weak->darkMode ? QStringLiteral("true") : QStringLiteral("false")));
        if (weak->platform)
            weak->platform->images().setDarkAppearance(weak->darkMode);
        if (weak->windows)
            weak->windows->setDarkMode(weak->darkMode);
    });
}

void AppDelegate::showStatistics()
{
    if (windows)
        windows->showStatistics();
}

void AppDelegate::showPreferences()
{
    if (windows)
        windows->showPreferences();
}

void AppDelegate::showAbout()
{
    if (windows)
        windows->showAbout();
}

QString AppDelegate::appName()
{
    QString name = QGuiApplication::applicationDisplayName();
    if (name.isEmpty())
        name = QCoreApplication::applicationName();
    if (name.isEmpty())
        LOG_ERROR(QStringLiteral("No available app name found!"));
    return name;
}

QuitRequest::TerminateReply AppDelegate::applicationShouldTerminate()
{
    LOG_INFO(QStringLiteral("applicationShouldTerminate"));
    QPointer<AppDelegate> weak(this);
    return QuitRequest::applicationShouldTerminate(breakWindows ? breakWindows->breakWindowCon() : nullptr,
                                                   *preferences, appName(), [weak] {
                                                       if (weak)
                                                           weak->terminateNow();
                                                   });
}

void AppDelegate::terminate()
{
    if (applicationShouldTerminate() != QuitRequest::TerminateReply::now)
        return;
    applicationWillTerminate();
    QApplication::quit();
}

void AppDelegate::terminateNow()
{
    applicationWillTerminate();
    QApplication::quit();
}

void AppDelegate::applicationWillTerminate()
{
    LOG_INFO(QStringLiteral("applicationWillTerminate"));
    if (preferences)
        preferences->synchronize();
    // The break windows refuse every close; taken down first, they cannot stop the quit.
    if (cycle)
        cycle->app().prepareToQuit();
}
