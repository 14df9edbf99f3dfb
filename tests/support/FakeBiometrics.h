#pragma once

#include "auth/Biometrics.h"

// A fingerprint check that answers when the test says so.
class FakeBiometrics final : public Biometrics
{
public:
    Callbacks current;
    int evaluations = 0;
    int invalidations = 0;

    void evaluate(Callbacks callbacks) override
    {
        ++evaluations;
        current = std::move(callbacks);
    }
    void invalidate() override
    {
        ++invalidations;
        current = {};
    }
    // What the service answers; nothing happens once the check was invalidated.
    void begin(bool started, const QString& error = QString())
    {
        if (current.began)
            current.began(started, error);
    }
    void finish(bool matched, const QString& error = QString())
    {
        if (auto finished = current.finished) {
            current = {};
            finished(matched, error);
        }
    }
};
