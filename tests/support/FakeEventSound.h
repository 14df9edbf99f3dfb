#pragma once

#include "timer/EventSound.h"

#include <QStringList>

// Remembers the sounds asked for.
class FakeEventSound final : public EventSound
{
public:
    QStringList played;
    bool play(const QString& name) override
    {
        played << name;
        return true;
    }
};
