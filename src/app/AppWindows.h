#pragma once

#include "preferences/PreferencesWindowController.h"

#include <functional>
#include <memory>

class AboutWindowController;
class Clock;
class NewsWindowController;
class QNetworkAccessManager;
class StatWindowController;
class TaskService;
struct News;

// The program's windows besides the break: preferences, statistics, About and news, each made
// on first use and kept. They follow the desktop's light or dark appearance.
class AppWindows
{
public:
    struct Services
    {
        PreferencesWindowController::Services preferences;
        TaskService* tasks = nullptr;
        const Clock* clock = nullptr;
        QNetworkAccessManager* network = nullptr;
    };

    AppWindows(Services services, bool darkMode);
    ~AppWindows();

    void showPreferences();
    void showStatistics();
    void showAbout();
    // markAsRead runs when the user has seen the item.
    void showNews(const News& item, std::function<void(const News&)> markAsRead);
    // A break covers the screens: the settings windows would only sit behind it.
    void closeAuxiliaryWindows();
    void setDarkMode(bool dark);

private:
    void applyAppearanceToWindows();

    Services services;
    bool darkMode = false;
    std::unique_ptr<PreferencesWindowController> preferencesWindow;
    std::unique_ptr<AboutWindowController> aboutWindow;
    std::unique_ptr<StatWindowController> statisticsWindow;
    std::unique_ptr<NewsWindowController> newsWindow;
};
