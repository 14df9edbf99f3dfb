#pragma once

#include "records/Interval.h"

#include <QString>

// The texts of one row of the statistics list.
namespace StatRow {

// "💻 09:30" for a Pomodoro, "☕️ 10:00" for a short break, "🛋️ 10:00" for a long one, "❓ …"
// for anything else; the plain symbols "W", "S", "L" and "?" where no colour emoji font is
// there to draw the pictures. The time is the start in the user's time zone.
QString title(const Interval& task, bool emoji = true);
// "25 min" above 59 seconds (whole minutes, rounded down), "59 s" otherwise.
QString detail(qint64 seconds);
// The total of a day: "2 h 05 min", "25 min", "0 min".
QString total(qint64 seconds);

} // namespace StatRow
