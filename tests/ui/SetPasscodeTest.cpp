#include "LogCapture.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "passcode/SetPasscodeViewController.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "widgets/Localizable.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class SetPasscodeTest : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        prefs = std::make_unique<Preferences>(Preferences::defaultFilePath());
        tracker = RecordingUsageTracker::install();
        dialog = std::make_unique<SetPasscodeViewController>(*prefs);
        dialog->didCancelBlock = [this] { ++cancels; };
        dialog->show();
    }
    void fill(const QString& passcode, const QString& verify)
    {
        dialog->passcodeLabel->clear();
        dialog->verifyLabel->clear();
        QTest::keyClicks(dialog->passcodeLabel, passcode);
        QTest::keyClicks(dialog->verifyLabel, verify);
    }
    QString stored() { return prefs->stringValue(PreferKey::Passcode).value_or(QString()); }

    std::unique_ptr<Preferences> prefs;
    std::shared_ptr<RecordingUsageTracker> tracker;
    std::unique_ptr<SetPasscodeViewController> dialog;
    int cancels = 0;
};

TEST_F(SetPasscodeTest, ConfirmStoresOnlyFourMatchingTypableCharacters)
{
    fill(QStringLiteral("ab1"), QStringLiteral("ab1"));
    dialog->confirmButton->click();
    EXPECT_EQ(dialog->warningLabel->text(), Localizable::text("Passcode should be 4 characters"));
    EXPECT_TRUE(dialog->warningLabel->isVisible());
    EXPECT_TRUE(stored().isEmpty());
    // Each empty field is named for what it lacks.
    fill(QString(), QString());
    dialog->confirmButton->click();
    EXPECT_EQ(dialog->warningLabel->text(), Localizable::text("Type a passcode of 4 letters or digits"));
    fill(QStringLiteral("ab12"), QString());
    dialog->confirmButton->click();
    EXPECT_EQ(dialog->warningLabel->text(), Localizable::text("Type the passcode again under Verify"));

    // Typing again hides the warning; two different passcodes are named as such.
    fill(QStringLiteral("ab12"), QStringLiteral("ab13"));
    EXPECT_FALSE(dialog->warningLabel->isVisible());
    dialog->confirmButton->click();
    EXPECT_EQ(dialog->warningLabel->text(), Localizable::text("Passcodes do not match"));

    // Only letters and digits get in, at most four: what the overlay can take.
    fill(QStringLiteral("-b 1!c2Z9"), QStringLiteral("bc2Z"));
    dialog->passcodeLabel->setCursorPosition(0);
    dialog->passcodeLabel->insert(QStringLiteral("é"));
    EXPECT_EQ(dialog->passcodeLabel->text(), QStringLiteral("b1c2"));
    EXPECT_EQ(dialog->verifyLabel->text(), QStringLiteral("bc2Z"));

    fill(QStringLiteral("AB12"), QStringLiteral("AB12"));
    dialog->confirmButton->click();
    EXPECT_EQ(stored(), md5(QStringLiteral("ab12")));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(cancels, 0);
    EXPECT_FALSE(log().contains(QStringLiteral("ab12")));
    EXPECT_FALSE(log().contains(md5(QStringLiteral("ab12"))));
}

TEST_F(SetPasscodeTest, EveryWayOutButConfirmIsACancelThatStoresNothing)
{
    fill(QStringLiteral("ab12"), QStringLiteral("ab12"));
    dialog->show();
    dialog->cancelButton->click();
    EXPECT_EQ(cancels, 1);
    dialog->show();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(cancels, 2);
    dialog->show();
    dialog->close();
    EXPECT_EQ(cancels, 3);
    EXPECT_TRUE(stored().isEmpty());
    // The dialog's page view, once however often it shows.
    EXPECT_EQ(tracker->names().count(QStringLiteral("Mirelo.SetPasscodeViewController")), 1);
}
