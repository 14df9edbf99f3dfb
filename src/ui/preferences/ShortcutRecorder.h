#pragma once

#include "settings/PreferKey.h"

#include <QKeySequenceEdit>
#include <QPointer>

class QLabel;
class ShortcutBinder;

// Records one global shortcut under its preference key: the first chord typed is kept, Escape
// cancels, Backspace or Delete clear. While it has the keyboard the bound shortcuts are
// suspended, so pressing one records it instead of running it.
class ShortcutRecorder : public QKeySequenceEdit
{
    Q_OBJECT
public:
    ShortcutRecorder(PreferKey key, ShortcutBinder* binder, QWidget* parent = nullptr);
    ~ShortcutRecorder() override;

    // Where the recorder says why a combination was refused or does not work.
    QLabel* problemLabel() const { return problem; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void commit(const QKeySequence& combination);
    void showStored();
    void showProblem(const QString& text);

    PreferKey key;
    QPointer<ShortcutBinder> binder;
    QLabel* problem = nullptr;
    bool recording = false;
};
