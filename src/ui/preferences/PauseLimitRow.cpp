#include "preferences/PauseLimitRow.h"

#include "settings/PreferKey.h"
#include "settings/Preferences.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalBlocker>

#include <algorithm>

QString MinutesSpinBox::textFromValue(int value) const
{
    return tr("%n minute(s)", nullptr, value);
}

int MinutesSpinBox::valueFromText(const QString& text) const
{
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    return digits.match(text).captured().toInt();
}

QValidator::State MinutesSpinBox::validate(QString& input, int&) const
{
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    const auto match = digits.match(input);
    if (!match.hasMatch())
        return QValidator::Intermediate;
    const int value = match.captured().toInt();
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

PauseLimitRow::PauseLimitRow(Preferences& preferences, QWidget* parent)
    : QWidget(parent), preferences(preferences)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("Stop a paused Pomodoro after"), this);
    label->setTextFormat(Qt::PlainText);
    minutes = new MinutesSpinBox(this);
    minutes->setRange(minimumMinutes, maximumMinutes);
    minutes->setAccessibleName(label->text());
    label->setBuddy(minutes);
    row->addWidget(label);
    row->addWidget(minutes);
    row->addStretch(1);

    disposeBag += preferences.observe(PauseKey::stopAfter, [this](const QJsonValue&) {
        const QSignalBlocker blocker(minutes);
        const int stored = this->preferences.intValue(PauseKey::stopAfter);
        minutes->setValue(std::clamp((stored + 30) / 60, minimumMinutes, maximumMinutes));
    });
    connect(minutes, &QSpinBox::valueChanged, this,
            [this](int value) { this->preferences.setValueWhenSettled(PauseKey::stopAfter, value * 60); });
}
