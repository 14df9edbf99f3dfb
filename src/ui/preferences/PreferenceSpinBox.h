#pragma once

#include <QSpinBox>

class QLineEdit;

// A number field with its stepper arrows. The arrows (and Up, Down, Page keys, the wheel)
// report stepped(); a typed number reports typed() with the text as written when editing
// ends, so the caller decides how to read it: any text is accepted while typing.
class PreferenceSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit PreferenceSpinBox(QWidget* parent = nullptr);

    // The field part.
    QLineEdit* field() const { return lineEdit(); }
    // Shows a stored number: the arrows move within the range, the field shows it as it is.
    void display(int number);

    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void stepped(int value);
    void typed(const QString& text);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;

private:
    int excessWidth() const;
    bool edited = false;
    QString typedText;
};
