#pragma once

#include "timer/EventSound.h"

#include <QString>

struct ca_context;

// Event sounds through libcanberra and the desktop's sound theme. "Glass" (the break's end)
// is the theme's "complete"; when the theme or the device cannot play it, the bundled chime
// is played instead. One sound plays at a time: the next stops the one still playing.
class CanberraEventSound final : public EventSound
{
public:
    CanberraEventSound();
    ~CanberraEventSound() override;
    CanberraEventSound(const CanberraEventSound&) = delete;
    CanberraEventSound& operator=(const CanberraEventSound&) = delete;

    bool play(const QString& name) override;
    bool playSound(const SoundRequest& request) override;
    // Stops the sound still playing, if any.
    void stop();
    bool isPlaying() const;
    // The volume as libcanberra takes it: decibels relative to the full level, as text.
    static QByteArray decibels(double volume);

    // The theme's event id for one of the program's sound names.
    static QString eventId(const QString& name);
    // The bundled chime as a file libcanberra can open (copied out of the resources once).
    static QString bundledSoundFile();

private:
    bool open();
    // Stops the sound still playing and names the next.
    quint32 nextSound();

    ca_context* context = nullptr;
    bool openFailed = false;
    quint32 soundCounter = 0;
    quint32 currentSound = 0;
};
