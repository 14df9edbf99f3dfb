#pragma once

#include <QPalette>

// The palette for the program's own windows in the desktop's light or dark appearance. Where
// the desktop's Qt theme already gives a palette of that lightness it is used as it is;
// otherwise (a dark desktop without a Qt theme for it) a dark palette in the same roles.
namespace DesktopPalette {

bool isDark(const QPalette& palette);
QPalette forAppearance(bool dark);
// Gives every window of the program, menus and dialogs included, the palette of the
// appearance, and a style whose check boxes and radio buttons stay visible on a dark one.
void applyToApplication(bool dark);

} // namespace DesktopPalette
