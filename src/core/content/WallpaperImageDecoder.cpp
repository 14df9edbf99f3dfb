#include "content/WallpaperImageDecoder.h"

#include <QImageReader>

namespace WallpaperImageDecoder {

std::optional<QImage> decode(const QString& path, const QSize& target)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && !size.isEmpty() && target.isValid() && !target.isEmpty() &&
        reader.supportsOption(QImageIOHandler::ScaledSize)) {
        const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        const QSize cover = turned ? target.transposed() : target;
        // Only the decoder's own 1/8, 1/4 and 1/2 are cheap: any other size means decoding
        // more and resizing afterwards, which costs more than the whole image.
        for (int denominator : {8, 4, 2}) {
            const QSize reduced(size.width() / denominator, size.height() / denominator);
            if (reduced.width() >= cover.width() && reduced.height() >= cover.height()) {
                reader.setScaledSize(reduced);
                break;
            }
        }
    }
    // The faster, coarser decoding: every consumer blurs the photo heavily.
    reader.setQuality(49);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}

} // namespace WallpaperImageDecoder
