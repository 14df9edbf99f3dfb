#include "statistics/FocusChart.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

FocusChart::FocusChart(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(100);
    setAccessibleName(tr("Focused minutes of the last seven days"));
}

void FocusChart::setDays(const QDate& lastDay, std::vector<qint64> seconds)
{
    last = lastDay;
    totals = std::move(seconds);
    QStringList described;
    for (std::size_t i = 0; i < totals.size(); ++i)
        described << tr("%1: %2 min")
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
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    const QFontMetrics metrics(small);
    const int labelHeight = metrics.height();
    painter.setFont(small);
    // Room above the bars for their values, below the baseline for the days.
    const QRectF area = QRectF(rect()).adjusted(4, labelHeight + 2, -4, -labelHeight - 6);
    const qint64 highest = std::max<qint64>(60 * 60, *std::max_element(totals.begin(), totals.end()));
    const double slot = area.width() / double(totals.size());
    const double barWidth = std::min(slot * 0.6, 28.0);
    const QColor bar = palette().color(QPalette::Highlight);
    QColor faint = palette().color(QPalette::WindowText);
    faint.setAlphaF(0.15f);
    QColor baseline = palette().color(QPalette::WindowText);
    baseline.setAlphaF(0.35f);
    painter.setPen(QPen(baseline, 1));
    painter.drawLine(QPointF(area.left(), area.bottom() + 0.5), QPointF(area.right(), area.bottom() + 0.5));
    for (std::size_t i = 0; i < totals.size(); ++i) {
        const double x = area.left() + slot * double(i) + (slot - barWidth) / 2;
        const double height = area.height() * double(totals[i]) / double(highest);
        const QRectF column(area.left() + slot * double(i), 0, slot, labelHeight);
        if (totals[i] >= 60) {
            QPainterPath shape;
            shape.addRoundedRect(QRectF(x, area.bottom() - height, barWidth, height), 3, 3);
            painter.fillPath(shape, bar);
            // The minutes over the bar: the height alone does not say how much.
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(column.translated(0, area.bottom() - height - labelHeight - 1), Qt::AlignCenter,
                             QLocale().toString(totals[i] / 60));
        } else {
            // An empty day still shows its place on the baseline.
            painter.fillRect(QRectF(x, area.bottom() - 2, barWidth, 2), faint);
        }
        const QDate day = last.addDays(qint64(i) - qint64(totals.size()) + 1);
        painter.setPen(
            palette().color(i + 1 == totals.size() ? QPalette::WindowText : QPalette::PlaceholderText));
        painter.drawText(QRectF(column.left(), area.bottom() + 4, slot, labelHeight), Qt::AlignCenter,
                         QLocale().toString(day, QStringLiteral("ddd")));
    }
}
