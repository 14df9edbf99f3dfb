#pragma once

#include <QString>

// How the timer's state is told in words, the same in the tray's tooltip and on a status bar:
// "Pomodoro, 24:46 left", "Pomodoro paused, 24:34 left", "Short break, 04:12 left",
// "Break held: a call", "No timer is running".
namespace StatusText {

// state is the word of `mirelo status` ("idle", "working", "paused", "held", "shortBreak",
// "longBreak"); heldBy what holds a held break; time the countdown as it is shown.
QString sentence(const QString& state, const QString& heldBy, const QString& time);

} // namespace StatusText
