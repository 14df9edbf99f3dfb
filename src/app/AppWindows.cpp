#include "AppWindows.h"

#include "about/AboutWindowController.h"
#include "content/NewsService.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "news/NewsWindowController.h"
#include "statistics/StatWindowController.h"
#include "widgets/DesktopPalette.h"

AppWindows::AppWindows(Services services, bool darkMode) : services(std::move(services)), darkMode(darkMode)
{
    applyAppearanceToWindows();
}

AppWindows::~AppWindows()
{
    preferencesWindow.reset();
    aboutWindow.reset();
    statisticsWindow.reset();
    newsWindow.reset();
}

void AppWindows::showStatistics()
{
    LOG_INFO(QStringLiteral("showStatistics"));
    track(UsageEvent::ShowStatistics);
    if (!statisticsWindow)
        statisticsWindow = std::make_unique<StatWindowController>(
            *services.tasks, *services.preferences.preferences, *services.clock);
    statisticsWindow->showWindow();
}

void AppWindows::showPreferences()
{
    LOG_INFO(QStringLiteral("showPreferences"));
    track(UsageEvent::ShowPreferences);
    if (!preferencesWindow) {
        preferencesWindow = std::make_unique<PreferencesWindowController>(
            PreferencesWindowController::allTabs(), services.preferences);
    }
    preferencesWindow->showWindow();
}

void AppWindows::showAbout()
{
    LOG_INFO(QStringLiteral("showAbout"));
    track(UsageEvent::ShowAbout);
    if (!aboutWindow) {
        aboutWindow = std::make_unique<AboutWindowController>();
    }
    aboutWindow->showWindow();
}

void AppWindows::showNews(const News& item, std::function<void(const News&)> markAsRead)
{
    if (!newsWindow)
        newsWindow = std::make_unique<NewsWindowController>(*services.network, std::move(markAsRead));
    newsWindow->showWindow(item);
}

void AppWindows::closeAuxiliaryWindows()
{
    if (preferencesWindow && preferencesWindow->isVisible())
        preferencesWindow->close();
    if (aboutWindow && aboutWindow->isVisible())
        aboutWindow->close();
}

void AppWindows::setDarkMode(bool dark)
{
    darkMode = dark;
    applyAppearanceToWindows();
}

void AppWindows::applyAppearanceToWindows()
{
    // For the whole program: the statistics, the news, dialogs and the tray's menu as well.
    DesktopPalette::applyToApplication(darkMode);
}
