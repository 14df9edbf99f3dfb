#pragma once

#include <QScrollArea>

// A borderless scroll view for a pane's content, so that a pane taller than a small or
// highly scaled screen can still be reached. A sideways scroll is also passed on to the
// parent, for anything around the view that scrolls sideways.
class PreferenceScrollView : public QScrollArea
{
    Q_OBJECT
public:
    explicit PreferenceScrollView(QWidget* parent = nullptr);

    // The whole content: the window opens showing all of it where the screen allows.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void wheelEvent(QWheelEvent* event) override;
};
