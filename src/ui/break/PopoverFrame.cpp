#include "break/PopoverFrame.h"

#include "imaging/ImageOperations.h"

#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

PopoverFrame::PopoverFrame(QWidget* window, QWidget* content, const QColor& tint)
    : QWidget(window, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint), owner(window),
      content(content), tint(tint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, arrow);
    layout->addWidget(content);
}

void PopoverFrame::popUp(QWidget* anchor)
{
    adjustSize();
    const QRect anchorRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    QPoint topLeft(anchorRect.center().x() - width() / 2, anchorRect.top() - height() - 2);
    if (const QScreen* screen = anchor->screen()) {
        const QRect room = screen->geometry().adjusted(8, 8, -8, -8);
        topLeft.setX(std::clamp(topLeft.x(), room.left(), std::max(room.left(), room.right() - width())));
        topLeft.setY(std::max(room.top(), topLeft.y()));
    }
    arrowX = std::clamp(anchorRect.center().x() - topLeft.x(), 2 * arrow, width() - 2 * arrow);
    move(topLeft);
    // What the popup will cover, from the break window itself: the popup is drawn over it.
    if (owner) {
        const QRect local(owner->mapFromGlobal(topLeft), size());
        behind = owner->grab(local).toImage();
        // Frosted: what is behind shows as colour and light, not as shapes.
        softened = ImageOperations::gaussianBlur(behind, 24 * behind.devicePixelRatio(), false);
    }
    show();
}

QPainterPath PopoverFrame::bubble() const
{
    const QRectF body(0.5, 0.5, width() - 1.0, height() - arrow - 0.5);
    const double radius = content ? std::min(12.0, body.height() / 4) : 10.0;
    QPainterPath path;
    path.addRoundedRect(body, radius, radius);
    QPainterPath tip;
    tip.moveTo(arrowX - arrow, body.bottom());
    tip.lineTo(arrowX, height() - 0.5);
    tip.lineTo(arrowX + arrow, body.bottom());
    tip.closeSubpath();
    return path.united(tip);
}

void PopoverFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!behind.isNull())
        painter.drawImage(rect(), behind);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = bubble();
    painter.save();
    painter.setClipPath(shape);
    if (!softened.isNull())
        painter.drawImage(rect(), softened);
    // The content draws its own rounded body; the arrow takes the same colour here.
    QPainterPath tipOnly = shape.subtracted([this] {
        QPainterPath body;
        body.addRect(QRectF(0, 0, width(), height() - arrow));
        return body;
    }());
    painter.fillPath(tipOnly, tint);
    painter.restore();
    QColor edge = tint.lightness() > 128 ? QColor(0, 0, 0, 40) : QColor(255, 255, 255, 40);
    painter.setPen(QPen(edge, 1));
    painter.drawPath(shape);
}

void PopoverFrame::showEvent(QShowEvent* event)
{
    if (willShow)
        willShow();
    QWidget::showEvent(event);
}

void PopoverFrame::hideEvent(QHideEvent* event)
{
    if (!closing) {
        closing = true;
        if (willClose)
            willClose();
    }
    QWidget::hideEvent(event);
}
