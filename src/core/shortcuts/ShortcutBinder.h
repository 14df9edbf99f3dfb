#pragma once

#include "reactive/DisposeBag.h"
#include "settings/PreferKey.h"

#include <QKeySequence>
#include <QObject>
#include <QString>

class GlobalShortcuts;
class Preferences;

// The two stored shortcuts and their binding: what the recorders may store, the binding after
// every change, and why a combination does not work (refused here or held by another program).
class ShortcutBinder : public QObject
{
    Q_OBJECT
public:
    // shortcuts may be null where the desktop offers none: everything is stored, nothing bound.
    ShortcutBinder(Preferences& preferences, GlobalShortcuts* shortcuts, QObject* parent = nullptr);

    static QKeySequence storedShortcut(const Preferences& preferences, PreferKey key);
    const Preferences& preferences() const { return store; }

    // Binds both stored shortcuts again.
    void registerShortcuts();

    // A combination recorded for StartPomodoroShortcut or ShortBreakShortcut: stored and bound
    // unless refused; answers the refusal, empty when stored. An empty combination clears.
    QString record(PreferKey key, const QKeySequence& combination);
    // Why record() would refuse this combination for key, empty when it would store it.
    QString refusal(PreferKey key, const QKeySequence& combination) const;

    // Why the stored shortcut of key does not work, empty when it does (or there is none).
    QString problem(PreferKey key) const;

    // A recorder is recording: its combinations must reach it instead of firing. When it stops
    // everything is bound again and what does not work is reported.
    void setRecording(bool recording);

Q_SIGNALS:
    void startPomodoroPressed();
    void shortBreakPressed();
    void problemsChanged();

private:
    static QString refusedCombination(const QKeySequence& combination);

    Preferences& store;
    GlobalShortcuts* shortcuts;
    QString problems[2];
    // Set once the shortcuts were first bound: from then on a stored change binds at once.
    bool bound = false;
    DisposeBag disposeBag;
};
