#include "CycleServices.h"

#include "cycle/AwayDetector.h"
#include "cycle/DailyGoal.h"
#include "shortcuts/ShortcutBinder.h"

CycleServices::CycleServices(MRAppDependencies dependencies, bool darkMode) : deps(dependencies)
{
    mrApp = std::make_unique<MRApp>(std::move(dependencies));
    mrApp->isDarkMode.accept(darkMode);
    goal = std::make_unique<DailyGoal>(*mrApp, *deps.tasks, *deps.preferences, *deps.clock, *deps.scheduler,
                                       *deps.notifications);
    goal->refresh();
}

CycleServices::~CycleServices()
{
    goal.reset();
    awayDetector.reset();
    binder.reset();
    mrApp.reset();
}

void CycleServices::registerShortcuts(GlobalShortcuts* shortcuts)
{
    if (!binder) {
        binder = std::make_unique<ShortcutBinder>(*deps.preferences, shortcuts);
        QObject::connect(binder.get(), &ShortcutBinder::startPomodoroPressed, mrApp.get(),
                         &MRApp::startPomodoroShortcutTriggered);
        QObject::connect(binder.get(), &ShortcutBinder::shortBreakPressed, mrApp.get(),
                         &MRApp::shortBreakShortcutTriggered);
        QObject::connect(binder.get(), &ShortcutBinder::pausePressed, mrApp.get(),
                         &MRApp::pauseShortcutTriggered);
    }
    binder->registerShortcuts();
}

void CycleServices::startAwayDetection(IdleMonitor* idle, Scheduler& scheduler,
                                       NotificationCenter& notifications, Presence* presence)
{
    awayDetector = std::make_unique<AwayDetector>(*mrApp, idle, *deps.preferences, scheduler, *deps.clock,
                                                  notifications, presence);
}
