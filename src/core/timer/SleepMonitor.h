#pragma once

#include <QObject>

// The system's will-sleep and did-wake notifications.
class SleepMonitor : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    void willSleep();
    void didWake();
};
