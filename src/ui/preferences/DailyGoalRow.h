#pragma once

#include "reactive/DisposeBag.h"

#include <QWidget>

class Preferences;
class QCheckBox;
class QSpinBox;

// "Daily goal [Off | n Pomodoros]" and whether reaching it is told with a notification.
class DailyGoalRow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int maximumGoal = 48;

    DailyGoalRow(Preferences& preferences, QWidget* parent = nullptr);

    QSpinBox* goalField() const { return goal; }
    QCheckBox* notifyButton() const { return notify; }

private:
    Preferences& preferences;
    QSpinBox* goal;
    QCheckBox* notify;
    DisposeBag disposeBag;
};
