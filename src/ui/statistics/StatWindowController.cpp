#include "statistics/StatWindowController.h"

#include "statistics/StatViewController.h"
#include "widgets/Localizable.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWindow>

StatWindowController::StatWindowController(TaskService& tasks, Preferences& preferences, const Clock& clock,
                                           QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    // The taskbar shows the title alone: it names the program too.
    setWindowTitle(tr("Mirelo Statistics"));
    setObjectName(QStringLiteral("StatWindowController"));
    content = new StatViewController(tasks, preferences, clock, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(content);
    resize(360, 520);
}

void StatWindowController::showWindow()
{
    // Asked for again while open: read afresh, as when it first shows.
    if (isVisible())
        content->reloadTasks();
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
