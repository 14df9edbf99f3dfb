#include "break/PopoverFrame.h"

#include "imaging/ImageOperations.h"

#include <QKeyEvent>
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
    layout->setContentsMargins(0, arrow, 0, 0);
    layout->addWidget(content);
}

void PopoverFrame::popUp(QWidget* anchor)
{
    const QRect anchorRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    const QScreen* screen = anchor->screen();
    const QRect room = screen ? screen->geometry().adjusted(8, 8, -8, -8)
                              : QRect(anchorRect.topLeft(), QSize(1 << 14, 1 << 14));
    const QSize body = content ? content->sizeHint().expandedTo(content->minimumSize()) : sizeHint();
    // Below the anchor first: above it is the countdown, which must stay in sight.
    if (anchorRect.bottom() + 2 + arrow + body.height() <= room.bottom())
        edge = Edge::top;
    else if (anchorRect.right() + 2 + arrow + body.width() <= room.right())
        edge = Edge::left;
    else
        edge = Edge::bottom;
    auto* box = static_cast<QVBoxLayout*>(layout());
    box->setContentsMargins(edge == Edge::left ? arrow : 0, edge == Edge::top ? arrow : 0, 0,
                            edge == Edge::bottom ? arrow : 0);
    adjustSize();
    QPoint topLeft;
    switch (edge) {
    case Edge::top:
        topLeft = QPoint(anchorRect.center().x() - width() / 2, anchorRect.bottom() + 2);
        break;
    case Edge::left:
        // Hanging from the anchor's middle, not centred on it: above the anchor is the countdown.
        topLeft = QPoint(anchorRect.right() + 2, anchorRect.center().y() - 2 * arrow);
        break;
    case Edge::bottom:
        topLeft = QPoint(anchorRect.center().x() - width() / 2, anchorRect.top() - height() - 2);
        break;
    }
    topLeft.setX(std::clamp(topLeft.x(), room.left(), std::max(room.left(), room.right() - width())));
    topLeft.setY(std::clamp(topLeft.y(), room.top(), std::max(room.top(), room.bottom() - height())));
    arrowAt = edge == Edge::left
                  ? std::clamp(anchorRect.center().y() - topLeft.y(), 2 * arrow, height() - 2 * arrow)
                  : std::clamp(anchorRect.center().x() - topLeft.x(), 2 * arrow, width() - 2 * arrow);
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

QRectF PopoverFrame::bodyRect() const
{
    QRectF body(0.5, 0.5, width() - 1.0, height() - 1.0);
    switch (edge) {
    case Edge::top:
        body.setTop(arrow);
        break;
    case Edge::left:
        body.setLeft(arrow);
        break;
    case Edge::bottom:
        body.setBottom(height() - arrow);
        break;
    }
    return body;
}

QPainterPath PopoverFrame::bubble() const
{
    const QRectF body = bodyRect();
    const double radius = content ? std::min(12.0, body.height() / 4) : 10.0;
    QPainterPath path;
    path.addRoundedRect(body, radius, radius);
    QPainterPath tip;
    switch (edge) {
    case Edge::top:
        tip.moveTo(arrowAt - arrow, body.top());
        tip.lineTo(arrowAt, 0.5);
        tip.lineTo(arrowAt + arrow, body.top());
        break;
    case Edge::left:
        tip.moveTo(body.left(), arrowAt - arrow);
        tip.lineTo(0.5, arrowAt);
        tip.lineTo(body.left(), arrowAt + arrow);
        break;
    case Edge::bottom:
        tip.moveTo(arrowAt - arrow, body.bottom());
        tip.lineTo(arrowAt, height() - 0.5);
        tip.lineTo(arrowAt + arrow, body.bottom());
        break;
    }
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
        body.addRect(bodyRect().adjusted(-0.5, -0.5, 0.5, 0.5));
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
    // The keyboard lands on the first choice, so the popover can be used without a mouse.
    if (!focusWidget() || !isAncestorOf(focusWidget()))
        focusNextPrevChild(true);
}

void PopoverFrame::keyPressEvent(QKeyEvent* event)
{
    // The choices are a column: the arrows move through it as Tab does.
    if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) {
        focusNextPrevChild(event->key() == Qt::Key_Down);
        return;
    }
    // Escape closes the popup.
    QWidget::keyPressEvent(event);
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
