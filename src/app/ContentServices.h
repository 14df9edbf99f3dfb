#pragma once

#include "reactive/DisposeBag.h"

#include <memory>

class AppcastUpdater;
class Clock;
class NewsService;
class NotificationCenter;
class Preferences;
class QNetworkAccessManager;
class QuoteService;
class Scheduler;
class WallpaperService;

// The content services on their one network access manager: the photo cache, the quotes, the
// news and the update feed. They outlive the windows and the controller that call them.
class ContentServices
{
public:
    ContentServices(Preferences& preferences, const Clock& clock, Scheduler& scheduler,
                    NotificationCenter& notifications);
    ~ContentServices();

    QNetworkAccessManager& network() const { return *manager; }
    WallpaperService& wallpapers() const { return *wallpaperService; }
    QuoteService& quotes() const { return *quoteService; }
    AppcastUpdater& updater() const { return *appcast; }
    // None until startNews().
    NewsService* news() const { return newsService.get(); }

    // Once the stored defaults are in place.
    void setup();
    // Photos are fetched only while they are the chosen break picture: at start, when chosen,
    // and before a break when the daily refresh is due.
    void refreshPhotosIfChosen();
    void startNews();

private:
    Preferences& preferences;
    const Clock& clock;
    std::unique_ptr<QNetworkAccessManager> manager;
    std::unique_ptr<WallpaperService> wallpaperService;
    std::unique_ptr<QuoteService> quoteService;
    std::unique_ptr<NewsService> newsService;
    std::unique_ptr<AppcastUpdater> appcast;
    DisposeBag disposeBag;
};
