#pragma once

#include "reactive/DisposeBag.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QScreen>

#include <memory>

class BorderlessWindow;
class BreakViewController;
class TouchBar;
class WindowHints;

// The main break window: created once at start-up, shown over the main screen at every break
// and ordered out (never closed) in between. Its content is the one BreakViewController.
class BreakWindowController : public QObject
{
    Q_OBJECT
public:
    BreakWindowController(BreakViewController& content, WindowHints* hints, TouchBar* touchBar = nullptr,
                          QObject* parent = nullptr);
    ~BreakWindowController() override;

    BorderlessWindow* window() const { return win.get(); }
    BreakViewController& contentViewController() const { return content; }
    QRect originRect;

    void show(QScreen* screen);
    // The screen of the last show().
    QScreen* shownOn() const { return screen.data(); }

private:
    void setupTouchBar();

    BreakViewController& content;
    std::unique_ptr<BorderlessWindow> win;
    TouchBar* touchBar;
    bool touchBarWired = false;
    QPointer<QScreen> screen;
    DisposeBag disposeBag;
};
