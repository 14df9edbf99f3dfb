#include "cycle/ShortcutActions.h"

#include "cycle/CycleController.h"

void ShortcutActions::startPomodoroTriggered()
{
    switch (controller.state.value()) {
    case CycleState::idle:
        controller.startPomodoro();
        break;
    case CycleState::working:
        controller.stopPomodoro();
        break;
    case CycleState::shortBreak:
    case CycleState::longBreak:
        break;
    }
}

void ShortcutActions::shortBreakTriggered()
{
    switch (controller.state.value()) {
    case CycleState::idle:
        controller.shortBreak();
        break;
    case CycleState::shortBreak:
    case CycleState::longBreak:
        Q_EMIT controller.stopBreakShortcutTriggered();
        break;
    case CycleState::working:
        break;
    }
}

void ShortcutActions::pauseTriggered()
{
    if (!controller.resumePomodoro())
        controller.pausePomodoro();
}
