#pragma once

#include "timer/EventSound.h"

#include <QList>
#include <QStringList>

// Remembers the sounds asked for.
class FakeEventSound final : public EventSound
{
public:
    QStringList played;
    QList<SoundRequest> requests;
    bool play(const QString& name) override
    {
        played << name;
        return true;
    }
    bool playSound(const SoundRequest& request) override
    {
        requests << request;
        return true;
    }
};
