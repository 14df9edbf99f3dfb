#pragma once

#include <QString>

#include <functional>

// The fingerprint check that can unlock a locked break, where the machine has a reader with an
// enrolled finger. Every answer arrives on the main thread.
class Biometrics
{
public:
    virtual ~Biometrics() = default;

    struct Callbacks
    {
        // Whether the check could start: false, with the reason, when the policy cannot be
        // evaluated (no service, no reader, no enrolled finger, the device busy, an inactive
        // session). Runs once.
        std::function<void(bool started, const QString& error)> began;
        // The outcome of a started check: a match, or a failure with its reason (empty when
        // the service gave none). Runs at most once; an unmatched finger is retried, not a
        // failure.
        std::function<void(bool matched, const QString& error)> finished;
    };

    // Starts a check; a check still running is cancelled first, without its callbacks.
    virtual void evaluate(Callbacks callbacks) = 0;
    // Cancels the running check, if any, and releases the reader; no callback runs after it.
    virtual void invalidate() = 0;

    // Whether a check could be offered at all, without claiming the reader: answers once with
    // an empty text when a reader with an enrolled finger is there, else with what is missing
    // in words for the user. Where nothing can be asked, a check is assumed possible.
    virtual void findReader(std::function<void(const QString& missing)> answer) { answer(QString()); }
};
