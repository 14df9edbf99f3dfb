#pragma once

#include "statusitem/MRStatusItem.h"

class AppDelegate;
class AppcastUpdater;

// What the tray menu's entries do: the windows and Quit are the delegate's, the update check is
// the updater's, feedback and rating open the desktop's mail program and software centre.
class StatusMenuWiring
{
public:
    static StatusMenuCommands commands(AppDelegate& delegate, AppcastUpdater& updater);

private:
    static void sendFeedback();
    static void rateUs();
};
