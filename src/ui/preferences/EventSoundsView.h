#pragma once

#include "cycle/EventSounds.h"
#include "reactive/DisposeBag.h"

#include "preferences/PreferencesWhiteBgView.h"

#include <functional>

class Preferences;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

// The sound of each event (a Pomodoro ends, a break ends, the last minute): a sound of the
// desktop's theme, none, or a file that can be played; its volume; and Play to try it.
class EventSoundsView : public PreferencesWhiteBgView
{
    Q_OBJECT
public:
    struct Row
    {
        SoundEvent event;
        QComboBox* choice = nullptr;
        QSlider* volume = nullptr;
        QPushButton* play = nullptr;
        // Says why the chosen file cannot be played; hidden while it can.
        QLabel* problem = nullptr;
    };

    EventSoundsView(Preferences& preferences, QWidget* parent = nullptr);

    void setTryOut(std::function<void(SoundEvent)> play) { tryOut = std::move(play); }
    // Asks for a sound file; empty when the user cancels. A file dialog by default.
    std::function<QString()> chooseFile;

    const std::vector<Row>& rows() const { return made; }

private:
    void showChoice(const Row& row);
    void chosen(const Row& row, int index);

    Preferences& preferences;
    std::function<void(SoundEvent)> tryOut;
    std::vector<Row> made;
    DisposeBag disposeBag;
};
