#pragma once

#include <QCoreApplication>
#include <QString>

class CycleController;
class Countdown;

// The scripting commands. They only call into the cycle controller and refuse to start
// anything while a timer runs (also while it stands still for sleep); a refused command says why
// in refusalReason(), which D-Bus and the command line pass on to the caller.
class ScriptCommand
{
    Q_DECLARE_TR_FUNCTIONS(ScriptCommand)

public:
    ScriptCommand(CycleController& app, Countdown& timer) : app(app), timer(timer) {}
    virtual ~ScriptCommand() = default;

    // Records WorkflowInvoked and logs the command's class name; subclasses call it first.
    virtual void performDefaultImplementation();
    virtual QString className() const { return QStringLiteral("Mirelo.MRASCommand"); }

    // Why the last performDefaultImplementation() did nothing; empty when it acted.
    const QString& refusalReason() const { return refusal; }

protected:
    // The cycle controller's answer: a countdown runs, stands still (sleep, pause) or a finished
    // Pomodoro's break is held.
    bool timerRunning() const;
    void refuse(const QString& logLine, const QString& reason);

    CycleController& app;
    Countdown& timer;
    QString refusal;
};

class StopTimerCommand final : public ScriptCommand
{
public:
    using ScriptCommand::ScriptCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRStopTimerCommand"); }
};

class PomodoroCommand final : public ScriptCommand
{
public:
    using ScriptCommand::ScriptCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRPomodoroCommand"); }
};

class ShortBreakCommand final : public ScriptCommand
{
public:
    using ScriptCommand::ScriptCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRShortBreakCommand"); }
};

class LongBreakCommand final : public ScriptCommand
{
public:
    using ScriptCommand::ScriptCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRLongBreakCommand"); }
};

// Pausing is for a running Pomodoro only: a break keeps its length.
class PauseCommand final : public ScriptCommand
{
public:
    using ScriptCommand::ScriptCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRPauseCommand"); }
};

class ResumeCommand final : public ScriptCommand
{
public:
    using ScriptCommand::ScriptCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRResumeCommand"); }
};
