#include "widgets/MRView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

MRView::MRView(QWidget* parent) : QWidget(parent) {}

void MRView::setBackgroundColor(std::optional<QColor> color)
{
    background = std::move(color);
    update();
}

void MRView::setBorderWidth(double width)
{
    border = width;
    update();
}

void MRView::setBorderColor(std::optional<QColor> color)
{
    borderTint = std::move(color);
    update();
}

void MRView::setCornerRadius(double value)
{
    radius = value;
    update();
}

void MRView::setMasksToBounds(bool value)
{
    masks = value;
    update();
}

void MRView::paintEvent(QPaintEvent*)
{
    if (willUpdateLayerBlock)
        willUpdateLayerBlock();
    if (!background && !(border > 0 && borderTint))
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, radius > 0);
    const double inset = border > 0 ? border / 2 : 0;
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), radius, radius);
    if (background)
        painter.fillPath(shape, *background);
    if (border > 0 && borderTint)
        painter.strokePath(shape, QPen(*borderTint, border));
}

void MRView::mousePressEvent(QMouseEvent* event)
{
    if (canMoveWindow && event->button() == Qt::LeftButton) {
        dragOffset = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
        event->accept();
        return;
    }
    if (mouseUpInsideBlock) {
        event->accept(); // so that the release comes here
        return;
    }
    QWidget::mousePressEvent(event);
}

void MRView::mouseMoveEvent(QMouseEvent* event)
{
    if (canMoveWindow && dragOffset && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - *dragOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void MRView::mouseReleaseEvent(QMouseEvent* event)
{
    dragOffset.reset();
    if (mouseUpInsideBlock) {
        if (rect().contains(event->position().toPoint()))
            mouseUpInsideBlock(event);
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}
