#include "statusitem/TrayIcon.h"

#include "cycle/CycleController.h"
#include "cycle/StatusText.h"
#include "diagnostics/Log.h"
#include "widgets/Localizable.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QSystemTrayIcon>

namespace {
QAction* addItem(QMenu& menu, const QString& title, const QKeySequence& key, std::function<void()> action)
{
    QAction* item = menu.addAction(title);
    if (!key.isEmpty()) {
        item->setShortcut(key);
        item->setShortcutVisibleInContextMenu(true);
    }
    QObject::connect(item, &QAction::triggered, &menu, [action = std::move(action)] {
        if (action)
            action();
    });
    return item;
}
} // namespace

TrayIcon::TrayIcon(CycleController& app, Countdown& timer, Preferences& preferences, QObject* parent)
    : QObject(parent), app(app), model(app, timer, preferences), menuWidget(std::make_unique<QMenu>()),
      statusItem(std::make_unique<QSystemTrayIcon>())
{
    statusItem->setToolTip(QStringLiteral("Mirelo"));
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::setupMenu(StatusMenuCommands commands)
{
    QMenu& menu = *menuWidget;
    menu.clear();
    // No key is shown beside an item: none of them is bound outside this menu, and the global
    // shortcuts live in the Advanced pane.
    QPointer<CycleController> target(&app);
    auto on = [target](void (CycleController::*method)()) {
        return [target, method] {
            if (target)
                (target.data()->*method)();
        };
    };
    pomodoroItem =
        addItem(menu, Localizable::text("Start Pomodoro"), {}, on(&CycleController::startPomodoro));
    shortBreakItem = addItem(menu, Localizable::text("Short Break"), {}, on(&CycleController::shortBreak));
    longBreakItem = addItem(menu, Localizable::text("Long Break"), {}, on(&CycleController::longBreak));
    stopPomodoroItem =
        addItem(menu, model.stopPomodoroItemTitle.value(), {}, on(&CycleController::stopPomodoro));
    pauseItem = addItem(menu, Localizable::text("Pause"), {}, [target] {
        if (target)
            target->pausePomodoro();
    });
    resumeItem = addItem(menu, Localizable::text("Resume"), {}, [target] {
        if (target)
            target->resumePomodoro();
    });
    stopShortBreakItem =
        addItem(menu, Localizable::text("Stop Short Break"), {}, on(&CycleController::stopBreak));
    stopLongBreakItem =
        addItem(menu, Localizable::text("Stop Long Break"), {}, on(&CycleController::stopBreak));
    // A break that ran out may still cover the screens (locked, when the passcode is on).
    closeBreakScreenItem = addItem(menu, Localizable::text("Close the Break Screen"), {}, [target] {
        if (target)
            target->closeBackToWorkScreen();
    });
    menu.addSeparator();
    addItem(menu, Localizable::text("Statistics…"), {}, commands.showStatistics);
    addItem(menu, Localizable::text("Preferences…"), {}, commands.showPreferences);
    menu.addSeparator();
    addItem(menu, Localizable::text("Check for Updates…"), {}, commands.checkForUpdates);
    menu.addSeparator();
    menu.addSeparator();
    addItem(menu, Localizable::text("Send suggestion…"), {}, commands.sendFeedback);
    addItem(menu, Localizable::text("Rate us on the App Store…"), {}, commands.rateUs);
    // The release stage is part of the version, which About shows; a menu names the window.
    addItem(menu, Localizable::text("About Mirelo"), {}, commands.showAbout);
    menu.addSeparator();
    addItem(menu, Localizable::text("Quit"), {}, commands.terminate);

    disposeBag.clear();
    disposeBag += model.iconImage.subscribe([this](const QImage& image) {
        // The pie is redrawn every second but changes only every few; an unchanged icon would
        // still make the tray repaint, waking the process and the panel for nothing.
        if (!shownIcon.isNull() && image == shownIcon)
            return;
        shownIcon = image;
        statusItem->setIcon(QIcon(QPixmap::fromImage(image)));
    });
    disposeBag += model.statusItemTitle.subscribe([this](const QString&) { updateToolTip(); });
    disposeBag += app.breakHold().heldBy.subscribe([this](const QString&) {
        updateToolTip();
        updatePauseItems();
    });
    disposeBag += app.isPaused.subscribe([this](bool) {
        updateToolTip();
        updatePauseItems();
    });
    disposeBag +=
        model.statusItemAttrTitle.subscribe([this](const std::optional<QString>&) { updateToolTip(); });
    disposeBag += model.stopPomodoroItemTitle.subscribe(
        [this](const QString& title) { stopPomodoroItem->setText(title); });
    disposeBag += app.state.subscribe([this](CycleState state) {
        pomodoroItem->setVisible(state == CycleState::idle);
        shortBreakItem->setVisible(state == CycleState::idle);
        longBreakItem->setVisible(state == CycleState::idle);
        stopPomodoroItem->setVisible(state == CycleState::working);
        stopShortBreakItem->setVisible(state == CycleState::shortBreak);
        stopLongBreakItem->setVisible(state == CycleState::longBreak);
        updatePauseItems();
        closeBreakScreenItem->setVisible(state == CycleState::idle && this->app.backToWorkShowing.value());
    });
    disposeBag += app.backToWorkShowing.subscribe([this](bool showing) {
        closeBreakScreenItem->setVisible(showing && app.state.value() == CycleState::idle);
    });
    statusItem->setContextMenu(&menu);
    // A left click opens the same menu, as a menu-bar item would.
    connect(statusItem.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    menuWidget->popup(QCursor::pos());
            });
    statusItem->show();
}

void TrayIcon::updatePauseItems()
{
    // A break is not paused, and neither is a Pomodoro whose break already waits for a call.
    const bool working = app.state.value() == CycleState::working && !app.isBreakHeld();
    pauseItem->setVisible(working && !app.isPaused.value());
    resumeItem->setVisible(working && app.isPaused.value());
}

void TrayIcon::followDailyGoal(BehaviorRelay<FocusHistory::GoalStatus>& status)
{
    goalSubscription = status.subscribe([this](const FocusHistory::GoalStatus& now) {
        goal = now;
        updateToolTip();
    });
}

QString TrayIcon::toolTip() const
{
    if (goal.goal <= 0)
        return stateToolTip();
    //: The day's Pomodoros against the daily goal, e.g. "5 of 8 today".
    return stateToolTip() + QLatin1Char('\n') + tr("%1 of %n today", nullptr, goal.goal).arg(goal.today);
}

QString TrayIcon::stateToolTip() const
{
    // The program's name, then the state in the words a status bar uses.
    QString state = QStringLiteral("idle");
    if (app.isBreakHeld())
        state = QStringLiteral("held");
    else if (app.isPaused.value())
        state = QStringLiteral("paused");
    else if (app.state.value() != CycleState::idle)
        state = appStateName(app.state.value());
    return QStringLiteral("Mirelo\n") +
           StatusText::sentence(state, app.isBreakHeld() ? app.breakHold().heldBy.value() : QString(),
                                TrayIconViewModel::countdownText(model.timerSecondsLeft()));
}

bool TrayIcon::watchForTray()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::trayMayHaveAppeared()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    LOG_INFO(QStringLiteral("A system tray appeared: showing the icon."));
    // Shown again, so that the icon docks into the new tray.
    statusItem->hide();
    statusItem->show();
}

void TrayIcon::updateToolTip()
{
    statusItem->setToolTip(toolTip());
}
