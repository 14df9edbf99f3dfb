#include "PreferencesFixture.h"
#include "auth/Biometrics.h"
#include "passcode/SetPasscodeViewController.h"
#include "preferences/PreferencesAdvancedViewController.h"
#include "integration/Workspace.h"
#include "preferences/ShortcutRecorder.h"
#include "shortcuts/GlobalShortcuts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class PreferencesAdvancedTest : public PreferencesFixture
{
protected:
    PreferencesAdvancedViewController& advanced()
    {
        if (!window)
            open();
        window->changeTab(int(PreferTab::advanced));
        return pane<PreferencesAdvancedViewController>();
    }
    // Picks an item as a user does, through the pop-up's list.
    static void pick(QComboBox* box, int index)
    {
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }
};

TEST_F(PreferencesAdvancedTest, DelayShowsUnknownValuesAsAtOnceAndKeepsThemUntilPicked)
{
    prefs->setValue(PreferKey::PasscodeTimeOut, 30);
    prefs->setValue(PreferKey::PasscodeEnabled, true);
    auto& pane = advanced();
    EXPECT_EQ(pane.timeSelection->currentIndex(), 0);
    EXPECT_EQ(pane.timeSelection->count(), 4);
    EXPECT_EQ(prefs->intValue(PreferKey::PasscodeTimeOut), 30);

    pick(pane.timeSelection, 3);
    EXPECT_EQ(prefs->intValue(PreferKey::PasscodeTimeOut), 60);
    pick(pane.timeSelection, 1);
    EXPECT_EQ(prefs->intValue(PreferKey::PasscodeTimeOut), 5);
    // Flushed: a fresh store reads it from the file.
    EXPECT_EQ(Preferences(prefs->filePath()).intValue(PreferKey::PasscodeTimeOut), 5);

    window->changeTab(int(PreferTab::general));
    EXPECT_EQ(advanced().timeSelection->currentIndex(), 1);
}

TEST_F(PreferencesAdvancedTest, FirstPasscodeCancelledLeavesTheLockOff)
{
    auto& pane = advanced();
    // Building the pane runs the switch with the stored state once.
    EXPECT_EQ(count(QStringLiteral("DisabledPasscode")), 1);
    EXPECT_FALSE(pane.changePasscodeButton->isEnabled());
    EXPECT_FALSE(pane.timeSelection->isEnabled());
    EXPECT_FALSE(pane.touchIDButton->isEnabled());
    EXPECT_TRUE(pane.touchIDButton->isChecked());
    EXPECT_EQ(pane.passcodeWC, nullptr);

    pane.requirePasscodeButton->click();
    EXPECT_EQ(count(QStringLiteral("EnabledPasscode")), 1);
    EXPECT_TRUE(prefs->boolValue(PreferKey::PasscodeEnabled));
    ASSERT_NE(pane.passcodeWC, nullptr);
    EXPECT_TRUE(pane.passcodeWC->isVisible());
    EXPECT_EQ(pane.passcodeWC->parentWidget(), window.get());
    EXPECT_TRUE(pane.touchIDButton->isEnabled());

    QTest::keyClick(pane.passcodeWC, Qt::Key_Escape);
    EXPECT_FALSE(pane.requirePasscodeButton->isChecked());
    EXPECT_FALSE(prefs->boolValue(PreferKey::PasscodeEnabled));
    EXPECT_EQ(count(QStringLiteral("DisabledPasscode")), 2);
    EXPECT_FALSE(pane.changePasscodeButton->isEnabled());
    EXPECT_FALSE(pane.touchIDButton->isEnabled());

    // Confirming a passcode keeps the lock on.
    pane.requirePasscodeButton->click();
    ASSERT_NE(pane.passcodeWC, nullptr);
    QTest::keyClicks(pane.passcodeWC->passcodeLabel, QStringLiteral("ab12"));
    QTest::keyClicks(pane.passcodeWC->verifyLabel, QStringLiteral("ab12"));
    pane.passcodeWC->confirmButton->click();
    QApplication::processEvents();
    EXPECT_EQ(pane.passcodeWC, nullptr);
    EXPECT_TRUE(prefs->boolValue(PreferKey::PasscodeEnabled));
    EXPECT_TRUE(UserDefaults::passcodeForBreakviewUnlocking(*prefs).has_value());
}

TEST_F(PreferencesAdvancedTest, StoredPasscodeOpensNothingAndFingerprintKeepsItsValue)
{
    UserDefaults::storePasscode(*prefs, QStringLiteral("ab12"));
    auto& pane = advanced();
    pane.requirePasscodeButton->click();
    EXPECT_EQ(pane.passcodeWC, nullptr);
    EXPECT_TRUE(pane.changePasscodeButton->isEnabled());
    EXPECT_TRUE(pane.timeSelection->isEnabled());

    pane.touchIDButton->click();
    EXPECT_FALSE(prefs->boolValue(PreferKey::TouchIDEnabled));
    pane.requirePasscodeButton->click();
    EXPECT_FALSE(pane.touchIDButton->isEnabled());
    EXPECT_FALSE(pane.touchIDButton->isChecked());
    EXPECT_FALSE(prefs->boolValue(PreferKey::TouchIDEnabled));

    // "Change passcode…" opens the dialog on demand; cancelling it keeps the lock.
    pane.requirePasscodeButton->click();
    pane.changePasscodeButton->click();
    ASSERT_NE(pane.passcodeWC, nullptr);
    pane.passcodeWC->cancelButton->click();
    EXPECT_TRUE(pane.requirePasscodeButton->isChecked());
    EXPECT_TRUE(prefs->boolValue(PreferKey::PasscodeEnabled));
}

TEST_F(PreferencesAdvancedTest, RecordersStoreTheFirstChordAndSayWhyOneIsRefused)
{
    auto& pane = advanced();
    ShortcutRecorder* start = pane.startTimerSCView;
    ShortcutRecorder* shortBreak = pane.shortBreakSCView;
    auto stored = [this](PreferKey key) { return prefs->stringValue(key).value_or(QString()); };

    // Focus alone records nothing, so Tab can pass through the field.
    QApplication::setActiveWindow(window.get());
    start->setFocus();
    ASSERT_TRUE(start->hasFocus());
    EXPECT_FALSE(start->isRecording());
    EXPECT_FALSE(globalShortcuts.suspended);
    QTest::keyClick(start, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(stored(PreferKey::StartPomodoroShortcut).isEmpty());

    // Space starts recording, says so, and releases the bound combinations to the field.
    QTest::keyClick(start, Qt::Key_Space);
    ASSERT_TRUE(start->isRecording());
    EXPECT_TRUE(globalShortcuts.suspended);
    EXPECT_TRUE(start->text().contains(QStringLiteral("Escape cancels")));
    // The keys that switch panes and tabs in every program are never taken.
    for (Qt::Key nav : {Qt::Key_Tab, Qt::Key_PageDown, Qt::Key_PageUp}) {
        QTest::keyClick(start, nav, Qt::ControlModifier);
        EXPECT_TRUE(stored(PreferKey::StartPomodoroShortcut).isEmpty()) << nav;
        EXPECT_TRUE(start->isRecording());
    }
    QTest::keyClick(start, Qt::Key_Return, Qt::AltModifier);
    EXPECT_TRUE(stored(PreferKey::StartPomodoroShortcut).isEmpty());
    QTest::keyClick(start, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(stored(PreferKey::StartPomodoroShortcut), QStringLiteral("Ctrl+Alt+P"));
    EXPECT_EQ(start->keySequence(), QKeySequence(QStringLiteral("Ctrl+Alt+P")));
    EXPECT_FALSE(start->isRecording());
    EXPECT_FALSE(globalShortcuts.suspended);
    // Bound at once, without a restart, and a press runs the action.
    ASSERT_EQ(globalShortcuts.bound.size(), 3);
    EXPECT_EQ(globalShortcuts.bound[0], QKeySequence(QStringLiteral("Ctrl+Alt+P")));
    QSignalSpy pressed(binder.get(), &ShortcutBinder::startPomodoroPressed);
    globalShortcuts.press(0);
    EXPECT_EQ(pressed.count(), 1);

    // Return starts it too; Super is a modifier like Ctrl and Alt.
    shortBreak->setFocus();
    QTest::keyClick(shortBreak, Qt::Key_Return);
    ASSERT_TRUE(shortBreak->isRecording());
    QTest::keyClick(shortBreak, Qt::Key_B, Qt::MetaModifier);
    EXPECT_EQ(stored(PreferKey::ShortBreakShortcut), QStringLiteral("Meta+B"));
    EXPECT_EQ(globalShortcuts.bound[1], QKeySequence(QStringLiteral("Meta+B")));

    // A key alone would be taken from every program, a function key too.
    shortBreak->click();
    for (QKeyCombination alone : {QKeyCombination(Qt::Key_S), QKeyCombination(Qt::ShiftModifier, Qt::Key_S),
                                  QKeyCombination(Qt::Key_F5)}) {
        QTest::keyClick(shortBreak, alone.key(), alone.keyboardModifiers());
        EXPECT_EQ(stored(PreferKey::ShortBreakShortcut), QStringLiteral("Meta+B"));
        EXPECT_EQ(shortBreak->problemLabel()->text(),
                  QStringLiteral("Add Ctrl, Alt or Super: a key alone would be taken from every program."));
    }
    EXPECT_FALSE(shortBreak->problemLabel()->isHidden());
    EXPECT_TRUE(shortBreak->isRecording());

    // Both actions on one combination is refused.
    QTest::keyClick(shortBreak, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(stored(PreferKey::ShortBreakShortcut), QStringLiteral("Meta+B"));
    EXPECT_EQ(shortBreak->problemLabel()->text(),
              QStringLiteral("The other shortcut already uses this combination."));

    // Escape keeps what is stored, Backspace clears it.
    QTest::keyClick(shortBreak, Qt::Key_Escape);
    EXPECT_FALSE(shortBreak->isRecording());
    EXPECT_EQ(stored(PreferKey::ShortBreakShortcut), QStringLiteral("Meta+B"));
    EXPECT_EQ(shortBreak->keySequence(), QKeySequence(QStringLiteral("Meta+B")));
    shortBreak->click();
    QTest::keyClick(shortBreak, Qt::Key_Backspace);
    EXPECT_FALSE(prefs->hasPersistedValue(keyText(PreferKey::ShortBreakShortcut)));
    EXPECT_TRUE(shortBreak->keySequence().isEmpty());
    EXPECT_TRUE(globalShortcuts.bound[1].isEmpty());

    // A combination another program holds is reported beside its recorder as soon as it is
    // recorded, although nothing can be grabbed while recording.
    globalShortcuts.taken = {QKeySequence(QStringLiteral("Ctrl+Alt+B"))};
    shortBreak->click();
    QTest::keyClick(shortBreak, Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(stored(PreferKey::ShortBreakShortcut), QStringLiteral("Ctrl+Alt+B"));
    EXPECT_EQ(shortBreak->problemLabel()->text(),
              QStringLiteral("Another program already uses this combination."));
    EXPECT_FALSE(shortBreak->problemLabel()->isHidden());
    EXPECT_TRUE(start->problemLabel()->isHidden());

    // A pane built later shows the same problem.
    window->changeTab(int(PreferTab::general));
    EXPECT_FALSE(advanced().shortBreakSCView->problemLabel()->isHidden());
    EXPECT_EQ(advanced().shortBreakSCView->problemLabel()->text(),
              QStringLiteral("Another program already uses this combination."));

    // A stored navigation key (a hand edit, or an older version's recording) is not bound, and a
    // keyboard map change binds everything again.
    prefs->setValue(PreferKey::StartPomodoroShortcut, QStringLiteral("Ctrl+Tab"));
    globalShortcuts.taken.clear();
    const int binds = globalShortcuts.binds;
    globalShortcuts.changeKeyboard();
    EXPECT_EQ(globalShortcuts.binds, binds + 1);
    EXPECT_TRUE(globalShortcuts.bound[0].isEmpty());
    EXPECT_EQ(binder->problem(PreferKey::StartPomodoroShortcut),
              QStringLiteral("This key moves around or answers windows in every program: choose another."));
    EXPECT_TRUE(binder->problem(PreferKey::ShortBreakShortcut).isEmpty());
}

TEST_F(PreferencesAdvancedTest, NoReaderGreysTheFingerprintAndRestoreDefaultsUndoesTheLockAndShortcuts)
{
    struct NoReader : Biometrics
    {
        void evaluate(Callbacks) override {}
        void invalidate() override {}
        void findReader(std::function<void(const QString&)> answer) override
        {
            answer(QStringLiteral("No fingerprint reader was found."));
        }
    } noReader;
    prefs->setValue(PreferKey::PasscodeEnabled, true);
    prefs->setValue(PreferKey::Passcode, QStringLiteral("0cc175b9c0f1b6a831c399e269772661"));
    prefs->setValue(PreferKey::PasscodeTimeOut, 10);
    auto s = services();
    s.advanced.biometrics = &noReader;
    window = std::make_unique<PreferencesWindowController>(PreferencesWindowController::allTabs(), s);
    window->showWindow();
    window->changeTab(int(PreferTab::advanced));
    auto& shown = pane<PreferencesAdvancedViewController>();

    // Shown off and out of reach, with the reason; the stored choice waits for a reader.
    EXPECT_FALSE(shown.touchIDButton->isChecked());
    EXPECT_FALSE(shown.touchIDButton->isEnabled());
    EXPECT_FALSE(shown.touchIDReason->isHidden());
    EXPECT_EQ(shown.touchIDReason->text(), QStringLiteral("No fingerprint reader was found."));
    EXPECT_TRUE(prefs->boolValue(PreferKey::TouchIDEnabled));

    binder->record(PreferKey::StartPomodoroShortcut, QKeySequence(QStringLiteral("Ctrl+Alt+P")));
    ASSERT_EQ(globalShortcuts.bound.value(0), QKeySequence(QStringLiteral("Ctrl+Alt+P")));
    shown.restoreDefaultsButton->click();
    ASSERT_TRUE(shown.restoreQuestion);
    for (QAbstractButton* button : shown.restoreQuestion->buttons()) {
        if (shown.restoreQuestion->buttonRole(button) == QMessageBox::DestructiveRole)
            button->click();
    }
    // The lock is off, the delay back at once, the shortcut unbound and its field empty; the
    // controls show it without reopening the pane, and the passcode itself is kept.
    EXPECT_FALSE(shown.requirePasscodeButton->isChecked());
    EXPECT_FALSE(shown.timeSelection->isEnabled());
    EXPECT_EQ(shown.timeSelection->currentIndex(), 0);
    EXPECT_TRUE(globalShortcuts.bound.value(0).isEmpty());
    EXPECT_EQ(shown.startTimerSCView->keySequence(), QKeySequence());
    EXPECT_TRUE(prefs->stringValue(PreferKey::Passcode).has_value());
}

// Where the desktop binds the shortcuts (its portal), the pane shows what it bound, which may
// differ from what was recorded, and leads to its settings; where it offers none, the pane says
// how to bind Mirelo's commands there and the recorders rest.
TEST_F(PreferencesAdvancedTest, TheDesktopsOwnShortcutsAreShownAndWithoutAnyTheCommandIs)
{
    struct DesktopShortcuts : GlobalShortcuts
    {
        QStringList bind(const QList<QKeySequence>& combinations) override
        {
            return QStringList(combinations.size(), QString());
        }
        void setSuspended(bool) override {}
        bool boundByDesktop() const override { return true; }
        QString boundTrigger(int index) const override { return triggers.value(index); }
        void answer(QStringList bound)
        {
            triggers = std::move(bound);
            Q_EMIT triggersChanged();
        }
        QStringList triggers;
    } desktop;
    struct SettingsWorkspace : Workspace
    {
        void revealFile(const QString&) override {}
        bool openUrl(const QUrl&) override { return false; }
        bool openShortcutSettings() override { return ++opened, opens; }
        int opened = 0;
        bool opens = true;
    } workspace;
    prefs->setValue(PreferKey::StartPomodoroShortcut, QStringLiteral("Ctrl+Alt+P"));
    auto s = services();
    s.advanced.globalShortcuts = &desktop;
    s.advanced.workspace = &workspace;
    window = std::make_unique<PreferencesWindowController>(PreferencesWindowController::allTabs(), s);
    window->showWindow();
    window->changeTab(int(PreferTab::advanced));
    auto* shown = &pane<PreferencesAdvancedViewController>();

    ASSERT_EQ(shown->boundTriggerLabels.size(), 3);
    EXPECT_EQ(shown->boundTriggerLabels[0]->text(), QStringLiteral("Not bound by the desktop yet"));
    EXPECT_TRUE(shown->boundTriggerLabels[1]->isHidden()) << "nothing recorded, nothing asked";
    desktop.answer({QStringLiteral("Super+P")});
    EXPECT_EQ(shown->boundTriggerLabels[0]->text(), QStringLiteral("Bound by the desktop: Super+P"));
    EXPECT_FALSE(shown->shortcutsNote->isHidden());
    EXPECT_TRUE(shown->startTimerSCView->isEnabled());
    shown->shortcutSettingsButton->click();
    EXPECT_EQ(workspace.opened, 1);
    const QString note = shown->shortcutsNote->text();
    workspace.opens = false;
    shown->shortcutSettingsButton->click();
    EXPECT_NE(shown->shortcutsNote->text(), note) << "where no settings open, it says where to look";

    // No global shortcuts at all on this desktop.
    window.reset();
    s.advanced.globalShortcuts = nullptr;
    s.advanced.globalShortcutsOffered = false;
    window = std::make_unique<PreferencesWindowController>(PreferencesWindowController::allTabs(), s);
    window->showWindow();
    window->changeTab(int(PreferTab::advanced));
    shown = &pane<PreferencesAdvancedViewController>();
    EXPECT_TRUE(shown->shortcutsNote->text().contains(QStringLiteral("mirelo pomodoro")));
    EXPECT_FALSE(shown->shortcutsNote->isHidden());
    EXPECT_TRUE(shown->shortcutSettingsButton->isHidden());
    EXPECT_FALSE(shown->startTimerSCView->isEnabled());
    EXPECT_TRUE(shown->boundTriggerLabels[0]->isHidden());
}
