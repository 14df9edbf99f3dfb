#include "statistics/StatViewController.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "records/StatRow.h"
#include "records/TaskExport.h"
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
#include <QPainter>
#include <QPainterPath>
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

// The filter's two pictures: a half-filled circle for "Pomodoros only", a full one for all.
QIcon filterIcon(bool half, const QColor& colour)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(18, 18) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF circle(2, 2, 14, 14);
        painter.setPen(QPen(colour, 1.5));
        painter.drawEllipse(circle);
        QPainterPath fill;
        if (half) {
            fill.moveTo(circle.center());
            fill.arcTo(circle, 90, 180);
            fill.closeSubpath();
        } else {
            fill.addEllipse(circle);
        }
        painter.fillPath(fill, colour);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
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
    filterButton = new QToolButton(this);
    filterButton->setToolTip(Localizable::text("Show breaks too"));
    filterButton->setAccessibleName(Localizable::text("Filter"));
    countLabel = plainLabel(this);
    countLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* header = new QHBoxLayout;
    header->addWidget(previousDayButton);
    header->addWidget(dateLable, 1);
    header->addWidget(nextDayButton);
    header->addSpacing(8);
    header->addWidget(filterButton);
    header->addWidget(countLabel);

    tableView = new QListWidget(this);
    tableView->setSelectionMode(QAbstractItemView::NoSelection);
    tableView->setFocusPolicy(Qt::NoFocus);
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
    exportButton = new QPushButton(Localizable::text("Export CSV…"), this);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addWidget(tableView, 1);
    column->addWidget(placeholderLabel, 1);
    column->addWidget(totalsLabel);
    column->addWidget(chart);
    column->addWidget(exportButton, 0, Qt::AlignRight);

    connect(filterButton, &QToolButton::clicked, this, &StatViewController::onFilterButtonClicked);
    connect(previousDayButton, &QToolButton::clicked, this, [this] { showDay(shownDay().addDays(-1)); });
    connect(nextDayButton, &QToolButton::clicked, this, [this] { showDay(shownDay().addDays(1)); });
    connect(exportButton, &QPushButton::clicked, this, &StatViewController::exportRecords);
    chooseExportPath = [this] {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QFileDialog::getSaveFileName(this, Localizable::text("Export CSV…"),
                                            QDir(documents).filePath(QStringLiteral("mirelo.csv")),
                                            QStringLiteral("CSV (*.csv)"));
    };
    updateFilterButton();
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

void StatViewController::updateFilterButton()
{
    const bool half = preferences.intValue(PreferKey::statsFilterOption) == 1;
    filterButton->setIcon(filterIcon(half, palette().color(QPalette::WindowText)));
    filterButton->setToolTip(half ? Localizable::text("Show breaks too")
                                  : Localizable::text("Show Pomodoros only"));
}

void StatViewController::reloadTasks()
{
    const bool pomodoroOnly = preferences.intValue(PreferKey::statsFilterOption) == 1;
    const QDate day = shownDay();
    // Set on every reload: a window kept open across midnight shows the new day.
    dateLable->setText(
        QLocale(QLocale::English, QLocale::UnitedStates).toString(day, QStringLiteral("MMM d, yyyy")));
    nextDayButton->setEnabled(day < today());
    // One query for the day: the totals count every kind, the list may show Pomodoros only.
    const std::vector<WTask> dayTasks = tasks.fetchTasks(day, false);
    tasksToday.clear();
    std::copy_if(dayTasks.begin(), dayTasks.end(), std::back_inserter(tasksToday),
                 [pomodoroOnly](const WTask& task) { return !pomodoroOnly || task.type == 1; });

    tableView->clear();
    const bool emoji = colourEmojiAvailable();
    for (const WTask& task : tasksToday) {
        auto* cell = new StatTableCellView;
        cell->titleLabel->setText(StatRow::title(task, emoji));
        cell->detailLabel->setText(StatRow::detail(task.focusedDuration()));
        auto* item = new QListWidgetItem(tableView);
        item->setSizeHint(cell->sizeHint());
        tableView->setItemWidget(item, cell);
    }
    const auto count = qsizetype(tasksToday.size());
    countLabel->setText(QString::number(count));
    tableView->setHidden(count <= 0);
    placeholderLabel->setHidden(count > 0);

    qint64 focused = 0;
    int pomodoros = 0;
    int breaks = 0;
    for (const WTask& task : dayTasks) {
        if (task.type == 1) {
            focused += task.focusedDuration();
            ++pomodoros;
        } else if (task.type == 2 || task.type == 3) {
            ++breaks;
        }
    }
    totalsLabel->setText(QStringLiteral("%1 focused · %2 Pomodoros · %3 breaks")
                             .arg(StatRow::total(focused))
                             .arg(pomodoros)
                             .arg(breaks));
    chart->setDays(day, tasks.focusedSecondsPerDay(day, 7));
}

void StatViewController::onFilterButtonClicked()
{
    const int now = preferences.intValue(PreferKey::statsFilterOption) == 1 ? 0 : 1;
    preferences.setValue(PreferKey::statsFilterOption, now);
    updateFilterButton();
    reloadTasks();
}

void StatViewController::exportRecords()
{
    const QString path = chooseExportPath ? chooseExportPath() : QString();
    if (path.isEmpty())
        return;
    QString error;
    const std::optional<std::vector<WTask>> records = tasks.readAllTasks();
    if (!records) {
        // Nothing is written over the chosen file: a header alone would look like no records.
        LOG_ERROR(QStringLiteral("Failed to export the records. Error: the records cannot be read"));
        exportButton->setToolTip(
            Localizable::text("Could not save: ") +
            Localizable::text("the records cannot be read now (the database is in use or damaged)"));
        return;
    }
    if (TaskExport::writeCsv(path, *records, &error)) {
        LOG_INFO(QStringLiteral("Exported the records."));
        exportButton->setToolTip(Localizable::text("Saved to ") + path);
    } else {
        LOG_ERROR(QStringLiteral("Failed to export the records. Error: ") + error);
        exportButton->setToolTip(Localizable::text("Could not save: ") + error);
    }
}

void StatViewController::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    trackContentView(QStringLiteral("StatViewController"));
    reloadTasks();
}
