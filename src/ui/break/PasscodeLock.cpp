#include "break/PasscodeLock.h"

#include "auth/Biometrics.h"
#include "break/BreakView.h"
#include "break/PasscodeView.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "widgets/DrawnButton.h"
#include "widgets/Localizable.h"
#include "widgets/WrappingTextField.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QWindow>

using namespace std::chrono_literals;

PasscodeLock::PasscodeLock(BreakViewController& controller, Preferences& preferences, Scheduler& scheduler,
                           Biometrics* biometrics)
    : controller(controller), preferences(preferences), scheduler(scheduler), biometrics(biometrics)
{}

PasscodeLock::~PasscodeLock()
{
    scheduler.cancel(pending);
    if (biometrics)
        biometrics->invalidate();
}

bool PasscodeLock::isLocked() const
{
    return !controller.view()->passcodeView->isHidden();
}

void PasscodeLock::showPasscodeWindow(const QString& passcode, int delaySeconds,
                                      std::function<void()> completion)
{
    if (delaySeconds < 1) {
        lockStep(passcode, std::move(completion));
        return;
    }
    scheduler.cancel(pending);
    QPointer<PasscodeLock> weak(this);
    const quint64 scheduledFor = generation;
    pending =
        scheduler.schedule(std::chrono::seconds(delaySeconds), [weak, scheduledFor, passcode, completion] {
            // Dismissed or replaced by another break meanwhile: this lock belongs to no window.
            if (!weak || weak->generation != scheduledFor)
                return;
            weak->pending = 0;
            weak->lockStep(passcode, completion);
        });
}

void PasscodeLock::lockStep(const QString& passcode, std::function<void()> completion)
{
    track(UsageEvent::ShowPasscode);
    if (controller.didUnlock) {
        LOG_INFO(QStringLiteral("did unlock"));
        return;
    }
    if (isLocked()) {
        LOG_INFO(QStringLiteral("Passcode view already showing"));
        return;
    }
    BreakView* root = controller.view();
    if (!root->window()->isVisible()) {
        LOG_INFO(QStringLiteral("No break window on screen: no passcode to show."));
        return;
    }
    ++generation;
    root->containerView->hide();
    if (WrappingTextField* quote = controller.quoteTextView())
        quote->hide();
    root->passcodeView->titleLabel->setText(Localizable::text("Passcode"));
    root->passcodeView->reset();
    root->passcodeView->show();
    root->passcodeView->raise();
    grabKeyboard(true);
    lockCompletion = std::make_shared<std::function<void()>>(std::move(completion));
    root->passcodeView->setDismissable(dismissable());
    QObject::disconnect(cancelConnection);
    cancelConnection =
        connect(root->passcodeView->cancelButton, &DrawnButton::clicked, this, [this] { dismiss(); });
    showTouchIDIfNeeded();

    QPointer<PasscodeLock> weak(this);
    root->passcodeView->didFailedBlock = [](PasscodeViewError error) {
        LOG_ERROR(QStringLiteral("Passcode failed. err: ") + QString::number(int(error)));
        track(UsageEvent::PasscodeFailed);
    };
    std::weak_ptr<std::function<void()>> once = lockCompletion;
    root->passcodeView->didFinishedBlock = [weak, passcode, once](const QString& typed) {
        if (!weak)
            return;
        if (md5(typed) == passcode) {
            if (auto completion = once.lock())
                weak->unlockAndComplete(completion.get());
            return;
        }
        track(UsageEvent::PasscodeNotMatched);
        weak->controller.view()->passcodeView->showWarning();
    };
}

void PasscodeLock::unlockAndComplete(std::function<void()>* completion)
{
    // Taken before it runs: a late fingerprint match after a typed unlock finds nothing.
    std::function<void()> run = completion ? std::move(*completion) : std::function<void()>();
    if (completion)
        *completion = nullptr;
    lockCompletion.reset();
    unlock();
    if (run)
        run();
}

void PasscodeLock::showTouchIDIfNeeded()
{
    if (!preferences.boolValue(PreferKey::TouchIDEnabled))
        return;
    if (!biometrics) {
        LOG_INFO(QStringLiteral("Can't show touch ID window. err: no fingerprint service"));
        track(UsageEvent::unlockWithTouchIDShow,
              {{QStringLiteral("ret"), QStringLiteral("false")},
               {QStringLiteral("err"), QStringLiteral("no fingerprint service")}});
        return;
    }
    biometrics->invalidate();
    LOG_INFO(QStringLiteral("Will show touch ID authendication window."));
    QPointer<PasscodeLock> weak(this);
    const quint64 shownFor = generation;
    std::weak_ptr<std::function<void()>> once = lockCompletion;
    Biometrics::Callbacks callbacks;
    callbacks.began = [weak, shownFor](bool started, const QString& error) {
        if (!weak || weak->generation != shownFor)
            return;
        if (!started) {
            LOG_INFO(QStringLiteral("Can't show touch ID window. err: ") + error);
            track(UsageEvent::unlockWithTouchIDShow,
                  {{QStringLiteral("ret"), QStringLiteral("false")}, {QStringLiteral("err"), error}});
            return;
        }
        track(UsageEvent::unlockWithTouchIDShow,
              {{QStringLiteral("ret"), QStringLiteral("true")},
               {QStringLiteral("policy"), QStringLiteral("biometricsOrWatch")}});
        weak->controller.viewModel().showingTouchID.accept(true);
    };
    callbacks.finished = [weak, shownFor, once](bool matched, const QString& error) {
        if (!weak || weak->generation != shownFor)
            return;
        weak->controller.viewModel().showingTouchID.accept(false);
        if (matched) {
            LOG_INFO(QStringLiteral("Unlocked with Touch ID."));
            track(UsageEvent::unlockWithTouchIDSuccess);
            if (auto completion = once.lock())
                weak->unlockAndComplete(completion.get());
            return;
        }
        if (error.isEmpty())
            LOG_INFO(QStringLiteral("Unlock with Touch ID failed."));
        else
            LOG_INFO(QStringLiteral("Unlock with Touch ID failed. err: ") + error);
        if (QWidget* window = weak->controller.view()->window(); window->isVisible()) {
            window->raise();
            window->activateWindow();
        }
        track(UsageEvent::unlockWithTouchIDFailed,
              {{QStringLiteral("err"), error.isEmpty() ? QStringLiteral("No error message") : error}});
    };
    biometrics->evaluate(std::move(callbacks));
}

void PasscodeLock::unlock()
{
    hidePasscode();
    controller.didUnlock = true;
}

void PasscodeLock::dismiss()
{
    if (!isLocked() || !dismissable())
        return;
    LOG_INFO(QStringLiteral("Passcode left: back to the countdown"));
    lockCompletion.reset();
    hidePasscode();
}

void PasscodeLock::hidePasscode()
{
    // This lock is over: an answer still on its way for it is dropped.
    ++generation;
    if (biometrics)
        biometrics->invalidate();
    controller.viewModel().showingTouchID.accept(false);
    BreakView* root = controller.view();
    root->containerView->show();
    // The quote comes back only while the break still counts down.
    if (WrappingTextField* quote = controller.quoteTextView();
        quote && !controller.viewModel().quoteHidden.value() &&
        controller.backToWorkButtonContainerIsHidden.value())
        quote->show();
    root->passcodeView->hide();
    grabKeyboard(false);
}

void PasscodeLock::gotKey(int key, const QString& text)
{
    if (!isLocked())
        return;
    if (key == Qt::Key_Escape) {
        dismiss();
        return;
    }
    controller.view()->passcodeView->gotKey(key, text);
}

void PasscodeLock::cancel()
{
    ++generation;
    scheduler.cancel(pending);
    pending = 0;
    lockCompletion.reset();
    if (biometrics)
        biometrics->invalidate();
    controller.viewModel().showingTouchID.accept(false);
    grabKeyboard(false);
}

void PasscodeLock::grabKeyboard(bool grab)
{
    QWidget* window = controller.view()->window();
    if (QWindow* handle = window->windowHandle()) {
        // Another program cannot take the keys from a locked break; X11 only, Wayland has no grab.
        if (!handle->setKeyboardGrabEnabled(grab && window->isVisible()) && grab)
            LOG_INFO(QStringLiteral("The keyboard could not be grabbed for the passcode."));
    }
}
