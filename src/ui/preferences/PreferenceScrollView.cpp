#include "preferences/PreferenceScrollView.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

PreferenceScrollView::PreferenceScrollView(QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // Tab goes straight to the controls; the view follows the focus.
    setFocusPolicy(Qt::NoFocus);
    // Only up and down: the view is never narrower than its content (see minimumSizeHint).
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The pane's own background shows through.
    viewport()->setAutoFillBackground(false);
}

// Both leave room for the vertical scroll bar, so that showing it never squeezes the content.
QSize PreferenceScrollView::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    const QMargins frame = contentsMargins();
    return widget()->sizeHint() +
           QSize(frame.left() + frame.right() + verticalScrollBar()->sizeHint().width(),
                 frame.top() + frame.bottom());
}

QSize PreferenceScrollView::minimumSizeHint() const
{
    if (!widget())
        return QScrollArea::minimumSizeHint();
    const QMargins frame = contentsMargins();
    return {widget()->minimumSizeHint().width() + frame.left() + frame.right() +
                verticalScrollBar()->sizeHint().width(),
            QScrollArea::minimumSizeHint().height()};
}

void PreferenceScrollView::wheelEvent(QWheelEvent* event)
{
    QScrollArea::wheelEvent(event);
    if (event->angleDelta().x() == 0 || !parentWidget())
        return;
    QWheelEvent copy(event->position(), event->globalPosition(), event->pixelDelta(), event->angleDelta(),
                     event->buttons(), event->modifiers(), event->phase(), event->inverted(),
                     event->source());
    QCoreApplication::sendEvent(parentWidget(), &copy);
}
