#pragma once

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

// Bars of focused minutes with a label under each (a weekday, a day of the month, a month at
// the first week of it), the highest bar's minutes above it and a baseline. Drawn with the
// palette, so it follows the light or dark look; the values are its accessible description.
class PeriodChart : public QWidget
{
    Q_OBJECT
public:
    struct Bar
    {
        qint64 seconds = 0;
        QString label;       // under the bar; empty leaves the place blank
        QString description; // what a screen reader says of it, e.g. "Mon 2 March: 1 h 15 min"
    };

    explicit PeriodChart(QWidget* parent = nullptr);

    void setBars(std::vector<Bar> bars, int highlighted = -1);
    // Every bar's minutes over it rather than only the highest bar's time: for a few bars.
    void setValuesOnEveryBar(bool every) { valuesOnEveryBar = every; }
    const std::vector<Bar>& bars() const { return shown; }
    QSize sizeHint() const override { return {420, 180}; }

    // Where texts of the given widths, each wanted centred at its place, go between left and
    // right: moved in from the edges, and left out (none) where they would come closer than gap
    // to one placed before. The one at first, if any, is placed before all others.
    static std::vector<std::optional<double>> fitLabels(const std::vector<double>& centres,
                                                        const std::vector<double>& widths, double left,
                                                        double right, double gap, int first = -1);
    QSize minimumSizeHint() const override { return {240, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Bar> shown;
    int highlight = -1;
    bool valuesOnEveryBar = false;
};
