#pragma once

#include "reactive/DisposeBag.h"
#include "settings/PreferKey.h"

#include <QKeySequence>
#include <QObject>
#include <QString>

class GlobalShortcuts;
class Preferences;

// The stored shortcuts (start a Pomodoro, short break, pause) and their binding: what the recorders may
// store, the binding after every change, and why a combination does not work (refused here or held by another
// program).
class ShortcutBinder : public QObject
{
    Q_OBJECT
public:
    // shortcuts may be null where the desktop offers none: everything is stored, nothing bound.
    ShortcutBinder(Preferences& preferences, GlobalShortcuts* shortcuts, QObject* parent = nullptr);

    // The keys of the shortcuts, in the order they are bound.
    static constexpr int count = 3;
    static const QString& shortcutKey(int index);

    static QKeySequence storedShortcut(const Preferences& preferences, const QString& key);
    static QKeySequence storedShortcut(const Preferences& preferences, PreferKey key)
    {
        return storedShortcut(preferences, keyText(key));
    }
    const Preferences& preferences() const { return store; }

    // Binds the stored shortcuts again.
    void registerShortcuts();

    // A combination recorded for one of the shortcut keys: stored and bound unless refused;
    // answers the refusal, empty when stored. An empty combination clears.
    QString record(const QString& key, const QKeySequence& combination);
    QString record(PreferKey key, const QKeySequence& combination)
    {
        return record(keyText(key), combination);
    }
    // Why record() would refuse this combination for key, empty when it would store it.
    QString refusal(const QString& key, const QKeySequence& combination) const;
    QString refusal(PreferKey key, const QKeySequence& combination) const
    {
        return refusal(keyText(key), combination);
    }

    // Why the stored shortcut of key does not work, empty when it does (or there is none).
    QString problem(const QString& key) const;
    QString problem(PreferKey key) const { return problem(keyText(key)); }

    // A recorder is recording: its combinations must reach it instead of firing. When it stops
    // everything is bound again and what does not work is reported.
    void setRecording(bool recording);

Q_SIGNALS:
    void startPomodoroPressed();
    void shortBreakPressed();
    void pausePressed();
    void problemsChanged();

private:
    static QString refusedCombination(const QKeySequence& combination);

    Preferences& store;
    GlobalShortcuts* shortcuts;
    QString problems[count];
    // Set once the shortcuts were first bound: from then on a stored change binds at once.
    bool bound = false;
    DisposeBag disposeBag;
};
