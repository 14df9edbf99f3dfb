#pragma once

#include "records/Interval.h"
#include "records/RecordsExport.h"

#include <QDate>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class Clock;
class FocusChart;
class Preferences;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;
class TaskService;

// One row: "💻 09:30" and "25 mins".
class StatTableCellView : public QWidget
{
    Q_OBJECT
public:
    explicit StatTableCellView(QWidget* parent = nullptr);
    QLabel* titleLabel = nullptr;
    QLabel* detailLabel = nullptr;
};

// The statistics: a day's recorded intervals (today's unless the user went back), their
// count and total, the filter between Pomodoros and everything, the focused minutes of the
// seven days ending with the shown one, and the export of every record. It never writes a
// record.
class StatViewController : public QWidget
{
    Q_OBJECT
public:
    StatViewController(TaskService& tasks, Preferences& preferences, const Clock& clock,
                       QWidget* parent = nullptr);

    QLabel* dateLable = nullptr;
    QLabel* countLabel = nullptr;
    QLabel* totalsLabel = nullptr;
    QLabel* placeholderLabel = nullptr;
    // The filter, two segments: Pomodoros only, or every interval.
    QToolButton* pomodorosFilterButton = nullptr;
    QToolButton* allFilterButton = nullptr;
    QToolButton* previousDayButton = nullptr;
    QToolButton* nextDayButton = nullptr;
    QPushButton* exportButton = nullptr;
    // What the last export did, in words.
    QLabel* exportResultLabel = nullptr;
    // Shown while an export runs.
    QProgressBar* exportProgress = nullptr;
    QPushButton* cancelExportButton = nullptr;
    QListWidget* tableView = nullptr;
    FocusChart* chart = nullptr;
    std::vector<Interval> tasksToday;

    // Asks where the export goes; empty when the user cancels. A save dialog by default.
    std::function<QString()> chooseExportPath;

    void reloadTasks();
    // Shows Pomodoros only, or every interval, and keeps the choice.
    void setFilter(bool pomodorosOnly);
    void showDay(const QDate& day);
    QDate shownDay() const;
    // Asks where to, then writes every record in the background; the result shows below.
    void exportRecords();
    bool isExporting() const { return exporter && exporter->isRunning(); }
    // Whether the rows show the pictures or the plain symbols.
    static bool colourEmojiAvailable();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void updateFilterButtons();
    void showExportResult(const QString& text, bool failed);
    void exportEnded(RecordsExport::Outcome outcome, const QString& error, const QString& path);
    QDate today() const;

    TaskService& tasks;
    Preferences& preferences;
    const Clock& clock;
    // None while today is shown: today is taken afresh at each reload, so a window left open
    // across midnight shows the new day.
    std::optional<QDate> pinnedDay;
    std::unique_ptr<RecordsExport> exporter;
};
