#include "automation/MRASCommands.h"

#include "cycle/MRApp.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "timer/MRTimer.h"

namespace {
void refuseWhileRunning()
{
    LOG_INFO(QStringLiteral("Timer is running, won't respond to this action."));
}
} // namespace

void MRASCommand::performDefaultImplementation()
{
    track(MREvent::WorkflowInvoked);
    LOG_INFO(QStringLiteral("Perform command: ") + className());
}

void MRStopTimerCommand::performDefaultImplementation()
{
    MRASCommand::performDefaultImplementation();
    track(MREvent::WorkflowStop);
    if (!timer.isRunning()) {
        LOG_INFO(QStringLiteral("Timer is not running, won't respond to this action."));
        return;
    }
    LOG_INFO(QStringLiteral("Will stop current timer."));
    switch (app.state.value()) {
    case MRAppState::shortBreak:
    case MRAppState::longBreak:
        LOG_INFO(QStringLiteral("Will stop break timer"));
        app.stopBreak();
        break;
    case MRAppState::working:
        LOG_INFO(QStringLiteral("Will stop Pomodoro timer"));
        app.stopPomodoro();
        break;
    case MRAppState::idle:
        LOG_ERROR(QStringLiteral("Other state."));
        break;
    }
    LOG_INFO(QStringLiteral("Timer stopped."));
}

void MRPomodoroCommand::performDefaultImplementation()
{
    MRASCommand::performDefaultImplementation();
    track(MREvent::WorkflowPomodoro);
    if (timer.isRunning()) {
        refuseWhileRunning();
        return;
    }
    LOG_INFO(QStringLiteral("Will start a Pomodoro timer."));
    app.startPomodoro();
}

void MRShortBreakCommand::performDefaultImplementation()
{
    MRASCommand::performDefaultImplementation();
    track(MREvent::WorkflowShortBreak);
    if (timer.isRunning()) {
        refuseWhileRunning();
        return;
    }
    app.shortBreak();
}

void MRLongBreakCommand::performDefaultImplementation()
{
    MRASCommand::performDefaultImplementation();
    track(MREvent::WorkflowLongBreak);
    if (timer.isRunning()) {
        refuseWhileRunning();
        return;
    }
    app.longBreak();
}
