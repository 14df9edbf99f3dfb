#include "TimerDBusAdaptor.h"

#include "automation/MRASCommands.h"
#include "cycle/MRApp.h"
#include "timer/MRTimer.h"

#include <QDBusMessage>

TimerDBusAdaptor::TimerDBusAdaptor(QObject* exported, MRApp& app, MRTimer& timer, QDBusConnection bus)
    : QDBusAbstractAdaptor(exported), app(app), timer(timer), bus(std::move(bus))
{
    disposeBag += app.state.subscribe(
        [this](MRAppState s) { propertyChanged(QStringLiteral("State"), appStateName(s)); });
    disposeBag += timer.currentTime.subscribe(
        [this](int seconds) { propertyChanged(QStringLiteral("RemainingSeconds"), seconds); });
    disposeBag += app.breakHold().heldBy.subscribe([this](const QString& by) {
        if (!by.isEmpty() && by == announcedHeldBy)
            return;
        announcedHeldBy = by;
        propertyChanged(QStringLiteral("Held"), !by.isEmpty());
        propertyChanged(QStringLiteral("HeldBy"), by);
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

QString TimerDBusAdaptor::state() const
{
    return appStateName(app.state.value());
}

int TimerDBusAdaptor::remainingSeconds() const
{
    return timer.currentTime.value();
}

void TimerDBusAdaptor::perform(MRASCommand&& command, const QDBusMessage& message)
{
    command.performDefaultImplementation();
    if (command.refusalReason().isEmpty())
        return;
    message.setDelayedReply(true);
    bus.send(message.createErrorReply(QLatin1String(refusedError), command.refusalReason()));
}

void TimerDBusAdaptor::Pomodoro(const QDBusMessage& message)
{
    perform(MRPomodoroCommand(app, timer), message);
}

void TimerDBusAdaptor::ShortBreak(const QDBusMessage& message)
{
    perform(MRShortBreakCommand(app, timer), message);
}

void TimerDBusAdaptor::LongBreak(const QDBusMessage& message)
{
    perform(MRLongBreakCommand(app, timer), message);
}

void TimerDBusAdaptor::StopTimer(const QDBusMessage& message)
{
    perform(MRStopTimerCommand(app, timer), message);
}

void TimerDBusAdaptor::propertyChanged(const QString& name, const QVariant& value)
{
    if (!bus.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(objectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QLatin1String(interfaceName) << QVariantMap{{name, value}} << QStringList();
    bus.send(signal);
}
