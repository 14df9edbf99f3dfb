#pragma once

#include "preferences/PreferencesGeneralViewModel.h"
#include "preferences/PreferencesPane.h"
#include "reactive/DisposeBag.h"

class EventSoundsView;
class LoginItems;
class Preferences;
class PreferenceSpinBox;
class PreferencesWhiteBgView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

// The General pane: the three lengths, the long-break count, the switches and "Restore
// defaults". Every control writes the store at once and shows it through an observation, so
// a change made elsewhere shows here immediately.
class PreferencesGeneralViewController : public PreferencesPane
{
    Q_OBJECT
public:
    PreferencesGeneralViewController(Preferences& preferences, LoginItems& loginItems,
                                     QWidget* parent = nullptr);
    ~PreferencesGeneralViewController() override;

    // The chosen sound of each event, under the switches.
    EventSoundsView* eventSoundsView() const { return soundsView; }

    PreferencesWhiteBgView* timerBgView = nullptr;
    QSlider* pomodoroSlider = nullptr;
    QLabel* pomodoroMins = nullptr;
    QLineEdit* pomodoroValueTextField = nullptr;
    PreferenceSpinBox* pomodoroStepper = nullptr;
    QSlider* shortBreakSlider = nullptr;
    QLabel* shortBreakMins = nullptr;
    QLineEdit* shortBreakValueTextField = nullptr;
    PreferenceSpinBox* shortBreakStepper = nullptr;
    QSlider* longBreakSlider = nullptr;
    QLabel* longBreakMins = nullptr;
    QLineEdit* longBreakValueTextField = nullptr;
    PreferenceSpinBox* longBreakStepper = nullptr;
    QLabel* autoLongBreakPrefix = nullptr;
    QLabel* autoLongBreakPostfix = nullptr;
    PreferenceSpinBox* autoLongBreakStepper = nullptr;
    QLineEdit* autoLongBreakValueTextField = nullptr;
    QPushButton* restoreDefaultsButton = nullptr;
    QCheckBox* soundEffectButton = nullptr;
    QCheckBox* countdownButton = nullptr;
    // One box shows and writes the pie switch.
    QCheckBox* countDownPieButton = nullptr;
    QCheckBox* autoStartPomodoroButton = nullptr;
    QCheckBox* autoLaunchButton = nullptr;
    QCheckBox* stopBreakOptionsButton = nullptr;
    QCheckBox* noCancellationOption = nullptr;
    QCheckBox* awayDetectionButton = nullptr;
    // The away threshold in minutes (2 to 60), beside the check box.
    QSpinBox* awayThresholdField = nullptr;
    // Holding the break during calls and full-screen work, and for how many minutes at most.
    QCheckBox* holdBreaksButton = nullptr;
    QSpinBox* holdMaximumField = nullptr;

protected:
    void viewDidAppear() override;

private:
    struct LengthRow
    {
        QSlider* slider;
        QLabel* mins;
        PreferenceSpinBox* stepper;
    };
    LengthRow makeLengthRow(const QString& key);
    QCheckBox* makeCheckBox(const char* title, PreferKey key, QWidget* parent);

    Preferences& preferences;
    PreferencesGeneralViewModel model;
    DisposeBag disposeBag;
    EventSoundsView* soundsView = nullptr;
};
