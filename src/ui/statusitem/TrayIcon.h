#pragma once

#include "reactive/DisposeBag.h"
#include "records/FocusHistory.h"
#include "statusitem/TrayIconViewModel.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;

// The commands the menu reaches besides the timer's own.
struct StatusMenuCommands
{
    std::function<void()> showStatistics;
    std::function<void()> showPreferences;
    std::function<void()> checkForUpdates;
    std::function<void()> sendFeedback;
    std::function<void()> rateUs;
    std::function<void()> showAbout;
    std::function<void()> terminate;
};

// The tray icon and its menu. The countdown goes to the tooltip: no tray shows a text label.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    TrayIcon(CycleController& app, Countdown& timer, Preferences& preferences, QObject* parent = nullptr);
    ~TrayIcon() override;

    void setupMenu(StatusMenuCommands commands);

    TrayIconViewModel& viewModel() { return model; }
    QSystemTrayIcon* trayIcon() const { return statusItem.get(); }
    QMenu* menu() const { return menuWidget.get(); }

    QAction* pomodoroItem = nullptr;
    QAction* shortBreakItem = nullptr;
    QAction* longBreakItem = nullptr;
    QAction* stopPomodoroItem = nullptr;
    QAction* pauseItem = nullptr;
    QAction* resumeItem = nullptr;
    QAction* stopShortBreakItem = nullptr;
    QAction* stopLongBreakItem = nullptr;
    QAction* closeBreakScreenItem = nullptr;

    // The tooltip: the countdown when shown, else the application's name; and the day's progress
    // towards the daily goal when there is one ("5 of 8 today").
    QString toolTip() const;
    void followDailyGoal(BehaviorRelay<FocusHistory::GoalStatus>& status);

    // False when no tray is there to show the icon.
    bool watchForTray();
    // A tray may have appeared (an XEmbed tray took its selection, a StatusNotifierItem watcher
    // took its name): Qt does not notice by itself, so the icon is shown again where there is one.
    void trayMayHaveAppeared();

private:
    void updateToolTip();
    void updatePauseItems();
    QString stateToolTip() const;

    CycleController& app;
    TrayIconViewModel model;
    QImage shownIcon;
    FocusHistory::GoalStatus goal;
    Subscription goalSubscription;
    std::unique_ptr<QMenu> menuWidget;
    std::unique_ptr<QSystemTrayIcon> statusItem;
    DisposeBag disposeBag;
};
