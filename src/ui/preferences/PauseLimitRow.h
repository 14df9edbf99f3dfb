#pragma once

#include <QSpinBox>
#include <QWidget>

#include "reactive/DisposeBag.h"

class Preferences;

// Minutes with their unit in the field itself, in the plural the number asks for.
class MinutesSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;
};

// "Stop a paused Pomodoro after [60 min]": how long a pause may last.
class PauseLimitRow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int minimumMinutes = 1;
    static constexpr int maximumMinutes = 480;

    PauseLimitRow(Preferences& preferences, QWidget* parent = nullptr);

    QSpinBox* field() const { return minutes; }

private:
    Preferences& preferences;
    MinutesSpinBox* minutes;
    DisposeBag disposeBag;
};
