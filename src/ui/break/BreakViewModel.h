#pragma once

#include "cycle/CycleState.h"
#include "reactive/BehaviorRelay.h"

#include <QString>

#include <optional>

struct BreakContent;
class Preferences;

// What the overlay shows, derived from the application state, the countdown and the quote
// source. No widgets: the controller binds the views to it.
class BreakViewModel
{
public:
    BreakViewModel(BehaviorRelay<CycleState>& state, BehaviorRelay<int>& remainingSeconds,
                   Preferences& preferences, BreakContent& content);

    BehaviorRelay<QString> timeString{QString()};
    BehaviorRelay<QString> titleString{QString()};
    // Which break this is ("Short break"), empty outside a break.
    BehaviorRelay<QString> kindString{QString()};
    BehaviorRelay<bool> titleLabelHidden{false};
    BehaviorRelay<bool> quoteHidden{true};
    BehaviorRelay<std::optional<QString>> quoteString{std::nullopt};
    BehaviorRelay<bool> showingTouchID{false};
    CycleState lastState;

    // "%02d:%02d" of whole minutes (not capped) and seconds.
    static QString timeText(int seconds);

private:
    void stateChanged(CycleState state);

    Preferences& preferences;
    BreakContent& content;
    DisposeBag disposeBag;
};
