#include "statistics/StatViewController.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "records/StatRow.h"
#include "records/TaskService.h"
#include "settings/Preferences.h"
#include "statistics/FocusChart.h"
#include "timer/Clock.h"
#include "widgets/Localizable.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

QLabel* plainLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

StatTableCellView::StatTableCellView(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 4, 10, 4);
    titleLabel = plainLabel(this);
    detailLabel = plainLabel(this);
    detailLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(titleLabel, 1);
    row->addWidget(detailLabel);
}

StatViewController::StatViewController(TaskService& tasks, Preferences& preferences, const Clock& clock,
                                       QWidget* parent)
    : QWidget(parent), tasks(tasks), preferences(preferences), clock(clock)
{
    previousDayButton = new QToolButton(this);
    previousDayButton->setArrowType(Qt::LeftArrow);
    previousDayButton->setToolTip(Localizable::text("Previous day"));
    previousDayButton->setAccessibleName(Localizable::text("Previous day"));
    nextDayButton = new QToolButton(this);
    nextDayButton->setArrowType(Qt::RightArrow);
    nextDayButton->setToolTip(Localizable::text("Next day"));
    nextDayButton->setAccessibleName(Localizable::text("Next day"));
    dateLable = plainLabel(this);
    dateLable->setAlignment(Qt::AlignCenter);
    QFont heading = dateLable->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    dateLable->setFont(heading);
    pomodorosFilterButton = new QToolButton(this);
    pomodorosFilterButton->setText(tr("&Pomodoros"));
    pomodorosFilterButton->setToolTip(tr("Show Pomodoros only"));
    allFilterButton = new QToolButton(this);
    allFilterButton->setText(tr("A&ll"));
    allFilterButton->setToolTip(tr("Show breaks too"));
    pomodorosFilterButton->setObjectName(QStringLiteral("firstSegment"));
    allFilterButton->setObjectName(QStringLiteral("lastSegment"));
    for (QToolButton* segment : {pomodorosFilterButton, allFilterButton}) {
        segment->setCheckable(true);
        segment->setAutoExclusive(true);
        segment->setFocusPolicy(Qt::StrongFocus);
        segment->setAccessibleName(segment->toolTip());
        // One control in two halves, the chosen one filled, in the palette's colours so that
        // it follows a light or dark desktop.
        segment->setStyleSheet(QStringLiteral(
            "QToolButton { border: 1px solid palette(mid); padding: 3px 12px; background: palette(button);"
            " color: palette(button-text); }"
            "QToolButton:checked { background: palette(highlight); color: palette(highlighted-text);"
            " border-color: palette(highlight); }"
            "QToolButton:focus { border: 2px solid palette(highlight); padding: 2px 11px; }"
            "QToolButton#firstSegment { border-top-left-radius: 4px; border-bottom-left-radius: 4px; }"
            "QToolButton#lastSegment { border-top-right-radius: 4px; border-bottom-right-radius: 4px; }"));
    }
    countLabel = plainLabel(this);
    countLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* header = new QHBoxLayout;
    header->addWidget(previousDayButton);
    header->addWidget(dateLable, 1);
    header->addWidget(nextDayButton);
    auto* segments = new QHBoxLayout;
    segments->setSpacing(0);
    segments->addWidget(pomodorosFilterButton);
    segments->addWidget(allFilterButton);
    auto* filterRow = new QHBoxLayout;
    filterRow->addLayout(segments);
    filterRow->addStretch(1);
    filterRow->addWidget(countLabel);

    tableView = new QListWidget(this);
    tableView->setSelectionMode(QAbstractItemView::NoSelection);
    // Reached with Tab and scrolled with the arrows and Page keys.
    tableView->setFocusPolicy(Qt::StrongFocus);
    tableView->setAccessibleName(tr("Intervals of the day"));
    tableView->setMinimumHeight(180);
    placeholderLabel = plainLabel(this);
    placeholderLabel->setText(Localizable::text("No timer yet"));
    placeholderLabel->setAlignment(Qt::AlignCenter);
    QFont large = placeholderLabel->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    placeholderLabel->setFont(large);
    placeholderLabel->setForegroundRole(QPalette::PlaceholderText);
    placeholderLabel->setMinimumHeight(180);

    totalsLabel = plainLabel(this);
    totalsLabel->setAlignment(Qt::AlignCenter);
    totalsLabel->setForegroundRole(QPalette::PlaceholderText);
    chart = new FocusChart(this);
    exportButton = new QPushButton(tr("&Export CSV…"), this);
    exportButton->setAutoDefault(false);
    exportResultLabel = plainLabel(this);
    exportResultLabel->setWordWrap(true);
    exportResultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    exportResultLabel->hide();
    exportProgress = new QProgressBar(this);
    exportProgress->setAccessibleName(tr("Export progress"));
    exportProgress->setRange(0, 100);
    exportProgress->hide();
    cancelExportButton = new QPushButton(tr("Cancel export"), this);
    cancelExportButton->setAutoDefault(false);
    cancelExportButton->hide();
    auto* exportRow = new QHBoxLayout;
    exportRow->addWidget(exportProgress, 1);
    exportRow->addWidget(cancelExportButton);
    exportRow->addWidget(exportButton);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addLayout(filterRow);
    column->addWidget(tableView, 1);
    column->addWidget(placeholderLabel, 1);
    column->addWidget(totalsLabel);
    column->addWidget(chart);
    column->addWidget(exportResultLabel);
    column->addLayout(exportRow);
    exportRow->insertStretch(0, 0);

    connect(pomodorosFilterButton, &QToolButton::clicked, this, [this] { setFilter(true); });
    connect(allFilterButton, &QToolButton::clicked, this, [this] { setFilter(false); });
    connect(previousDayButton, &QToolButton::clicked, this, [this] { showDay(shownDay().addDays(-1)); });
    connect(nextDayButton, &QToolButton::clicked, this, [this] { showDay(shownDay().addDays(1)); });
    connect(exportButton, &QPushButton::clicked, this, &StatViewController::exportRecords);
    connect(cancelExportButton, &QPushButton::clicked, this, [this] {
        if (exporter)
            exporter->cancel();
    });
    chooseExportPath = [this] {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QFileDialog::getSaveFileName(this, Localizable::text("Export CSV…"),
                                            QDir(documents).filePath(QStringLiteral("mirelo.csv")),
                                            QStringLiteral("CSV (*.csv)"));
    };
    updateFilterButtons();
    reloadTasks();
}

bool StatViewController::colourEmojiAvailable()
{
    static const bool available = QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji"));
    return available;
}

QDate StatViewController::today() const
{
    return clock.now().toLocalTime().date();
}

QDate StatViewController::shownDay() const
{
    return pinnedDay.value_or(today());
}

void StatViewController::showDay(const QDate& day)
{
    const QDate now = today();
    if (day >= now)
        pinnedDay.reset();
    else
        pinnedDay = day;
    reloadTasks();
}

void StatViewController::updateFilterButtons()
{
    const bool pomodorosOnly = preferences.intValue(PreferKey::statsFilterOption) == 1;
    pomodorosFilterButton->setChecked(pomodorosOnly);
    allFilterButton->setChecked(!pomodorosOnly);
}

void StatViewController::reloadTasks()
{
    const bool pomodoroOnly = preferences.intValue(PreferKey::statsFilterOption) == 1;
    const QDate day = shownDay();
    // Set on every reload: a window kept open across midnight shows the new day.
    dateLable->setText(Localizable::locale().toString(day, QLocale::LongFormat));
    nextDayButton->setEnabled(day < today());
    // One query for the day: the totals count every kind, the list may show Pomodoros only.
    const std::vector<Interval> dayTasks = tasks.fetchTasks(day, false);
    tasksToday.clear();
    std::copy_if(dayTasks.begin(), dayTasks.end(), std::back_inserter(tasksToday),
                 [pomodoroOnly](const Interval& task) { return !pomodoroOnly || task.type == 1; });

    tableView->clear();
    const bool emoji = colourEmojiAvailable();
    for (const Interval& task : tasksToday) {
        auto* cell = new StatTableCellView;
        cell->titleLabel->setText(StatRow::title(task, emoji));
        cell->detailLabel->setText(StatRow::detail(task.focusedDuration()));
        auto* item = new QListWidgetItem(tableView);
        item->setSizeHint(cell->sizeHint());
        // Read aloud as words, not as the row's symbol.
        const QString kind = task.type == 1   ? tr("Pomodoro")
                             : task.type == 2 ? tr("Short break")
                             : task.type == 3 ? tr("Long break")
                                              : tr("Interval");
        item->setData(Qt::AccessibleTextRole,
                      tr("%1 at %2, %3")
                          .arg(kind,
                               QLocale().toString(task.start.toLocalTime().time(), QLocale::ShortFormat),
                               StatRow::detail(task.focusedDuration())));
        tableView->setItemWidget(item, cell);
    }
    const auto count = int(tasksToday.size());
    countLabel->setText(pomodoroOnly ? tr("%n Pomodoros", nullptr, count)
                                     : tr("%n intervals", nullptr, count));
    tableView->setHidden(count <= 0);
    placeholderLabel->setHidden(count > 0);
    // "Yet" promises more to come: only today can. An empty answer from records that cannot be
    // read says nothing about the day.
    placeholderLabel->setText(tasks.lastReadFailed() ? tr("Mirelo cannot read its records")
                              : day == today()       ? Localizable::text("No timer yet")
                                                     : tr("Nothing recorded"));

    qint64 focused = 0;
    int pomodoros = 0;
    int breaks = 0;
    for (const Interval& task : dayTasks) {
        if (task.type == 1) {
            focused += task.focusedDuration();
            ++pomodoros;
        } else if (task.type == 2 || task.type == 3) {
            ++breaks;
        }
    }
    totalsLabel->setText(tr("%1 focused").arg(StatRow::total(focused)) + QStringLiteral(" · ") +
                         tr("%n Pomodoros", nullptr, pomodoros) + QStringLiteral(" · ") +
                         tr("%n breaks", nullptr, breaks));
    chart->setDays(day, tasks.focusedSecondsPerDay(day, 7));
}

void StatViewController::setFilter(bool pomodorosOnly)
{
    preferences.setValue(PreferKey::statsFilterOption, pomodorosOnly ? 1 : 0);
    updateFilterButtons();
    reloadTasks();
}

void StatViewController::showExportResult(const QString& text, bool failed)
{
    exportResultLabel->setText(text);
    QPalette shown = palette();
    if (failed) {
        // Red that stays legible on a dark window too.
        const bool dark = shown.color(QPalette::Window).lightness() < 128;
        shown.setColor(QPalette::WindowText, dark ? QColor(0xff, 0x7b, 0x63) : QColor(0xc0, 0x1c, 0x28));
    }
    exportResultLabel->setPalette(shown);
    exportResultLabel->show();
}

void StatViewController::exportRecords()
{
    if (isExporting())
        return;
    const QString path = chooseExportPath ? chooseExportPath() : QString();
    if (path.isEmpty())
        return;
    exporter = std::make_unique<RecordsExport>(tasks.databaseFileForReading());
    connect(exporter.get(), &RecordsExport::progressed, this, [this](qint64 written, qint64 total) {
        exportProgress->setValue(total > 0 ? int(written * 100 / total) : 100);
    });
    connect(exporter.get(), &RecordsExport::finished, this,
            [this, path](RecordsExport::Outcome outcome, const QString& error) {
                exportEnded(outcome, error, path);
            });
    exportResultLabel->hide();
    exportProgress->setValue(0);
    exportProgress->show();
    cancelExportButton->show();
    exportButton->setEnabled(false);
    exporter->start(path);
}

void StatViewController::exportEnded(RecordsExport::Outcome outcome, const QString& error,
                                     const QString& path)
{
    exportProgress->hide();
    cancelExportButton->hide();
    exportButton->setEnabled(true);
    switch (outcome) {
    case RecordsExport::Outcome::saved:
        LOG_INFO(QStringLiteral("Exported the records."));
        showExportResult(Localizable::text("Saved to %1").arg(QDir::toNativeSeparators(path)), false);
        break;
    case RecordsExport::Outcome::cancelled:
        LOG_INFO(QStringLiteral("Export of the records cancelled."));
        showExportResult(tr("Export cancelled; the file was not written."), false);
        break;
    case RecordsExport::Outcome::unreadable:
        // Nothing is written over the chosen file: a header alone would look like no records.
        LOG_ERROR(QStringLiteral("Failed to export the records. Error: the records cannot be read"));
        showExportResult(
            Localizable::text("Could not save: %1")
                .arg(Localizable::text("the records cannot be read now (the database is in use or damaged)")),
            true);
        break;
    case RecordsExport::Outcome::notWritten:
        LOG_ERROR(QStringLiteral("Failed to export the records. Error: ") + error);
        showExportResult(Localizable::text("Could not save: %1").arg(error), true);
        break;
    }
}

void StatViewController::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    trackContentView(QStringLiteral("StatViewController"));
    trackQualifiedClassName(QStringLiteral("StatViewController"));
    reloadTasks();
}
