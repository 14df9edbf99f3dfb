#include "break/BreakViewController.h"

#include "break/BreakKeys.h"
#include "break/BreakQuoteLayout.h"
#include "break/BreakView.h"
#include "break/BreakViewPopover.h"
#include "break/PasscodeLock.h"
#include "break/PasscodeView.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"
#include "timer/EventSound.h"
#include "widgets/ChromeService.h"
#include "widgets/CountdownLabel.h"
#include "widgets/DrawnButton.h"
#include "widgets/ImageView.h"
#include "widgets/Localizable.h"
#include "widgets/PanelView.h"

#include <QLabel>
#include <QTimer>

#include <cmath>

namespace {

void setTextColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

} // namespace

BreakViewController::BreakViewController(BreakViewEnvironment environment, QObject* parent)
    : QObject(parent), env(std::move(environment))
{
    Q_ASSERT(env.preferences && env.clock && env.state && env.remainingSeconds && env.isDarkMode &&
             env.theme);
    root = new BreakView;
    model =
        std::make_unique<BreakViewModel>(*env.state, *env.remainingSeconds, *env.preferences, env.content);
    std::unique_ptr<BreakLock> passcodeLock;
    if (env.scheduler)
        passcodeLock =
            std::make_unique<PasscodeLock>(*this, *env.preferences, *env.scheduler, env.biometrics);
    lockRouter = std::make_unique<BreakLockRouter>(*env.preferences, std::move(passcodeLock));
    quoteLayout = std::make_unique<BreakQuoteLayout>(*root, *model, *env.preferences,
                                                     backToWorkButtonContainerIsHidden);
    bindViews();
}

BreakViewController::~BreakViewController()
{
    lockRouter.reset();
    quoteLayout.reset();
    disposeBag.clear();
    // The root view belongs to the window once placed in one.
    if (root && !root->parent())
        delete root;
}

WrappingTextField* BreakViewController::quoteTextView() const
{
    return quoteLayout->field();
}

BreakViewPopover* BreakViewController::openPopover() const
{
    return popover.data();
}

void BreakViewController::bindViews()
{
    disposeBag += model->showingTouchID.subscribe([this](bool showing) {
        root->fingerprintImgView->setHidden(!showing);
        root->passcodeView->imagesContainer->setHidden(showing);
        root->passcodeView->titleLabel->setText(
            showing ? Localizable::text("Unlock with Touch ID") : Localizable::text("Passcode"));
    });
    disposeBag += model->timeString.subscribe([this](const QString& text) {
        root->timeLabel->setText(text);
        root->passcodeView->setTimeLeft(text);
    });
    disposeBag += model->titleLabelHidden.subscribe([this](bool hidden) {
        root->titleLabel->setHidden(hidden);
        root->layoutContent();
    });
    disposeBag +=
        model->titleString.subscribe([this](const QString& text) { root->titleLabel->setText(text); });
    disposeBag += model->kindString.subscribe([this](const QString& text) {
        root->kindLabel->setText(text);
        root->kindLabel->setHidden(text.isEmpty());
        root->layoutContent();
    });
    disposeBag += model->quoteString.subscribe([this](const std::optional<QString>& quote) {
        if (!quote) {
            quoteLayout->remove();
            return;
        }
        // Never inside the notification: the layout runs from the event loop.
        QTimer::singleShot(0, this, [this, text = *quote] { setQuote(text); });
    });
    applyButtonStyles();

    connect(root, &BreakView::frameChanged, this, [this] { quoteLayout->relayout(); });
    QPointer<BreakViewController> weak(this);
    root->didPressKeyBlock = [weak](int key, const QString& text) {
        if (weak)
            weak->keyPressed(key, text);
    };
    connect(root->stopTimerButton, &DrawnButton::clicked, this, [this] { clickedStopTimerButton(); });
    connect(root->backToWorkCloseButton, &DrawnButton::clicked, this, [this] { clickedCloseTimerButton(); });
    connect(root->backToWorkNextButton, &DrawnButton::clicked, this, [this] { clickedNextTimerButton(); });
}

void BreakViewController::applyButtonStyles()
{
    const AppTheme& theme = *env.theme;
    root->stopTimerButton->setText(Localizable::text("Stop"));
    root->stopTimerButton->setTitleColor(theme.stopButtonLabelColor);
    root->stopTimerButton->setImage(theme.stopButtonImage);
    root->backToWorkCloseButton->setText(Localizable::text("Close"));
    root->backToWorkCloseButton->setTitleColor(theme.backToWorkButtonsLabelColor);
    root->backToWorkCloseButton->setImage(theme.closeButtonImage);
    root->backToWorkNextButton->setText(Localizable::text("Next"));
    root->backToWorkNextButton->setTitleColor(theme.backToWorkButtonsLabelColor);
    root->backToWorkNextButton->setImage(theme.nextButtonImage);
}

void BreakViewController::viewDidAppear()
{
    trackContentView(QStringLiteral("BreakViewController"));
    root->setFocus(Qt::ActiveWindowFocusReason);
    root->authorLabel->hide();
    root->setMaskColor(env.theme->maskViewBgColor);
    ChromeService::fadeIn(root, 0.6);
    ChromeService::move(root->containerView, QPoint(0, 20), QPoint(0, 0), 0.6);
}

void BreakViewController::prepareBreak(const QImage& image, const std::optional<QString>& wallpaperHash)
{
    if (BreakContent::quotesType(*env.preferences) == PreferQuotesType::quotesDesign &&
        env.content.fetchQuotesFromQuotesDesignIfNeed)
        env.content.fetchQuotesFromQuotesDesignIfNeed();
    if (env.content.refreshWallpapersIfDue)
        env.content.refreshWallpapersIfDue();
    // A lock still waiting from the last break never comes over this one.
    lockRouter->cancel();
    didUnlock = false;
    ++breakSerial;
    dismissing = false;

    root->countDownButtonContainer->show();
    root->backToWorkButtonContainer->hide();
    backToWorkButtonContainerIsHidden.accept(true);
    startedTime = env.clock->now().toSecsSinceEpoch();
    root->containerView->show();
    root->passcodeView->hide();
    root->imgBgView->setImage(image);

    std::optional<QString> author;
    if (wallpaperHash && !wallpaperHash->isEmpty() && env.content.photoAuthor)
        author = env.content.photoAuthor(*wallpaperHash);
    if (author) {
        root->authorLabel->setText(Localizable::text("photo by %@").replace(QStringLiteral("%@"), *author));
        QColor credit = env.theme->labelsColor;
        credit.setAlphaF(0.5f);
        setTextColor(root->authorLabel, credit);
        root->authorLabel->show();
    } else {
        root->authorLabel->hide();
    }

    root->timeLabel->setTextColor(env.theme->labelsColor);
    setTextColor(root->titleLabel, env.theme->labelsColor);
    QColor quiet = env.theme->labelsColor;
    quiet.setAlphaF(0.75f);
    setTextColor(root->kindLabel, quiet);
    setTextColor(root->noStopLabel, quiet);
    applyButtonStyles();
    const bool noCancellation = env.preferences->boolValue(PreferKey::noCancellationDuringTheBreak);
    root->stopTimerButton->setHidden(noCancellation);
    root->noStopLabel->setText(Localizable::text(
        "This break cannot be ended early: \"No cancellation during the break\" in Preferences › General."));
    root->noStopLabel->setHidden(!noCancellation);
    root->layoutContent();
}

void BreakViewController::breakDidEnd()
{
    // The screen changes under an open popover and the window comes to the front over it.
    if (popover)
        popover->close();
    if (QWidget* window = root->window(); window->isVisible()) {
        window->raise();
        window->activateWindow();
    }
    if (env.preferences->boolValue(PreferKey::SoundEffect)) {
        track(UsageEvent::playSound, {{QStringLiteral("for"), QStringLiteral("breakEnd")},
                                      {QStringLiteral("name"), QStringLiteral("Glass")}});
        if (env.sound)
            env.sound->play(QStringLiteral("Glass"));
    }
    if (BreakContent::quotesEnabled(*env.preferences)) {
        root->titleLabel->show();
        if (WrappingTextField* quote = quoteLayout->field())
            quote->hide();
        root->setQuoteShowing(false);
    }
    root->countDownButtonContainer->hide();
    root->backToWorkButtonContainer->show();
    backToWorkButtonContainerIsHidden.accept(false);
    root->layoutContent();
    showPasscodeIfNeeded();
}

void BreakViewController::showPasscodeIfNeeded()
{
    lockRouter->lockBreakEnd(didUnlock);
}

void BreakViewController::breakWindowHidden()
{
    lockRouter->cancel();
    root->passcodeView->hide();
}

void BreakViewController::clickedStopTimerButton()
{
    // The screen is on its way out, or locked: no choice is left to make on it.
    if (dismissing || passcodeViewVisible())
        return;
    switch (BreakOptions::stopRoute(*env.preferences)) {
    case BreakOptions::StopRoute::ignored:
        LOG_INFO(QStringLiteral("noCancellationDuringTheBreak is on: the break goes on."));
        return;
    case BreakOptions::StopRoute::showOptions: {
        track(UsageEvent::willShowTopOptions);
        if (popover)
            popover->close();
        const bool postpone = env.shouldShowPostpone && env.shouldShowPostpone();
        // In the back-to-work state the Stop row is hidden; the popover points at Close and Next.
        QWidget* anchor = root->stopTimerButton->isVisibleTo(root)
                              ? static_cast<QWidget*>(root->stopTimerButton)
                              : root->backToWorkButtonContainer;
        popover =
            new BreakViewPopover(root->window(), env.isDarkMode->value(), postpone, root->coverAbove(anchor));
        track(UsageEvent::breakPopoverShow);
        QPointer<BreakViewController> weak(this);
        popover->popoverDidClickButton = [weak](PopoverButton button) {
            if (weak)
                weak->handlePopoverButton(button);
        };
        popover->show(anchor);
        return;
    }
    case BreakOptions::StopRoute::stop:
        stopTimerOrShowPasscode(StopTimerEvent::noNewPomodoro);
        return;
    }
}

void BreakViewController::stopBreakShortcutTriggered()
{
    clickedStopTimerButton();
}

void BreakViewController::handlePopoverButton(PopoverButton button)
{
    track(UsageEvent::breakStopPopover, {{QStringLiteral("type"), popoverButtonName(button)}});
    if (const std::optional<StopTimerEvent> event = BreakOptions::stopEvent(button))
        stopTimerOrShowPasscode(*event);
    else
        LOG_INFO(QStringLiteral("Cancelled."));
}

void BreakViewController::stopTimerOrShowPasscode(StopTimerEvent event)
{
    QPointer<BreakViewController> weak(this);
    lockRouter->requestStop(didUnlock, [weak, event] {
        if (weak)
            weak->runStopHandler(event);
    });
}

void BreakViewController::runStopHandler(StopTimerEvent event)
{
    if (didClickStopTimerHandler)
        didClickStopTimerHandler(event);
}

void BreakViewController::clickedNextTimerButton()
{
    dismissAnimated([this] {
        if (didClickNextTimerHandler)
            didClickNextTimerHandler();
    });
}

void BreakViewController::clickedCloseTimerButton()
{
    dismissAnimated([this] {
        if (didClickCloseTimerHandler)
            didClickCloseTimerHandler();
    });
}

void BreakViewController::dismissAnimated(std::function<void()> completion)
{
    // One dismissal at a time: a second click would run its handler twice.
    if (dismissing)
        return;
    dismissing = true;
    QPointer<BreakViewController> weak(this);
    const quint64 serial = breakSerial;
    ChromeService::transaction(
        [this] {
            ChromeService::move(root->containerView, QPoint(0, 0), QPoint(0, 20), 0.4);
            ChromeService::fadeOut(root, 0.4);
        },
        [weak, serial, completion = std::move(completion)] {
            // A break that started meanwhile owns the window now.
            if (!weak || weak->breakSerial != serial)
                return;
            weak->dismissing = false;
            weak->root->window()->hide();
            weak->breakWindowHidden();
            completion();
        });
}

void BreakViewController::keyPressed(int key, const QString& text)
{
    switch (BreakKeys::route(key, *root, dismissing)) {
    case BreakKeys::Route::lock:
        lockRouter->gotKey(key, text);
        break;
    case BreakKeys::Route::close:
        clickedCloseTimerButton();
        break;
    case BreakKeys::Route::next:
        clickedNextTimerButton();
        break;
    case BreakKeys::Route::ignored:
        break;
    }
}

bool BreakViewController::passcodeViewVisible() const
{
    return !root->passcodeView->isHidden();
}

void BreakViewController::setQuote(const QString& quote)
{
    quoteLayout->show(quote);
}
