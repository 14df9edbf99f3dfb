#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// How long the user has not touched the keyboard or the mouse, and whether the screen is
// locked: what away detection asks of the desktop.
class IdleMonitor : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Seconds since the last input; none when it cannot be read now. done runs on the main
    // thread.
    virtual void idleSeconds(std::function<void(std::optional<qint64>)> done) = 0;
    // For the log: where the idle time comes from.
    virtual QString backendName() const = 0;
    // Whether the idle time will be asked for from now on. A source that is told when input
    // stops and starts (rather than asked) listens only while watching, so that nothing wakes
    // the program while no Pomodoro runs. Told the same twice, nothing changes.
    virtual void setWatching(bool watching) { Q_UNUSED(watching); }

Q_SIGNALS:
    void lockedChanged(bool locked);
};
