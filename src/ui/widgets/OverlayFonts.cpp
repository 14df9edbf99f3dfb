#include "widgets/OverlayFonts.h"

#include <QStringList>

namespace OverlayFonts {
namespace {

QFont sans(int pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("PingFang SC"), QStringLiteral("Inter"), QStringLiteral("Noto Sans"),
                      QStringLiteral("Cantarell"), QStringLiteral("Source Sans 3"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, pixelSize));
    font.setWeight(weight);
    return font;
}

} // namespace

QFont light(int pixelSize, QFont::Weight weight)
{
    return sans(pixelSize, weight);
}

QFont regular(int pixelSize)
{
    return sans(pixelSize, QFont::Normal);
}

} // namespace OverlayFonts
