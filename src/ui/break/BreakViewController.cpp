#include "break/BreakViewController.h"

#include "break/BreakView.h"
#include "break/BreakViewPopover.h"
#include "break/PasscodeLock.h"
#include "break/PasscodeView.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "timer/Clock.h"
#include "timer/EventSound.h"
#include "widgets/ChromeService.h"
#include "widgets/CountdownLabel.h"
#include "widgets/Localizable.h"
#include "widgets/MRImageView.h"
#include "widgets/MRView.h"
#include "widgets/OverlayFonts.h"
#include "widgets/QLButton.h"
#include "widgets/QLTextField.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
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
    if (env.scheduler)
        passcodeLock = std::make_unique<PasscodeLock>(*this, *env.preferences, *env.scheduler, env.biometrics);
    bindViews();
}

BreakViewController::~BreakViewController()
{
    passcodeLock.reset();
    quoteBinding.dispose();
    disposeBag.clear();
    // The root view belongs to the window once placed in one.
    if (root && !root->parent())
        delete root;
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
        root->passcodeView->titleLabel->setText(Localizable::text(showing ? "Unlock with Touch ID" : "Passcode"));
    });
    disposeBag +=
        model->timeString.subscribe([this](const QString& text) { root->timeLabel->setText(text); });
    disposeBag += model->titleLabelHidden.subscribe([this](bool hidden) {
        root->titleLabel->setHidden(hidden);
        root->layoutContent();
    });
    disposeBag +=
        model->titleString.subscribe([this](const QString& text) { root->titleLabel->setText(text); });
    disposeBag += model->quoteString.subscribe([this](const std::optional<QString>& quote) {
        if (!quote) {
            if (quoteField)
                delete quoteField.data();
            quoteBinding.dispose();
            root->setQuoteShowing(false);
            return;
        }
        // Never inside the notification: the layout runs from the event loop.
        QTimer::singleShot(0, this, [this, text = *quote] { setQuote(text); });
    });
    applyButtonStyles();

    connect(root, &BreakView::frameChanged, this, [this] { relayoutQuote(); });
    QPointer<BreakViewController> weak(this);
    root->didPressKeyBlock = [weak](int key, const QString& text) {
        if (weak)
            weak->keyPressed(key, text);
    };
    connect(root->stopTimerButton, &QLButton::clicked, this, [this] { clickedStopTimerButton(); });
    connect(root->backToWorkCloseButton, &QLButton::clicked, this, [this] { clickedCloseTimerButton(); });
    connect(root->backToWorkNextButton, &QLButton::clicked, this, [this] { clickedNextTimerButton(); });
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
    if (passcodeLock)
        passcodeLock->cancel();
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
    applyButtonStyles();
    root->stopTimerButton->setHidden(env.preferences->boolValue(PreferKey::noCancellationDuringTheBreak));
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
        track(MREvent::playSound, {{QStringLiteral("for"), QStringLiteral("breakEnd")},
                                   {QStringLiteral("name"), QStringLiteral("Glass")}});
        if (env.sound)
            env.sound->play(QStringLiteral("Glass"));
    }
    if (BreakContent::quotesEnabled(*env.preferences)) {
        root->titleLabel->show();
        if (quoteField)
            quoteField->hide();
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
    if (didUnlock) {
        LOG_INFO(QStringLiteral("did unlock"));
        return;
    }
    const std::optional<QString> passcode = UserDefaults::passcodeForBreakviewUnlocking(*env.preferences);
    if (!passcode || !passcodeLock)
        return;
    passcodeLock->showPasscodeWindow(*passcode, env.preferences->intValue(PreferKey::PasscodeTimeOut), {});
}

void BreakViewController::breakWindowHidden()
{
    if (passcodeLock)
        passcodeLock->cancel();
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
        track(MREvent::willShowTopOptions);
        if (popover)
            popover->close();
        const bool postpone = env.shouldShowPostpone && env.shouldShowPostpone();
        // In the back-to-work state the Stop row is hidden; the popover points at Close and Next.
        QWidget* anchor = root->stopTimerButton->isVisibleTo(root)
                              ? static_cast<QWidget*>(root->stopTimerButton)
                              : root->backToWorkButtonContainer;
        popover =
            new BreakViewPopover(root->window(), env.isDarkMode->value(), postpone, popoverCover(anchor));
        track(MREvent::breakPopoverShow);
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

QSize BreakViewController::popoverCover(QWidget* anchor) const
{
    // The title and the countdown above the anchor: the popover hides them whole.
    const double s = BreakView::scaleFor(root->size());
    const int margin = int(std::lround(16 * s));
    const int anchorTop = anchor->mapTo(root, QPoint(0, 0)).y();
    int top = anchorTop;
    int width = 0;
    for (QWidget* label : {static_cast<QWidget*>(root->titleLabel), static_cast<QWidget*>(root->timeLabel)}) {
        if (!label->isVisibleTo(root))
            continue;
        const QRect area(label->mapTo(root, QPoint(0, 0)), label->size());
        top = std::min(top, area.top());
    }
    if (root->titleLabel->isVisibleTo(root))
        width = root->titleLabel->fontMetrics().horizontalAdvance(root->titleLabel->text());
    if (root->timeLabel->isVisibleTo(root))
        width = std::max(width, root->timeLabel->textWidth());
    return QSize(width + 2 * margin, std::max(0, anchorTop - top));
}

void BreakViewController::stopBreakShortcutTriggered()
{
    clickedStopTimerButton();
}

void BreakViewController::handlePopoverButton(PopoverButton button)
{
    track(MREvent::breakStopPopover, {{QStringLiteral("type"), popoverButtonName(button)}});
    if (const std::optional<StopTimerEvent> event = BreakOptions::stopEvent(button))
        stopTimerOrShowPasscode(*event);
    else
        LOG_INFO(QStringLiteral("Cancelled."));
}

void BreakViewController::stopTimerOrShowPasscode(StopTimerEvent event)
{
    const std::optional<QString> passcode = UserDefaults::passcodeForBreakviewUnlocking(*env.preferences);
    if (!passcode || didUnlock || !passcodeLock) {
        runStopHandler(event);
        return;
    }
    // The lock's delay ("PasscodeTimeOut") only gives time at the break's end; a stop request
    // during the countdown asks for the passcode at once, so that Stop always does something.
    LOG_INFO(QStringLiteral("Will show passcode instead."));
    QPointer<BreakViewController> weak(this);
    passcodeLock->showPasscodeWindow(*passcode, 0, [weak, event] {
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
    if (!root->isVisible() || dismissing)
        return;
    if (passcodeViewVisible()) {
        if (passcodeLock)
            passcodeLock->gotKey(key, text);
        return;
    }
    // The countdown ignores every key: only the back-to-work screen answers.
    if (root->backToWorkButtonContainer->isHidden())
        return;
    if (key == Qt::Key_Escape)
        clickedStopTimerButton();
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        clickedNextTimerButton();
}

bool BreakViewController::passcodeViewVisible() const
{
    return !root->passcodeView->isHidden();
}

void BreakViewController::relayoutQuote()
{
    // The back-to-work screen has no quote: a resize must not bring it back over the title.
    if (!backToWorkButtonContainerIsHidden.value())
        return;
    const std::optional<QString>& quote = model->quoteString.value();
    if (quote && BreakContent::quotesEnabled(*env.preferences))
        setQuote(*quote);
}

void BreakViewController::setQuote(const QString& quote)
{
    if (quoteField)
        delete quoteField.data();
    quoteBinding.dispose();

    auto* field = new QLTextField(root);
    quoteField = field;
    field->setTextColor(Qt::white);
    field->setMaximumNumberOfLines(20);
    field->setIgnoreMouseEvents(true);
    quoteBinding = model->quoteHidden.subscribe([this, field](bool hidden) {
        // Never over "Back to work!", whatever the quote source becomes meanwhile.
        const bool showing = !hidden && backToWorkButtonContainerIsHidden.value();
        field->setHidden(!showing);
        root->setQuoteShowing(showing);
    });
    field->setFont(OverlayFonts::light(44));
    // Above the wallpaper and mask, below the lock.
    field->stackUnder(root->passcodeView);

    const double W = root->width(), H = root->height();
    double estimate = 0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        field->setText(quote);
        estimate = field->heightForText(0.8 * screen->geometry().width());
        field->setText(QString());
    }
    const int x = int(std::floor(0.1 * W));
    const int width = int(std::floor(0.8 * W));
    // The layout of the quote is described from the bottom edge up; Qt counts from the top.
    const double firstHeight = std::max(0.0, std::min(0.5 * H - 30, estimate));
    field->setGeometry(x, int(std::lround(H - (0.5 * H + 20) - firstHeight)), width,
                       int(std::lround(firstHeight)));
    field->setText(quote);

    const double maxH = std::max(0.0, 0.5 * H - 50);
    const double h = field->renderHeight(maxH);
    const double bottom = maxH + (maxH - h) * 0.5 + 10;
    field->setGeometry(x, int(std::lround(H - bottom - h)), width, int(std::ceil(h)));
    ChromeService::move(field, QPoint(0, 20), QPoint(0, 0), 0.6);
}
