#pragma once

#include <QFont>

// The overlay's typefaces: a light sans serif from what the desktop has, sized in logical pixels.
namespace OverlayFonts {

QFont light(int pixelSize, QFont::Weight weight = QFont::Light);
QFont regular(int pixelSize);

} // namespace OverlayFonts
