#pragma once

#include <QString>

#include <functional>
#include <memory>

class Preferences;

// The passcode lock: asked before a stop request runs and at a break's end.
class BreakLock
{
public:
    virtual ~BreakLock() = default;
    // Shows the lock after delaySeconds (at once below 1); completion runs once, after an
    // unlock of that lock.
    virtual void showPasscodeWindow(const QString& passcode, int delaySeconds,
                                    std::function<void()> completion) = 0;
    // A key while the lock is up: the key and the text it typed (see BreakView).
    virtual void gotKey(int key, const QString& text) = 0;
    // The break's window went away or a new break is prepared: a delayed lock never comes, a
    // fingerprint check stops and the keyboard is let go.
    virtual void cancel() = 0;
};

// Puts the passcode lock in front of what it guards: a stop request during the break and the
// back-to-work screen at its end. Without a passcode, without a lock, or once the break was
// unlocked, nothing is held back.
class BreakLockRouter
{
public:
    // lock may be null: then nothing is ever locked.
    BreakLockRouter(Preferences& preferences, std::unique_ptr<BreakLock> lock);

    BreakLock* lock() const { return passcodeLock.get(); }

    // Runs stop at once, or after the lock, shown at once, is unlocked.
    void requestStop(bool unlocked, std::function<void()> stop);
    // The break's end: the lock comes after its delay ("PasscodeTimeOut").
    void lockBreakEnd(bool unlocked);
    void gotKey(int key, const QString& text);
    void cancel();

private:
    Preferences& preferences;
    std::unique_ptr<BreakLock> passcodeLock;
};
