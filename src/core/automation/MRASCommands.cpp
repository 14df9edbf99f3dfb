#include "automation/MRASCommands.h"

#include "cycle/MRApp.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "timer/MRTimer.h"

bool MRASCommand::timerRunning() const
{
    return timer.isRunning() || timer.timerPausedBySleepEvent() || timer.isPaused();
}

void MRASCommand::refuse(const QString& logLine, const QString& reason)
{
    LOG_INFO(logLine);
    refusal = reason;
}

void MRASCommand::performDefaultImplementation()
{
    refusal.clear();
    track(MREvent::WorkflowInvoked);
    LOG_INFO(QStringLiteral("Perform command: ") + className());
}

void MRStopTimerCommand::performDefaultImplementation()
{
    MRASCommand::performDefaultImplementation();
    track(MREvent::WorkflowStop);
    if (!timerRunning()) {
        // A break that ran out may still show its back-to-work screen, locked or not.
        if (app.closeBackToWorkScreen()) {
            LOG_INFO(QStringLiteral("Timer stopped."));
            return;
        }
        refuse(QStringLiteral("Timer is not running, won't respond to this action."),
               QStringLiteral("No timer is running."));
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
    if (timerRunning()) {
        refuse(QStringLiteral("Timer is running, won't respond to this action."),
               QStringLiteral("A timer is running; stop it first with \"mirelo stop\"."));
        return;
    }
    LOG_INFO(QStringLiteral("Will start a Pomodoro timer."));
    app.startPomodoro();
}

void MRShortBreakCommand::performDefaultImplementation()
{
    MRASCommand::performDefaultImplementation();
    track(MREvent::WorkflowShortBreak);
    if (timerRunning()) {
        refuse(QStringLiteral("Timer is running, won't respond to this action."),
               QStringLiteral("A timer is running; stop it first with \"mirelo stop\"."));
        return;
    }
    app.shortBreak();
}

void MRLongBreakCommand::performDefaultImplementation()
{
    MRASCommand::performDefaultImplementation();
    track(MREvent::WorkflowLongBreak);
    if (timerRunning()) {
        refuse(QStringLiteral("Timer is running, won't respond to this action."),
               QStringLiteral("A timer is running; stop it first with \"mirelo stop\"."));
        return;
    }
    app.longBreak();
}

void MRPauseCommand::performDefaultImplementation()
{
    MRASCommand::performDefaultImplementation();
    if (app.isPaused.value()) {
        refuse(QStringLiteral("Already paused."), QStringLiteral("The Pomodoro is already paused."));
        return;
    }
    if (!app.pausePomodoro())
        refuse(QStringLiteral("No Pomodoro to pause."),
               QStringLiteral("No Pomodoro is running; breaks do not pause."));
}

void MRResumeCommand::performDefaultImplementation()
{
    MRASCommand::performDefaultImplementation();
    if (!app.resumePomodoro())
        refuse(QStringLiteral("Nothing to resume."), QStringLiteral("No Pomodoro is paused."));
}
