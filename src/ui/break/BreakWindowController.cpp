#include "break/BreakWindowController.h"

#include "break/BorderlessWindow.h"
#include "break/BreakView.h"
#include "break/BreakViewController.h"
#include "break/PasscodeView.h"
#include "break/TouchBar.h"
#include "diagnostics/UsageTracker.h"
#include "widgets/Localizable.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// Tells the content each time the window has come on screen.
class AppearanceWatcher : public QObject
{
public:
    AppearanceWatcher(QWidget* window, BreakViewController& content) : QObject(window), content(content)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            content.viewDidAppear();
        return QObject::eventFilter(watched, event);
    }

private:
    BreakViewController& content;
};

} // namespace

BreakWindowController::BreakWindowController(BreakViewController& content, WindowHints* hints,
                                             TouchBar* touchBar, QObject* parent)
    : QObject(parent), content(content), win(std::make_unique<BorderlessWindow>(hints, true)),
      touchBar(touchBar)
{
    win->setWindowTitle(QStringLiteral("Mirelo"));
    auto* layout = new QVBoxLayout(win.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content.view());
    // Whatever gives the window the focus gives it to the content, which answers the keys.
    win->setFocusProxy(content.view());
    new AppearanceWatcher(win.get(), content);
    win->didBecomeKey = [this] { this->content.viewModel().showingTouchID.accept(false); };
    trackContentView(QStringLiteral("BreakWindowController"));
}

BreakWindowController::~BreakWindowController()
{
    disposeBag.clear();
    // The content outlives its window: take the view back before the window goes.
    if (BreakView* view = content.view(); view && view->parent() == win.get()) {
        view->hide();
        view->setParent(nullptr);
    }
}

void BreakWindowController::show(QScreen* target)
{
    screen = target;
    if (target)
        originRect = target->geometry();
    win->showOn(target);
    win->raise();
    win->activateWindow();
    setupTouchBar();
}

void BreakWindowController::setupTouchBar()
{
    if (!touchBar)
        return;
    touchBar->setStopTitle(Localizable::text("Stop"));
    touchBar->setNextTitle(Localizable::text("Next"));
    if (touchBarWired)
        return;
    touchBarWired = true;
    QPointer<BreakWindowController> weak(this);
    auto unlocked = [weak] { return weak && weak->content.view()->passcodeView->isHidden(); };
    touchBar->setActions(
        [weak, unlocked] {
            if (unlocked())
                weak->content.clickedStopTimerButton();
        },
        [weak, unlocked] {
            if (unlocked())
                weak->content.clickedNextTimerButton();
        });
    disposeBag += content.backToWorkButtonContainerIsHidden.subscribe(
        [this](bool hidden) { this->touchBar->setNextHidden(hidden); });
}
