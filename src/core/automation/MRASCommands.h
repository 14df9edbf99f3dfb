#pragma once

#include <QString>

class MRApp;
class MRTimer;

// The scripting commands. They only call into the cycle controller and refuse to start
// anything while a timer runs; none returns a result.
class MRASCommand
{
public:
    MRASCommand(MRApp& app, MRTimer& timer) : app(app), timer(timer) {}
    virtual ~MRASCommand() = default;

    // Records WorkflowInvoked and logs the command's class name; subclasses call it first.
    virtual void performDefaultImplementation();
    virtual QString className() const { return QStringLiteral("Mirelo.MRASCommand"); }

protected:
    MRApp& app;
    MRTimer& timer;
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
