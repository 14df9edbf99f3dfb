#include "preferences/DailyGoalRow.h"

#include "settings/PreferKey.h"
#include "settings/Preferences.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace {
// A count of Pomodoros with its unit in the plural the number asks for; 0 reads "Off".
class PomodoroCountBox final : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;

protected:
    QString textFromValue(int value) const override
    {
        return value == 0 ? DailyGoalRow::tr("Off") : DailyGoalRow::tr("%n Pomodoro(s)", nullptr, value);
    }
    int valueFromText(const QString& text) const override
    {
        static const QRegularExpression digits(QStringLiteral("\\d+"));
        return digits.match(text).captured().toInt();
    }
    QValidator::State validate(QString& input, int&) const override
    {
        if (input == specialValueText() || input == textFromValue(0))
            return QValidator::Acceptable;
        static const QRegularExpression digits(QStringLiteral("\\d+"));
        const auto match = digits.match(input);
        if (!match.hasMatch())
            return QValidator::Intermediate;
        const int value = match.captured().toInt();
        return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    }
};
} // namespace

DailyGoalRow::DailyGoalRow(Preferences& preferences, QWidget* parent)
    : QWidget(parent), preferences(preferences)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("Daily goal"), this);
    label->setTextFormat(Qt::PlainText);
    goal = new PomodoroCountBox(this);
    goal->setRange(0, maximumGoal);
    goal->setAccessibleName(label->text());
    goal->setToolTip(tr("Pomodoros a day, shown in the tray's tooltip and the statistics with the "
                        "days in a row that met it."));
    label->setBuddy(goal);
    row->addWidget(label);
    row->addWidget(goal);
    row->addStretch(1);
    column->addLayout(row);
    notify = new QCheckBox(tr("Notify me when the goal is met"), this);
    column->addWidget(notify);

    disposeBag += preferences.observe(GoalKey::daily, [this](const QJsonValue&) {
        const QSignalBlocker blocker(goal);
        const int stored = std::clamp(this->preferences.intValue(GoalKey::daily), 0, maximumGoal);
        goal->setValue(stored);
        notify->setEnabled(stored > 0);
    });
    disposeBag += preferences.observe(GoalKey::notify, [this](const QJsonValue&) {
        notify->setChecked(this->preferences.boolValue(GoalKey::notify));
    });
    connect(goal, &QSpinBox::valueChanged, this,
            [this](int value) { this->preferences.setValueWhenSettled(GoalKey::daily, value); });
    connect(notify, &QCheckBox::clicked, this,
            [this](bool on) { this->preferences.setValue(GoalKey::notify, on); });
}
