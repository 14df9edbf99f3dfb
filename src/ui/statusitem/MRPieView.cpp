#include "statusitem/MRPieView.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

void MRPieView::draw(QPainter& painter, const QRectF& bounds, const QColor& color) const
{
    if (progress <= 0.0)
        return;
    const qreal w = bounds.width(), h = bounds.height();
    const qreal lineWidth = std::floor(std::min(w, h) * 0.5) - 2;
    const QPointF centre(std::floor(w * 0.5) + bounds.x(), std::floor(h * 0.5) + bounds.y());
    // A stroke as wide as the radius fills the sector from the centre out to lineWidth.
    const qreal radius = lineWidth * 0.5;
    QPen pen(color, lineWidth);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF arcRect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const double clamped = std::min(progress, 1.0);
    // Qt angles are in 1/16 degree, counter-clockwise; a negative span runs clockwise.
    painter.drawArc(arcRect, 90 * 16, -static_cast<int>(std::lround(360.0 * 16 * clamped)));
}

namespace StatusIcons {

namespace {
QImage canvas(qreal dpr)
{
    QImage image(QSize(20, 20) * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}
// A faint outline in the opposite tone keeps the glyph legible when the panel's colour does
// not match the desktop's light or dark preference.
QColor haloColor(const QColor& color)
{
    QColor halo = color.lightness() > 127 ? QColor(0, 0, 0) : QColor(255, 255, 255);
    halo.setAlpha(90);
    return halo;
}

void drawPlainGlyph(QPainter& p, const QColor& color, qreal width)
{
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // A clock face with a stem: the timer glyph.
    p.drawEllipse(QRectF(3, 4.5, 14, 14));
    p.drawLine(QPointF(10, 11.5), QPointF(10, 7.5));
    p.drawLine(QPointF(10, 11.5), QPointF(13, 13));
    p.drawLine(QPointF(8, 2), QPointF(12, 2));
}

} // namespace

QColor iconColor(bool darkMode)
{
    return darkMode ? QColor(Qt::white) : QColor(0x20, 0x20, 0x20);
}

QImage plainIcon(const QColor& color, qreal dpr)
{
    QImage image = canvas(dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawPlainGlyph(p, haloColor(color), 3.2);
    drawPlainGlyph(p, color, 1.6);
    return image;
}

QImage pieIcon(double progress, const QColor& color, qreal dpr)
{
    QImage image = canvas(dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(haloColor(color), 3.0));
    p.drawEllipse(QRectF(1.75, 1.75, 16.5, 16.5));
    p.setPen(QPen(color, 1.5));
    p.drawEllipse(QRectF(1.75, 1.75, 16.5, 16.5));
    // The pie is drawn at 60×60 and scaled into (3, 3, 14, 14), like the original artwork.
    p.save();
    p.translate(3, 3);
    p.scale(14.0 / 60.0, 14.0 / 60.0);
    MRPieView(progress).draw(p, QRectF(0, 0, 60, 60), color);
    p.restore();
    return image;
}

} // namespace StatusIcons
