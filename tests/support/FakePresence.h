#pragma once

#include "presence/Presence.h"

// What the test says keeps the user busy; counts the questions.
class FakePresence final : public Presence
{
public:
    QStringList active;
    int asked = 0;
    void activeSources(std::function<void(QStringList)> done) override
    {
        ++asked;
        done(active);
    }
    QString backendName() const override { return QStringLiteral("a test"); }
};
