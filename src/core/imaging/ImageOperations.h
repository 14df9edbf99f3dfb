#pragma once

#include <QImage>
#include <QSize>

namespace ImageOperations {

// Gaussian blur with the given radius (standard deviation in pixels, as the desktop's
// compositors use it). The blurred output covers a larger extent than the input (the input
// grown by the kernel's reach on every side, edges clamped). With highDensity the result is
// that whole extent; otherwise it is the centre of the extent cut to the input's size.
// A radius of 0 or less leaves the pixels as they are.
QImage gaussianBlur(const QImage& image, double radius, bool highDensity);

// The image drawn into the given size (axes scaled independently, smooth).
QImage resized(const QImage& image, const QSize& size);

} // namespace ImageOperations
