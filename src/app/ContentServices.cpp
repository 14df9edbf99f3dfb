#include "ContentServices.h"

#include "content/NewsService.h"
#include "content/QuoteService.h"
#include "content/WallpaperService.h"
#include "settings/Preferences.h"
#include "update/AppcastUpdater.h"

#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QScreen>

ContentServices::ContentServices(Preferences& preferences, const Clock& clock, Scheduler& scheduler,
                                 NotificationCenter& notifications)
    : preferences(preferences), clock(clock)
{
    manager = std::make_unique<QNetworkAccessManager>();
    appcast = std::make_unique<AppcastUpdater>(preferences, scheduler, notifications, manager.get());
    appcast->setupUpdater();

    // The photo cache: refreshed at most once a day, expired files removed. Photos are decoded
    // only as large as the largest screen needs.
    wallpaperService = std::make_unique<WallpaperService>(preferences, clock, manager.get());
    auto largestScreen = [] {
        QSize largest;
        for (const QScreen* screen : QGuiApplication::screens())
            largest = largest.expandedTo(screen->geometry().size() * screen->devicePixelRatio());
        return largest;
    };
    wallpaperService->setMaximumImageSize(largestScreen());
    WallpaperService* wallpapers = wallpaperService.get();
    QObject::connect(qApp, &QGuiApplication::screenAdded, wallpapers,
                     [wallpapers, largestScreen] { wallpapers->setMaximumImageSize(largestScreen()); });
    quoteService = std::make_unique<QuoteService>(preferences, manager.get());
}

void ContentServices::refreshPhotosIfChosen()
{
    if (preferences.intValue(PreferKey::Wallpaper) == int(WallpaperOption::unsplash))
        wallpaperService->checkUpdateIfNeeded();
}

ContentServices::~ContentServices() = default;

void ContentServices::setup()
{
    quoteService->setup();
    // Delivers the stored choice at once, then every change.
    disposeBag += preferences.observe(keyText(PreferKey::Wallpaper),
                                      [this](const QJsonValue&) { refreshPhotosIfChosen(); });
}

void ContentServices::startNews()
{
    newsService = std::make_unique<NewsService>(preferences, clock, manager.get());
}
