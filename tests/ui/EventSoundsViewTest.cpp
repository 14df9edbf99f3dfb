#include "preferences/EventSoundsView.h"
#include "FakeLoginItems.h"
#include "LogCapture.h"
#include "SoundFiles.h"
#include "TestEnvironment.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

class EventSoundsViewTest : public TestEnvironment
{};

// The rows show what is stored, a file by its name; a cancelled file choice keeps the old one.
TEST_F(EventSoundsViewTest, RowsStoreTheChoiceAFileAndTheVolumeAndPlayTheirOwnEvent)
{
    FakeLoginItems loginItems;
    Preferences prefs(Preferences::defaultFilePath());
    UserDefaults::setupUserDefaultsValues(prefs, loginItems);
    EventSoundsView view(prefs);
    QList<SoundEvent> played;
    view.setTryOut([&](SoundEvent event) { played << event; });
    ASSERT_EQ(view.rows().size(), 3u);
    const auto& pomodoroEnd = view.rows()[0];
    const auto& breakEnd = view.rows()[1];
    EXPECT_EQ(pomodoroEnd.choice->currentText(), QStringLiteral("None"));
    EXPECT_EQ(breakEnd.choice->currentData().toString(), QStringLiteral("theme:complete"));
    EXPECT_EQ(breakEnd.choice->findData(QString()), -1) << "the break's end is switched elsewhere";
    EXPECT_EQ(breakEnd.volume->value(), 100);

    QString offered = tempHome() + QStringLiteral("/gong.ogg");
    writeFile(offered, SoundFiles::vorbis());
    view.chooseFile = [&] { return offered; };
    const int fileItem = pomodoroEnd.choice->count() - 1;
    Q_EMIT pomodoroEnd.choice->activated(fileItem);
    EXPECT_EQ(prefs.stringValue(SoundKey::choice(SoundEvent::pomodoroEnd)), QStringLiteral("file:") + offered);
    EXPECT_EQ(pomodoroEnd.choice->currentText(), QStringLiteral("gong.ogg"));
    offered.clear();
    Q_EMIT pomodoroEnd.choice->activated(pomodoroEnd.choice->count() - 1);
    EXPECT_EQ(pomodoroEnd.choice->currentText(), QStringLiteral("gong.ogg"));
    int named = 0;
    for (int i = 0; i < pomodoroEnd.choice->count(); ++i)
        named += pomodoroEnd.choice->itemText(i) == QLatin1String("gong.ogg");
    EXPECT_EQ(named, 1) << "one item for the chosen file, however often it is shown";

    breakEnd.volume->setValue(35);
    EXPECT_EQ(prefs.intValue(SoundKey::volume(SoundEvent::breakEnd)), 35);
    breakEnd.play->click();
    EXPECT_EQ(played, QList<SoundEvent>{SoundEvent::breakEnd});
    for (const auto& row : view.rows()) {
        EXPECT_FALSE(row.choice->accessibleName().isEmpty());
        EXPECT_FALSE(row.volume->accessibleName().isEmpty());
        EXPECT_FALSE(row.play->accessibleName().isEmpty());
    }
}

// A file that would not play is refused and the row says so; one stored before that cannot play
// (a FLAC file, one changed since) is said too, and the note goes with a playable choice.
TEST_F(EventSoundsViewTest, AFileThatCannotPlayIsRefusedOrSaidInItsRow)
{
    FakeLoginItems loginItems;
    Preferences prefs(Preferences::defaultFilePath());
    UserDefaults::setupUserDefaultsValues(prefs, loginItems);
    const QString flac = tempHome() + QStringLiteral("/bell.flac");
    writeFile(flac, QByteArray("fLaC\0\0\0\x22", 8));
    prefs.setValue(SoundKey::choice(SoundEvent::lastMinute), QString(QStringLiteral("file:") + flac));
    EventSoundsView view(prefs);
    const auto& pomodoroEnd = view.rows()[0];
    const auto& lastMinute = view.rows()[2];
    EXPECT_FALSE(pomodoroEnd.problem->isVisibleTo(&view));
    EXPECT_TRUE(lastMinute.problem->isVisibleTo(&view));
    EXPECT_TRUE(lastMinute.problem->text().contains(QStringLiteral("cannot be played")));

    const QString opus = tempHome() + QStringLiteral("/voice.ogg");
    writeFile(opus, SoundFiles::opus());
    view.chooseFile = [&] { return opus; };
    Q_EMIT pomodoroEnd.choice->activated(pomodoroEnd.choice->count() - 1);
    EXPECT_EQ(prefs.stringValue(SoundKey::choice(SoundEvent::pomodoroEnd)).value_or(QString()), QString());
    EXPECT_EQ(pomodoroEnd.choice->currentText(), QStringLiteral("None"));
    EXPECT_TRUE(pomodoroEnd.problem->isVisibleTo(&view));
    EXPECT_TRUE(pomodoroEnd.problem->text().contains(QStringLiteral("voice.ogg")));

    Q_EMIT lastMinute.choice->activated(lastMinute.choice->findData(QStringLiteral("theme:bell")));
    EXPECT_FALSE(lastMinute.problem->isVisibleTo(&view));
}
