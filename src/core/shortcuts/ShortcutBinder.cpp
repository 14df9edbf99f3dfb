#include "shortcuts/ShortcutBinder.h"

#include "diagnostics/Log.h"
#include "settings/Preferences.h"
#include "shortcuts/GlobalShortcuts.h"

#include <algorithm>

namespace {
int slot(const QString& key)
{
    for (int i = 0; i < ShortcutBinder::count; ++i) {
        if (ShortcutBinder::shortcutKey(i) == key)
            return i;
    }
    return 0;
}

const QString usedByAnother = QString::fromUtf8(QT_TRANSLATE_NOOP("Localizable", "The other shortcut already uses this combination."));

// Only the first chord counts: a global shortcut is one press.
QKeySequence firstChord(const QKeySequence& combination)
{
    return combination.isEmpty() ? QKeySequence() : QKeySequence(combination[0]);
}
} // namespace

ShortcutBinder::ShortcutBinder(Preferences& preferences, GlobalShortcuts* shortcuts, QObject* parent)
    : QObject(parent), store(preferences), shortcuts(shortcuts)
{
    if (shortcuts) {
        connect(shortcuts, &GlobalShortcuts::activated, this, [this](int index) {
            if (index == 0)
                Q_EMIT startPomodoroPressed();
            else if (index == 1)
                Q_EMIT shortBreakPressed();
            else if (index == 2)
                Q_EMIT pausePressed();
        });
        connect(shortcuts, &GlobalShortcuts::keyboardChanged, this, [this] { registerShortcuts(); });
    }
    // A shortcut written elsewhere (a hand edit, Restore defaults) binds as a recorded one does.
    for (int i = 0; i < count; ++i) {
        disposeBag += store.observe(shortcutKey(i), [this](const QJsonValue&) {
            if (bound)
                registerShortcuts();
        });
    }
}

const QString& ShortcutBinder::shortcutKey(int index)
{
    static const QString keys[count] = {keyText(PreferKey::StartPomodoroShortcut),
                                        keyText(PreferKey::ShortBreakShortcut), PauseKey::shortcut};
    return keys[std::clamp(index, 0, count - 1)];
}

QKeySequence ShortcutBinder::storedShortcut(const Preferences& preferences, const QString& key)
{
    const QString text = preferences.stringValue(key).value_or(QString());
    return firstChord(QKeySequence::fromString(text, QKeySequence::PortableText));
}

QString ShortcutBinder::refusedCombination(const QKeySequence& combination)
{
    if (combination.isEmpty())
        return {};
    const QKeyCombination chord = combination[0];
    const Qt::KeyboardModifiers held = chord.keyboardModifiers();
    switch (chord.key()) {
    // The keys that move between fields, tabs and buttons, and answer dialogs, in every program.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Localizable", "This key moves around or answers windows in every program: choose another."));
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (held & Qt::ControlModifier)
            return QString::fromUtf8(QT_TRANSLATE_NOOP("Localizable", "This key moves around or answers windows in every program: choose another."));
        break;
    default:
        break;
    }
    if (held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    return QString::fromUtf8(QT_TRANSLATE_NOOP("Localizable", "Add Ctrl, Alt or Super: a key alone would be taken from every program."));
}

void ShortcutBinder::registerShortcuts()
{
    bound = true;
    QList<QKeySequence> combinations;
    QString refused[count];
    for (int i = 0; i < count; ++i) {
        QKeySequence combination = storedShortcut(store, shortcutKey(i));
        // A hand-edited store could hold what the recorder refuses: it is not bound either.
        refused[i] = refusedCombination(combination);
        if (!combination.isEmpty() && combinations.contains(combination))
            refused[i] = usedByAnother;
        combinations.append(refused[i].isEmpty() ? combination : QKeySequence());
    }
    QStringList failures;
    if (shortcuts)
        failures = shortcuts->bind(combinations);
    for (int i = 0; i < count; ++i) {
        problems[i] = !refused[i].isEmpty() ? refused[i] : failures.value(i);
        if (!problems[i].isEmpty())
            LOG_WARNING(shortcutKey(i) + QStringLiteral(" is not bound: ") + problems[i]);
    }
    Q_EMIT problemsChanged();
}

QString ShortcutBinder::refusal(const QString& key, const QKeySequence& combination) const
{
    const QKeySequence chord = firstChord(combination);
    if (QString why = refusedCombination(chord); !why.isEmpty())
        return why;
    for (int i = 0; i < count && !chord.isEmpty(); ++i) {
        if (shortcutKey(i) != key && chord == storedShortcut(store, shortcutKey(i)))
            return usedByAnother;
    }
    return {};
}

QString ShortcutBinder::record(const QString& key, const QKeySequence& combination)
{
    if (QString why = refusal(key, combination); !why.isEmpty())
        return why;
    const QKeySequence chord = firstChord(combination);
    const bool unchanged = chord == storedShortcut(store, key);
    if (chord.isEmpty())
        store.removeValue(key);
    else
        store.setValue(key, chord.toString(QKeySequence::PortableText));
    // A change was bound by the observation; the first recording, or the same one again (a
    // retry after the desktop refused it), binds here.
    if (!bound || unchanged)
        registerShortcuts();
    return {};
}

QString ShortcutBinder::problem(const QString& key) const
{
    return problems[slot(key)];
}

void ShortcutBinder::setRecording(bool recording)
{
    if (!shortcuts)
        return;
    shortcuts->setSuspended(recording);
    // Bindings made while suspended could not tell whether another program holds a combination.
    if (!recording)
        registerShortcuts();
}
