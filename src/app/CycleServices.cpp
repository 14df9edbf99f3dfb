#include "CycleServices.h"

#include "cycle/AwayDetector.h"
#include "cycle/DailyGoal.h"
#include "cycle/ShortcutActions.h"
#include "shortcuts/ShortcutBinder.h"

CycleServices::CycleServices(CycleControllerDependencies dependencies, bool darkMode) : deps(dependencies)
{
    controller = std::make_unique<CycleController>(std::move(dependencies));
    controller->isDarkMode.accept(darkMode);
    shortcutActions = std::make_unique<ShortcutActions>(*controller);
    goal = std::make_unique<DailyGoal>(*controller, *deps.tasks, *deps.preferences, *deps.clock,
                                       *deps.scheduler, *deps.notifications);
    goal->refresh();
}

CycleServices::~CycleServices()
{
    goal.reset();
    awayDetector.reset();
    binder.reset();
    shortcutActions.reset();
    controller.reset();
}

void CycleServices::registerShortcuts(GlobalShortcuts* shortcuts)
{
    if (!binder) {
        binder = std::make_unique<ShortcutBinder>(*deps.preferences, shortcuts);
        ShortcutActions* actions = shortcutActions.get();
        QObject::connect(binder.get(), &ShortcutBinder::startPomodoroPressed, controller.get(),
                         [actions] { actions->startPomodoroTriggered(); });
        QObject::connect(binder.get(), &ShortcutBinder::shortBreakPressed, controller.get(),
                         [actions] { actions->shortBreakTriggered(); });
        QObject::connect(binder.get(), &ShortcutBinder::pausePressed, controller.get(),
                         [actions] { actions->pauseTriggered(); });
    }
    binder->registerShortcuts();
}

void CycleServices::startAwayDetection(IdleMonitor* idle, Scheduler& scheduler,
                                       NotificationCenter& notifications, Presence* presence)
{
    awayDetector = std::make_unique<AwayDetector>(*controller, idle, *deps.preferences, scheduler,
                                                  *deps.clock, notifications, presence);
}
