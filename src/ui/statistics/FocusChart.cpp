#include "statistics/FocusChart.h"

#include "widgets/Localizable.h"

#include <QLocale>

FocusChart::FocusChart(QWidget* parent) : PeriodChart(parent)
{
    setMinimumHeight(100);
    setValuesOnEveryBar(true);
    setAccessibleName(tr("Focused minutes of the last seven days"));
}

void FocusChart::setDays(const QDate& lastDay, std::vector<qint64> seconds)
{
    totals = std::move(seconds);
    std::vector<Bar> bars;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        const QString day = Localizable::locale().dayName(
            lastDay.addDays(qint64(i) - qint64(totals.size()) + 1).dayOfWeek(), QLocale::ShortFormat);
        bars.push_back({totals[i], day, tr("%1: %2 min").arg(day).arg(totals[i] / 60)});
    }
    const int today = int(bars.size()) - 1;
    setBars(std::move(bars), today);
}
