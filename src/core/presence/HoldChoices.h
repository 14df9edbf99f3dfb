#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class Preferences;

// Which signs of being busy may hold a break, each the user's choice ("Hold breaks during" in
// the General pane): calls and the microphone, the camera, screen sharing, full-screen windows,
// Do Not Disturb (off by default: it is switched on precisely to work) and programs that keep
// the screen on.
class HoldChoices
{
public:
    struct Choice
    {
        QString key;
        const char* reported; // what the source reports, as "Localizable" text
        const char* label;    // the General pane's check box, as "HoldSourcesRow" text
        bool byDefault;
    };
    static const std::vector<Choice>& all();
    static void registerDefaults(Preferences& preferences);
    static QStringList keys();
    // What of the active sources the user lets hold a break.
    static QStringList allowed(const Preferences& preferences, const QStringList& active);
};
