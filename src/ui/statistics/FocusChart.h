#pragma once

#include "statistics/PeriodChart.h"

#include <QDate>

#include <vector>

// Focused minutes of the days ending with the shown one, each bar with its minutes, the last
// bar being the day shown.
class FocusChart : public PeriodChart
{
    Q_OBJECT
public:
    explicit FocusChart(QWidget* parent = nullptr);

    // seconds[i] belongs to lastDay − (size − 1 − i).
    void setDays(const QDate& lastDay, std::vector<qint64> seconds);
    const std::vector<qint64>& days() const { return totals; }
    QSize sizeHint() const override { return {280, 112}; }
    QSize minimumSizeHint() const override { return {200, 100}; }

private:
    std::vector<qint64> totals;
};
