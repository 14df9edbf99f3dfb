#include "ApplicationDBusAdaptor.h"

#include "automation/ScriptCommands.h"
#include "diagnostics/Log.h"

#include <QDBusConnection>

ApplicationDBusAdaptor::ApplicationDBusAdaptor(QObject* exported, CycleController& app, Countdown& timer,
                                               QDBusConnection bus, std::function<void()> showPreferences,
                                               std::function<void()> showStatistics)
    : QDBusAbstractAdaptor(exported), app(app), timer(timer), bus(std::move(bus)),
      showPreferences(std::move(showPreferences)), showStatistics(std::move(showStatistics))
{}

QStringList ApplicationDBusAdaptor::actions()
{
    return {QStringLiteral("pomodoro"), QStringLiteral("short-break"), QStringLiteral("long-break"),
            QStringLiteral("stop"),     QStringLiteral("preferences"), QStringLiteral("statistics")};
}

void ApplicationDBusAdaptor::Activate(const QVariantMap&)
{
    // Mirelo has no main window: starting it again from a launcher means "let me set it up".
    showPreferences();
}

void ApplicationDBusAdaptor::Open(const QStringList&, const QVariantMap&, const QDBusMessage& message)
{
    message.setDelayedReply(true);
    bus.send(message.createErrorReply(QDBusError::NotSupported, QStringLiteral("Mirelo opens no files.")));
}

void ApplicationDBusAdaptor::ActivateAction(const QString& actionName, const QVariantList&,
                                            const QVariantMap&, const QDBusMessage& message)
{
    LOG_INFO(QStringLiteral("ActivateAction: ") + actionName);
    if (actionName == QLatin1String("preferences"))
        showPreferences();
    else if (actionName == QLatin1String("statistics"))
        showStatistics();
    else if (actionName == QLatin1String("pomodoro"))
        PomodoroCommand(app, timer).performDefaultImplementation();
    else if (actionName == QLatin1String("short-break"))
        ShortBreakCommand(app, timer).performDefaultImplementation();
    else if (actionName == QLatin1String("long-break"))
        LongBreakCommand(app, timer).performDefaultImplementation();
    else if (actionName == QLatin1String("stop"))
        StopTimerCommand(app, timer).performDefaultImplementation();
    else {
        LOG_WARNING(QStringLiteral("No such action: ") + actionName);
        message.setDelayedReply(true);
        bus.send(message.createErrorReply(QDBusError::InvalidArgs,
                                          QStringLiteral("No such action: ") + actionName));
    }
}
