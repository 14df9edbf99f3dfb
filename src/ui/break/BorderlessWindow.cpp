#include "break/BorderlessWindow.h"

#include "cycle/WindowHints.h"
#include "diagnostics/Log.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
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
    // Moved while shown (its own output went away): the compositor chose where it went, and on
    // Wayland only a renewed full-screen request names the output.
    const bool moved =
        isVisible() && placedOn && screen && placedOn != screen && hints && hints->compositorPlacesWindows();
    // Before the screen changes below: that change is the program's own.
    placedOn = screen;
    putBack = 0;
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
    // Only now: a Wayland window gets a new surface each time it is shown, after its Show event.
    if (acceptsFocus && hints)
        hints->holdDesktopShortcuts(windowHandle(), true);
    if (moved)
        QTimer::singleShot(0, this, &BorderlessWindow::askForFullScreenAgain);
    if (!watchingScreen) {
        watchingScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &BorderlessWindow::screenChanged);
    }
}

void BorderlessWindow::screenChanged(QScreen* now)
{
    if (hints && hints->compositorPlacesWindows() && isVisible() && placedOn && now != placedOn)
        putBackOnScreen(QStringLiteral("moved to ") + (now ? now->name() : QStringLiteral("no screen")));
}

void BorderlessWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A compositor tells where it put a window only through its size: Mutter, given another
    // output, makes a full-screen window full screen on the main output instead.
    if (hints && hints->compositorPlacesWindows() && isVisible() && placedOn &&
        (windowState() & Qt::WindowFullScreen) && size() != placedOn->geometry().size())
        putBackOnScreen(QStringLiteral("resized to %1x%2").arg(width()).arg(height()));
}

void BorderlessWindow::putBackOnScreen(const QString& why)
{
    // A few tries: a window system that insists wins, rather than the two trading the window
    // back and forth.
    if (putBack >= 3 || !QGuiApplication::screens().contains(placedOn.data()))
        return;
    ++putBack;
    LOG_INFO(QStringLiteral("Break window: %1 by the window system; asking for %2 again.")
                 .arg(why, placedOn->name()));
    // Not inside the window system's own notification.
    QTimer::singleShot(0, this, &BorderlessWindow::askForFullScreenAgain);
}

void BorderlessWindow::askForFullScreenAgain()
{
    if (!isVisible() || !placedOn)
        return;
    if (!acceptsFocus) {
        // A window that takes no keys is shown again, as a new surface full screen on its
        // output: a compositor that hid it under another window sends it no frame callbacks,
        // and without them the toolkit draws none of the frames that would carry the answer
        // to a renewed full-screen request (Mutter kept such a window on the wrong monitor).
        const int tries = putBack;
        hide();
        showOn(placedOn);
        putBack = tries;
        return;
    }
    // Full screen asked for again names the output: the way back on Wayland. The toolkit
    // asks only when the window system has said the window is not full screen, so out of
    // it first and back in on the answer (changeEvent), or after a moment without one.
    returningToFullScreen = true;
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    QTimer::singleShot(300, this, &BorderlessWindow::returnToFullScreen);
}

void BorderlessWindow::returnToFullScreen()
{
    if (!returningToFullScreen)
        return;
    returningToFullScreen = false;
    if (!isVisible() || !placedOn)
        return;
    windowHandle()->setScreen(placedOn);
    setWindowState(windowState() | Qt::WindowFullScreen);
    setGeometry(placedOn->geometry());
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
    // Only the program ends a break, and it hides its windows rather than closing them: every
    // close is the window system's (Alt+F4, a task bar's Close), whether or not the toolkit
    // marks it so (the Wayland one delivers the compositor's close as the program's own).
    LOG_INFO(QStringLiteral("Break window: close request refused."));
    event->ignore();
}

void BorderlessWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && returningToFullScreen && event->spontaneous() &&
        !(windowState() & Qt::WindowFullScreen))
        QTimer::singleShot(0, this, &BorderlessWindow::returnToFullScreen);
    // The window system made it full screen again. On Wayland that takes effect with the next
    // frame, and a window whose size did not change would draw none: it would stay where the
    // compositor had moved it. A frame is drawn for it.
    if (event->type() == QEvent::WindowStateChange && event->spontaneous() && isVisible() &&
        (windowState() & Qt::WindowFullScreen))
        update();
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
