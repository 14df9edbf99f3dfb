#include "preferences/PreferencesAdvancedViewController.h"

#include "auth/Biometrics.h"
#include "passcode/SetPasscodeViewController.h"
#include "preferences/PreferencesWhiteBgView.h"
#include "preferences/ShortcutRecorder.h"
#include "settings/Preferences.h"
#include "shortcuts/GlobalShortcuts.h"
#include "shortcuts/ShortcutBinder.h"
#include "integration/Workspace.h"
#include "widgets/Localizable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {
PreferencesWhiteBgView* panel(QWidget* parent)
{
    auto* view = new PreferencesWhiteBgView(parent);
    view->enableHoverState = false;
    return view;
}
} // namespace

PreferencesAdvancedViewController::PreferencesAdvancedViewController(Dependencies dependencies,
                                                                     QWidget* parent)
    : PreferencesPane(QStringLiteral("PreferencesAdvancedViewController"), parent),
      dependencies(dependencies),
      model(*dependencies.preferences, dependencies.workspace, dependencies.launcher)
{
    Preferences& preferences = *dependencies.preferences;
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(20, 20, 20, 20);
    root->setSpacing(8);

    // Widgets are made in reading order, each with its final parent: that is the Tab order.
    root->addWidget(heading(QT_TRANSLATE_NOOP("Localizable", "Passcode lock"), this));
    auto* lock = panel(this);
    auto* lockGrid = new QGridLayout(lock);
    lockGrid->setContentsMargins(16, 14, 16, 14);
    lockGrid->setHorizontalSpacing(12);
    lockGrid->setVerticalSpacing(10);
    lockGrid->setColumnStretch(2, 1);
    // The end of every break locks too, not only Stop: the label says both.
    requirePasscodeButton =
        new QCheckBox(Localizable::text("Ask for a passcode to end a break early and at its end"), lock);
    changePasscodeButton = new QPushButton(Localizable::text("Change passcode…"), lock);
    changePasscodeButton->setAutoDefault(false);
    auto* delayLabel = new QLabel(Localizable::text("Ask for it"), lock);
    delayLabel->setTextFormat(Qt::PlainText);
    timeSelection = new QComboBox(lock);
    for (const char* title : {QT_TRANSLATE_NOOP("Localizable", "at once"), QT_TRANSLATE_NOOP("Localizable", "after 5 seconds"), QT_TRANSLATE_NOOP("Localizable", "after 10 seconds"), QT_TRANSLATE_NOOP("Localizable", "after 1 minute")})
        timeSelection->addItem(Localizable::text(title));
    delayLabel->setBuddy(timeSelection);
    // Wide enough for its longest choice in any language, with room for the arrow.
    int longest = 0;
    for (int i = 0; i < timeSelection->count(); ++i)
        longest =
            std::max(longest, timeSelection->fontMetrics().horizontalAdvance(timeSelection->itemText(i)));
    timeSelection->setMinimumWidth(longest + 2 * timeSelection->iconSize().width() + 8);
    // Named by its label, not by the value it shows.
    timeSelection->setAccessibleName(delayLabel->text());
    touchIDButton = new QCheckBox(Localizable::text("Unlock with a fingerprint"), lock);
    // The switch has the row to itself: its sentence runs long in several languages.
    lockGrid->addWidget(requirePasscodeButton, 0, 0, 1, 4);
    lockGrid->addWidget(changePasscodeButton, 1, 3);
    lockGrid->addWidget(delayLabel, 1, 0);
    lockGrid->addWidget(timeSelection, 1, 1);
    touchIDReason = new QLabel(lock);
    touchIDReason->setTextFormat(Qt::PlainText);
    touchIDReason->setWordWrap(true);
    touchIDReason->setEnabled(false);
    touchIDReason->hide();
    lockGrid->addWidget(touchIDButton, 2, 0, 1, 4);
    lockGrid->addWidget(touchIDReason, 3, 0, 1, 4);
    root->addWidget(lock);

    root->addSpacing(8);
    root->addWidget(heading(QT_TRANSLATE_NOOP("Localizable", "Global shortcuts"), this));
    auto* keys = panel(this);
    auto* keyGrid = new QGridLayout(keys);
    keyGrid->setContentsMargins(16, 14, 16, 14);
    keyGrid->setHorizontalSpacing(12);
    keyGrid->setVerticalSpacing(6);
    keyGrid->setColumnStretch(1, 1);
    struct Row
    {
        const char* title;
        QString key;
        ShortcutRecorder** field;
    };
    const Row rows[] = {{QT_TRANSLATE_NOOP("Localizable", "Start a Pomodoro"), keyText(PreferKey::StartPomodoroShortcut), &startTimerSCView},
                        {QT_TRANSLATE_NOOP("Localizable", "Short break"), keyText(PreferKey::ShortBreakShortcut), &shortBreakSCView},
                        {QT_TRANSLATE_NOOP("Localizable", "Pause or resume"), PauseKey::shortcut, &pauseSCView}};
    int line = 0;
    for (const Row& row : rows) {
        auto* title = new QLabel(Localizable::text(row.title), keys);
        title->setTextFormat(Qt::PlainText);
        auto* recorder = new ShortcutRecorder(row.key, dependencies.shortcuts, keys);
        recorder->setAccessibleName(Localizable::text(row.title));
        recorder->setMinimumWidth(220);
        title->setBuddy(recorder);
        keyGrid->addWidget(title, line, 0);
        keyGrid->addWidget(recorder, line++, 1);
        keyGrid->addWidget(recorder->problemLabel(), line++, 1);
        *row.field = recorder;
        auto* bound = new QLabel(keys);
        bound->setTextFormat(Qt::PlainText);
        bound->setWordWrap(true);
        bound->setVisible(false);
        keyGrid->addWidget(bound, line++, 1);
        boundTriggerLabels << bound;
    }
    auto* hint = new QLabel(Localizable::text("Choose a field (click, Space or Return), then press the "
                                              "combination; Backspace clears it, Escape keeps the old one."),
                            keys);
    hint->setTextFormat(Qt::PlainText);
    hint->setWordWrap(true);
    hint->setEnabled(false);
    keyGrid->addWidget(hint, line++, 0, 1, 2);
    shortcutsNote = new QLabel(keys);
    shortcutsNote->setTextFormat(Qt::PlainText);
    shortcutsNote->setWordWrap(true);
    // The command is there to be copied into the desktop's settings.
    shortcutsNote->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    shortcutsNote->setVisible(false);
    keyGrid->addWidget(shortcutsNote, line++, 0, 1, 2);
    shortcutSettingsButton = new QPushButton(Localizable::text("&Change in System Settings…"), keys);
    shortcutSettingsButton->setVisible(false);
    keyGrid->addWidget(shortcutSettingsButton, line++, 0, 1, 2, Qt::AlignLeft);
    root->addWidget(keys);
    if (!dependencies.globalShortcutsOffered) {
        // Stored for a session that has them (X11), but nothing here would bind them.
        for (ShortcutRecorder* recorder : {startTimerSCView, shortBreakSCView, pauseSCView})
            recorder->setEnabled(false);
        hint->setVisible(false);
        shortcutsNote->setText(Localizable::text(
            "This desktop gives programs no global shortcuts. In its keyboard settings, bind a "
            "key to a Mirelo command instead, for example: mirelo pomodoro"));
        shortcutsNote->setVisible(true);
    } else if (dependencies.globalShortcuts && dependencies.globalShortcuts->boundByDesktop()) {
        shortcutsNote->setText(
            Localizable::text("The desktop decides which keys it binds and may ask you first."));
        shortcutsNote->setVisible(true);
        shortcutSettingsButton->setVisible(true);
        connect(shortcutSettingsButton, &QPushButton::clicked, this, [this] {
            if (!this->dependencies.workspace || !this->dependencies.workspace->openShortcutSettings())
                shortcutsNote->setText(Localizable::text(
                    "Change them in the keyboard shortcuts of your desktop's system settings."));
        });
        connect(dependencies.globalShortcuts, &GlobalShortcuts::triggersChanged, this,
                &PreferencesAdvancedViewController::showBoundTriggers);
        showBoundTriggers();
    }

    root->addSpacing(8);
    root->addWidget(heading(QT_TRANSLATE_NOOP("Localizable", "Logs and launchers"), this));
    // The logs on a row of their own, the launcher's two beside each other: three long
    // button texts in one row would widen the window past what reads well.
    auto* buttons = new QGridLayout;
    buttons->setSpacing(8);
    revealLogButton = new QPushButton(Localizable::text("Reveal logs in the file manager"), this);
    workflowButton = new QPushButton(Localizable::text("Add actions to the launcher"), this);
    raycastButton = new QPushButton(Localizable::text("Launcher integration page"), this);
    for (QPushButton* button : {revealLogButton, workflowButton, raycastButton})
        button->setAutoDefault(false);
    buttons->addWidget(revealLogButton, 0, 0, Qt::AlignLeft);
    buttons->addWidget(workflowButton, 1, 0);
    buttons->addWidget(raycastButton, 1, 1);
    buttons->setColumnStretch(2, 1);
    root->addLayout(buttons);
    launcherResult = new QLabel(this);
    launcherResult->setTextFormat(Qt::PlainText);
    launcherResult->setWordWrap(true);
    // Room kept for the answer: the pane does not grow, clip or scroll when it comes.
    launcherResult->setMinimumHeight(launcherResult->fontMetrics().lineSpacing() * 2);
    root->addWidget(launcherResult);
    root->addStretch(1);
    restoreDefaultsButton = makeRestoreDefaultsButton(preferences, UserDefaults::PreferencesPane::advanced);
    auto* restoreRow = new QHBoxLayout;
    restoreRow->addStretch(1);
    restoreRow->addWidget(restoreDefaultsButton);
    root->addLayout(restoreRow);
    connect(revealLogButton, &QPushButton::clicked, this, [this] { onRevealLogClicked(); });
    connect(workflowButton, &QPushButton::clicked, this, [this] { onAlfredWorkflowClicked(); });
    connect(raycastButton, &QPushButton::clicked, this, [this] { onRaycastClicked(); });

    connect(changePasscodeButton, &QPushButton::clicked, this, [this] { passcodeButtonClicked(); });

    timeSelection->setCurrentIndex(model.storedTimeSelectionIndex());
    // Only a pick by the user writes: a stored value outside the items stays until then.
    connect(timeSelection, &QComboBox::activated, this, [this](int index) { model.timeSelected(index); });

    const bool enabled = preferences.boolValue(PreferKey::PasscodeEnabled);
    requirePasscodeButton->setChecked(enabled);
    changePasscodeButton->setEnabled(enabled);
    timeSelection->setEnabled(enabled);
    connect(requirePasscodeButton, &QCheckBox::clicked, this, [this](bool on) { passcodeSwitch(on); });
    // The current state runs the switch too; with no window yet no dialog can open.
    passcodeSwitch(enabled);

    touchIDButton->setChecked(preferences.boolValue(PreferKey::TouchIDEnabled));
    connect(touchIDButton, &QCheckBox::toggled, this, [this](bool on) { model.touchIDSwitch(on); });
    model.touchIDSwitch(touchIDButton->isChecked());
    // What Restore defaults, a hand edit or another window writes shows at once. The switch's
    // own rule (the event, the dialog) belongs to a click, not to a store change.
    disposeBag += preferences.observe(keyText(PreferKey::PasscodeEnabled), [this](const QJsonValue&) {
        const bool on = this->dependencies.preferences->boolValue(PreferKey::PasscodeEnabled);
        requirePasscodeButton->setChecked(on);
        changePasscodeButton->setEnabled(on);
        timeSelection->setEnabled(on);
        showFingerprintOption();
    });
    disposeBag += preferences.observe(keyText(PreferKey::TouchIDEnabled),
                                      [this](const QJsonValue&) { showFingerprintOption(); });
    disposeBag += preferences.observe(keyText(PreferKey::PasscodeTimeOut), [this](const QJsonValue&) {
        timeSelection->setCurrentIndex(model.storedTimeSelectionIndex());
    });
    if (dependencies.biometrics) {
        QPointer<PreferencesAdvancedViewController> pane(this);
        dependencies.biometrics->findReader([pane](const QString& missing) {
            if (!pane)
                return;
            pane->readerMissing = missing;
            pane->showFingerprintOption();
        });
    }
}

void PreferencesAdvancedViewController::showBoundTriggers()
{
    // What the desktop bound may differ from what was recorded: that is what works.
    const Preferences& preferences = *dependencies.preferences;
    for (int i = 0; i < boundTriggerLabels.size(); ++i) {
        const bool recorded = !ShortcutBinder::storedShortcut(preferences, ShortcutBinder::shortcutKey(i)).isEmpty();
        const QString trigger = dependencies.globalShortcuts->boundTrigger(i);
        QLabel* label = boundTriggerLabels[i];
        label->setText(trigger.isEmpty() ? Localizable::text("Not bound by the desktop yet")
                                         : Localizable::text("Bound by the desktop: %1").arg(trigger));
        label->setVisible(recorded || !trigger.isEmpty());
    }
}

void PreferencesAdvancedViewController::showFingerprintOption()
{
    // Without a reader the option is shown off and cannot be changed; the stored choice stays
    // for a machine that gets one.
    const Preferences& preferences = *dependencies.preferences;
    const bool reader = readerMissing.isEmpty();
    {
        const QSignalBlocker blocker(touchIDButton);
        touchIDButton->setChecked(reader && preferences.boolValue(PreferKey::TouchIDEnabled));
    }
    touchIDButton->setEnabled(reader && preferences.boolValue(PreferKey::PasscodeEnabled));
    touchIDReason->setText(readerMissing);
    touchIDReason->setVisible(!reader);
    touchIDButton->setAccessibleDescription(readerMissing);
}

PreferencesAdvancedViewController::~PreferencesAdvancedViewController()
{
    // A dialog outliving its pane must not run the pane's cancel rule.
    if (passcodeWC)
        passcodeWC->didCancelBlock = nullptr;
}

void PreferencesAdvancedViewController::passcodeSwitch(bool on)
{
    changePasscodeButton->setEnabled(on);
    timeSelection->setEnabled(on);
    if (model.passcodeSwitch(on))
        passcodeButtonClicked();
}

void PreferencesAdvancedViewController::passcodeButtonClicked()
{
    QWidget* shownIn = window();
    if (shownIn == this || !shownIn->isVisible() || passcodeWC)
        return;
    auto* dialog = new SetPasscodeViewController(*dependencies.preferences, shownIn);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    QPointer<PreferencesAdvancedViewController> pane(this);
    dialog->didCancelBlock = [pane] {
        if (pane && pane->model.passcodeDialogCancelled()) {
            pane->requirePasscodeButton->setChecked(false);
            pane->changePasscodeButton->setEnabled(false);
            pane->timeSelection->setEnabled(false);
        }
    };
    passcodeWC = dialog;
    dialog->open();
}

void PreferencesAdvancedViewController::onRevealLogClicked()
{
    model.onRevealLogClicked();
}

void PreferencesAdvancedViewController::onAlfredWorkflowClicked()
{
    launcherResult->setText(model.onAlfredWorkflowClicked());
}

void PreferencesAdvancedViewController::onRaycastClicked()
{
    model.onRaycastClicked();
}
