#include "preferences/PreferencesWhiteBgView.h"

#include <QPainter>
#include <QPainterPath>

PreferencesWhiteBgView::PreferencesWhiteBgView(QWidget* parent) : QFrame(parent)
{
    setAttribute(Qt::WA_Hover);
}

// Colours come from the palette so the panel follows the desktop's light or dark look.
QColor PreferencesWhiteBgView::bgColor() const
{
    return palette().color(QPalette::Base);
}

QColor PreferencesWhiteBgView::hoveringColor() const
{
    const QColor base = bgColor();
    return base.lightness() > 128 ? base.darker(102) : base.lighter(112);
}

QColor PreferencesWhiteBgView::borderColor() const
{
    QColor border = palette().color(QPalette::WindowText);
    border.setAlphaF(0.18f);
    return border;
}

void PreferencesWhiteBgView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = 6;
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    const QColor hover = hoveringColor();
    painter.fillPath(path, enableHoverState && hovering && hover.alpha() > 0 ? hover : bgColor());
    painter.setPen(QPen(borderColor(), 1));
    painter.drawPath(path);
}

void PreferencesWhiteBgView::enterEvent(QEnterEvent* event)
{
    hovering = true;
    update();
    QFrame::enterEvent(event);
}

void PreferencesWhiteBgView::leaveEvent(QEvent* event)
{
    hovering = false;
    update();
    QFrame::leaveEvent(event);
}
