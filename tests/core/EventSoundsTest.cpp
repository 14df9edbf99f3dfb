#include "cycle/EventSounds.h"
#include "CycleFixture.h"
#include "FakeEventSound.h"
#include "FakePresence.h"
#include "SoundFiles.h"

class EventSoundsTest : public CycleFixture
{
protected:
    void SetUp() override
    {
        CycleFixture::SetUp();
        presence = &busy;
        prefs->setValue(DurationKey::pomodoro, 120);
        prefs->setValue(DurationKey::shortBreak, 60);
    }
    EventSounds& sounds()
    {
        if (!chosen) {
            chosen = std::make_unique<EventSounds>(output, *prefs);
            chosen->attach(app());
        }
        return *chosen;
    }
    QStringList heard() const
    {
        QStringList what;
        for (const SoundRequest& request : output.requests)
            what << (request.file.isEmpty() ? request.eventId : QFileInfo(request.file).fileName());
        return what;
    }
    FakePresence busy;
    FakeEventSound output;
    std::unique_ptr<EventSounds> chosen;
};

// As before there was a choice: only the break's end sounds, with the theme's "complete".
TEST_F(EventSoundsTest, DefaultsSoundOnlyTheBreaksEndAndChoicesFollowTheCycleButNotAHeldBreak)
{
    sounds();
    app().startPomodoro();
    advanceSeconds(180);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_TRUE(output.requests.isEmpty()) << "no Pomodoro-end or last-minute sound by default";
    EXPECT_TRUE(sounds().play(QStringLiteral("Glass"))); // what the overlay asks for at the break's end
    ASSERT_EQ(output.requests.size(), 1);
    EXPECT_EQ(output.requests[0].eventId, QStringLiteral("complete"));
    EXPECT_DOUBLE_EQ(output.requests[0].volume, 1.0);

    prefs->setValue(SoundKey::choice(SoundEvent::pomodoroEnd), QStringLiteral("theme:bell"));
    prefs->setValue(SoundKey::volume(SoundEvent::pomodoroEnd), 40);
    prefs->setValue(SoundKey::choice(SoundEvent::lastMinute), QStringLiteral("theme:dialog-warning"));
    output.requests.clear();
    app().startPomodoro();
    advanceSeconds(60);
    EXPECT_EQ(heard(), QStringList{QStringLiteral("dialog-warning")});
    advanceSeconds(60);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    EXPECT_EQ(heard(), (QStringList{"dialog-warning", "bell"}));
    EXPECT_DOUBLE_EQ(output.requests.last().volume, 0.4);
    // A break from the menu follows no Pomodoro: nothing ends, nothing sounds.
    app().stopBreak();
    app().shortBreak();
    EXPECT_EQ(output.requests.size(), 2);
    app().stopBreak();

    // A call holds the break: silent until it ends, except for the Play button.
    busy.active = {QStringLiteral("microphone")};
    app().startPomodoro();
    output.requests.clear();
    advanceSeconds(120);
    ASSERT_TRUE(app().isBreakHeld());
    EXPECT_EQ(heard(), QStringList{QStringLiteral("dialog-warning")})
        << "the Pomodoro's end waits with the break";
    EXPECT_FALSE(sounds().play(QStringLiteral("Glass")));
    EXPECT_TRUE(sounds().playEvent(SoundEvent::pomodoroEnd, true));
    EXPECT_EQ(heard(), (QStringList{"dialog-warning", "bell"}));
    busy.active.clear();
    for (int s = 0; s < 120 && app().state.value() == CycleState::working; ++s)
        advanceSeconds(1);
    EXPECT_NE(app().state.value(), CycleState::working);
    EXPECT_EQ(heard(), (QStringList{"dialog-warning", "bell", "bell"}));
}

TEST_F(EventSoundsTest, AChosenFileThatIsMissingOrNotAudioFallsBackToTheThemeAndTheLogSaysWhy)
{
    const QString wave = tempHome() + QStringLiteral("/chime.wav");
    writeFile(wave, SoundFiles::wave(0.1));
    const QString text = tempHome() + QStringLiteral("/notes.ogg");
    writeFile(text, "not a sound at all");
    const QString missing = tempHome() + QStringLiteral("/gone.flac");
    const QString key = SoundKey::choice(SoundEvent::breakEnd);

    prefs->setValue(key, QString(QStringLiteral("file:") + wave));
    ASSERT_TRUE(sounds().play(QStringLiteral("Glass")));
    EXPECT_EQ(output.requests.last().file, wave);
    EXPECT_TRUE(output.requests.last().eventId.isEmpty());

    prefs->setValue(key, QString(QStringLiteral("file:") + text));
    sounds().play(QStringLiteral("Glass"));
    EXPECT_EQ(output.requests.last().eventId, QStringLiteral("complete"));
    EXPECT_TRUE(output.requests.last().file.isEmpty());
    EXPECT_TRUE(
        log().contains(QStringLiteral("The sound file \"") + text +
                       QStringLiteral("\" cannot be played: it is not WAV or Ogg Vorbis audio; the theme's "
                                      "\"complete\" plays instead.")));

    prefs->setValue(SoundKey::choice(SoundEvent::lastMinute), QString(QStringLiteral("file:") + missing));
    sounds().playEvent(SoundEvent::lastMinute);
    EXPECT_EQ(output.requests.last().eventId, QStringLiteral("dialog-information"));
    EXPECT_TRUE(log().contains(QStringLiteral("The sound file \"") + missing +
                               QStringLiteral("\" cannot be played: it does not exist; the theme's "
                                              "\"dialog-information\" plays instead.")));
}

// What libcanberra decodes, told by the content whatever the name says: FLAC, Ogg Opus and
// floating-point WAV were accepted and then every event played the bundled chime instead.
TEST_F(EventSoundsTest, OnlyFilesTheSoundLibraryDecodesArePlayedWhateverTheirName)
{
    const QString folder = tempHome() + QStringLiteral("/");
    const std::pair<const char*, QByteArray> playable[] = {
        {"vorbis.opus", SoundFiles::vorbis()}, {"pcm8.flac", SoundFiles::wave(0.1, 8)}, {"pcm16.wav", SoundFiles::wave(0.1)}};
    for (const auto& [name, bytes] : playable) {
        writeFile(folder + QLatin1String(name), bytes);
        EXPECT_EQ(EventSounds::fileProblem(folder + QLatin1String(name)), QString()) << name;
    }
    QByteArray flac("fLaC\0\0\0\x22", 8);
    QByteArray truncatedWave = SoundFiles::wave(0.1).left(20);
    QByteArray listFirst = SoundFiles::wave(0.1);
    listFirst.insert(12, QByteArray("LIST\xff\xff\xff\x7f", 8)); // a chunk that claims 2 GB
    const std::pair<const char*, QByteArray> unplayable[] = {{"opus.ogg", SoundFiles::opus()},
                                                             {"flac.wav", flac},
                                                             {"float.wav", SoundFiles::wave(0.1, 32)},
                                                             {"cut.wav", truncatedWave},
                                                             {"huge-chunk.wav", listFirst},
                                                             {"empty.ogg", QByteArray("OggS")},
                                                             {"theora.ogg", SoundFiles::ogg("\x80theora")}};
    for (const auto& [name, bytes] : unplayable) {
        writeFile(folder + QLatin1String(name), bytes);
        EXPECT_NE(EventSounds::fileProblem(folder + QLatin1String(name)), QString()) << name;
    }
    prefs->setValue(SoundKey::choice(SoundEvent::pomodoroEnd), QString(QStringLiteral("file:") + folder + QStringLiteral("opus.ogg")));
    ASSERT_TRUE(sounds().requestFor(SoundEvent::pomodoroEnd));
    EXPECT_EQ(sounds().requestFor(SoundEvent::pomodoroEnd)->eventId, EventSounds::fallbackEventId(SoundEvent::pomodoroEnd));
    EXPECT_TRUE(log().anyContains(QStringLiteral("it is Ogg Opus audio")));
}
