#include "preferences/PreferencesWhiteBgView.h"

#include "widgets/DesktopPalette.h"

#include <QPainter>
#include <QPainterPath>

PreferencesWhiteBgView::PreferencesWhiteBgView(QWidget* parent) : QFrame(parent)
{
    setAttribute(Qt::WA_Hover);
}

// Colours come from the palette so the panel follows the desktop's light or dark look. On a
// dark palette the fields' base is darker than the window, so the panel is lighter than both
// for the fields inside it to stand out.
QColor PreferencesWhiteBgView::bgColor() const
{
    if (DesktopPalette::isDark(palette()))
        return palette().color(QPalette::Window).lighter(125);
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
