#include "widgets/PanelView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

PanelView::PanelView(QWidget* parent) : QWidget(parent) {}

void PanelView::setBackgroundColor(std::optional<QColor> color)
{
    background = std::move(color);
    update();
}

void PanelView::setBorderWidth(double width)
{
    border = width;
    update();
}

void PanelView::setBorderColor(std::optional<QColor> color)
{
    borderTint = std::move(color);
    update();
}

void PanelView::setCornerRadius(double value)
{
    radius = value;
    update();
}

void PanelView::setMasksToBounds(bool value)
{
    masks = value;
    update();
}

void PanelView::paintEvent(QPaintEvent*)
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

void PanelView::mousePressEvent(QMouseEvent* event)
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

void PanelView::mouseMoveEvent(QMouseEvent* event)
{
    if (canMoveWindow && dragOffset && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - *dragOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void PanelView::mouseReleaseEvent(QMouseEvent* event)
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
