#pragma once

#include "preferences/PreferencesAdvancedViewModel.h"
#include "preferences/PreferencesPane.h"
#include "reactive/DisposeBag.h"

#include <QPointer>

class Biometrics;
class LauncherActions;
class Preferences;
class QLabel;
class Workspace;
class QCheckBox;
class QComboBox;
class QPushButton;
class SetPasscodeViewController;
class GlobalShortcuts;
class ShortcutBinder;
class ShortcutRecorder;

// The Advanced pane: the passcode lock (switch, passcode, delay, fingerprint) and the two global
// shortcuts, the log file and the launcher entry.
class PreferencesAdvancedViewController : public PreferencesPane
{
    Q_OBJECT
public:
    struct Dependencies
    {
        Preferences* preferences = nullptr;
        // Null: the recorders store their shortcuts without binding them.
        ShortcutBinder* shortcuts = nullptr;
        Workspace* workspace = nullptr;
        LauncherActions* launcher = nullptr;
        // Null: the fingerprint option is offered as if a reader were there.
        Biometrics* biometrics = nullptr;
        // The desktop's global shortcuts, where it binds them itself (a portal): the pane shows
        // what it bound. False when the desktop offers none at all: the pane says how to bind
        // Mirelo's commands in the desktop's own settings instead.
        GlobalShortcuts* globalShortcuts = nullptr;
        bool globalShortcutsOffered = true;
    };

    explicit PreferencesAdvancedViewController(Dependencies dependencies, QWidget* parent = nullptr);
    ~PreferencesAdvancedViewController() override;

    // The open passcode dialog, if any.
    QPointer<SetPasscodeViewController> passcodeWC;
    QPushButton* changePasscodeButton = nullptr;
    QComboBox* timeSelection = nullptr;
    QCheckBox* requirePasscodeButton = nullptr;
    QCheckBox* touchIDButton = nullptr;
    // Why the fingerprint cannot be offered; hidden when it can.
    QLabel* touchIDReason = nullptr;
    QPushButton* restoreDefaultsButton = nullptr;
    ShortcutRecorder* startTimerSCView = nullptr;
    ShortcutRecorder* shortBreakSCView = nullptr;
    ShortcutRecorder* pauseSCView = nullptr;
    QPushButton* revealLogButton = nullptr;
    QPushButton* workflowButton = nullptr;
    QPushButton* raycastButton = nullptr;
    // What the launcher button did.
    QLabel* launcherResult = nullptr;
    // Where the desktop binds the shortcuts or offers none: what it decides, or how to bind
    // Mirelo's commands there; hidden otherwise.
    QLabel* shortcutsNote = nullptr;
    QPushButton* shortcutSettingsButton = nullptr;
    // Per shortcut, the trigger the desktop bound (shown where it binds them).
    QList<QLabel*> boundTriggerLabels;

    void passcodeButtonClicked();
    void onRevealLogClicked();
    void onAlfredWorkflowClicked();
    void onRaycastClicked();

private:
    void passcodeSwitch(bool on);
    void showFingerprintOption();
    void showBoundTriggers();

    Dependencies dependencies;
    PreferencesAdvancedViewModel model;
    DisposeBag disposeBag;
    // What the fingerprint service said is missing; empty while a check can be offered.
    QString readerMissing;
};
