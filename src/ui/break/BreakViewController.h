#pragma once

#include "break/BreakContent.h"
#include "break/BreakLockRouter.h"
#include "break/BreakViewModel.h"
#include "break/BreakViewPopover.h"
#include "cycle/BreakOptions.h"
#include "cycle/CycleState.h"
#include "reactive/BehaviorRelay.h"
#include "widgets/AppTheme.h"
#include "widgets/WrappingTextField.h"

#include <QImage>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class Biometrics;
class BreakQuoteLayout;
class BreakView;
class Scheduler;
class Clock;
class EventSound;
class Preferences;

// What the overlay reads from the rest of the program.
struct BreakViewEnvironment
{
    Preferences* preferences = nullptr;
    const Clock* clock = nullptr;
    BehaviorRelay<CycleState>* state = nullptr;
    BehaviorRelay<int>* remainingSeconds = nullptr;
    BehaviorRelay<bool>* isDarkMode = nullptr;
    std::function<bool()> shouldShowPostpone;
    const AppTheme* theme = nullptr;
    EventSound* sound = nullptr;
    BreakContent content;
    // Delays of the passcode lock; the fingerprint check, none where the machine has none.
    Scheduler* scheduler = nullptr;
    Biometrics* biometrics = nullptr;
};

// The content of the break window, one for the whole run: the wallpaper, the countdown, the
// title or quote and the Stop, Close and Next buttons. It never changes the timer itself; it
// reports the user's choices through the three handlers.
class BreakViewController : public QObject
{
    Q_OBJECT
public:
    explicit BreakViewController(BreakViewEnvironment environment, QObject* parent = nullptr);
    ~BreakViewController() override;

    BreakView* view() const { return root; }
    BreakViewModel& viewModel() { return *model; }
    WrappingTextField* quoteTextView() const;
    BreakViewPopover* openPopover() const;

    BehaviorRelay<bool> backToWorkButtonContainerIsHidden{true};
    std::function<void()> didClickNextTimerHandler;
    std::function<void()> didClickCloseTimerHandler;
    std::function<void(StopTimerEvent)> didClickStopTimerHandler;
    bool didUnlock = false;
    qint64 startedTime = 0;

    BreakLock* lock() const { return lockRouter->lock(); }

    // Each break, right after the window is shown.
    void prepareBreak(const QImage& image, const std::optional<QString>& wallpaperHash);
    // The break's countdown has ended: the back-to-work state.
    void breakDidEnd();
    // The view has appeared on screen (every break).
    void viewDidAppear();

    void clickedStopTimerButton();
    void clickedNextTimerButton();
    void clickedCloseTimerButton();
    // The short-break shortcut during a break: the same as Stop.
    void stopBreakShortcutTriggered();
    void stopTimerOrShowPasscode(StopTimerEvent event);
    void handlePopoverButton(PopoverButton button);
    void setQuote(const QString& quote);
    void keyPressed(int key, const QString& text = QString());
    void showPasscodeIfNeeded();
    // The break's windows went away (dismissal, a stop, a new Pomodoro): the lock lets go.
    void breakWindowHidden();

    // The buttons' labels and pictures from the theme.
    void applyButtonStyles();

private:
    void bindViews();
    void dismissAnimated(std::function<void()> completion);
    void runStopHandler(StopTimerEvent event);
    bool passcodeViewVisible() const;

    BreakViewEnvironment env;
    BreakView* root = nullptr;
    std::unique_ptr<BreakViewModel> model;
    std::unique_ptr<BreakQuoteLayout> quoteLayout;
    QPointer<BreakViewPopover> popover;
    std::unique_ptr<BreakLockRouter> lockRouter;
    // Counts breaks, so that a dismissal ending after a new break began leaves it alone.
    quint64 breakSerial = 0;
    bool dismissing = false;
    DisposeBag disposeBag;
};
