#include "widgets/ImageView.h"

#include <QPaintEvent>
#include <QPainter>

ImageView::ImageView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::setImage(const QImage& image)
{
    source = image;
    shown = QImage();
    tinted = false;
    announced = false;
    update();
}

const QImage& ImageView::image() const
{
    return source.isNull() ? shown : source;
}

void ImageView::setTint(const QColor& color)
{
    if (color == tintColor)
        return;
    tintColor = color;
    if (!source.isNull())
        shown = QImage();
    update();
}

void ImageView::compose(const QSize& pixels, qreal ratio)
{
    // After the first composition only the shown picture is kept: a screen's worth of pixels
    // less. A later size is scaled from it; its tint is already in.
    const QImage& from = source.isNull() ? shown : source;
    const bool tint = !source.isNull() && tintColor.alpha() > 0;
    // Scaling a blurred picture needs no filtering downwards; upwards smooth avoids blocks.
    const bool smooth = pixels.width() > from.width() || pixels.height() > from.height();
    QImage composed = from.size() == pixels
                          ? from
                          : from.scaled(pixels, Qt::IgnoreAspectRatio,
                                        smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
    // Opaque and in the window's own format: painting it is a copy, not a blend.
    composed.convertTo(QImage::Format_RGB32);
    if (tint) {
        QPainter painter(&composed);
        painter.fillRect(composed.rect(), tintColor);
    }
    composed.setDevicePixelRatio(ratio);
    tinted = tinted || tint;
    shown = std::move(composed);
    source = QImage();
}

void ImageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (source.isNull() && shown.isNull()) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (shown.isNull() || !source.isNull() || shown.size() != pixels)
        compose(pixels, ratio);
    painter.drawImage(event->rect(), shown,
                      QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
    if (!announced) {
        announced = true;
        Q_EMIT imageShown();
    }
}
