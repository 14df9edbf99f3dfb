#include "break/BreakViewPopover.h"

#include "break/BreakView.h"
#include "break/BreakViewPopoverViewController.h"
#include "break/PopoverFrame.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "widgets/DrawnButton.h"

BreakViewPopover::BreakViewPopover(QWidget* window, bool darkMode, bool showPostpone, QSize cover)
{
    const double scale = window ? BreakView::scaleFor(window->size()) : 1.0;
    content = new BreakViewPopoverViewController(darkMode, showPostpone, scale, this);
    // The extra height goes to the title, whose text stays centred in it.
    QWidget* body = content->view();
    body->adjustSize();
    body->setFixedSize(std::max(body->width(), cover.width()), std::max(body->height(), cover.height()));
    frame =
        new PopoverFrame(window, content->view(), BreakViewPopoverViewController::backgroundColor(darkMode));
    // The popover lives as long as its popup.
    setParent(frame);
    content->popoverDidClickButton = [this](PopoverButton button) { clicked(button); };
    frame->willShow = [] { LOG_INFO(QStringLiteral("popoverWillShow")); };
    frame->willClose = [this] {
        LOG_INFO(QStringLiteral("popoverWillClose"));
        if (popoverWillClose)
            popoverWillClose();
    };
}

BreakViewPopover::~BreakViewPopover() = default;

QWidget* BreakViewPopover::popover() const
{
    return frame.data();
}

void BreakViewPopover::show(QWidget* anchor)
{
    if (!frame || !anchor)
        return;
    frame->popUp(anchor);
    // The keys start on the mildest choice: a Space meant for Stop, pressed twice, must not
    // end the break.
    content->cancelButton->setFocus(Qt::PopupFocusReason);
}

void BreakViewPopover::close()
{
    if (frame)
        frame->close();
}

void BreakViewPopover::clicked(PopoverButton button)
{
    // The reaction runs while the popover is still open.
    if (popoverDidClickButton)
        popoverDidClickButton(button);
    track(UsageEvent::breakPopoverClose);
    content->popoverDidClickButton = nullptr;
    close();
}
