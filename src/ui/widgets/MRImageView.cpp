#include "widgets/MRImageView.h"

#include <QPaintEvent>
#include <QPainter>

MRImageView::MRImageView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MRImageView::setImage(const QImage& image)
{
    source = image;
    scaled = QPixmap();
    announced = false;
    update();
}

void MRImageView::setTint(const QColor& color)
{
    if (color == tintColor)
        return;
    tintColor = color;
    scaled = QPixmap();
    update();
}

void MRImageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (source.isNull()) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (scaled.isNull() || scaled.size() != pixels) {
        // Scaling a blurred picture needs no filtering downwards; upwards smooth avoids blocks.
        const bool smooth = pixels.width() > source.width() || pixels.height() > source.height();
        QImage composed = source.size() == pixels
                              ? source
                              : source.scaled(pixels, Qt::IgnoreAspectRatio,
                                              smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
        // Opaque and in the window's own format: painting it is a copy, not a blend.
        composed.convertTo(QImage::Format_RGB32);
        if (tintColor.alpha() > 0) {
            QPainter tinted(&composed);
            tinted.fillRect(composed.rect(), tintColor);
        }
        scaled = QPixmap::fromImage(std::move(composed));
        scaled.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(
        event->rect(), scaled,
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
    if (!announced) {
        announced = true;
        Q_EMIT imageShown();
    }
}
