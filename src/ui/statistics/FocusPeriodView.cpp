#include "statistics/FocusPeriodView.h"

#include "records/StatRow.h"
#include "statistics/PeriodChart.h"
#include "timer/Clock.h"
#include "widgets/Localizable.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using FocusHistory::Span;

namespace {
QLabel* plainLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

FocusPeriodView::FocusPeriodView(Span span, TaskService& tasks, const Clock& clock, QWidget* parent)
    : QWidget(parent), span(span), tasks(tasks), clock(clock)
{
    setFocusPolicy(Qt::StrongFocus);
    const QString previous = span == Span::week    ? tr("Previous week")
                             : span == Span::month ? tr("Previous month")
                                                   : tr("Previous year");
    const QString next = span == Span::week    ? tr("Next week")
                         : span == Span::month ? tr("Next month")
                                               : tr("Next year");
    previousButton = new QToolButton(this);
    previousButton->setArrowType(Qt::LeftArrow);
    previousButton->setToolTip(previous);
    previousButton->setAccessibleName(previous);
    nextButton = new QToolButton(this);
    nextButton->setArrowType(Qt::RightArrow);
    nextButton->setToolTip(next);
    nextButton->setAccessibleName(next);
    titleLabel = plainLabel(this);
    titleLabel->setAlignment(Qt::AlignCenter);
    QFont heading = titleLabel->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    titleLabel->setFont(heading);
    totalsLabel = plainLabel(this);
    busiestLabel = plainLabel(this);
    // A long date in a long language wraps rather than widening the window.
    busiestLabel->setWordWrap(true);
    busiestLabel->setForegroundRole(QPalette::PlaceholderText);
    chart = new PeriodChart(this);

    auto* header = new QHBoxLayout;
    header->addWidget(previousButton);
    header->addWidget(titleLabel, 1);
    header->addWidget(nextButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addWidget(totalsLabel);
    column->addWidget(busiestLabel);
    column->addWidget(chart, 1);

    connect(previousButton, &QToolButton::clicked, this, [this] { move(-1); });
    connect(nextButton, &QToolButton::clicked, this, [this] { move(1); });
}

QDate FocusPeriodView::today() const
{
    return clock.now().toLocalTime().date();
}

void FocusPeriodView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reload();
}

void FocusPeriodView::showPeriod(const QDate& day)
{
    const QLocale locale = Localizable::locale();
    const Qt::DayOfWeek firstDay = locale.firstDayOfWeek();
    const bool current =
        FocusHistory::periodStart(span, day, firstDay) == FocusHistory::periodStart(span, today(), firstDay);
    pinned = current ? std::nullopt : std::optional<QDate>(day);
    period = FocusHistory::period(tasks, span, day, firstDay);

    titleLabel->setText(title());
    totalsLabel->setText(tr("%n Pomodoro(s), %1 focused", nullptr, period.total.pomodoros)
                             .arg(StatRow::total(period.total.seconds)));
    busiestLabel->setText(period.busiestDay
                              ? tr("Busiest day: %1, %2")
                                    .arg(locale.toString(*period.busiestDay, QLocale::LongFormat),
                                         StatRow::total(period.busiestSeconds))
                              : tr("No Pomodoro in this period"));
    // A year's bars are weeks: the line over the chart names the week its highest bar shows.
    const auto busiestBar =
        std::max_element(period.bars.begin(), period.bars.end(),
                         [](const auto& a, const auto& b) { return a.focus.seconds < b.focus.seconds; });
    if (span == Span::year && busiestBar != period.bars.end() && busiestBar->focus.seconds > 0)
        busiestLabel->setText(tr("Busiest week: %1, %2")
                                  .arg(range(busiestBar->first, busiestBar->last, locale),
                                       StatRow::total(busiestBar->focus.seconds)));
    nextButton->setEnabled(!current);

    std::vector<PeriodChart::Bar> bars;
    int highlighted = -1;
    for (const FocusHistory::Bar& bar : period.bars) {
        PeriodChart::Bar shown;
        shown.seconds = bar.focus.seconds;
        switch (span) {
        case Span::week:
            shown.label = locale.dayName(bar.first.dayOfWeek(), QLocale::ShortFormat);
            break;
        case Span::month:
            // Every fifth day and the first, so that the numbers do not run into each other.
            if (bar.first.day() == 1 || bar.first.day() % 5 == 0)
                shown.label = QString::number(bar.first.day());
            break;
        case Span::year:
            // The month under the week that holds its first day.
            if (bar.first.day() == 1 || bar.last.month() != bar.first.month())
                shown.label = locale.monthName(bar.last.month(), QLocale::ShortFormat);
            break;
        }
        const QString days = bar.first == bar.last ? locale.toString(bar.first, QLocale::LongFormat)
                                                   : range(bar.first, bar.last, locale);
        shown.description = tr("%1: %n Pomodoro(s), %2", nullptr, bar.focus.pomodoros)
                                .arg(days, StatRow::total(bar.focus.seconds));
        if (today() >= bar.first && today() <= bar.last)
            highlighted = int(bars.size());
        bars.push_back(std::move(shown));
    }
    chart->setBars(std::move(bars), highlighted);
}

void FocusPeriodView::move(int delta)
{
    const QDate target = FocusHistory::movePeriod(span, pinned.value_or(today()), delta);
    // Nothing to see in the future.
    if (FocusHistory::periodStart(span, target, Localizable::locale().firstDayOfWeek()) > today())
        return;
    showPeriod(target);
}

void FocusPeriodView::reload()
{
    showPeriod(pinned.value_or(today()));
}

QString FocusPeriodView::range(const QDate& first, const QDate& last, const QLocale& locale)
{
    return tr("%1 to %2")
        .arg(locale.toString(first, QLocale::ShortFormat), locale.toString(last, QLocale::ShortFormat));
}

QString FocusPeriodView::monthTitle(const QDate& day, const QLocale& locale)
{
    // The stand-alone name: a heading names the month, not a day in it ("декабрь", not
    // "декабря"). Where the short name is a number ("12月") the language writes months so.
    QString monthName = locale.standaloneMonthName(day.month(), QLocale::ShortFormat);
    if (!monthName.contains(QRegularExpression(QStringLiteral("\\d"))))
        monthName = locale.standaloneMonthName(day.month(), QLocale::LongFormat);
    const QString title = tr("%1 %2", "a month as a heading: %1 the month's name, %2 the year")
                              .arg(monthName, QString::number(day.year()));
    // Headings start with a capital where the language's month names do not.
    return locale.toUpper(title.left(1)) + title.mid(1);
}

QString FocusPeriodView::title() const
{
    const QLocale locale = Localizable::locale();
    switch (span) {
    case Span::week:
        return range(period.first, period.last, locale);
    case Span::month:
        return monthTitle(period.first, locale);
    case Span::year:
        return QString::number(period.first.year());
    }
    return {};
}

void FocusPeriodView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        move(-1);
        return;
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        move(1);
        return;
    case Qt::Key_Home:
        showPeriod(today());
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
