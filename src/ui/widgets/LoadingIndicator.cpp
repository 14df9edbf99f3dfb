#include "widgets/LoadingIndicator.h"

#include <QPainter>

LoadingIndicator::LoadingIndicator(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    timer.setInterval(40);
    connect(&timer, &QTimer::timeout, this, [this] {
        angle = (angle + 30) % 360;
        update();
    });
}

void LoadingIndicator::syncTimer()
{
    // A hidden spinner must not wake the process.
    if (animating && isVisible())
        timer.start();
    else
        timer.stop();
}

void LoadingIndicator::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    syncTimer();
}

void LoadingIndicator::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    syncTimer();
}

void LoadingIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height()) - 6;
    const QRectF box((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    QPen track(QColor(255, 255, 255, 60), 3);
    painter.setPen(track);
    painter.drawEllipse(box);
    QPen arc(QColor(255, 255, 255, 220), 3);
    arc.setCapStyle(Qt::RoundCap);
    painter.setPen(arc);
    painter.drawArc(box, -angle * 16, 90 * 16);
}
