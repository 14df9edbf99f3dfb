#include "AppDelegate.h"

#include "ApplicationDBusAdaptor.h"
#include "BuildConfig.h"
#include "TimerDBusAdaptor.h"
#include "about/AboutWindowController.h"
#include "break/QtBreakWindows.h"
#include "content/NewsService.h"
#include "content/QuoteService.h"
#include "content/WallpaperService.h"
#include "cycle/AwayDetector.h"
#include "cycle/MRApp.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "linux/CanberraEventSound.h"
#include "linux/CrashReporter.h"
#include "linux/DBusIdleMonitor.h"
#include "linux/DBusNotificationCenter.h"
#include "linux/DesktopImageSource.h"
#include "linux/FprintdBiometrics.h"
#include "linux/FreedesktopWorkspace.h"
#include "linux/LogindIdleMonitor.h"
#include "linux/LogindSleepMonitor.h"
#include "linux/PortalAppearance.h"
#include "linux/PortalScreenshot.h"
#include "linux/XdgAutostartLoginItems.h"
#include "linux/XdgLauncherActions.h"
#include "news/NewsWindowController.h"
#include "preferences/PreferencesWindowController.h"
#include "records/TaskService.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "settings/VersionRecord.h"
#include "shortcuts/ShortcutBinder.h"
#include "statistics/StatWindowController.h"
#include "statusitem/FeedbackMail.h"
#include "statusitem/MRStatusItem.h"
#include "timer/Clock.h"
#include "timer/MRTimer.h"
#include "timer/QtScheduler.h"
#include "timer/ThreadPoolExecutor.h"
#include "update/AppcastUpdater.h"
#include "wayland/WaylandIdleMonitor.h"
#include "wayland/WaylandWindowHints.h"
#include "widgets/DesktopPalette.h"
#include "x11/X11IdleMonitor.h"
#include "x11/X11WindowHints.h"
#include "x11/XcbGlobalShortcuts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QScreen>
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
    // The tray, the adaptor, the windows and the overlay observe the controller: they go first.
    dbusObject.reset();
    preferencesWindow.reset();
    aboutWindow.reset();
    statisticsWindow.reset();
    newsWindow.reset();
    statusItem.reset();
    mrApp.reset();
    breakWindows.reset();
}

void AppDelegate::applicationDidFinishLaunching()
{
    preferences = &Preferences::standard();
    Log::setupLogger(*preferences);
    if (!preferences->loadProblem().isEmpty())
        LOG_ERROR(preferences->loadProblem());
    LOG_INFO(QStringLiteral("applicationDidFinishLaunching"));

    // Crash and usage reporting (local): the handlers go in before anything else can fail.
    CrashReporter::install();
    hasCrashedInLastSession = CrashReporter::processPendingReports();

    appearance = std::make_unique<PortalAppearance>(sessionBus);
    darkMode = appearance->isDarkMode();
    LOG_INFO(QStringLiteral("isDarkMode: ") + (darkMode ? QStringLiteral("true") : QStringLiteral("false")));
    connect(appearance.get(), &PortalAppearance::appearanceChanged, this,
            [this](bool dark) { appleInterfaceThemeChanged(dark); });

    loginItems = std::make_unique<XdgAutostartLoginItems>();
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
    timer = std::make_unique<MRTimer>(*clock, *scheduler, sleepMonitor.get());
    network = std::make_unique<QNetworkAccessManager>();
    updater = std::make_unique<AppcastUpdater>(*preferences, *scheduler, *notifications, network.get());
    updater->setupUpdater();

    // The photo cache: refreshed at most once a day, expired files removed. Photos are decoded
    // only as large as the largest screen needs.
    wallpapers = std::make_unique<WallpaperService>(*preferences, *clock, network.get());
    auto largestScreen = [] {
        QSize largest;
        for (const QScreen* screen : QGuiApplication::screens())
            largest = largest.expandedTo(screen->geometry().size() * screen->devicePixelRatio());
        return largest;
    };
    wallpapers->setMaximumImageSize(largestScreen());
    connect(qApp, &QGuiApplication::screenAdded, this,
            [this, largestScreen] { wallpapers->setMaximumImageSize(largestScreen()); });
    wallpapers->checkUpdateIfNeeded();
    quotes = std::make_unique<QuoteService>(*preferences, network.get());
    imageExecutor = std::make_unique<ThreadPoolExecutor>();
    images = std::make_unique<DesktopImageSource>(*imageExecutor);
    images->setDarkAppearance(darkMode);
    const bool onWayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (onWayland) {
        screenshots = std::make_unique<PortalScreenshot>(sessionBus, *imageExecutor);
        images->setPortal(screenshots.get());
    }

    // The main break window and its content exist from here to the end of the run; they are
    // attached to the controller as soon as it exists.
    if (onWayland) {
        WaylandWindowHints::logLimits();
        windowHints = std::make_unique<WaylandWindowHints>();
    } else {
        windowHints = std::make_unique<X11WindowHints>();
    }
    eventSound = std::make_unique<CanberraEventSound>();
    QtBreakWindows::Services overlay;
    overlay.preferences = preferences;
    overlay.clock = clock.get();
    overlay.timer = timer.get();
    overlay.sound = eventSound.get();
    overlay.hints = windowHints.get();
    overlay.scheduler = scheduler.get();
    biometrics = std::make_unique<FprintdBiometrics>();
    overlay.biometrics = biometrics.get();
    overlay.content.nextQuote = [this] { return quotes->nextQuote(); };
    overlay.content.fetchQuotesFromQuotesDesignIfNeed = [this] {
        quotes->fetchQuotesFromQuotesDesignIfNeed();
    };
    overlay.content.refreshWallpapersIfDue = [this] { wallpapers->checkUpdateIfNeeded(); };
    overlay.content.photoAuthor = [this](const QString& hash) { return wallpapers->author(hash); };
    breakWindows = std::make_unique<QtBreakWindows>(std::move(overlay));

    UserDefaults::setupUserDefaultsValues(*preferences, *loginItems);
    quotes->setup();
    tasks = std::make_unique<TaskService>(*preferences, *clock, DataFolder::databasePath());

    MRAppDependencies deps;
    deps.preferences = preferences;
    deps.clock = clock.get();
    deps.scheduler = scheduler.get();
    deps.timer = timer.get();
    deps.tasks = tasks.get();
    deps.notifications = notifications.get();
    deps.breakWindows = breakWindows.get();
    deps.wallpapers = wallpapers.get();
    deps.images = images.get();
    deps.loginItems = loginItems.get();
    deps.defaultImage = [] { return QImage(QStringLiteral(":/images/default-image.jpg")); };
    deps.imageExecutor = imageExecutor.get();
    QPointer<AppDelegate> owner(this);
    deps.closeAuxiliaryWindows = [owner] {
        if (owner)
            owner->closeAuxiliaryWindows();
    };
    mrApp = std::make_unique<MRApp>(deps);
    mrApp->isDarkMode.accept(darkMode);

    // The overlay's handlers and the short-break shortcut's stop go through the controller.
    breakWindows->attach(*mrApp);
    registerShortcuts();
    statusItem = std::make_unique<MRStatusItem>(*mrApp, *timer, *preferences);
    // The desktop's own idle time and lock where it offers them, else the X server's idle time,
    // else the Wayland compositor's, else logind's idle hint. logind's lock signals count whichever
    // source tells the time.
    x11Idle = X11IdleMonitor::create();
    logindIdle = LogindIdleMonitor::create(QDBusConnection::systemBus());
    waylandIdle = WaylandIdleMonitor::create();
    IdleMonitor* fallbackIdle = x11Idle       ? static_cast<IdleMonitor*>(x11Idle.get())
                                : waylandIdle ? static_cast<IdleMonitor*>(waylandIdle.get())
                                              : logindIdle.get();
    idleMonitor = DBusIdleMonitor::create(sessionBus, fallbackIdle);
    if (idleMonitor && logindIdle)
        connect(logindIdle.get(), &IdleMonitor::lockedChanged, idleMonitor.get(),
                &IdleMonitor::lockedChanged);
    awayDetector = std::make_unique<AwayDetector>(*mrApp, idleMonitor.get(), *preferences, *scheduler, *clock,
                                                  *notifications);
    StatusMenuCommands commands;
    QPointer<AppDelegate> self(this);
    commands.showStatistics = [self] {
        if (self)
            self->showStatistics();
    };
    commands.showPreferences = [self] {
        if (self)
            self->showPreferences();
    };
    commands.checkForUpdates = [self] {
        track(MREvent::checkForUpdatesManualy);
        if (self && self->updater)
            self->updater->checkForUpdates();
        else
            LOG_ERROR(QStringLiteral("Failed to get AppDelegate"));
    };
    commands.sendFeedback = [] {
        track(MREvent::SendFeedback);
        const Log::BuildInfo build = Log::buildInfo();
        const QUrl url = FeedbackMail::link(FeedbackMail::body(FeedbackMail::collect(), build.shortVersion,
                                                               build.buildNumber, build.releaseStage));
        if (!url.isValid()) {
            LOG_ERROR(QStringLiteral("Mail link url init failed."));
            return;
        }
        if (!QDesktopServices::openUrl(url))
            LOG_ERROR(QStringLiteral("Can't send feed bak email."));
    };
    commands.rateUs = [] {
        track(MREvent::RateUs);
        // No "//": QUrl would lower-case the id as a host name.
        const QUrl url(QStringLiteral("appstream:org.mirelo.Mirelo"));
        if (!url.isValid()) {
            LOG_ERROR(QStringLiteral("App Store Url nil!"));
            return;
        }
        if (!QDesktopServices::openUrl(url) &&
            !QDesktopServices::openUrl(QUrl(QStringLiteral("https://mirelo.org"))))
            LOG_ERROR(QStringLiteral("Can't open app store url"));
    };
    commands.showAbout = [self] {
        if (self)
            self->showAbout();
    };
    QPointer<AppDelegate> weak(this);
    commands.terminate = [weak] {
        track(MREvent::Terminate);
        if (weak)
            weak->terminate();
    };
    statusItem->setupMenu(commands, Log::buildInfo().releaseStage == QLatin1String("Beta"));
    LOG_INFO(QStringLiteral("Status item shown."));
    if (!statusItem->watchForTray())
        announceMissingTray();

    exportDBusInterface();

    if (preferences->boolValue(PreferKey::AutoStartPomodoroEnabled)) {
        QPointer<MRApp> app(mrApp.get());
        scheduler->schedule(1000ms, [app] {
            if (app)
                app->startPomodoro();
        });
    }
    mrApp->lastMinuteWarning();

    LOG_INFO(QStringLiteral("hasCrashedInLastSession: ") +
             (hasCrashedInLastSession ? QStringLiteral("true") : QStringLiteral("false")));
    track(MREvent::AppLaunched,
          {{QStringLiteral("theme"), themeName(darkMode)},
           {QStringLiteral("hasCrashedInLastSession"),
            hasCrashedInLastSession ? QStringLiteral("true") : QStringLiteral("false")},
           {QStringLiteral("wallpaperOption"), wallpaperOptionName(mrApp->wallpaperOptionForBreak())}});

    news = std::make_unique<NewsService>(*preferences, *clock, network.get());
    QPointer<AppDelegate> weakSelf(this);
    scheduler->schedule(3000ms, [weakSelf] {
        if (weakSelf)
            weakSelf->checkNews();
    });
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
    news->checkNews([weak](const News& item) {
        if (!weak)
            return;
        if (!weak->newsWindow)
            weak->newsWindow =
                std::make_unique<NewsWindowController>(*weak->network, [weak](const News& shown) {
                    if (weak)
                        weak->news->markAsRead(shown);
                });
        weak->newsWindow->showWindow(item);
    });
}

void AppDelegate::exportDBusInterface()
{
    if (!sessionBus.isConnected()) {
        LOG_WARNING(QStringLiteral("No session bus: scripting over D-Bus is off."));
        return;
    }
    dbusObject = std::make_unique<QObject>();
    new TimerDBusAdaptor(dbusObject.get(), *mrApp, *timer, sessionBus);
    QPointer<AppDelegate> weak(this);
    new ApplicationDBusAdaptor(
        dbusObject.get(), *mrApp, *timer,
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
        track(MREvent::appleInterfaceThemeChanged, {{QStringLiteral("theme"), themeName(weak->darkMode)}});
        if (weak->mrApp)
            weak->mrApp->isDarkMode.accept(weak->darkMode);
        LOG_INFO(QStringLiteral("self.isDarkMode: ") +
                 (weak->darkMode ? QStringLiteral("true") : QStringLiteral("false")));
        if (weak->images)
            weak->images->setDarkAppearance(weak->darkMode);
        weak->applyAppearanceToWindows();
    });
}

void AppDelegate::showStatistics()
{
    LOG_INFO(QStringLiteral("showStatistics"));
    track(MREvent::ShowStatistics);
    if (!statisticsWindow)
        statisticsWindow = std::make_unique<StatWindowController>(*tasks, *preferences, *clock);
    statisticsWindow->showWindow();
}

void AppDelegate::registerShortcuts()
{
    if (!globalShortcuts) {
        globalShortcuts.reset(XcbGlobalShortcuts::create());
        if (!globalShortcuts)
            LOG_WARNING(
                QStringLiteral("Global shortcuts are not available on this desktop; the shortcuts are kept "
                               "but do nothing."));
    }
    if (!shortcutBinder) {
        shortcutBinder = std::make_unique<ShortcutBinder>(*preferences, globalShortcuts.get());
        connect(shortcutBinder.get(), &ShortcutBinder::startPomodoroPressed, mrApp.get(),
                &MRApp::startPomodoroShortcutTriggered);
        connect(shortcutBinder.get(), &ShortcutBinder::shortBreakPressed, mrApp.get(),
                &MRApp::shortBreakShortcutTriggered);
    }
    shortcutBinder->registerShortcuts();
}

void AppDelegate::showPreferences()
{
    LOG_INFO(QStringLiteral("showPreferences"));
    track(MREvent::ShowPreferences);
    if (!preferencesWindow) {
        PreferencesWindowController::Services services;
        services.preferences = preferences;
        services.loginItems = loginItems.get();
        services.advanced.preferences = preferences;
        services.advanced.shortcuts = shortcutBinder.get();
        services.advanced.workspace = workspace.get();
        services.advanced.launcher = launcherActions.get();
        services.wallpaper.preferences = preferences;
        services.wallpaper.scheduler = scheduler.get();
        services.wallpaper.quotes = quotes.get();
        services.wallpaper.wallpapers = wallpapers.get();
        services.wallpaper.randomWallpaperURLHash = [this] { return wallpapers->randomWallpaperURLHash(); };
        services.wallpaper.images = images.get();
        services.wallpaper.screens = breakWindows.get();
        preferencesWindow = std::make_unique<PreferencesWindowController>(
            PreferencesWindowController::allTabs(), std::move(services));
        applyAppearanceToWindows();
    }
    preferencesWindow->showWindow();
}

void AppDelegate::showAbout()
{
    LOG_INFO(QStringLiteral("showAbout"));
    track(MREvent::ShowAbout);
    if (!aboutWindow) {
        aboutWindow = std::make_unique<AboutWindowController>();
        applyAppearanceToWindows();
    }
    aboutWindow->showWindow();
}

void AppDelegate::closeAuxiliaryWindows()
{
    if (preferencesWindow && preferencesWindow->isVisible())
        preferencesWindow->close();
    if (aboutWindow && aboutWindow->isVisible())
        aboutWindow->close();
}

void AppDelegate::applyAppearanceToWindows()
{
    const QPalette palette = DesktopPalette::forAppearance(darkMode);
    for (QWidget* window :
         {static_cast<QWidget*>(preferencesWindow.get()), static_cast<QWidget*>(aboutWindow.get())}) {
        if (window)
            window->setPalette(palette);
    }
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
}
