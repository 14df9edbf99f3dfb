#pragma once

#include <QString>

// One sound to play: a file when given, else a sound of the desktop's theme by its event id.
struct SoundRequest
{
    QString eventId;
    QString file;
    // 0…1 of the full level.
    double volume = 1.0;
    // What the sound tells, for the desktop's sound settings and their logs.
    QString description;
};

// Named event sounds of the desktop (the break-end chime) and the sounds the user chose.
class EventSound
{
public:
    virtual ~EventSound() = default;
    // Plays the sound known by name; false when nothing could be played.
    virtual bool play(const QString& name) = 0;
    // Plays in the program's own process, marked as an event so that the desktop's volume for
    // events and its Do Not Disturb apply; false when nothing could be played.
    virtual bool playSound(const SoundRequest& request) = 0;
};
