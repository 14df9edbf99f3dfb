#pragma once

#include "settings/PreferKey.h"

#include <QString>

class LoginItems;
class Preferences;

// The rules behind the General pane's controls: what each edit writes, which usage event it
// reports, and the launch-at-login change. The pane only binds controls to these and shows
// the store through its observations.
class PreferencesGeneralViewModel
{
public:
    // No interval of zero minutes: it would end as it starts.
    static constexpr int lengthMinimum = 1;
    static constexpr int sliderMaximum = 120;
    static constexpr int stepperMaximum = 86400;
    static constexpr int countMaximum = 10;

    PreferencesGeneralViewModel(Preferences& preferences, LoginItems& loginItems);

    // Whole minutes of a stored length in seconds, truncated toward zero.
    static int minutes(int seconds) { return seconds / 60; }
    // The number a field shows as typed: its leading integer, 0 when there is none, held to
    // [minimum, maximum] while it is read so that a long run of digits cannot overflow.
    static int leadingInteger(const QString& text, int minimum, int maximum);

    // A length row: the slider writes without an event, the stepper and the field report
    // theirs. Minutes are held to the stepper's range before they become seconds.
    void sliderMoved(const QString& key, int minutes);
    void stepperChanged(const QString& key, int minutes);
    void valueTyped(const QString& key, const QString& text);

    // The number of short breaks before a long one.
    void countStepperChanged(int count);
    void countTyped(const QString& text);

    // A plain check box: writes the switch and reports prefCheckBoxTapped.
    void checkBoxClicked(PreferKey key, bool on);
    void countDownPieClicked(bool on);
    void showBreakOptionsClicked(bool on);
    void noCancellationClicked(bool on);

    // Asks the autostart port first; only an accepted change is written. False when the
    // desktop refused, in which case the stored value stands.
    bool changeLaunchAtLogin(bool on);

private:
    void writeLength(const QString& key, int minutes, bool burst);

    Preferences& preferences;
    LoginItems& loginItems;
};
