#pragma once

#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <functional>

class QTimer;
class WindowHints;

// A top-level window without a frame that stays above other windows, covers its screen and
// still takes the keyboard. On X11 it is also put on every workspace and kept out of the task
// bar before each mapping. While shown it holds its screen: a close or minimise request from
// the window manager is refused, and a window that takes the keyboard gets it back from
// another program; a window the window system moves to another screen (a compositor
// rearranging its outputs) goes back. Only the program hides it.
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
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void restoreFullScreen();
    void takeKeyboardBack();
    void screenChanged(QScreen* now);
    // Asks for full screen on the screen it was shown on again, a few times per showing.
    void putBackOnScreen(const QString& why);
    void askForFullScreenAgain();
    void returnToFullScreen();

    WindowHints* hints;
    bool acceptsFocus;
    QTimer* reclaim = nullptr;
    // The screen the program put it on, and how often it was put back there since.
    QPointer<QScreen> placedOn;
    int putBack = 0;
    bool watchingScreen = false;
    bool returningToFullScreen = false;
};
