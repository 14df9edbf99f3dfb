#pragma once

#include <QString>

// What a screen reader hears of the parts the program draws itself, and the role of its
// windows.
namespace Accessibility {

// A countdown as words: "04:56" is "4 minutes 56 seconds left". Text that is not a countdown
// is returned as it is.
QString spokenTimeLeft(const QString& clock);

// Gives the countdown, the quote and the program's own windows their accessible names and
// roles. Read on demand: nothing is announced as the countdown runs. Call once, after the
// application object exists.
void install();

} // namespace Accessibility
