#pragma once

#include <QDate>
#include <QWidget>

#include <vector>

// Focused minutes per day as bars, the last bar being the day shown; drawn with the
// palette, so it follows the desktop's light or dark look and any pixel ratio.
class FocusChart : public QWidget
{
    Q_OBJECT
public:
    explicit FocusChart(QWidget* parent = nullptr);

    // seconds[i] belongs to lastDay − (size − 1 − i).
    void setDays(const QDate& lastDay, std::vector<qint64> seconds);
    const std::vector<qint64>& days() const { return totals; }
    QSize sizeHint() const override { return {280, 112}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QDate last;
    std::vector<qint64> totals;
};
