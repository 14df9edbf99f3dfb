#include "statusitem/ProgressPie.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

void ProgressPie::draw(QPainter& painter, const QRectF& bounds, const QColor& color) const
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
// An outline in the opposite tone keeps the glyph legible whatever the panel's colour: an XEmbed
// icon cannot know it, and GNOME's dark top bar shows under a light theme.
QColor haloColor(const QColor& color)
{
    QColor halo = color.lightness() > 127 ? QColor(0, 0, 0) : QColor(255, 255, 255);
    halo.setAlpha(235);
    return halo;
}

void drawRing(QPainter& p, const QColor& color)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(haloColor(color), 3.6));
    p.drawEllipse(QRectF(1.75, 1.75, 16.5, 16.5));
    p.setPen(QPen(color, 1.5));
    p.drawEllipse(QRectF(1.75, 1.75, 16.5, 16.5));
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
    drawPlainGlyph(p, haloColor(color), 3.6);
    drawPlainGlyph(p, color, 1.6);
    return image;
}

QImage pausedIcon(double progress, const QColor& color, qreal dpr)
{
    QImage image = canvas(dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawRing(p, color);
    // The time gone stays visible as a thin arc, so the frozen Pomodoro still shows how far it got.
    if (progress > 0) {
        p.setPen(QPen(color, 3.0, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(1.75, 1.75, 16.5, 16.5), 90 * 16,
                  -static_cast<int>(std::lround(360.0 * 16 * std::min(progress, 1.0))));
    }
    p.setPen(QPen(haloColor(color), 1.2));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(6.5, 5.5, 2.6, 9), 0.8, 0.8);
    p.drawRoundedRect(QRectF(10.9, 5.5, 2.6, 9), 0.8, 0.8);
    return image;
}

QImage reminderIcon(const QColor& color, qreal dpr)
{
    QImage image = canvas(dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawRing(p, color);
    // "Start the next one": a play mark in the ring, not a filled disc that reads as recording.
    QPainterPath play;
    play.moveTo(8, 6);
    play.lineTo(14.5, 10);
    play.lineTo(8, 14);
    play.closeSubpath();
    p.setPen(QPen(haloColor(color), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(color);
    p.drawPath(play);
    return image;
}

QImage minutesIcon(int minutes, double progress, const QColor& color, qreal dpr)
{
    QImage image = canvas(dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawRing(p, color);
    if (progress > 0) {
        // The time gone, as a thicker arc over the ring from twelve o'clock.
        QPen arc(color, 3.0);
        arc.setCapStyle(Qt::FlatCap);
        p.setPen(arc);
        p.drawArc(QRectF(1.75, 1.75, 16.5, 16.5), 90 * 16,
                  -static_cast<int>(std::lround(360.0 * 16 * std::min(progress, 1.0))));
    }
    const QString text = QString::number(std::clamp(minutes, 0, 999));
    QFont font;
    font.setBold(true);
    font.setPixelSize(text.size() < 3 ? 10 : 7);
    QPainterPath digits;
    digits.addText(0, 0, font, text);
    const QRectF box = digits.boundingRect();
    digits.translate(10 - box.center().x(), 10 - box.center().y());
    p.setPen(QPen(haloColor(color), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(digits);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(digits);
    return image;
}

QImage pieIcon(double progress, const QColor& color, qreal dpr)
{
    QImage image = canvas(dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawRing(p, color);
    // The pie is drawn at 60×60 and scaled into (3, 3, 14, 14), like the original artwork.
    p.save();
    p.translate(3, 3);
    p.scale(14.0 / 60.0, 14.0 / 60.0);
    ProgressPie(progress).draw(p, QRectF(0, 0, 60, 60), color);
    p.restore();
    return image;
}

} // namespace StatusIcons
