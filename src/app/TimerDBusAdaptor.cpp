#include "TimerDBusAdaptor.h"

#include "automation/ScriptCommands.h"
#include "cycle/CycleController.h"
#include "timer/Countdown.h"

#include <QDBusMessage>

TimerDBusAdaptor::TimerDBusAdaptor(QObject* exported, CycleController& app, Countdown& timer,
                                   QDBusConnection bus)
    : QDBusAbstractAdaptor(exported), app(app), timer(timer), bus(std::move(bus)),
      properties(new TimerProperties(app, timer, this))
{
    connect(properties, &TimerProperties::changed, this, &TimerDBusAdaptor::propertiesChanged);
    disposeBag += app.breakHold().heldBy.subscribe([this](const QString& by) {
        if (!by.isEmpty() && by == announcedHeldBy)
            return;
        announcedHeldBy = by;
        propertiesChanged({{QStringLiteral("Held"), !by.isEmpty()}, {QStringLiteral("HeldBy"), by}});
    });
}

bool TimerDBusAdaptor::held() const
{
    return app.isBreakHeld();
}

QString TimerDBusAdaptor::heldBy() const
{
    return app.breakHold().heldBy.value();
}

bool TimerDBusAdaptor::paused() const
{
    return properties->paused();
}

QString TimerDBusAdaptor::state() const
{
    return properties->state();
}

int TimerDBusAdaptor::remainingSeconds() const
{
    return properties->remainingSeconds();
}

qint64 TimerDBusAdaptor::deadline() const
{
    return properties->deadline();
}

void TimerDBusAdaptor::perform(ScriptCommand&& command, const QDBusMessage& message)
{
    command.performDefaultImplementation();
    if (command.refusalReason().isEmpty())
        return;
    message.setDelayedReply(true);
    bus.send(message.createErrorReply(QLatin1String(refusedError), command.refusalReason()));
}

void TimerDBusAdaptor::Pomodoro(const QDBusMessage& message)
{
    perform(PomodoroCommand(app, timer), message);
}

void TimerDBusAdaptor::ShortBreak(const QDBusMessage& message)
{
    perform(ShortBreakCommand(app, timer), message);
}

void TimerDBusAdaptor::LongBreak(const QDBusMessage& message)
{
    perform(LongBreakCommand(app, timer), message);
}

void TimerDBusAdaptor::StopTimer(const QDBusMessage& message)
{
    perform(StopTimerCommand(app, timer), message);
}

void TimerDBusAdaptor::Pause(const QDBusMessage& message)
{
    perform(PauseCommand(app, timer), message);
}

void TimerDBusAdaptor::Resume(const QDBusMessage& message)
{
    perform(ResumeCommand(app, timer), message);
}

void TimerDBusAdaptor::propertiesChanged(const QVariantMap& changes)
{
    if (!bus.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(objectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QLatin1String(interfaceName) << changes << QStringList();
    bus.send(signal);
}
