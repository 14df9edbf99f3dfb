#include "statistics/FocusChart.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

FocusChart::FocusChart(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(80);
    setAccessibleName(QStringLiteral("Focused minutes of the last seven days"));
}

void FocusChart::setDays(const QDate& lastDay, std::vector<qint64> seconds)
{
    last = lastDay;
    totals = std::move(seconds);
    QStringList described;
    for (std::size_t i = 0; i < totals.size(); ++i)
        described << QStringLiteral("%1: %2 min")
                         .arg(QLocale().toString(last.addDays(qint64(i) - qint64(totals.size()) + 1),
                                                 QStringLiteral("ddd")))
                         .arg(totals[i] / 60);
    setAccessibleDescription(described.join(QStringLiteral(", ")));
    update();
}

void FocusChart::paintEvent(QPaintEvent*)
{
    if (totals.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const int labelHeight = metrics.height();
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -labelHeight - 6);
    const qint64 highest = std::max<qint64>(60 * 60, *std::max_element(totals.begin(), totals.end()));
    const double slot = area.width() / double(totals.size());
    const double barWidth = std::min(slot * 0.6, 28.0);
    const QColor bar = palette().color(QPalette::Highlight);
    QColor faint = palette().color(QPalette::WindowText);
    faint.setAlphaF(0.15f);
    for (std::size_t i = 0; i < totals.size(); ++i) {
        const double x = area.left() + slot * double(i) + (slot - barWidth) / 2;
        // An empty day still shows its place.
        const double height = std::max(2.0, area.height() * double(totals[i]) / double(highest));
        QPainterPath shape;
        shape.addRoundedRect(QRectF(x, area.bottom() - height, barWidth, height), 3, 3);
        painter.fillPath(shape, totals[i] > 0 ? bar : faint);
        const QDate day = last.addDays(qint64(i) - qint64(totals.size()) + 1);
        painter.setPen(
            palette().color(i + 1 == totals.size() ? QPalette::WindowText : QPalette::PlaceholderText));
        painter.drawText(QRectF(area.left() + slot * double(i), area.bottom() + 4, slot, labelHeight),
                         Qt::AlignCenter, QLocale().toString(day, QStringLiteral("ddd")));
    }
}
