#pragma once

#include "settings/Preferences.h"

// The length an interval runs for, in seconds. A stored length of 0 or less (an older slider at
// its start, a hand edit) runs as one minute, so no interval ends the moment it starts; a
// positive length runs as stored, also a few seconds. The stored value is left as it is.
inline int intervalSeconds(const Preferences& preferences, const QString& durationKey)
{
    const int stored = preferences.intValue(durationKey);
    return stored > 0 ? stored : 60;
}
