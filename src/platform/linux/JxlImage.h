#pragma once

#include <QImage>
#include <QString>

#include <optional>

// JPEG XL pictures (newer GNOME releases ship their backgrounds so), which no Qt image plugin
// reads here: decoded with libjxl.
class JxlImage
{
public:
    // Larger pictures are refused rather than decoded, like Qt's own allocation limit.
    static constexpr qint64 maximumBytes = 256ll * 1024 * 1024;

    // Whether the data starts like a JPEG XL codestream or container.
    static bool looksLikeJxl(const QByteArray& head);
    // The picture, none with why set when it cannot be decoded.
    static std::optional<QImage> decode(const QByteArray& data, QString* why = nullptr);
};
