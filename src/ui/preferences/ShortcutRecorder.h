#pragma once

#include "settings/PreferKey.h"

#include <QKeySequence>
#include <QPointer>
#include <QPushButton>

class QLabel;
class ShortcutBinder;

// Records one global shortcut under its preference key. It shows the stored combination and
// records only once asked to (a click, Space or Return): focus alone never records, so Tab and
// the keys that switch panes pass through it. While recording the bound shortcuts are suspended,
// so pressing one records it instead of running it; Escape cancels, Backspace or Delete clear.
class ShortcutRecorder : public QPushButton
{
    Q_OBJECT
public:
    ShortcutRecorder(const QString& key, ShortcutBinder* binder, QWidget* parent = nullptr);
    ShortcutRecorder(PreferKey key, ShortcutBinder* binder, QWidget* parent = nullptr)
        : ShortcutRecorder(keyText(key), binder, parent)
    {}
    ~ShortcutRecorder() override;

    // Where the recorder says why a combination was refused or does not work.
    QLabel* problemLabel() const { return problem; }
    // The combination shown: the stored one, or none while recording.
    QKeySequence keySequence() const { return shown; }
    bool isRecording() const { return recording; }

    void startRecording();
    void stopRecording();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void commit(const QKeySequence& combination);
    void showStored();
    void showProblem(const QString& text);

    QString key;
    QPointer<ShortcutBinder> binder;
    QLabel* problem = nullptr;
    QKeySequence shown;
    bool recording = false;
};
