#pragma once

#include "reactive/DisposeBag.h"

#include <QPoint>
#include <QWidget>

#include <optional>

class Clock;
class FocusPeriodView;
class Preferences;
class QLabel;
class QTabWidget;
class StatViewController;
class TaskService;

// The statistics window: made once and shown again on every request, movable by its
// background, with only a close button. The day's records and the week, month and year views
// are its tabs, under the day's progress towards the daily goal.
class StatWindowController : public QWidget
{
    Q_OBJECT
public:
    StatWindowController(TaskService& tasks, Preferences& preferences, const Clock& clock,
                         QWidget* parent = nullptr);

    StatViewController* contentViewController() const { return content; }
    // Day, Week, Month and Year.
    QTabWidget* periodTabs() const { return tabs; }
    FocusPeriodView* periodView(int index) const;
    // "5 of 8 today, 3 days in a row"; hidden without a daily goal.
    QLabel* goalLabel() const { return goal; }
    void updateGoal();
    void showWindow();
    // Reads the records again: the day, the period shown and the goal.
    void reload();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    StatViewController* content = nullptr;
    QTabWidget* tabs = nullptr;
    QLabel* goal = nullptr;
    TaskService& tasks;
    Preferences& preferences;
    const Clock& clock;
    std::optional<QPoint> dragOffset;
    // An interval recorded while the window exists shows at once; reads wait for the event loop
    // so that the write that told us is over.
    bool reloadQueued = false;
    DisposeBag disposeBag;
};
