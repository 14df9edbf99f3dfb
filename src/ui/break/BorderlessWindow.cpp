#include "break/BorderlessWindow.h"

#include "cycle/WindowHints.h"
#include "diagnostics/Log.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

BorderlessWindow::BorderlessWindow(WindowHints* hints, bool acceptsFocus, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          (acceptsFocus ? Qt::WindowFlags() : Qt::WindowDoesNotAcceptFocus)),
      hints(hints), acceptsFocus(acceptsFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating, !acceptsFocus);
    // The window itself never holds the focus: its content does (see the focus proxy).
    setFocusPolicy(Qt::NoFocus);
    // What shows through while the content fades in: the picture fades up from black.
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    if (acceptsFocus && (!hints || hints->canReclaimKeyboard())) {
        // Another program that took the keyboard loses it again after a short moment, long
        // enough that two programs fighting for it do not spin.
        reclaim = new QTimer(this);
        reclaim->setSingleShot(true);
        connect(reclaim, &QTimer::timeout, this, &BorderlessWindow::takeKeyboardBack);
    }
}

void BorderlessWindow::showOn(QScreen* screen)
{
    if (!isVisible()) {
        // Window managers forget the workspace and task-bar hints when a window is withdrawn:
        // they go on again before every mapping.
        winId();
        if (hints)
            hints->prepareOverlayWindow(quintptr(windowHandle()->winId()));
    }
    if (screen) {
        windowHandle()->setScreen(screen);
        setGeometry(screen->geometry());
    }
    if (acceptsFocus) {
        showFullScreen();
    } else {
        // showFullScreen() would also ask to activate a window that takes no focus.
        setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) | Qt::WindowFullScreen);
        show();
    }
    if (screen && geometry() != screen->geometry())
        setGeometry(screen->geometry());
}

bool BorderlessWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (reclaim)
            reclaim->stop();
        if (didBecomeKey)
            didBecomeKey();
        break;
    case QEvent::WindowDeactivate:
        if (reclaim && isVisible())
            reclaim->start(100);
        break;
    case QEvent::Show:
        if (acceptsFocus && hints)
            hints->holdDesktopShortcuts(windowHandle(), true);
        break;
    case QEvent::Hide:
        if (reclaim)
            reclaim->stop();
        if (acceptsFocus && hints)
            hints->holdDesktopShortcuts(windowHandle(), false);
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void BorderlessWindow::closeEvent(QCloseEvent* event)
{
    // Only the program ends a break; the window manager's close (Alt+F4) does not.
    if (event->spontaneous()) {
        LOG_INFO(QStringLiteral("Break window: close request refused."));
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void BorderlessWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible() && (windowState() & Qt::WindowMinimized)) {
        LOG_INFO(QStringLiteral("Break window: minimise refused."));
        // Not inside the state change the window system is still delivering.
        QTimer::singleShot(0, this, &BorderlessWindow::restoreFullScreen);
    }
}

void BorderlessWindow::restoreFullScreen()
{
    if (!isVisible())
        return;
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    show();
    raise();
    if (acceptsFocus)
        activateWindow();
}

void BorderlessWindow::takeKeyboardBack()
{
    // Our own alert or popover over the break keeps the keyboard; another program does not.
    if (!isVisible() || isActiveWindow() || QApplication::activeWindow() || QApplication::activePopupWidget())
        return;
    LOG_INFO(QStringLiteral("Break window: taking the keyboard back."));
    raise();
    activateWindow();
    // Until the activation arrives, ask again now and then: a window manager may drop a request.
    reclaim->start(500);
}

bool BorderlessWindow::focusNextPrevChild(bool)
{
    // No focus chain leaves the break's content: Tab and its kin are plain keys here.
    return false;
}
