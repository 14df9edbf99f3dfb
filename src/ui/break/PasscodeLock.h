#pragma once

#include "break/BreakViewController.h"
#include "timer/Scheduler.h"

#include <QObject>

#include <functional>

class Biometrics;
class Preferences;

// The passcode lock of the break overlay: shows the passcode entry over the break, checks
// what is typed against the stored digest, runs the fingerprint check beside it, and unlocks
// the rest of the break. While it is shown it holds the keyboard.
class PasscodeLock final : public QObject, public BreakLock
{
    Q_OBJECT
public:
    PasscodeLock(BreakViewController& controller, Preferences& preferences, Scheduler& scheduler,
                 Biometrics* biometrics);
    ~PasscodeLock() override;

    void showPasscodeWindow(const QString& passcode, int delaySeconds,
                            std::function<void()> completion) override;
    void gotKey(int key, const QString& text) override;
    void cancel() override;

    // Starts the fingerprint check beside the typing, when it is switched on; a match unlocks
    // like the right passcode.
    void showTouchIDIfNeeded();
    void unlock();
    bool isLocked() const;
    // Leaves a lock that guards a stop request (Cancel, Escape): back to the countdown, still
    // locked for the next request. The lock at a break's end cannot be left this way.
    void dismiss();

private:
    void lockStep(const QString& passcode, std::function<void()> completion);
    void check(const QString& typed, const QString& passcode, const std::function<void()>& completion);
    // Runs the completion of one lock once, whichever unlock comes first.
    void unlockAndComplete(std::function<void()>* completion);
    void grabKeyboard(bool grab);
    // Shows the break's content again in place of the passcode entry.
    void hidePasscode();
    bool dismissable() const { return lockCompletion && *lockCompletion; }

    BreakViewController& controller;
    Preferences& preferences;
    Scheduler& scheduler;
    Biometrics* biometrics;
    Scheduler::Token pending = 0;
    // Counts the locks shown and the cancels, so that a late answer of an earlier one is dropped.
    quint64 generation = 0;
    std::shared_ptr<std::function<void()>> lockCompletion;
    QMetaObject::Connection cancelConnection;
};
