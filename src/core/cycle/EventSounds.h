#pragma once

#include "reactive/DisposeBag.h"
#include "settings/PreferKey.h"
#include "timer/EventSound.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>
#include <vector>

class CycleController;
class Preferences;

enum class SoundEvent
{
    pomodoroEnd,
    breakEnd,
    lastMinute
};

// Each event's key (see PreferKey.h).
namespace SoundKey {
QString choice(SoundEvent event);
QString volume(SoundEvent event);
} // namespace SoundKey

// The sounds of the cycle as the user chose them: the Pomodoro's end when its break starts, the
// break's end (asked for by the overlay under its old name "Glass", still switched by
// "SoundEffect"), and the last-minute warning. A file that is missing or that the desktop's sound
// library cannot decode (only WAV and Ogg Vorbis) is replaced by the event's theme sound, and the
// log says why. Nothing sounds while a break is held
// for a call. It stands in for the platform's sounds wherever they are asked for.
class EventSounds : public QObject, public EventSound
{
    Q_OBJECT
public:
    struct ThemeSound
    {
        QString eventId;
        const char* title; // translated by the preferences pane
    };
    // Sounds every freedesktop theme names, offered in the preferences.
    static const std::vector<ThemeSound>& themeSounds();
    // The theme sound of an event when its choice cannot be played (and its default choice).
    static QString fallbackEventId(SoundEvent event);
    static QString defaultChoice(SoundEvent event);
    // Why a file cannot be played (missing, unreadable, not WAV or Ogg Vorbis by its content);
    // empty when it can.
    static QString fileProblem(const QString& path);

    EventSounds(EventSound& output, Preferences& preferences, QObject* parent = nullptr);

    // Follows the cycle from now on: its state, its last-minute warning and its held breaks.
    void attach(CycleController& app);

    // The event's chosen sound, as it would play now; none when "no sound" is chosen.
    std::optional<SoundRequest> requestFor(SoundEvent event) const;
    // Plays the event's sound unless a break is held; tryOut plays it also then (the Play button).
    bool playEvent(SoundEvent event, bool tryOut = false);

    // "Glass" is the break's end; any other name goes to the platform as it is.
    bool play(const QString& name) override;
    bool playSound(const SoundRequest& request) override;

private:
    EventSound& output;
    Preferences& preferences;
    QPointer<CycleController> app;
    bool wasWorking = false;
    DisposeBag disposeBag;
};
