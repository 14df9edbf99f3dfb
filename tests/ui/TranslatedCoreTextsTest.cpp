#include "CycleFixture.h"
#include "automation/ScriptCommands.h"
#include "widgets/Localizable.h"

#include <QApplication>

// Texts that the core makes and the user reads: in the language shown, while the log that
// records them stays in English for whoever reads it.
class TranslatedCoreTextsTest : public CycleFixture
{
protected:
    void TearDown() override
    {
        Localizable::install(*qApp, QStringList());
        CycleFixture::TearDown();
    }
};

TEST_F(TranslatedCoreTextsTest, LastMinuteNotificationAndCommandRefusalsSpeakTheLanguageShown)
{
    ASSERT_TRUE(Localizable::install(*qApp, {QStringLiteral("de_DE")}));
    prefs->setValue(DurationKey::pomodoro, 120);
    app().startPomodoro();
    advanceSeconds(60);
    EXPECT_EQ(notifications.posted, QStringList{QStringLiteral("Letzte Minute!")});

    PomodoroCommand start(app(), *timer);
    start.performDefaultImplementation();
    EXPECT_EQ(start.refusalReason(), QString::fromUtf8("Ein Timer läuft; beenden Sie ihn zuerst mit „mirelo stop“."));
    EXPECT_TRUE(log().contains(QStringLiteral("Timer is running, won't respond to this action.")));

    app().stopPomodoro();
    ResumeCommand resume(app(), *timer);
    resume.performDefaultImplementation();
    EXPECT_EQ(resume.refusalReason(), QStringLiteral("Kein Pomodoro ist angehalten."));
    EXPECT_TRUE(log().contains(QStringLiteral("Nothing to resume.")));
}
