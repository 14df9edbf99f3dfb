#include "preferences/PreferencesGeneralViewController.h"

#include "diagnostics/Log.h"
#include "preferences/DailyGoalRow.h"
#include "preferences/EventSoundsView.h"
#include "preferences/HoldSourcesRow.h"
#include "preferences/PauseLimitRow.h"
#include "preferences/PreferenceScrollView.h"
#include "preferences/PreferenceSpinBox.h"
#include "preferences/PreferencesWhiteBgView.h"
#include "settings/Preferences.h"
#include "widgets/Localizable.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QCoreApplication>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The unit after a number of minutes, in the number's plural form ("1 minute", "5 minutes").
QString minutesUnit(int minutes)
{
    return QCoreApplication::translate("Localizable", "pref-mins", nullptr, minutes);
}

QLabel* rowLabel(const char* key, QWidget* parent)
{
    auto* label = new QLabel(Localizable::text(key), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

PreferencesGeneralViewController::PreferencesGeneralViewController(Preferences& preferences,
                                                                   LoginItems& loginItems, QWidget* parent)
    : PreferencesPane(QStringLiteral("PreferencesGeneralViewController"), parent), preferences(preferences),
      model(preferences, loginItems)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 20);
    outer->setSpacing(12);
    auto* scrollView = new PreferenceScrollView(this);
    auto* content = new QWidget(scrollView);
    auto* root = new QVBoxLayout(content);
    root->setContentsMargins(20, 20, 20, 0);
    root->setSpacing(16);

    // Widgets are made in reading order, each with its final parent: that is the Tab order.
    timerBgView = new PreferencesWhiteBgView(content);
    auto* grid = new QGridLayout(timerBgView);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(1, 1);
    struct Row
    {
        const char* title;
        const QString& key;
    };
    const Row rows[] = {{QT_TRANSLATE_NOOP("Localizable", "Pomodoro"), DurationKey::pomodoro},
                        {QT_TRANSLATE_NOOP("Localizable", "Short break"), DurationKey::shortBreak},
                        {QT_TRANSLATE_NOOP("Localizable", "Long break"), DurationKey::longBreak}};
    LengthRow made[3];
    for (int i = 0; i < 3; ++i) {
        QLabel* title = rowLabel(rows[i].title, timerBgView);
        grid->addWidget(title, i, 0);
        made[i] = makeLengthRow(rows[i].key);
        title->setBuddy(made[i].slider);
        // The field is read on its own: its name carries the row and the unit.
        made[i].stepper->setAccessibleName(tr("%1, in minutes").arg(title->text()));
        grid->addWidget(made[i].slider, i, 1);
        grid->addWidget(made[i].stepper, i, 2);
        grid->addWidget(made[i].mins, i, 3);
    }
    pomodoroSlider = made[0].slider;
    pomodoroMins = made[0].mins;
    pomodoroStepper = made[0].stepper;
    pomodoroValueTextField = pomodoroStepper->field();
    shortBreakSlider = made[1].slider;
    shortBreakMins = made[1].mins;
    shortBreakStepper = made[1].stepper;
    shortBreakValueTextField = shortBreakStepper->field();
    longBreakSlider = made[2].slider;
    longBreakMins = made[2].mins;
    longBreakStepper = made[2].stepper;
    longBreakValueTextField = longBreakStepper->field();

    autoLongBreakPrefix = rowLabel(QT_TRANSLATE_NOOP("Localizable", "Take a long break after"), timerBgView);
    autoLongBreakStepper = new PreferenceSpinBox(timerBgView);
    autoLongBreakStepper->setRange(0, PreferencesGeneralViewModel::countMaximum);
    autoLongBreakStepper->setAccessibleName(Localizable::text("Take a long break after"));
    autoLongBreakValueTextField = autoLongBreakStepper->field();
    autoLongBreakPrefix->setBuddy(autoLongBreakStepper);
    autoLongBreakPostfix = rowLabel("", timerBgView); // its words follow the count
    grid->addWidget(autoLongBreakPrefix, 3, 0, 1, 2);
    grid->addWidget(autoLongBreakStepper, 3, 2);
    grid->addWidget(autoLongBreakPostfix, 3, 3);
    root->addWidget(timerBgView);

    auto* switches = new PreferencesWhiteBgView(content);
    switches->enableHoverState = false;
    auto* column = new QVBoxLayout(switches);
    column->setContentsMargins(16, 14, 16, 14);
    column->setSpacing(8);
    soundEffectButton = makeCheckBox(QT_TRANSLATE_NOOP("Localizable", "Play a sound when a break ends"), PreferKey::SoundEffect, switches);
    countdownButton =
        makeCheckBox(QT_TRANSLATE_NOOP("Localizable", "Show the countdown on the tray icon"), PreferKey::CountDownOnMenubarEnabled, switches);
    countDownPieButton =
        new QCheckBox(Localizable::text("Show the progress as a pie on the tray icon"), switches);
    autoStartPomodoroButton =
        makeCheckBox(QT_TRANSLATE_NOOP("Localizable", "Start a Pomodoro when Mirelo starts"), PreferKey::AutoStartPomodoroEnabled, switches);
    autoLaunchButton = new QCheckBox(Localizable::text("Launch Mirelo at login"), switches);
    stopBreakOptionsButton =
        new QCheckBox(Localizable::text("Offer options when a break is stopped"), switches);
    noCancellationOption = new QCheckBox(Localizable::text("No cancellation during the break"), switches);
    awayDetectionButton = new QCheckBox(Localizable::text("Stop a Pomodoro when I am away"), switches);
    awayDetectionButton->setToolTip(Localizable::text(
        "No input for this long, or the screen locked that long, stops the Pomodoro; nothing "
        "is recorded for the time away."));
    awayThresholdField = new MinutesSpinBox(switches);
    awayThresholdField->setRange(2, 60);
    awayThresholdField->setAccessibleName(Localizable::text("Away after"));
    disposeBag += preferences.observe(AwayKey::enabled, [this](const QJsonValue&) {
        const bool on = this->preferences.boolValue(AwayKey::enabled);
        awayDetectionButton->setChecked(on);
        awayThresholdField->setEnabled(on);
    });
    disposeBag += preferences.observe(AwayKey::threshold, [this](const QJsonValue&) {
        // Shown in whole minutes; a stored value outside the range stays as it is until edited.
        const QSignalBlocker blocker(awayThresholdField);
        awayThresholdField->setValue(
            std::clamp((this->preferences.intValue(AwayKey::threshold) + 30) / 60, 2, 60));
    });
    connect(awayDetectionButton, &QCheckBox::clicked, this,
            [this](bool on) { this->preferences.setValue(AwayKey::enabled, on); });
    connect(awayThresholdField, &QSpinBox::valueChanged, this,
            [this](int minutes) { this->preferences.setValueWhenSettled(AwayKey::threshold, minutes * 60); });
    for (QCheckBox* box : {soundEffectButton, countdownButton, countDownPieButton, autoStartPomodoroButton,
                           autoLaunchButton, stopBreakOptionsButton, noCancellationOption})
        column->addWidget(box);
    auto* awayRow = new QHBoxLayout;
    awayRow->addWidget(awayDetectionButton);
    awayRow->addWidget(awayThresholdField);
    awayRow->addStretch(1);
    column->addLayout(awayRow);

    holdBreaksButton = new QCheckBox(
        Localizable::text("Hold breaks during calls, presentations and full-screen work"), switches);
    holdBreaksButton->setToolTip(Localizable::text(
        "While the microphone, the camera or a screen share is in use, Do Not Disturb is on or "
        "a full-screen window has the focus, the break waits and starts when they end."));
    holdMaximumField = new MinutesSpinBox(switches);
    holdMaximumField->setRange(1, 240);
    holdMaximumField->setAccessibleName(Localizable::text("Hold at most"));
    auto* holdMaximumLabel = new QLabel(Localizable::text("Hold at most"), switches);
    holdMaximumLabel->setBuddy(holdMaximumField);
    disposeBag += preferences.observe(HoldKey::enabled, [this](const QJsonValue&) {
        const bool on = this->preferences.boolValue(HoldKey::enabled);
        holdBreaksButton->setChecked(on);
        holdMaximumField->setEnabled(on);
    });
    disposeBag += preferences.observe(HoldKey::maximum, [this](const QJsonValue&) {
        const QSignalBlocker blocker(holdMaximumField);
        holdMaximumField->setValue(
            std::clamp((this->preferences.intValue(HoldKey::maximum) + 30) / 60, 1, 240));
    });
    connect(holdBreaksButton, &QCheckBox::clicked, this,
            [this](bool on) { this->preferences.setValue(HoldKey::enabled, on); });
    connect(holdMaximumField, &QSpinBox::valueChanged, this,
            [this](int minutes) { this->preferences.setValueWhenSettled(HoldKey::maximum, minutes * 60); });
    column->addWidget(holdBreaksButton);
    auto* holdRow = new QHBoxLayout;
    holdRow->setContentsMargins(24, 0, 0, 0);
    holdRow->addWidget(holdMaximumLabel);
    holdRow->addWidget(holdMaximumField);
    holdRow->addStretch(1);
    column->addLayout(holdRow);
    column->addWidget(new HoldSourcesRow(preferences, switches));
    column->addWidget(new PauseLimitRow(preferences, switches));
    column->addWidget(new DailyGoalRow(preferences, switches));
    root->addWidget(switches);
    soundsView = new EventSoundsView(preferences, content);
    root->addWidget(soundsView);
    root->addStretch(1);
    scrollView->setWidget(content);
    outer->addWidget(scrollView, 1);

    restoreDefaultsButton = makeRestoreDefaultsButton(preferences, UserDefaults::PreferencesPane::general);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(20, 0, 20, 0);
    buttons->addStretch(1);
    buttons->addWidget(restoreDefaultsButton);
    outer->addLayout(buttons);

    disposeBag += preferences.observe(keyText(PreferKey::LaunchAtLogin), [this](const QJsonValue&) {
        autoLaunchButton->setChecked(this->preferences.boolValue(PreferKey::LaunchAtLogin));
    });
    connect(autoLaunchButton, &QCheckBox::clicked, this, [this](bool on) {
        // A refused change leaves the box showing what is stored, not the click.
        if (!model.changeLaunchAtLogin(on))
            autoLaunchButton->setChecked(this->preferences.boolValue(PreferKey::LaunchAtLogin));
    });

    auto showBreakOptions = [this](const QJsonValue&) {
        const bool noCancellation = this->preferences.boolValue(PreferKey::noCancellationDuringTheBreak);
        stopBreakOptionsButton->setChecked(this->preferences.boolValue(PreferKey::showBreakOptions));
        noCancellationOption->setChecked(noCancellation);
        stopBreakOptionsButton->setEnabled(!noCancellation);
        LOG_DEBUG(QStringLiteral("self.stopBreakOptionsButton.isEnabled: ") +
                  (stopBreakOptionsButton->isEnabled() ? QStringLiteral("true") : QStringLiteral("false")));
    };
    disposeBag += preferences.observe(keyText(PreferKey::showBreakOptions), showBreakOptions);
    disposeBag += preferences.observe(keyText(PreferKey::noCancellationDuringTheBreak), showBreakOptions);
    connect(stopBreakOptionsButton, &QCheckBox::clicked, this,
            [this](bool on) { model.showBreakOptionsClicked(on); });
    connect(noCancellationOption, &QCheckBox::clicked, this,
            [this](bool on) { model.noCancellationClicked(on); });

    disposeBag +=
        preferences.observe(keyText(PreferKey::CountDownPieOnMenuBarEnabled), [this](const QJsonValue&) {
            countDownPieButton->setChecked(
                this->preferences.boolValue(PreferKey::CountDownPieOnMenuBarEnabled));
        });
    connect(countDownPieButton, &QCheckBox::clicked, this,
            [this](bool on) { model.countDownPieClicked(on); });

    disposeBag += preferences.observe(DurationKey::countToLongBreak, [this](const QJsonValue&) {
        const int count = this->preferences.intValue(DurationKey::countToLongBreak);
        autoLongBreakStepper->display(count);
        // "after 1 short break", "after 4 short breaks": the words follow the number.
        autoLongBreakPostfix->setText(QCoreApplication::translate("Localizable", "short breaks", nullptr, count));
    });
    connect(autoLongBreakStepper, &PreferenceSpinBox::stepped, this,
            [this](int count) { model.countStepperChanged(count); });
    connect(autoLongBreakStepper, &PreferenceSpinBox::typed, this,
            [this](const QString& text) { model.countTyped(text); });
}

PreferencesGeneralViewController::~PreferencesGeneralViewController() = default;

PreferencesGeneralViewController::LengthRow
PreferencesGeneralViewController::makeLengthRow(const QString& key)
{
    LengthRow row;
    row.slider = new QSlider(Qt::Horizontal, timerBgView);
    row.slider->setRange(PreferencesGeneralViewModel::lengthMinimum,
                         PreferencesGeneralViewModel::sliderMaximum);
    row.slider->setPageStep(5);
    row.slider->setMinimumWidth(200);
    row.stepper = new PreferenceSpinBox(timerBgView);
    row.stepper->setRange(PreferencesGeneralViewModel::lengthMinimum,
                          PreferencesGeneralViewModel::stepperMaximum);
    row.mins = new QLabel(minutesUnit(0), timerBgView);

    disposeBag += preferences.observe(key, [this, key, row](const QJsonValue&) {
        const int minutes = PreferencesGeneralViewModel::minutes(preferences.intValue(key));
        {
            // Showing the stored value is not a move of the slider.
            const QSignalBlocker blocker(row.slider);
            row.slider->setValue(std::clamp(minutes, 0, PreferencesGeneralViewModel::sliderMaximum));
        }
        row.stepper->display(minutes);
        row.mins->setText(minutesUnit(minutes));
    });
    connect(row.slider, &QSlider::valueChanged, this,
            [this, key](int minutes) { model.sliderMoved(key, minutes); });
    connect(row.stepper, &PreferenceSpinBox::stepped, this,
            [this, key](int minutes) { model.stepperChanged(key, minutes); });
    connect(row.stepper, &PreferenceSpinBox::typed, this,
            [this, key](const QString& text) { model.valueTyped(key, text); });
    return row;
}

QCheckBox* PreferencesGeneralViewController::makeCheckBox(const char* title, PreferKey key, QWidget* parent)
{
    auto* box = new QCheckBox(Localizable::text(title), parent);
    disposeBag += preferences.observe(
        keyText(key), [this, box, key](const QJsonValue&) { box->setChecked(preferences.boolValue(key)); });
    connect(box, &QCheckBox::clicked, this, [this, key](bool on) { model.checkBoxClicked(key, on); });
    return box;
}

void PreferencesGeneralViewController::viewDidAppear()
{
    PreferencesPane::viewDidAppear();
    if (QWidget* focused = focusWidget(); focused && isAncestorOf(focused))
        focused->clearFocus();
}
