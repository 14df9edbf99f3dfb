#include "preferences/ShortcutRecorder.h"

#include "settings/Preferences.h"
#include "shortcuts/ShortcutBinder.h"
#include "widgets/Localizable.h"

#include <QKeyEvent>
#include <QLabel>

ShortcutRecorder::ShortcutRecorder(PreferKey key, ShortcutBinder* binder, QWidget* parent)
    : QKeySequenceEdit(parent), key(key), binder(binder)
{
    problem = new QLabel(parent);
    problem->setTextFormat(Qt::PlainText);
    problem->setWordWrap(true);
    QPalette red = problem->palette();
    red.setColor(QPalette::WindowText, QColor(215, 0, 21));
    problem->setPalette(red);
    showStored();
    if (binder) {
        showProblem(binder->problem(key));
        connect(binder, &ShortcutBinder::problemsChanged, this,
                [this] { showProblem(this->binder->problem(this->key)); });
    }
}

ShortcutRecorder::~ShortcutRecorder()
{
    if (recording && binder)
        binder->setRecording(false);
}

void ShortcutRecorder::showStored()
{
    const QSignalBlocker blocker(this);
    setKeySequence(binder ? ShortcutBinder::storedShortcut(binder->preferences(), key) : QKeySequence());
}

void ShortcutRecorder::showProblem(const QString& text)
{
    problem->setText(Localizable::text(text.toUtf8().constData()));
    problem->setVisible(!text.isEmpty());
}

void ShortcutRecorder::commit(const QKeySequence& combination)
{
    const QString refusal = binder ? binder->record(key, combination) : QString();
    showStored();
    if (!refusal.isEmpty()) {
        // Still recording: the next combination may do.
        showProblem(refusal);
        return;
    }
    clearFocus();
}

void ShortcutRecorder::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Escape:
            showStored();
            clearFocus();
            return;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            commit(QKeySequence());
            return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            // Tab still walks the pane.
            QWidget::keyPressEvent(event);
            return;
        default:
            break;
        }
    }
    QKeySequenceEdit::keyPressEvent(event);
    // Qt 6.4 waits for up to four chords: the first one ends the recording.
    const QKeySequence typed = keySequence();
    if (!typed.isEmpty())
        commit(QKeySequence(typed[0]));
}

void ShortcutRecorder::focusInEvent(QFocusEvent* event)
{
    QKeySequenceEdit::focusInEvent(event);
    if (!recording && binder) {
        recording = true;
        binder->setRecording(true);
    }
}

void ShortcutRecorder::focusOutEvent(QFocusEvent* event)
{
    QKeySequenceEdit::focusOutEvent(event);
    showStored();
    if (recording && binder) {
        recording = false;
        binder->setRecording(false);
    }
}
