#pragma once

#include <QString>

// Named event sounds of the desktop (the break-end chime).
class EventSound
{
public:
    virtual ~EventSound() = default;
    // Plays the sound known by name; false when nothing could be played.
    virtual bool play(const QString& name) = 0;
};
