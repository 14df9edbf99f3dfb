#include "preferences/PreferenceSpinBox.h"

#include "preferences/PreferencesGeneralViewModel.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
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

int PreferenceSpinBox::excessWidth() const
{
    // Sized for four digits, not for the largest number the field takes: a longer one scrolls.
    const QFontMetrics metrics = fontMetrics();
    const QString widest = textFromValue(maximum()).size() >= textFromValue(minimum()).size()
                               ? textFromValue(maximum())
                               : textFromValue(minimum());
    return std::max(0, metrics.horizontalAdvance(widest + QLatin1Char(' ')) -
                           metrics.horizontalAdvance(QStringLiteral("0000 ")));
}

QSize PreferenceSpinBox::sizeHint() const
{
    return QSpinBox::sizeHint() - QSize(excessWidth(), 0);
}

QSize PreferenceSpinBox::minimumSizeHint() const
{
    return QSpinBox::minimumSizeHint() - QSize(excessWidth(), 0);
}
