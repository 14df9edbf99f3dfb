#pragma once

#include "cycle/CycleController.h"

#include <memory>

class AwayDetector;
class DailyGoal;
class GlobalShortcuts;
class IdleMonitor;
class Presence;
class ShortcutActions;
class ShortcutBinder;

// The Pomodoro cycle: the controller, the global shortcuts that drive it, the away detection
// that stops it while nobody is there and the daily goal that counts its Pomodoros.
class CycleServices
{
public:
    CycleServices(CycleControllerDependencies dependencies, bool darkMode);
    ~CycleServices();

    CycleController& app() const { return *controller; }
    // None before registerShortcuts().
    ShortcutBinder* shortcutBinder() const { return binder.get(); }
    DailyGoal& dailyGoal() const { return *goal; }

    // Binds the two stored shortcuts to their actions.
    void registerShortcuts(GlobalShortcuts* shortcuts);
    void startAwayDetection(IdleMonitor* idle, Scheduler& scheduler, NotificationCenter& notifications,
                            Presence* presence = nullptr);

private:
    CycleControllerDependencies deps;
    std::unique_ptr<CycleController> controller;
    std::unique_ptr<ShortcutActions> shortcutActions;
    std::unique_ptr<ShortcutBinder> binder;
    // Subscribed to the controller's state: goes before it.
    std::unique_ptr<AwayDetector> awayDetector;
    std::unique_ptr<DailyGoal> goal;
};
