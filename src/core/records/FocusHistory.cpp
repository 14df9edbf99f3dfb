#include "records/FocusHistory.h"

#include "settings/PreferKey.h"
#include "settings/Preferences.h"

#include <algorithm>

namespace FocusHistory {

namespace {

QDate weekStart(const QDate& day, Qt::DayOfWeek firstDayOfWeek)
{
    return day.addDays(-((day.dayOfWeek() - int(firstDayOfWeek) + 7) % 7));
}

} // namespace

QDate periodStart(Span span, const QDate& day, Qt::DayOfWeek firstDayOfWeek)
{
    switch (span) {
    case Span::week:
        return weekStart(day, firstDayOfWeek);
    case Span::month:
        return QDate(day.year(), day.month(), 1);
    case Span::year:
        return QDate(day.year(), 1, 1);
    }
    return day;
}

QDate periodEnd(Span span, const QDate& day, Qt::DayOfWeek firstDayOfWeek)
{
    switch (span) {
    case Span::week:
        return weekStart(day, firstDayOfWeek).addDays(6);
    case Span::month:
        return QDate(day.year(), day.month(), 1).addMonths(1).addDays(-1);
    case Span::year:
        return QDate(day.year(), 12, 31);
    }
    return day;
}

QDate movePeriod(Span span, const QDate& day, int delta)
{
    switch (span) {
    case Span::week:
        return day.addDays(qint64(delta) * 7);
    case Span::month:
        // From the first of the month: 31 March one month back is in February, not in March.
        return QDate(day.year(), day.month(), 1).addMonths(delta);
    case Span::year:
        return QDate(day.year(), 1, 1).addYears(delta);
    }
    return day;
}

Period summarize(Span span, const QDate& day, Qt::DayOfWeek firstDayOfWeek, const std::vector<DayFocus>& days)
{
    Period result;
    result.span = span;
    result.first = periodStart(span, day, firstDayOfWeek);
    result.last = periodEnd(span, day, firstDayOfWeek);
    const auto count = std::min<std::size_t>(days.size(), std::size_t(result.first.daysTo(result.last) + 1));
    for (std::size_t i = 0; i < count; ++i) {
        const QDate date = result.first.addDays(qint64(i));
        const DayFocus& focus = days[i];
        result.total.seconds += focus.seconds;
        result.total.pomodoros += focus.pomodoros;
        if (focus.seconds > result.busiestSeconds) {
            result.busiestSeconds = focus.seconds;
            result.busiestDay = date;
        }
        // A bar per day, or per week for a year (the first and last cut at the year's ends).
        const bool newBar = span != Span::year || result.bars.empty() || date.dayOfWeek() == firstDayOfWeek;
        if (newBar)
            result.bars.push_back({date, date, {}});
        Bar& bar = result.bars.back();
        bar.last = date;
        bar.focus.seconds += focus.seconds;
        bar.focus.pomodoros += focus.pomodoros;
    }
    return result;
}

Period period(TaskService& tasks, Span span, const QDate& day, Qt::DayOfWeek firstDayOfWeek)
{
    return summarize(
        span, day, firstDayOfWeek,
        tasks.focusPerDay(periodStart(span, day, firstDayOfWeek), periodEnd(span, day, firstDayOfWeek)));
}

int dailyGoal(const Preferences& preferences)
{
    return std::max(0, preferences.intValue(GoalKey::daily));
}

GoalStatus goalStatus(TaskService& tasks, const Preferences& preferences, const QDate& today)
{
    GoalStatus status;
    status.goal = dailyGoal(preferences);
    // Read backwards in windows that grow (a week, a month, then years): a usual streak costs
    // one small query, a long one a query per year it reaches back.
    int window = 8;
    QDate last = today;
    bool first = true;
    while (true) {
        const std::vector<DayFocus> days = tasks.focusPerDay(last.addDays(1 - window), last);
        if (days.empty())
            break;
        auto day = days.rbegin();
        if (first) {
            status.today = day->pomodoros;
            if (status.goal <= 0)
                return status;
            if (day->pomodoros < status.goal)
                ++day; // today is not over yet
            first = false;
        }
        for (; day != days.rend(); ++day) {
            if (day->pomodoros < status.goal)
                return status;
            ++status.streak;
        }
        last = last.addDays(-window);
        window = window < 366 ? std::min(366, window * 4) : 366;
    }
    return status;
}

} // namespace FocusHistory
