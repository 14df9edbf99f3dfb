#include "widgets/DesktopPalette.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTabBar>

#include <algorithm>
#include <cmath>

namespace DesktopPalette {

namespace {

// On a dark window the common styles draw an unchecked box's edge in nearly the window's own
// colour: an outline in the text's colour keeps it in sight.
class VisibleIndicatorStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if ((element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton) ||
            !isDark(option->palette))
            return;
        QColor edge = option->palette.color(QPalette::WindowText);
        edge.setAlphaF((option->state & State_Enabled) ? 0.6f : 0.3f);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(edge, 1));
        painter->setBrush(Qt::NoBrush);
        const QRectF box = QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5);
        if (element == PE_IndicatorRadioButton)
            painter->drawEllipse(box);
        else
            painter->drawRoundedRect(box, 2, 2);
        painter->restore();
    }

    // The selected tab of a dark palette differs from the others by a shade nobody sees: it
    // carries a bar in the accent colour under its text, in every appearance alike.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (element != CE_TabBarTabShape || !tab || !(tab->state & State_Selected))
            return;
        const QRect r = tab->rect;
        QRect bar;
        switch (tab->shape) {
        case QTabBar::RoundedSouth:
        case QTabBar::TriangularSouth:
            bar = QRect(r.left() + 2, r.top(), r.width() - 4, 3);
            break;
        case QTabBar::RoundedWest:
        case QTabBar::TriangularWest:
        case QTabBar::RoundedEast:
        case QTabBar::TriangularEast:
            bar = QRect(r.left(), r.top() + 2, 3, r.height() - 4);
            break;
        default:
            bar = QRect(r.left() + 2, r.bottom() - 2, r.width() - 4, 3);
            break;
        }
        painter->fillRect(bar, tab->palette.color(QPalette::Highlight));
    }
};

double luminance(const QColor& color)
{
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

// Secondary texts (hints, totals, chart labels) are drawn in the placeholder colour, which
// many themes make too faint to read: moved towards black or white until it reads.
QPalette readable(QPalette palette)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor background = palette.color(group, QPalette::Window);
        palette.setColor(group, QPalette::PlaceholderText,
                         readableOn(palette.color(group, QPalette::PlaceholderText), background));
    }
    return palette;
}

} // namespace

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(QColor text, const QColor& background, double ratio)
{
    const bool darkBackground = luminance(background) < 0.18;
    for (int step = 0; step < 64 && contrast(text, background) < ratio; ++step)
        text = darkBackground ? text.lighter(106) : text.darker(106);
    if (contrast(text, background) < ratio)
        text = darkBackground ? QColor(Qt::white) : QColor(Qt::black);
    return text;
}

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

QPalette forAppearance(bool dark)
{
    const QPalette desktop = QApplication::palette();
    if (isDark(desktop) == dark)
        return readable(desktop);
    if (!dark)
        return readable(QApplication::style()->standardPalette());

    QPalette p = desktop;
    const QColor window(0x2b, 0x2b, 0x2b), base(0x1e, 0x1e, 0x1e), text(0xe6, 0xe6, 0xe6),
        disabledText(0x80, 0x80, 0x80), button(0x35, 0x35, 0x35), highlight(0x35, 0x84, 0xe4);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabledText);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, QColor(0x48, 0x48, 0x48));
    p.setColor(QPalette::Midlight, QColor(0x3c, 0x3c, 0x3c));
    p.setColor(QPalette::Mid, QColor(0x24, 0x24, 0x24));
    p.setColor(QPalette::Dark, QColor(0x1a, 0x1a, 0x1a));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x78, 0xae, 0xed));
    p.setColor(QPalette::LinkVisited, QColor(0xb0, 0x8c, 0xe0));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x50, 0x50, 0x50));
    return readable(p);
}

void applyToApplication(bool dark)
{
    if (!dynamic_cast<VisibleIndicatorStyle*>(QApplication::style()))
        QApplication::setStyle(new VisibleIndicatorStyle);
    QApplication::setPalette(forAppearance(dark));
}

} // namespace DesktopPalette
