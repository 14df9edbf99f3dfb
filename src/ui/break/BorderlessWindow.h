#pragma once

#include <QWidget>

#include <functional>

class WindowHints;

// A top-level window without a frame that stays above other windows, covers its screen and
// still takes the keyboard. On X11 it is also put on every workspace and kept out of the task
// bar before it is first mapped.
class BorderlessWindow : public QWidget
{
    Q_OBJECT
public:
    // acceptsFocus false: a window that never becomes the key window (background screens).
    BorderlessWindow(WindowHints* hints, bool acceptsFocus, QWidget* parent = nullptr);

    // Puts the window over the whole of screen and shows it there.
    void showOn(QScreen* screen);

    std::function<void()> didBecomeKey;

protected:
    bool event(QEvent* event) override;

private:
    WindowHints* hints;
    bool prepared = false;
};
