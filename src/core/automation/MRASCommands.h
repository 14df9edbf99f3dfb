#pragma once

#include <QString>

class MRApp;
class MRTimer;

// The scripting commands. They only call into the cycle controller and refuse to start
// anything while a timer runs (also while it stands still for sleep); a refused command says why
// in refusalReason(), which D-Bus and the command line pass on to the caller.
class MRASCommand
{
public:
    MRASCommand(MRApp& app, MRTimer& timer) : app(app), timer(timer) {}
    virtual ~MRASCommand() = default;

    // Records WorkflowInvoked and logs the command's class name; subclasses call it first.
    virtual void performDefaultImplementation();
    virtual QString className() const { return QStringLiteral("Mirelo.MRASCommand"); }

    // Why the last performDefaultImplementation() did nothing; empty when it acted.
    const QString& refusalReason() const { return refusal; }

protected:
    // The countdown runs, or stands still while the machine sleeps or the Pomodoro is paused: the
    // state is not idle.
    bool timerRunning() const;
    void refuse(const QString& logLine, const QString& reason);

    MRApp& app;
    MRTimer& timer;
    QString refusal;
};

class MRStopTimerCommand final : public MRASCommand
{
public:
    using MRASCommand::MRASCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRStopTimerCommand"); }
};

class MRPomodoroCommand final : public MRASCommand
{
public:
    using MRASCommand::MRASCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRPomodoroCommand"); }
};

class MRShortBreakCommand final : public MRASCommand
{
public:
    using MRASCommand::MRASCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRShortBreakCommand"); }
};

class MRLongBreakCommand final : public MRASCommand
{
public:
    using MRASCommand::MRASCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRLongBreakCommand"); }
};

// Pausing is for a running Pomodoro only: a break keeps its length.
class MRPauseCommand final : public MRASCommand
{
public:
    using MRASCommand::MRASCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRPauseCommand"); }
};

class MRResumeCommand final : public MRASCommand
{
public:
    using MRASCommand::MRASCommand;
    void performDefaultImplementation() override;
    QString className() const override { return QStringLiteral("Mirelo.MRResumeCommand"); }
};
