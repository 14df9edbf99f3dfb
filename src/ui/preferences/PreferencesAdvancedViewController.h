#pragma once

#include "preferences/MRPreferViewController.h"
#include "preferences/PreferencesAdvancedViewModel.h"
#include "reactive/DisposeBag.h"

#include <QPointer>

class LauncherActions;
class Preferences;
class QLabel;
class Workspace;
class QCheckBox;
class QComboBox;
class QPushButton;
class SetPasscodeViewController;
class ShortcutBinder;
class ShortcutRecorder;

// The Advanced pane: the passcode lock (switch, passcode, delay, fingerprint) and the two global
// shortcuts, the log file and the launcher entry.
class PreferencesAdvancedViewController : public MRPreferViewController
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
    };

    explicit PreferencesAdvancedViewController(Dependencies dependencies, QWidget* parent = nullptr);
    ~PreferencesAdvancedViewController() override;

    // The open passcode dialog, if any.
    QPointer<SetPasscodeViewController> passcodeWC;
    QPushButton* changePasscodeButton = nullptr;
    QComboBox* timeSelection = nullptr;
    QCheckBox* requirePasscodeButton = nullptr;
    QCheckBox* touchIDButton = nullptr;
    ShortcutRecorder* startTimerSCView = nullptr;
    ShortcutRecorder* shortBreakSCView = nullptr;
    ShortcutRecorder* pauseSCView = nullptr;
    QPushButton* revealLogButton = nullptr;
    QPushButton* workflowButton = nullptr;
    QPushButton* raycastButton = nullptr;
    // What the launcher button did.
    QLabel* launcherResult = nullptr;

    void passcodeButtonClicked();
    void onRevealLogClicked();
    void onAlfredWorkflowClicked();
    void onRaycastClicked();

private:
    void passcodeSwitch(bool on);

    Dependencies dependencies;
    PreferencesAdvancedViewModel model;
    DisposeBag disposeBag;
};
