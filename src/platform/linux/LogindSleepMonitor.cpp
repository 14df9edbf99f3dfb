#include "linux/LogindSleepMonitor.h"

#include "diagnostics/Log.h"

LogindSleepMonitor::LogindSleepMonitor(QDBusConnection connection, QObject* parent)
    : SleepMonitor(parent), bus(std::move(connection))
{
    connected = bus.isConnected() &&
                bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                            this, SLOT(onPrepareForSleep(bool)));
    if (!connected)
        LOG_WARNING(QStringLiteral("No system bus: sleep and wake will not pause the timer."));
}

void LogindSleepMonitor::onPrepareForSleep(bool start)
{
    if (start)
        Q_EMIT willSleep();
    else
        Q_EMIT didWake();
}
