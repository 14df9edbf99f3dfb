#include "statistics/StatWindowController.h"

#include "statistics/FocusPeriodView.h"
#include "statistics/StatViewController.h"
#include "timer/Clock.h"
#include "widgets/Localizable.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

StatWindowController::StatWindowController(TaskService& tasks, Preferences& preferences, const Clock& clock,
                                           QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      tasks(tasks), preferences(preferences), clock(clock)
{
    // The taskbar shows the title alone: it names the program too.
    setWindowTitle(tr("Mirelo Statistics"));
    setObjectName(QStringLiteral("StatWindowController"));
    auto* layout = new QVBoxLayout(this);
    goal = new QLabel(this);
    goal->setTextFormat(Qt::PlainText);
    goal->setAlignment(Qt::AlignCenter);
    layout->addWidget(goal);
    tabs = new QTabWidget(this);
    tabs->setDocumentMode(true);
    content = new StatViewController(tasks, preferences, clock, tabs);
    tabs->addTab(content, tr("Day"));
    tabs->addTab(new FocusPeriodView(FocusHistory::Span::week, tasks, clock, tabs), tr("Week"));
    tabs->addTab(new FocusPeriodView(FocusHistory::Span::month, tasks, clock, tabs), tr("Month"));
    tabs->addTab(new FocusPeriodView(FocusHistory::Span::year, tasks, clock, tabs), tr("Year"));
    // The arrows move through the periods of the tab just chosen.
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (FocusPeriodView* view = periodView(index))
            view->setFocus();
    });
    layout->addWidget(tabs);
    disposeBag += tasks.observeWrites([this] {
        if (reloadQueued)
            return;
        reloadQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                reloadQueued = false;
                reload();
            },
            Qt::QueuedConnection);
    });
    updateGoal();
    resize(360, 520);
}

FocusPeriodView* StatWindowController::periodView(int index) const
{
    return qobject_cast<FocusPeriodView*>(tabs->widget(index));
}

void StatWindowController::updateGoal()
{
    const auto status = FocusHistory::goalStatus(tasks, preferences, clock.now().toLocalTime().date());
    goal->setVisible(status.goal > 0);
    if (status.goal <= 0)
        return;
    goal->setText(tr("%1 of %n today", nullptr, status.goal).arg(status.today) + QStringLiteral(" · ") +
                  tr("%n day(s) in a row", nullptr, status.streak));
}

void StatWindowController::reload()
{
    content->reloadTasks();
    if (FocusPeriodView* view = periodView(tabs->currentIndex()))
        view->reload();
    updateGoal();
}

void StatWindowController::showWindow()
{
    // Asked for again while open: read afresh, as when it first shows.
    if (isVisible())
        reload();
    else
        updateGoal();
    show();
    raise();
    activateWindow();
}

void StatWindowController::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // Moved by its background: the window system does it, so it works on Wayland too.
        if (QWindow* handle = windowHandle(); handle && handle->startSystemMove())
            return;
        dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void StatWindowController::mouseMoveEvent(QMouseEvent* event)
{
    if (dragOffset && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - *dragOffset);
}

void StatWindowController::mouseReleaseEvent(QMouseEvent*)
{
    dragOffset.reset();
}

void StatWindowController::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Close))
        close();
    else
        QWidget::keyPressEvent(event);
}
