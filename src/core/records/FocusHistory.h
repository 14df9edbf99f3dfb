#pragma once

#include "records/TaskService.h"

#include <QDate>

#include <optional>
#include <vector>

class Clock;
class Preferences;

// The statistics over longer periods: a week or a month as bars per day, a year as bars per
// week, each period read with one query. Weeks begin on the locale's first day of the week; a
// year's first and last bars hold only the year's own days, so the bars always add up to the
// period's total.
namespace FocusHistory {

enum class Span
{
    week,
    month,
    year
};

struct Bar
{
    QDate first;
    QDate last;
    DayFocus focus;
};

struct Period
{
    Span span = Span::week;
    QDate first;
    QDate last;
    std::vector<Bar> bars;
    DayFocus total;
    // The day with the most focused time, the earliest of equals; none without any.
    std::optional<QDate> busiestDay;
    qint64 busiestSeconds = 0;
};

// The period of this span that holds day, and the one delta periods away.
QDate periodStart(Span span, const QDate& day, Qt::DayOfWeek firstDayOfWeek);
QDate periodEnd(Span span, const QDate& day, Qt::DayOfWeek firstDayOfWeek);
QDate movePeriod(Span span, const QDate& day, int delta);

// Pure: the bars, totals and busiest day of the period from the days first…last (one per day).
Period summarize(Span span, const QDate& day, Qt::DayOfWeek firstDayOfWeek,
                 const std::vector<DayFocus>& days);
Period period(TaskService& tasks, Span span, const QDate& day, Qt::DayOfWeek firstDayOfWeek);

// The daily goal: Pomodoros per day, 0 when off.
int dailyGoal(const Preferences& preferences);

struct GoalStatus
{
    int goal = 0;
    int today = 0;
    // Days in a row that met the goal, ending today when today met it, else yesterday: a day
    // under way does not break the streak until it is over.
    int streak = 0;

    bool met() const { return goal > 0 && today >= goal; }
};

// Today's count and the streak, through one query for each year the streak reaches back.
GoalStatus goalStatus(TaskService& tasks, const Preferences& preferences, const QDate& today);

} // namespace FocusHistory
