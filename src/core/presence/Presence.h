#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

// Signs that the user is busy at the screen although they touch nothing: a call, a screen
// share, a film, a presentation, full-screen work. Asked only when a decision is due (a
// Pomodoro's end, while a break is held, an away check), so that nothing wakes the program
// while it is idle.
class Presence : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // What keeps the user busy now, one short text each for the tray and the log ("microphone
    // in use"); empty when nothing does or it cannot be told. done runs once, on the main
    // thread, possibly before this returns.
    virtual void activeSources(std::function<void(QStringList)> done) = 0;
    // For the log: which sources are asked.
    virtual QString backendName() const = 0;

Q_SIGNALS:
    // What activeSources() answers changed, where a source can tell (PipeWire's graph); others
    // are only asked.
    void changed();
};
