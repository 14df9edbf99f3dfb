#pragma once

#include <QPalette>

// The palette for the program's own windows in the desktop's light or dark appearance. Where
// the desktop's Qt theme already gives a palette of that lightness it is used as it is;
// otherwise (a dark desktop without a Qt theme for it) a dark palette in the same roles.
namespace DesktopPalette {

bool isDark(const QPalette& palette);
QPalette forAppearance(bool dark);

} // namespace DesktopPalette
