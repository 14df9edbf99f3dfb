#pragma once

#include "statusitem/TrayIcon.h"

#include <QString>

#include <functional>

class AppcastUpdater;

// What opens the windows and quits: handed over by whoever owns them.
struct StatusMenuTargets
{
    std::function<void()> showStatistics;
    std::function<void()> showPreferences;
    std::function<void()> showAbout;
    std::function<void()> terminate;
    // Tells the user something the menu could not do, with what to do instead.
    std::function<void(const QString& title, const QString& text)> tell;
};

// What the tray menu's entries do: the windows and Quit are the targets', the update check is
// the updater's, feedback and rating open the desktop's mail program and software centre.
class StatusMenuWiring
{
public:
    static StatusMenuCommands commands(StatusMenuTargets targets, AppcastUpdater& updater);

private:
    static void sendFeedback(const std::function<void(const QString&, const QString&)>& tell);
    static void rateUs(const std::function<void(const QString&, const QString&)>& tell);
};
