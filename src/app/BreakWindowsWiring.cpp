#include "BreakWindowsWiring.h"

#include "ContentServices.h"
#include "PlatformBackends.h"
#include "break/QtBreakWindows.h"
#include "content/QuoteService.h"
#include "content/WallpaperService.h"
#include "linux/CanberraEventSound.h"
#include "linux/FprintdBiometrics.h"

std::unique_ptr<QtBreakWindows> BreakWindowsWiring::create(Preferences& preferences, const Clock& clock,
                                                           Countdown& timer, Scheduler& scheduler,
                                                           PlatformBackends& platform,
                                                           ContentServices& content, EventSound& sound)
{
    QtBreakWindows::Services overlay;
    overlay.preferences = &preferences;
    overlay.clock = &clock;
    overlay.timer = &timer;
    overlay.sound = &sound;
    overlay.hints = &platform.windowHints();
    overlay.scheduler = &scheduler;
    overlay.biometrics = &platform.biometrics();
    QuoteService* quotes = &content.quotes();
    WallpaperService* wallpapers = &content.wallpapers();
    overlay.content.nextQuote = [quotes] { return quotes->nextQuote(); };
    overlay.content.fetchQuotesFromQuotesDesignIfNeed = [quotes] {
        quotes->fetchQuotesFromQuotesDesignIfNeed();
    };
    ContentServices* services = &content;
    overlay.content.refreshWallpapersIfDue = [services] { services->refreshPhotosIfChosen(); };
    overlay.content.photoAuthor = [wallpapers](const QString& hash) { return wallpapers->author(hash); };
    return std::make_unique<QtBreakWindows>(std::move(overlay));
}
