#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>
#include <vector>

// Separable Gaussian blur of 32-bit premultiplied pixels, edges clamped (the picture continues
// its border pixels outwards). Large radii run on a grid coarser than the pixels; see README.md.
class GaussianBlur
{
public:
    // Sigma in pixels, at most kMaxSigma.
    explicit GaussianBlur(double sigma);
    static constexpr double kMaxSigma = 2000;

    // How far the blur spreads one pixel: ceil(3 sigma).
    int reach() const { return spread; }

    // The blurred pixels of `area`, given in the source's coordinates; the area may reach past
    // the source. The source must be Format_ARGB32_Premultiplied or Format_RGB32; the result is
    // Format_ARGB32_Premultiplied with the source's device pixel ratio, null when it cannot be
    // allocated.
    QImage blurred(const QImage& source, const QRect& area) const;

    // Fixed-point weights of one symmetric kernel, by distance from its centre.
    struct Kernel
    {
        int reach = 0;
        std::vector<uint16_t> weights; // weights[0] + 2 * (weights[1] + ...) == 65536
        uint16_t bias = 0;             // offsets the truncation of the fixed-point products
    };

private:
    int spread = 0;
    int factor = 1; // grid spacing in pixels, a power of two
    int factorShift = 0;
    Kernel pre;  // on the pixels, evaluated at the grid points only
    Kernel post; // the rest of the blur, on the grid; unused when factor == 1
};
