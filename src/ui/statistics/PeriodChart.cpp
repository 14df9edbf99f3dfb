#include "statistics/PeriodChart.h"

#include "records/StatRow.h"

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

std::vector<std::optional<double>> PeriodChart::fitLabels(const std::vector<double>& centres,
                                                          const std::vector<double>& widths, double left,
                                                          double right, double gap, int first)
{
    std::vector<std::optional<double>> placed(centres.size());
    std::vector<std::pair<double, double>> taken;
    const auto place = [&](std::size_t i) {
        if (widths[i] <= 0 || widths[i] > right - left)
            return;
        const double start = std::clamp(centres[i] - widths[i] / 2, left, right - widths[i]);
        const double end = start + widths[i];
        for (const auto& [a, b] : taken) {
            if (start < b + gap && end + gap > a)
                return;
        }
        taken.emplace_back(start, end);
        placed[i] = start;
    };
    if (first >= 0 && std::size_t(first) < centres.size())
        place(std::size_t(first));
    for (std::size_t i = 0; i < centres.size(); ++i) {
        if (int(i) != first)
            place(i);
    }
    return placed;
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
    }
    // Labels under their bars, as many as fit: a month name wider than its weeks leaves out the
    // next one rather than running into it.
    std::vector<double> centres;
    std::vector<double> widths;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        centres.push_back(area.left() + slot * (double(i) + 0.5));
        widths.push_back(shown[i].label.isEmpty() ? 0.0 : double(metrics.horizontalAdvance(shown[i].label)));
    }
    const auto labelAt = fitLabels(centres, widths, 0, width(), metrics.averageCharWidth(), highlight);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (!labelAt[i])
            continue;
        painter.setPen(
            palette().color(int(i) == highlight ? QPalette::WindowText : QPalette::PlaceholderText));
        painter.drawText(QRectF(*labelAt[i], area.bottom() + 4, widths[i], labelHeight), Qt::AlignCenter,
                         shown[i].label);
    }
    // Every bar's time where each fits over its own bar; otherwise, as on the wider charts, the
    // highest bar's alone. The same words for a duration on every chart.
    bool everyValueFits = valuesOnEveryBar;
    for (std::size_t i = 0; everyValueFits && i < shown.size(); ++i)
        everyValueFits = metrics.horizontalAdvance(StatRow::total(shown[i].seconds)) + 2 <= slot;
    if (everyValueFits) {
        painter.setPen(palette().color(QPalette::WindowText));
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (shown[i].seconds < 60)
                continue;
            const double height = std::max(2.0, area.height() * double(shown[i].seconds) / scale);
            painter.drawText(QRectF(area.left() + slot * double(i), area.bottom() - height - labelHeight - 2,
                                    slot, labelHeight),
                             Qt::AlignCenter, StatRow::total(shown[i].seconds));
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
