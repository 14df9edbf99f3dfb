#include "widgets/QLButton.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

QLButton::QLButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

QLButton::~QLButton() = default;

void QLButton::setImage(const QString& svgResource)
{
    if (svgResource == imagePath)
        return;
    imagePath = svgResource;
    renderer = svgResource.isEmpty() ? nullptr : std::make_unique<QSvgRenderer>(svgResource);
    update();
}

void QLButton::setTitleColor(const QColor& color)
{
    titleTint = color;
    update();
}

void QLButton::setFillColor(const QColor& color)
{
    fill = color;
    update();
}

void QLButton::setSeparatorColor(const QColor& color, bool alsoBelow)
{
    separator = color;
    separatorBelow = alsoBelow;
    update();
}

void QLButton::setHighlightColor(const QColor& color)
{
    highlight = color;
    update();
}

QSize QLButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 2 * metrics.height(), metrics.height() * 2);
}

void QLButton::paintEvent(QPaintEvent*)
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
}

void QLButton::enterEvent(QEnterEvent* event)
{
    hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void QLButton::leaveEvent(QEvent* event)
{
    hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}
