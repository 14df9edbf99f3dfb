#include "linux/JxlImage.h"

#include <jxl/decode.h>

#include <memory>

bool JxlImage::looksLikeJxl(const QByteArray& head)
{
    const JxlSignature signature =
        JxlSignatureCheck(reinterpret_cast<const uint8_t*>(head.constData()), size_t(head.size()));
    return signature == JXL_SIG_CODESTREAM || signature == JXL_SIG_CONTAINER;
}

std::optional<QImage> JxlImage::decode(const QByteArray& data, QString* why)
{
    auto fail = [why](const QString& reason) -> std::optional<QImage> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    std::unique_ptr<JxlDecoder, decltype(&JxlDecoderDestroy)> decoder(JxlDecoderCreate(nullptr),
                                                                      JxlDecoderDestroy);
    if (!decoder)
        return fail(QStringLiteral("no JPEG XL decoder"));
    if (JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO | JXL_DEC_FULL_IMAGE) != JXL_DEC_SUCCESS)
        return fail(QStringLiteral("no JPEG XL decoder"));
    JxlDecoderSetInput(decoder.get(), reinterpret_cast<const uint8_t*>(data.constData()),
                       size_t(data.size()));
    JxlDecoderCloseInput(decoder.get());
    const JxlPixelFormat format{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    QImage image;
    for (;;) {
        switch (JxlDecoderProcessInput(decoder.get())) {
        case JXL_DEC_BASIC_INFO: {
            JxlBasicInfo info;
            if (JxlDecoderGetBasicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS)
                return fail(QStringLiteral("unreadable JPEG XL header"));
            if (info.xsize == 0 || info.ysize == 0 || qint64(info.xsize) * info.ysize * 4 > maximumBytes)
                return fail(
                    QStringLiteral("JPEG XL picture of %1×%2 is too large").arg(info.xsize).arg(info.ysize));
            // The decoder applies the orientation, so the size it reports may be swapped.
            image = QImage(int(info.xsize), int(info.ysize), QImage::Format_RGBA8888);
            if (image.isNull())
                return fail(QStringLiteral("out of memory"));
            break;
        }
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            size_t needed = 0;
            if (image.isNull() ||
                JxlDecoderImageOutBufferSize(decoder.get(), &format, &needed) != JXL_DEC_SUCCESS ||
                needed != size_t(image.sizeInBytes()) ||
                JxlDecoderSetImageOutBuffer(decoder.get(), &format, image.bits(), needed) != JXL_DEC_SUCCESS)
                return fail(QStringLiteral("JPEG XL output does not fit"));
            break;
        }
        case JXL_DEC_FULL_IMAGE:
            break;
        case JXL_DEC_SUCCESS:
            if (image.isNull())
                return fail(QStringLiteral("JPEG XL file without a picture"));
            return image;
        case JXL_DEC_NEED_MORE_INPUT:
            return fail(QStringLiteral("truncated JPEG XL file"));
        default:
            return fail(QStringLiteral("corrupt JPEG XL file"));
        }
    }
}
