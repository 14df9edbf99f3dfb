#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// Key combinations that reach the program whatever window has the keyboard.
class GlobalShortcuts : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Replaces every binding with these combinations (an empty one binds nothing). Answers, per
    // combination, why it could not be bound, or an empty text when it was.
    virtual QStringList bind(const QList<QKeySequence>& combinations) = 0;

    // While suspended the combinations are released, so they reach the focused window.
    virtual void setSuspended(bool suspended) = 0;

    // True where the desktop binds the keys itself (a portal): it may bind another trigger than
    // the combination asked for, or none, and the user changes them in its settings.
    virtual bool boundByDesktop() const { return false; }
    // What the desktop bound for the combination at index, as it describes it ("Ctrl+Alt+P");
    // empty while it has bound none, and always where boundByDesktop() is false.
    virtual QString boundTrigger(int index) const
    {
        Q_UNUSED(index);
        return {};
    }

Q_SIGNALS:
    // The combination at this index of the last bind() was pressed; a held key reports once.
    void activated(int index);
    // The keyboard's map changed (another layout, another keyboard): the keys must be bound again.
    void keyboardChanged();
    // The desktop bound other triggers (boundTrigger).
    void triggersChanged();
};
