#pragma once

#include "timer/SleepMonitor.h"

#include <QDBusConnection>

// Sleep and wake from logind's PrepareForSleep(b) on the system bus.
class LogindSleepMonitor final : public SleepMonitor
{
    Q_OBJECT
public:
    explicit LogindSleepMonitor(QDBusConnection bus = QDBusConnection::systemBus(), QObject* parent = nullptr);

    bool isConnected() const { return connected; }

private Q_SLOTS:
    void onPrepareForSleep(bool start);

private:
    QDBusConnection bus;
    bool connected = false;
};
