#pragma once

#include <QPoint>
#include <QWidget>

#include <optional>

class Clock;
class Preferences;
class StatViewController;
class TaskService;

// The statistics window: made once and shown again on every request, movable by its
// background, with only a close button.
class StatWindowController : public QWidget
{
    Q_OBJECT
public:
    StatWindowController(TaskService& tasks, Preferences& preferences, const Clock& clock,
                         QWidget* parent = nullptr);

    StatViewController* contentViewController() const { return content; }
    void showWindow();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    StatViewController* content = nullptr;
    std::optional<QPoint> dragOffset;
};
