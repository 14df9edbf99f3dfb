#pragma once

#include "cycle/BreakOptions.h"

#include <QObject>
#include <QPointer>
#include <QSize>

#include <functional>

class BreakViewPopoverViewController;
class PopoverFrame;
class QWidget;

// The break options popover: a popup above the overlay's Stop button. A new one is built for
// every press of Stop that opens options; it belongs to its popup window and goes with it when
// the popup closes (by a button, Escape or a click elsewhere).
class BreakViewPopover : public QObject
{
    Q_OBJECT
public:
    // window: the break window the popover belongs to; cover: the least size of its body, so
    // that it hides what it opens over (the title and countdown) instead of cutting through it.
    BreakViewPopover(QWidget* window, bool darkMode, bool showPostpone, QSize cover = {});
    ~BreakViewPopover() override;

    std::function<void(PopoverButton)> popoverDidClickButton;
    std::function<void()> popoverWillClose;

    BreakViewPopoverViewController* viewController() const { return content; }
    QWidget* popover() const;

    // Shows the popover with its arrow on the top edge of anchor.
    void show(QWidget* anchor);
    void close();

private:
    void clicked(PopoverButton button);

    QPointer<PopoverFrame> frame;
    BreakViewPopoverViewController* content = nullptr;
};
