#include "break/BorderlessWindow.h"

#include "cycle/WindowHints.h"

#include <QEvent>
#include <QScreen>
#include <QWindow>

BorderlessWindow::BorderlessWindow(WindowHints* hints, bool acceptsFocus, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          (acceptsFocus ? Qt::WindowFlags() : Qt::WindowDoesNotAcceptFocus)),
      hints(hints)
{
    setAttribute(Qt::WA_ShowWithoutActivating, !acceptsFocus);
    setFocusPolicy(acceptsFocus ? Qt::StrongFocus : Qt::NoFocus);
    // What shows through while the content fades in: the picture fades up from black.
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
}

void BorderlessWindow::showOn(QScreen* screen)
{
    if (!prepared) {
        // The window-system hints must be on the window before it is first mapped.
        winId();
        if (hints)
            hints->prepareOverlayWindow(quintptr(windowHandle()->winId()));
        prepared = true;
    }
    if (screen) {
        windowHandle()->setScreen(screen);
        setGeometry(screen->geometry());
    }
    showFullScreen();
    if (screen && geometry() != screen->geometry())
        setGeometry(screen->geometry());
}

bool BorderlessWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && didBecomeKey)
        didBecomeKey();
    return QWidget::event(event);
}
