#pragma once

#include "automation/TimerProperties.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>

class CycleController;
class ScriptCommand;
class Countdown;

// org.mirelo.Mirelo.Timer on /org/mirelo/Mirelo: the scripting commands, Pause and Resume, and
// the State, RemainingSeconds, Deadline and Paused properties, with PropertiesChanged on changes
// of state, of the pause and jumps of the countdown (not on every second: clients count down
// from Deadline).
class TimerDBusAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mirelo.Mirelo.Timer")
    Q_PROPERTY(QString State READ state)
    Q_PROPERTY(int RemainingSeconds READ remainingSeconds)
    Q_PROPERTY(qint64 Deadline READ deadline)
    Q_PROPERTY(bool Held READ held)
    Q_PROPERTY(QString HeldBy READ heldBy)
    Q_PROPERTY(bool Paused READ paused)

public:
    static constexpr const char* serviceName = "org.mirelo.Mirelo";
    static constexpr const char* objectPath = "/org/mirelo/Mirelo";
    static constexpr const char* interfaceName = "org.mirelo.Mirelo.Timer";

    TimerDBusAdaptor(QObject* exported, CycleController& app, Countdown& timer, QDBusConnection bus);

    QString state() const;
    int remainingSeconds() const;
    qint64 deadline() const;
    // The break after a Pomodoro waits for a call or a share to end, and what holds it.
    bool held() const;
    QString heldBy() const;
    bool paused() const;

    // The error a refused command answers with; its message says why.
    static constexpr const char* refusedError = "org.mirelo.Mirelo.Error.Refused";

public Q_SLOTS:
    void Pomodoro(const QDBusMessage& message);
    void ShortBreak(const QDBusMessage& message);
    void LongBreak(const QDBusMessage& message);
    void StopTimer(const QDBusMessage& message);
    void Pause(const QDBusMessage& message);
    void Resume(const QDBusMessage& message);

private:
    void propertiesChanged(const QVariantMap& properties);
    // Runs the command; a refusal goes back to the caller as an error on our own connection.
    void perform(ScriptCommand&& command, const QDBusMessage& message);

    CycleController& app;
    Countdown& timer;
    QDBusConnection bus;
    TimerProperties* properties;
    QString announcedHeldBy;
    DisposeBag disposeBag;
};
