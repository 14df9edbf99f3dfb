#pragma once

#include <QString>

class LauncherActions;
class Preferences;
class Workspace;

// The rules behind the Advanced pane's lock settings: the delay choices, the lock switch with
// its usage events, the fingerprint switch and what cancelling the first passcode means. The
// pane binds its controls to these.
class PreferencesAdvancedViewModel
{
public:
    static constexpr int delayCount = 4;

    // The launcher-integration page; its query names where the visit came from.
    static const QString launcherPageAddress;

    // workspace and launcher may be null where there are none (the buttons then do nothing).
    PreferencesAdvancedViewModel(Preferences& preferences, Workspace* workspace = nullptr,
                                 LauncherActions* launcher = nullptr);

    // The delay item showing a stored PasscodeTimeOut: an unknown value shows "at once".
    static int timeSelectionIndex(int seconds);
    // The seconds of a delay item, -1 outside the items.
    static int seconds(int index);
    int storedTimeSelectionIndex() const;
    // A delay picked by the user: stored and flushed (an unknown item only flushes).
    void timeSelected(int index);

    // The lock switch turned on or off. True when the passcode dialog must open: the lock is
    // on and no passcode was ever chosen.
    bool passcodeSwitch(bool on);
    // The first passcode's dialog was cancelled. True when that switched the lock off.
    bool passcodeDialogCancelled();

    void touchIDSwitch(bool on);

    // Reveals the log file being written (today's file when none is open).
    void onRevealLogClicked();
    // Writes the launcher entry; answers what to tell the user.
    QString onAlfredWorkflowClicked();
    void onRaycastClicked();

private:
    bool passcodeIsEmpty() const;

    Preferences& preferences;
    Workspace* workspace;
    LauncherActions* launcher;
};
