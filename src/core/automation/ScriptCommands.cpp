#include "automation/ScriptCommands.h"

#include "cycle/CycleController.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "timer/Countdown.h"

bool ScriptCommand::timerRunning() const
{
    return app.isTimerRunning();
}

void ScriptCommand::refuse(const QString& logLine, const QString& reason)
{
    LOG_INFO(logLine);
    refusal = reason;
}

void ScriptCommand::performDefaultImplementation()
{
    refusal.clear();
    track(UsageEvent::WorkflowInvoked);
    LOG_INFO(QStringLiteral("Perform command: ") + className());
}

void StopTimerCommand::performDefaultImplementation()
{
    ScriptCommand::performDefaultImplementation();
    track(UsageEvent::WorkflowStop);
    if (!timerRunning()) {
        // A break that ran out may still show its back-to-work screen, locked or not.
        if (app.closeBackToWorkScreen()) {
            LOG_INFO(QStringLiteral("Timer stopped."));
            return;
        }
        refuse(QStringLiteral("Timer is not running, won't respond to this action."),
               ScriptCommand::tr("No timer is running."));
        return;
    }
    LOG_INFO(QStringLiteral("Will stop current timer."));
    switch (app.state.value()) {
    case CycleState::shortBreak:
    case CycleState::longBreak:
        LOG_INFO(QStringLiteral("Will stop break timer"));
        app.stopBreak();
        break;
    case CycleState::working:
        // Also a finished Pomodoro whose break is held: the hold is dropped with it.
        LOG_INFO(QStringLiteral("Will stop Pomodoro timer"));
        app.stopPomodoro();
        break;
    case CycleState::idle:
        LOG_ERROR(QStringLiteral("Other state."));
        break;
    }
    LOG_INFO(QStringLiteral("Timer stopped."));
}

void PomodoroCommand::performDefaultImplementation()
{
    ScriptCommand::performDefaultImplementation();
    track(UsageEvent::WorkflowPomodoro);
    if (timerRunning()) {
        refuse(QStringLiteral("Timer is running, won't respond to this action."),
               ScriptCommand::tr("A timer is running; stop it first with \"mirelo stop\"."));
        return;
    }
    LOG_INFO(QStringLiteral("Will start a Pomodoro timer."));
    app.startPomodoro();
}

void ShortBreakCommand::performDefaultImplementation()
{
    ScriptCommand::performDefaultImplementation();
    track(UsageEvent::WorkflowShortBreak);
    if (timerRunning()) {
        refuse(QStringLiteral("Timer is running, won't respond to this action."),
               ScriptCommand::tr("A timer is running; stop it first with \"mirelo stop\"."));
        return;
    }
    app.shortBreak();
}

void LongBreakCommand::performDefaultImplementation()
{
    ScriptCommand::performDefaultImplementation();
    track(UsageEvent::WorkflowLongBreak);
    if (timerRunning()) {
        refuse(QStringLiteral("Timer is running, won't respond to this action."),
               ScriptCommand::tr("A timer is running; stop it first with \"mirelo stop\"."));
        return;
    }
    app.longBreak();
}

void PauseCommand::performDefaultImplementation()
{
    ScriptCommand::performDefaultImplementation();
    if (app.isPaused.value()) {
        refuse(QStringLiteral("Already paused."), ScriptCommand::tr("The Pomodoro is already paused."));
        return;
    }
    if (!app.pausePomodoro())
        refuse(QStringLiteral("No Pomodoro to pause."),
               ScriptCommand::tr("No Pomodoro is running; breaks do not pause."));
}

void ResumeCommand::performDefaultImplementation()
{
    ScriptCommand::performDefaultImplementation();
    if (!app.resumePomodoro())
        refuse(QStringLiteral("Nothing to resume."), ScriptCommand::tr("No Pomodoro is paused."));
}
