#include "break/QtBreakWindows.h"

#include "break/BackgroundWindow.h"
#include "break/BorderlessWindow.h"
#include "break/BreakView.h"
#include "break/BreakViewController.h"
#include "break/BreakViewPopover.h"
#include "break/BreakWindowController.h"
#include "cycle/CycleController.h"
#include "diagnostics/Log.h"
#include "timer/Countdown.h"
#include "widgets/ImageView.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

QtBreakWindows::QtBreakWindows(Services services, QObject* parent)
    : QObject(parent), services(std::move(services))
{
    baseTheme = this->services.theme;
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &QtBreakWindows::screenAdded);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &QtBreakWindows::screenRemoved);
}

QtBreakWindows::~QtBreakWindows()
{
    windows.clear();
    windowController.reset();
    viewController.reset();
}

void QtBreakWindows::attach(CycleController& app)
{
    if (viewController)
        return;
    BreakViewEnvironment environment;
    environment.preferences = services.preferences;
    environment.clock = services.clock;
    environment.state = &app.state;
    environment.remainingSeconds = &services.timer->currentTime;
    environment.isDarkMode = &app.isDarkMode;
    QPointer<CycleController> weakApp(&app);
    environment.shouldShowPostpone = [weakApp] { return weakApp && weakApp->shouldShowPostpone(); };
    environment.theme = &services.theme;
    environment.sound = services.sound;
    environment.content = services.content;
    environment.scheduler = services.scheduler;
    environment.biometrics = services.biometrics;
    viewController = std::make_unique<BreakViewController>(std::move(environment));
    viewController->didClickNextTimerHandler = [this] {
        if (handlers.didClickNextTimerHandler)
            handlers.didClickNextTimerHandler();
    };
    viewController->didClickCloseTimerHandler = [this] {
        if (handlers.didClickCloseTimerHandler)
            handlers.didClickCloseTimerHandler();
    };
    viewController->didClickStopTimerHandler = [this](StopTimerEvent event) {
        if (handlers.didClickStopTimerHandler)
            handlers.didClickStopTimerHandler(event);
    };
    windowController =
        std::make_unique<BreakWindowController>(*viewController, services.hints, services.touchBar);
    connect(&app, &CycleController::stopBreakShortcutTriggered, viewController.get(),
            &BreakViewController::stopBreakShortcutTriggered);
}

QScreen* QtBreakWindows::screenFor(const BreakScreen& screen)
{
    const QList<QScreen*> all = QGuiApplication::screens();
    for (QScreen* candidate : all) {
        if (candidate->name() == screen.name && candidate->geometry() == screen.frame)
            return candidate;
    }
    for (QScreen* candidate : all) {
        if (candidate->geometry() == screen.frame)
            return candidate;
    }
    return nullptr;
}

void QtBreakWindows::setHighContrast(bool high)
{
    services.theme = baseTheme;
    if (high) {
        services.theme.maskViewBgColor.setAlphaF(0.9f);
        services.theme.backToWorkMaskViewBgColor.setAlphaF(0.92f);
        services.theme.stopButtonLabelColor = Qt::white;
        services.theme.backToWorkButtonsLabelColor = Qt::white;
    }
    if (viewController)
        viewController->applyButtonStyles();
}

std::vector<BreakScreen> QtBreakWindows::screens() const
{
    std::vector<BreakScreen> list;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (QScreen* screen : QGuiApplication::screens())
        list.push_back({screen->name(), screen->geometry(), screen->devicePixelRatio(), screen == primary});
    return list;
}

void QtBreakWindows::showMain(const BreakScreen& screen, const QImage& image, const QString& wallpaperHash)
{
    if (!windowController) {
        LOG_ERROR(QStringLiteral("No break window: the overlay is not attached."));
        return;
    }
    windowController->show(screenFor(screen));
    viewController->prepareBreak(image, wallpaperHash);
}

void QtBreakWindows::clearBackgroundWindows()
{
    for (const auto& window : windows)
        window->orderOut();
    windows.clear();
}

void QtBreakWindows::showBackground(const BreakScreen& screen, const QImage& image)
{
    QScreen* target = screenFor(screen);
    if (!target) {
        LOG_WARNING(QStringLiteral("Screen gone before its break window: ") + screen.name);
        return;
    }
    windows.push_back(
        std::make_unique<BackgroundWindow>(target, image, services.theme.maskViewBgColor, services.hints));
    showBackgroundWindow();
}

void QtBreakWindows::showBackgroundWindow()
{
    // A compositor that gives the keyboard to every new window (Mutter, KWin: Wayland has no
    // window that refuses it) gives it to a background window too; the overlay answers the
    // keys, so it asks for them back.
    windows.back()->window()->didBecomeKey = [this] {
        if (!breakShowing())
            return;
        LOG_INFO(
            QStringLiteral("Break: a background window got the keyboard; asking for it for the overlay."));
        // After the toolkit has finished with the window that just got the keyboard.
        QTimer::singleShot(0, windowController->window(), [this] {
            if (breakShowing())
                windowController->window()->activateWindow();
        });
    };
    windows.back()->show();
}

void QtBreakWindows::hideAll()
{
    clearBackgroundWindows();
    if (viewController) {
        if (BreakViewPopover* popover = viewController->openPopover())
            popover->close();
    }
    if (windowController)
        windowController->window()->hide();
    if (viewController)
        viewController->breakWindowHidden();
}

void QtBreakWindows::breakDidEnd()
{
    if (viewController)
        viewController->breakDidEnd();
}

void QtBreakWindows::setHandlers(BreakHandlers installed)
{
    handlers = std::move(installed);
}

bool QtBreakWindows::breakShowing() const
{
    return windowController && windowController->window()->isVisible();
}

void QtBreakWindows::screenAdded(QScreen* screen)
{
    if (!breakShowing())
        return;
    LOG_INFO(QStringLiteral("Screen added during a break: ") + screen->name());
    // The new screen gets the main screen's picture: scaled to fill, under the same mask.
    const ImageView* picture = viewController->view()->imgBgView;
    windows.push_back(std::make_unique<BackgroundWindow>(
        screen, picture->image(),
        picture->imageIsTinted() ? QColor(Qt::transparent) : services.theme.maskViewBgColor, services.hints));
    showBackgroundWindow();
}

void QtBreakWindows::screenRemoved(QScreen* screen)
{
    std::erase_if(windows, [screen](const std::unique_ptr<BackgroundWindow>& window) {
        if (window->screen() != screen)
            return false;
        window->orderOut();
        return true;
    });
    if (!breakShowing() || windowController->shownOn() != screen)
        return;
    // The main screen went away: the overlay moves to the new main screen, which may have had
    // a background window of its own.
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary || primary == screen)
        return;
    LOG_INFO(QStringLiteral("Main break screen removed; moving the overlay to ") + primary->name());
    std::erase_if(windows, [primary](const std::unique_ptr<BackgroundWindow>& window) {
        if (window->screen() != primary)
            return false;
        window->orderOut();
        return true;
    });
    windowController->show(primary);
}
