#include "ImageOperations.h"

#include "GaussianBlur.h"

namespace ImageOperations {

QImage gaussianBlur(const QImage& image, double radius, bool highDensity)
{
    if (image.isNull())
        return {};
    if (!(radius > 0))
        return image;

    // Blurring straight channels would pull the colour of transparent pixels into their
    // neighbours as dark fringes; premultiplied channels weigh every colour by its coverage.
    const QImage source =
        image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_RGB32
            ? image
            : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const GaussianBlur blur(radius);
    const int reach = blur.reach();
    // The blur's extent is the picture grown by the reach on every side; without high density
    // the result is its centre, at offset floor((extent - size) / 2) = reach: the picture itself.
    const QRect area = highDensity ? source.rect().adjusted(-reach, -reach, reach, reach) : source.rect();
    return blur.blurred(source, area);
}

QImage resized(const QImage& image, const QSize& size)
{
    if (image.isNull() || size.isEmpty())
        return {};
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace ImageOperations
