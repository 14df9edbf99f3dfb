#pragma once

#include "cycle/BreakOptions.h"
#include "widgets/PanelView.h"

#include <QObject>
#include <QPointer>

#include <functional>

class DrawnButton;
class QLabel;

// The content of the break options popover: a title and the buttons skip, postpone (only after
// a completed Pomodoro), stop and cancel. It only reports which one was pressed.
class BreakViewPopoverViewController : public QObject
{
    Q_OBJECT
public:
    BreakViewPopoverViewController(bool darkMode, bool showPostpone, double scale, QObject* parent = nullptr);
    ~BreakViewPopoverViewController() override;

    std::function<void(PopoverButton)> popoverDidClickButton;

    PanelView* view() const { return root.data(); }
    DrawnButton* skipButton = nullptr;
    DrawnButton* postponeButton = nullptr;
    DrawnButton* stopButton = nullptr;
    DrawnButton* cancelButton = nullptr;
    QLabel* titleLabel = nullptr;

    // The action of all four buttons: the sender by identity, anything unknown as cancel.
    void buttonClicked(QObject* sender);

    static QColor backgroundColor(bool darkMode);
    static QColor titleColor(bool darkMode);

private:
    QPointer<PanelView> root;
};
