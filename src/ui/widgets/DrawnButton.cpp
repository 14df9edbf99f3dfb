#include "widgets/DrawnButton.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <algorithm>

DrawnButton::DrawnButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab only: a click or the break's first key press must never leave a button
    // focused that the next Space would press.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

DrawnButton::~DrawnButton() = default;

void DrawnButton::keyPressEvent(QKeyEvent* event)
{
    // Return presses the focused button, as in every dialog; the window's own meaning of Return
    // is for when no button has the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat() && isEnabled())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void DrawnButton::setImage(const QString& svgResource)
{
    if (svgResource == imagePath)
        return;
    imagePath = svgResource;
    renderer = svgResource.isEmpty() ? nullptr : std::make_unique<QSvgRenderer>(svgResource);
    update();
}

void DrawnButton::setTitleColor(const QColor& color)
{
    titleTint = color;
    update();
}

void DrawnButton::setFillColor(const QColor& color)
{
    fill = color;
    update();
}

void DrawnButton::setSeparatorColor(const QColor& color, bool alsoBelow)
{
    separator = color;
    separatorBelow = alsoBelow;
    update();
}

void DrawnButton::setHighlightColor(const QColor& color)
{
    highlight = color;
    update();
}

QSize DrawnButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 2 * metrics.height(), metrics.height() * 2);
}

void DrawnButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = rect();
    if (renderer && renderer->isValid()) {
        renderer->render(&painter, bounds);
        if (isDown() || hovered) {
            QPainterPath pill;
            pill.addRoundedRect(bounds.adjusted(1, 1, -1, -1), bounds.height() / 2, bounds.height() / 2);
            painter.fillPath(pill, isDown() ? highlight.lighter(130) : highlight);
        }
    } else {
        painter.fillRect(bounds, fill);
        if (isDown() || hovered)
            painter.fillRect(bounds, highlight);
        if (separator.alpha() > 0) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(separator);
            painter.drawLine(rect().topLeft(), rect().topRight());
            if (separatorBelow)
                painter.drawLine(rect().bottomLeft(), rect().bottomRight());
        }
    }
    painter.setPen(titleTint);
    painter.setFont(font());
    painter.drawText(bounds, Qt::AlignCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        // A ring that reads on a light and on a dark picture: blue over a thin white line.
        const QRectF ring = bounds.adjusted(2, 2, -2, -2);
        const qreal radius = renderer && renderer->isValid() ? ring.height() / 2 : 3;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0x35, 0x84, 0xe4), 3));
        painter.drawRoundedRect(ring, radius, radius);
        painter.setPen(QPen(QColor(255, 255, 255, 200), 1));
        painter.drawRoundedRect(ring.adjusted(2, 2, -2, -2), std::max<qreal>(0, radius - 2),
                                std::max<qreal>(0, radius - 2));
    }
}

void DrawnButton::focusInEvent(QFocusEvent* event)
{
    update();
    QAbstractButton::focusInEvent(event);
}

void DrawnButton::focusOutEvent(QFocusEvent* event)
{
    update();
    QAbstractButton::focusOutEvent(event);
}

void DrawnButton::enterEvent(QEnterEvent* event)
{
    hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void DrawnButton::leaveEvent(QEvent* event)
{
    hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}
