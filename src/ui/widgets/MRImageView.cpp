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
        scaled = QPixmap::fromImage(source.size() == pixels ? source
                                                            : source.scaled(pixels, Qt::IgnoreAspectRatio,
                                                                            smooth ? Qt::SmoothTransformation
                                                                                   : Qt::FastTransformation));
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
