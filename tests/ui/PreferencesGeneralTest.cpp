#include "PreferencesFixture.h"
#include "preferences/HoldSourcesRow.h"
#include "preferences/PreferenceSpinBox.h"
#include "presence/HoldChoices.h"
#include "settings/UserDefaults.h"
#include "preferences/PreferencesGeneralViewController.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QWidget>

class PreferencesGeneralTest : public PreferencesFixture
{
protected:
    PreferencesGeneralViewController& general()
    {
        if (!window)
            open();
        return pane<PreferencesGeneralViewController>();
    }
    // Replaces the field's text as a user would and ends the editing with Return.
    static void type(PreferenceSpinBox* stepper, const QString& text)
    {
        stepper->field()->selectAll();
        QTest::keyClicks(stepper, text);
        QTest::keyClick(stepper, Qt::Key_Return);
    }
};

TEST_F(PreferencesGeneralTest, LengthRowsShowMinutesAndStoreSeconds)
{
    prefs->setValue(DurationKey::shortBreak, 330);
    auto& pane = general();
    EXPECT_EQ(pane.shortBreakSlider->value(), 5);
    EXPECT_EQ(pane.shortBreakValueTextField->text(), QStringLiteral("5"));
    EXPECT_EQ(pane.shortBreakStepper->value(), 5);
    EXPECT_EQ(pane.pomodoroMins->text(), QStringLiteral("minutes"));

    pane.pomodoroSlider->setValue(50);
    EXPECT_EQ(prefs->intValue(DurationKey::pomodoro), 3000);
    EXPECT_EQ(pane.pomodoroValueTextField->text(), QStringLiteral("50"));
    EXPECT_EQ(pane.pomodoroStepper->value(), 50);

    pane.pomodoroStepper->stepBy(1);
    EXPECT_EQ(prefs->intValue(DurationKey::pomodoro), 3060);
    EXPECT_TRUE(reported(QStringLiteral("stepperAction"), QStringLiteral("key"), DurationKey::pomodoro));

    // Typed lengths go past the slider's end, but never past the stepper's.
    type(pane.longBreakStepper, QStringLiteral("200"));
    EXPECT_EQ(prefs->intValue(DurationKey::longBreak), 12000);
    EXPECT_EQ(pane.longBreakValueTextField->text(), QStringLiteral("200"));
    EXPECT_EQ(pane.longBreakSlider->value(), 120);
    EXPECT_TRUE(
        reported(QStringLiteral("valueTextFieldAction"), QStringLiteral("key"), DurationKey::longBreak));
    type(pane.longBreakStepper, QStringLiteral("99999999"));
    EXPECT_EQ(prefs->intValue(DurationKey::longBreak), 86400 * 60);
    // Nothing a length can be read from, or zero, is the shortest length: one minute.
    type(pane.longBreakStepper, QStringLiteral("abc"));
    EXPECT_EQ(prefs->intValue(DurationKey::longBreak), 60);
    EXPECT_EQ(pane.longBreakValueTextField->text(), QStringLiteral("1"));
    EXPECT_EQ(pane.longBreakSlider->minimum(), 1);

    // The count: the stepper stops at 10, the field takes any number.
    pane.autoLongBreakStepper->display(10);
    pane.autoLongBreakStepper->stepBy(1);
    EXPECT_EQ(prefs->intValue(DurationKey::countToLongBreak), 10);
    type(pane.autoLongBreakStepper, QStringLiteral("25"));
    EXPECT_EQ(prefs->intValue(DurationKey::countToLongBreak), 25);
    EXPECT_EQ(pane.autoLongBreakValueTextField->text(), QStringLiteral("25"));

    // Restore defaults asks first; Cancel, the default answer, changes nothing.
    auto answer = [&](QMessageBox::ButtonRole role) {
        pane.restoreDefaultsButton->click();
        ASSERT_TRUE(pane.restoreQuestion);
        EXPECT_EQ(pane.restoreQuestion->defaultButton(), pane.restoreQuestion->button(QMessageBox::Cancel));
        for (QAbstractButton* button : pane.restoreQuestion->buttons()) {
            if (pane.restoreQuestion->buttonRole(button) == role) {
                button->click();
                return;
            }
        }
        FAIL() << "no button of the role";
    };
    answer(QMessageBox::RejectRole);
    EXPECT_EQ(prefs->intValue(DurationKey::countToLongBreak), 25);
    answer(QMessageBox::DestructiveRole);
    EXPECT_EQ(prefs->intValue(DurationKey::countToLongBreak), 3);
    EXPECT_EQ(prefs->intValue(DurationKey::pomodoro), 1500);
    EXPECT_EQ(pane.pomodoroValueTextField->text(), QStringLiteral("25"));
    EXPECT_EQ(pane.longBreakSlider->value(), 15);
}

TEST_F(PreferencesGeneralTest, SwitchesShowWritesMadeElsewhereAtOnce)
{
    auto& pane = general();
    // Tab walks the controls top to bottom.
    const QList<QWidget*> order{pane.pomodoroSlider,   pane.pomodoroStepper,      pane.shortBreakSlider,
                                pane.longBreakStepper, pane.autoLongBreakStepper, pane.soundEffectButton,
                                pane.autoLaunchButton, pane.noCancellationOption, pane.restoreDefaultsButton};
    QList<QWidget*> chain;
    for (QWidget* w = window->toolbar()->nextInFocusChain(); w != window->toolbar();
         w = w->nextInFocusChain())
        chain << w;
    for (int i = 0; i < order.size(); ++i) {
        EXPECT_GE(chain.indexOf(order[i]), 0) << i;
        if (i > 0) {
            EXPECT_LT(chain.indexOf(order[i - 1]), chain.indexOf(order[i])) << i;
        }
    }

    EXPECT_TRUE(pane.countdownButton->isChecked());
    // What a D-Bus command or another pane writes shows without reopening the window.
    prefs->setValue(PreferKey::CountDownOnMenubarEnabled, false);
    EXPECT_FALSE(pane.countdownButton->isChecked());

    pane.soundEffectButton->click();
    EXPECT_FALSE(prefs->boolValue(PreferKey::SoundEffect));
    EXPECT_TRUE(
        reported(QStringLiteral("prefCheckBoxTapped"), QStringLiteral("key"), QStringLiteral("SoundEffect")));

    // No cancellation greys the options box out but keeps showing its value.
    ASSERT_TRUE(pane.stopBreakOptionsButton->isChecked());
    pane.noCancellationOption->click();
    EXPECT_TRUE(prefs->boolValue(PreferKey::noCancellationDuringTheBreak));
    EXPECT_FALSE(pane.stopBreakOptionsButton->isEnabled());
    EXPECT_TRUE(pane.stopBreakOptionsButton->isChecked());

    // One box for the pie: it writes the switch and follows it.
    ASSERT_TRUE(pane.countDownPieButton->isChecked());
    pane.countDownPieButton->click();
    EXPECT_FALSE(prefs->boolValue(PreferKey::CountDownPieOnMenuBarEnabled));
    EXPECT_TRUE(
        reported(QStringLiteral("tapCountDownPieButton"), QStringLiteral("isOn"), QStringLiteral("false")));
    prefs->setValue(PreferKey::CountDownPieOnMenuBarEnabled, true);
    EXPECT_TRUE(pane.countDownPieButton->isChecked());
}

TEST_F(PreferencesGeneralTest, LaunchAtLoginShowsOnlyWhatTheDesktopAccepted)
{
    auto& pane = general();
    ASSERT_TRUE(pane.autoLaunchButton->isChecked());
    pane.autoLaunchButton->click();
    EXPECT_FALSE(prefs->boolValue(PreferKey::LaunchAtLogin));
    EXPECT_EQ(count(QStringLiteral("launchAtLoginDisabled")), 1);

    loginItems.accept = false;
    pane.autoLaunchButton->click();
    EXPECT_FALSE(pane.autoLaunchButton->isChecked());
    EXPECT_FALSE(prefs->boolValue(PreferKey::LaunchAtLogin));
    EXPECT_EQ(count(QStringLiteral("setLaunchAtLoginFailed")), 1);
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Set launch at login result: false")));
}

TEST_F(PreferencesGeneralTest, TabsBuildTheirPaneOnceAndOnlyGeneralResizes)
{
    auto& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Mirelo Preferences — General"));
    ASSERT_EQ(w.toolbar()->count(), 4);
    EXPECT_EQ(w.toolbar()->tabText(3), QStringLiteral("About"));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(w.toolbar()->tabIcon(i).isNull());
    EXPECT_GT(w.maximumWidth(), w.minimumWidth());
    EXPECT_EQ(count(QStringLiteral("Mirelo.PreferencesGeneralViewController")), 1);
    const QPoint topLeft = w.pos();

    const QPoint wallpaperTab = w.toolbar()->tabRect(1).center();
    QTest::mouseClick(w.toolbar(), Qt::LeftButton, {}, wallpaperTab);
    QTest::mouseClick(w.toolbar(), Qt::LeftButton, {}, wallpaperTab);
    w.changeTab(int(PreferTab::wallpaper));
    w.changeTab(7);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Mirelo Preferences — Wallpaper"));
    EXPECT_EQ(count(QStringLiteral("Mirelo.PreferencesWallpaperViewController")), 1);
    EXPECT_EQ(count(QStringLiteral("contentView")), 2);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.pos(), topLeft);

    // Keyboard: Ctrl+PgDown walks on to the next tab.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(w.currentTab(), int(PreferTab::advanced));
}

// "Hold breaks during": a box per source, Do Not Disturb off at first, each stored; they wait
// while holding is off, and Restore Defaults brings them back.
TEST_F(PreferencesGeneralTest, HoldBreaksDuringHasABoxPerSourceUsableWhileHoldingIsOn)
{
    auto& pane = general();
    auto* row = pane.findChild<HoldSourcesRow*>();
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(row->boxes().size(), HoldChoices::all().size());
    for (size_t i = 0; i < row->boxes().size(); ++i) {
        QCheckBox* box = row->boxes()[i];
        EXPECT_EQ(box->isChecked(), HoldChoices::all()[i].byDefault) << box->text().toStdString();
        EXPECT_TRUE(box->accessibleName().startsWith(QStringLiteral("Hold breaks during "))) << box->text().toStdString();
    }
    QCheckBox* doNotDisturb = row->boxes()[4];
    EXPECT_EQ(doNotDisturb->text(), QStringLiteral("Do Not Disturb"));
    doNotDisturb->click();
    EXPECT_TRUE(prefs->boolValue(QStringLiteral("HoldBreaksDuringDoNotDisturb")));
    row->boxes()[0]->click();
    EXPECT_FALSE(prefs->boolValue(QStringLiteral("HoldBreaksDuringCalls")));
    prefs->setValue(HoldKey::enabled, false);
    EXPECT_FALSE(row->isEnabled());
    prefs->setValue(HoldKey::enabled, true);
    EXPECT_TRUE(row->isEnabled());
    EXPECT_TRUE(UserDefaults::restorableKeys(UserDefaults::PreferencesPane::general)
                    .contains(QStringLiteral("HoldBreaksDuringDoNotDisturb")));
}
