#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace WallpaperImageDecoder {
// The image at path, EXIF orientation applied; a JPEG is decoded at 1/8, 1/4 or 1/2 of its
// size when that still covers target. None when it cannot be decoded.
std::optional<QImage> decode(const QString& path, const QSize& target);
} // namespace WallpaperImageDecoder
