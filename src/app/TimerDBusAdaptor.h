#pragma once

#include "reactive/DisposeBag.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>

class MRApp;
class MRTimer;

// org.mirelo.Mirelo.Timer on /org/mirelo/Mirelo: the four scripting commands and the
// State and RemainingSeconds properties, with PropertiesChanged as they change.
class TimerDBusAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mirelo.Mirelo.Timer")
    Q_PROPERTY(QString State READ state)
    Q_PROPERTY(int RemainingSeconds READ remainingSeconds)

public:
    static constexpr const char* serviceName = "org.mirelo.Mirelo";
    static constexpr const char* objectPath = "/org/mirelo/Mirelo";
    static constexpr const char* interfaceName = "org.mirelo.Mirelo.Timer";

    TimerDBusAdaptor(QObject* exported, MRApp& app, MRTimer& timer, QDBusConnection bus);

    QString state() const;
    int remainingSeconds() const;

public Q_SLOTS:
    void Pomodoro();
    void ShortBreak();
    void LongBreak();
    void StopTimer();

private:
    void propertyChanged(const QString& name, const QVariant& value);

    MRApp& app;
    MRTimer& timer;
    QDBusConnection bus;
    DisposeBag disposeBag;
};
