#include "statistics/PeriodChart.h"

#include "records/StatRow.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

PeriodChart::PeriodChart(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(120);
    setAccessibleName(tr("Focused time"));
}

void PeriodChart::setBars(std::vector<Bar> bars, int highlighted)
{
    shown = std::move(bars);
    highlight = highlighted;
    QStringList described;
    for (const Bar& bar : shown)
        described << bar.description;
    setAccessibleDescription(described.join(QStringLiteral("; ")));
    update();
}

void PeriodChart::paintEvent(QPaintEvent*)
{
    if (shown.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const int labelHeight = metrics.height();
    const QRectF area = QRectF(rect()).adjusted(4, labelHeight + 6, -4, -labelHeight - 8);
    qint64 highest = 0;
    int highestIndex = -1;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i].seconds > highest) {
            highest = shown[i].seconds;
            highestIndex = int(i);
        }
    }
    // At least an hour high, so a day of one Pomodoro does not fill the chart.
    const double scale = double(std::max<qint64>(highest, 3600));
    const double slot = area.width() / double(shown.size());
    const double barWidth = std::clamp(slot * 0.65, 1.5, 28.0);
    const QColor bar = palette().color(QPalette::Highlight);
    QColor faint = palette().color(QPalette::WindowText);
    faint.setAlphaF(0.15f);
    QColor baseline = palette().color(QPalette::WindowText);
    baseline.setAlphaF(0.35f);
    painter.setPen(QPen(baseline, 1));
    painter.drawLine(QPointF(area.left(), area.bottom() + 0.5), QPointF(area.right(), area.bottom() + 0.5));

    for (std::size_t i = 0; i < shown.size(); ++i) {
        const double x = area.left() + slot * double(i) + (slot - barWidth) / 2;
        const double height =
            shown[i].seconds > 0 ? std::max(2.0, area.height() * double(shown[i].seconds) / scale) : 0;
        if (height > 0) {
            QPainterPath shape;
            shape.addRoundedRect(QRectF(x, area.bottom() - height, barWidth, height),
                                 std::min(3.0, barWidth / 2), std::min(3.0, barWidth / 2));
            painter.fillPath(shape, int(i) == highlight || highlight < 0 ? bar : bar.lighter(130));
        } else {
            // An empty day still shows its place.
            painter.fillRect(QRectF(x, area.bottom() - 2, barWidth, 2), faint);
        }
        if (!shown[i].label.isEmpty()) {
            painter.setPen(
                palette().color(int(i) == highlight ? QPalette::WindowText : QPalette::PlaceholderText));
            const double labelWidth = std::max(slot, double(metrics.horizontalAdvance(shown[i].label)) + 4);
            painter.drawText(QRectF(area.left() + slot * double(i) + slot / 2 - labelWidth / 2,
                                    area.bottom() + 4, labelWidth, labelHeight),
                             Qt::AlignCenter, shown[i].label);
        }
    }
    if (valuesOnEveryBar) {
        painter.setPen(palette().color(QPalette::WindowText));
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (shown[i].seconds < 60)
                continue;
            const double height = std::max(2.0, area.height() * double(shown[i].seconds) / scale);
            painter.drawText(QRectF(area.left() + slot * double(i), area.bottom() - height - labelHeight - 2, slot,
                                    labelHeight),
                             Qt::AlignCenter, QLocale().toString(shown[i].seconds / 60));
        }
    } else if (highestIndex >= 0) {
        // The highest bar's value over it: the scale the others are read against.
        const double height = area.height() * double(highest) / scale;
        const double centre = area.left() + slot * (highestIndex + 0.5);
        const QString value = StatRow::total(highest);
        const double width = metrics.horizontalAdvance(value) + 4;
        const double left = std::clamp(centre - width / 2, 0.0, double(rect().width()) - width);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(left, area.bottom() - height - labelHeight - 2, width, labelHeight),
                         Qt::AlignCenter, value);
    }
}
