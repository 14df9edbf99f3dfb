#pragma once

#include "records/FocusHistory.h"

#include <QDate>
#include <QWidget>

#include <optional>

class Clock;
class PeriodChart;
class QLabel;
class QLocale;
class QToolButton;
class TaskService;

// A week, a month or a year of focused time: the period's name between buttons to the one
// before and after, the totals, the busiest day and the bars. Left and Right (or Page Up and
// Page Down) move between periods, Home comes back to the current one. It reads the records
// once per period shown and never writes any.
class FocusPeriodView : public QWidget
{
    Q_OBJECT
public:
    FocusPeriodView(FocusHistory::Span span, TaskService& tasks, const Clock& clock,
                    QWidget* parent = nullptr);

    QLabel* titleLabel = nullptr;
    QLabel* totalsLabel = nullptr;
    QLabel* busiestLabel = nullptr;
    QToolButton* previousButton = nullptr;
    QToolButton* nextButton = nullptr;
    PeriodChart* chart = nullptr;

    // Shows the period holding day; reload() reads the shown one again.
    void showPeriod(const QDate& day);
    void move(int delta);
    void reload();
    const FocusHistory::Period& shownPeriod() const { return period; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QDate today() const;
    QString title() const;
    // First to last day in the locale's short date format.
    static QString range(const QDate& first, const QDate& last, const QLocale& locale);
    // A month as a heading, with the stand-alone month name.
    static QString monthTitle(const QDate& day, const QLocale& locale);

    FocusHistory::Span span;
    TaskService& tasks;
    const Clock& clock;
    // None while the current period is shown: it follows the clock across midnight.
    std::optional<QDate> pinned;
    FocusHistory::Period period;
};
