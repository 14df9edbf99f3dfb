#include "preferences/ShortcutRecorder.h"

#include "settings/Preferences.h"
#include "shortcuts/ShortcutBinder.h"
#include "widgets/Localizable.h"

#include <QKeyEvent>
#include <QLabel>

namespace {
bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_unknown:
        return true;
    default:
        return false;
    }
}
} // namespace

ShortcutRecorder::ShortcutRecorder(const QString& key, ShortcutBinder* binder, QWidget* parent)
    : QPushButton(parent), key(key), binder(binder)
{
    setAutoDefault(false);
    problem = new QLabel(parent);
    problem->setTextFormat(Qt::PlainText);
    problem->setWordWrap(true);
    QPalette red = problem->palette();
    red.setColor(QPalette::WindowText, QColor(215, 0, 21));
    problem->setPalette(red);
    showStored();
    if (binder) {
        showProblem(binder->problem(key));
        // Bound again after any change, recorded here or not (Restore defaults, a hand edit).
        connect(binder, &ShortcutBinder::problemsChanged, this, [this] {
            if (!recording)
                showStored();
            showProblem(this->binder->problem(this->key));
        });
    }
    connect(this, &QPushButton::clicked, this, [this] { startRecording(); });
}

ShortcutRecorder::~ShortcutRecorder()
{
    if (recording && binder)
        binder->setRecording(false);
}

void ShortcutRecorder::showStored()
{
    shown = binder ? ShortcutBinder::storedShortcut(binder->preferences(), key) : QKeySequence();
    // An ampersand in a combination is a key, not a mnemonic.
    setText(shown.isEmpty()
                ? Localizable::text("None — choose to record")
                : shown.toString(QKeySequence::NativeText).replace(QLatin1Char('&'), QStringLiteral("&&")));
    setAccessibleDescription(text());
}

void ShortcutRecorder::showProblem(const QString& text)
{
    problem->setText(Localizable::text(text.toUtf8().constData()));
    problem->setVisible(!text.isEmpty());
}

void ShortcutRecorder::startRecording()
{
    if (recording)
        return;
    recording = true;
    setFocus(Qt::OtherFocusReason);
    shown = QKeySequence();
    setText(Localizable::text("Press a shortcut… (Escape cancels)"));
    setAccessibleDescription(text());
    if (binder)
        binder->setRecording(true);
}

void ShortcutRecorder::stopRecording()
{
    if (!recording)
        return;
    recording = false;
    // Bound again here, so a combination another program holds is named at once.
    if (binder)
        binder->setRecording(false);
    showStored();
}

void ShortcutRecorder::commit(const QKeySequence& combination)
{
    if (binder) {
        if (const QString refusal = binder->refusal(key, combination); !refusal.isEmpty()) {
            // Still recording: the next combination may do.
            showProblem(refusal);
            return;
        }
    }
    stopRecording();
    if (binder)
        binder->record(key, combination);
    showStored();
}

bool ShortcutRecorder::event(QEvent* event)
{
    // While recording every key is ours, also those the window would take as its shortcuts.
    if (recording && event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QPushButton::event(event);
}

void ShortcutRecorder::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers held =
        event->modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier);
    const int pressed = event->key();
    if (!recording) {
        if ((pressed == Qt::Key_Return || pressed == Qt::Key_Enter) && held == Qt::NoModifier) {
            startRecording();
            return;
        }
        QPushButton::keyPressEvent(event);
        return;
    }
    if (held == Qt::NoModifier && pressed == Qt::Key_Escape) {
        stopRecording();
        return;
    }
    if (held == Qt::NoModifier && (pressed == Qt::Key_Backspace || pressed == Qt::Key_Delete)) {
        commit(QKeySequence());
        return;
    }
    if (isModifierKey(pressed) || event->isAutoRepeat())
        return;
    commit(QKeySequence(QKeyCombination(held, Qt::Key(pressed))));
}

void ShortcutRecorder::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    stopRecording();
}
