#include "break/BreakLockRouter.h"

#include "diagnostics/Log.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"

BreakLockRouter::BreakLockRouter(Preferences& preferences, std::unique_ptr<BreakLock> lock)
    : preferences(preferences), passcodeLock(std::move(lock))
{}

void BreakLockRouter::requestStop(bool unlocked, std::function<void()> stop)
{
    const std::optional<QString> passcode = UserDefaults::passcodeForBreakviewUnlocking(preferences);
    if (!passcode || unlocked || !passcodeLock) {
        stop();
        return;
    }
    // The lock's delay ("PasscodeTimeOut") only gives time at the break's end; a stop request
    // during the countdown asks for the passcode at once, so that Stop always does something.
    LOG_INFO(QStringLiteral("Will show passcode instead."));
    passcodeLock->showPasscodeWindow(*passcode, 0, std::move(stop));
}

void BreakLockRouter::lockBreakEnd(bool unlocked)
{
    if (unlocked) {
        LOG_INFO(QStringLiteral("did unlock"));
        return;
    }
    const std::optional<QString> passcode = UserDefaults::passcodeForBreakviewUnlocking(preferences);
    if (!passcode || !passcodeLock)
        return;
    passcodeLock->showPasscodeWindow(*passcode, preferences.intValue(PreferKey::PasscodeTimeOut), {});
}

void BreakLockRouter::gotKey(int key, const QString& text)
{
    if (passcodeLock)
        passcodeLock->gotKey(key, text);
}

void BreakLockRouter::cancel()
{
    if (passcodeLock)
        passcodeLock->cancel();
}
