#pragma once

#include <QPalette>

// The palette for the program's own windows in the desktop's light or dark appearance. Where
// the desktop's Qt theme already gives a palette of that lightness it is used as it is;
// otherwise (a dark desktop without a Qt theme for it) a dark palette in the same roles.
namespace DesktopPalette {

bool isDark(const QPalette& palette);
// The contrast ratio of two colours, 1 to 21, as accessibility guidelines measure it.
double contrast(const QColor& a, const QColor& b);
// The text colour moved towards black or white until it has the ratio against the background.
QColor readableOn(QColor text, const QColor& background, double ratio = 4.5);
QPalette forAppearance(bool dark);
// Gives every window of the program, menus and dialogs included, the palette of the
// appearance, and a style whose check boxes and radio buttons stay visible on a dark one.
void applyToApplication(bool dark);

} // namespace DesktopPalette
