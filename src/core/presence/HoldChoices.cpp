#include "presence/HoldChoices.h"

#include "settings/Preferences.h"

#include <QCoreApplication>

const std::vector<HoldChoices::Choice>& HoldChoices::all()
{
    static const std::vector<Choice> choices{
        {QStringLiteral("HoldBreaksDuringCalls"), QT_TRANSLATE_NOOP("Localizable", "microphone in use"),
         QT_TRANSLATE_NOOP("HoldSourcesRow", "calls and the microphone"), true},
        {QStringLiteral("HoldBreaksDuringCamera"), QT_TRANSLATE_NOOP("Localizable", "camera in use"),
         QT_TRANSLATE_NOOP("HoldSourcesRow", "the camera"), true},
        {QStringLiteral("HoldBreaksDuringScreenSharing"), QT_TRANSLATE_NOOP("Localizable", "screen shared"),
         QT_TRANSLATE_NOOP("HoldSourcesRow", "screen sharing"), true},
        {QStringLiteral("HoldBreaksDuringFullScreen"), QT_TRANSLATE_NOOP("Localizable", "full-screen window"),
         QT_TRANSLATE_NOOP("HoldSourcesRow", "full-screen windows"), true},
        {QStringLiteral("HoldBreaksDuringDoNotDisturb"), QT_TRANSLATE_NOOP("Localizable", "Do Not Disturb on"),
         QT_TRANSLATE_NOOP("HoldSourcesRow", "Do Not Disturb"), false},
        {QStringLiteral("HoldBreaksWhileScreenKeptOn"), QT_TRANSLATE_NOOP("Localizable", "the screen is kept on"),
         QT_TRANSLATE_NOOP("HoldSourcesRow", "programs that keep the screen on"), true}};
    return choices;
}

void HoldChoices::registerDefaults(Preferences& preferences)
{
    for (const Choice& choice : all())
        preferences.registerDefault(choice.key, choice.byDefault);
}

QStringList HoldChoices::keys()
{
    QStringList keys;
    for (const Choice& choice : all())
        keys << choice.key;
    return keys;
}

QStringList HoldChoices::allowed(const Preferences& preferences, const QStringList& active)
{
    QStringList kept;
    for (const QString& text : active) {
        bool wanted = true; // a source none of the choices names is not the user's to turn off
        for (const Choice& choice : all()) {
            if (text == QCoreApplication::translate("Localizable", choice.reported)) {
                wanted = preferences.boolValue(choice.key);
                break;
            }
        }
        if (wanted)
            kept << text;
    }
    return kept;
}
