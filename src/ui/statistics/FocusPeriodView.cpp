#include "statistics/FocusPeriodView.h"

#include "records/StatRow.h"
#include "statistics/PeriodChart.h"
#include "timer/Clock.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QToolButton>
#include <QVBoxLayout>

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
    const Qt::DayOfWeek firstDay = QLocale().firstDayOfWeek();
    const bool current =
        FocusHistory::periodStart(span, day, firstDay) == FocusHistory::periodStart(span, today(), firstDay);
    pinned = current ? std::nullopt : std::optional<QDate>(day);
    period = FocusHistory::period(tasks, span, day, firstDay);

    const QLocale locale;
    titleLabel->setText(title());
    totalsLabel->setText(tr("%n Pomodoro(s), %1 focused", nullptr, period.total.pomodoros)
                             .arg(StatRow::total(period.total.seconds)));
    busiestLabel->setText(period.busiestDay
                              ? tr("Busiest day: %1, %2")
                                    .arg(locale.toString(*period.busiestDay, QStringLiteral("ddd d MMMM")),
                                         StatRow::total(period.busiestSeconds))
                              : tr("No Pomodoro in this period"));
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
        const QString days = bar.first == bar.last
                                 ? locale.toString(bar.first, QStringLiteral("ddd d MMMM"))
                                 : tr("%1 to %2")
                                       .arg(locale.toString(bar.first, QStringLiteral("d MMM")),
                                            locale.toString(bar.last, QStringLiteral("d MMM")));
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
    if (FocusHistory::periodStart(span, target, QLocale().firstDayOfWeek()) > today())
        return;
    showPeriod(target);
}

void FocusPeriodView::reload()
{
    showPeriod(pinned.value_or(today()));
}

QString FocusPeriodView::title() const
{
    const QLocale locale;
    switch (span) {
    case Span::week:
        return tr("%1 to %2")
            .arg(locale.toString(period.first, QStringLiteral("d MMM")),
                 locale.toString(period.last, QStringLiteral("d MMM yyyy")));
    case Span::month:
        return locale.toString(period.first, QStringLiteral("MMMM yyyy"));
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
