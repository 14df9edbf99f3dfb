#include "preferences/PreferenceSpinBox.h"

#include "preferences/PreferencesGeneralViewModel.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <utility>

PreferenceSpinBox::PreferenceSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setKeyboardTracking(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        edited = true;
        typedText = text;
    });
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        // Leaving a field that was only tabbed through writes nothing.
        if (!std::exchange(edited, false))
            return;
        Q_EMIT typed(typedText);
    });
}

void PreferenceSpinBox::display(int number)
{
    const QSignalBlocker blocker(this);
    setValue(number);
    lineEdit()->setText(QString::number(number));
}

void PreferenceSpinBox::stepBy(int steps)
{
    edited = false;
    QSpinBox::stepBy(steps);
    Q_EMIT stepped(value());
}

QValidator::State PreferenceSpinBox::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}

int PreferenceSpinBox::valueFromText(const QString& text) const
{
    return PreferencesGeneralViewModel::leadingInteger(text, minimum(), maximum());
}

void PreferenceSpinBox::fixup(QString&) const {}
