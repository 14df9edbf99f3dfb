#include "settings/Preferences.h"
#include "LogCapture.h"
#include "ManualScheduler.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <thread>

class PreferencesTest : public TestEnvironment
{
protected:
    QString prefsPath() const { return configHome() + QStringLiteral("/org.mirelo.Mirelo/preferences.json"); }
};

TEST_F(PreferencesTest, WrittenValuesWinOverDefaultsAndSurviveReopen)
{
    {
        Preferences prefs(prefsPath());
        prefs.registerDefault(QStringLiteral("pomodoroKey"), 1500);
        EXPECT_EQ(prefs.intValue(QStringLiteral("pomodoroKey")), 1500);
        prefs.setValue(QStringLiteral("pomodoroKey"), 3000);
        prefs.setValue(PreferKey::logLevel, QStringLiteral("debug"));
        EXPECT_EQ(prefs.intValue(QStringLiteral("pomodoroKey")), 3000);
    }
    Preferences reopened(prefsPath());
    EXPECT_EQ(reopened.intValue(QStringLiteral("pomodoroKey")), 3000);
    EXPECT_EQ(reopened.stringValue(PreferKey::logLevel), QStringLiteral("debug"));
    // Defaults are never written to disk.
    const QJsonObject onDisk = QJsonDocument::fromJson(readFile(prefsPath())).object();
    EXPECT_EQ(onDisk.size(), 2);
    EXPECT_EQ(Preferences::defaultFilePath(), prefsPath());
}

TEST_F(PreferencesTest, AbsentAndMistypedValuesReadAsFalseZeroAndNone)
{
    writeFile(prefsPath(), R"({"SoundEffect":"yes","pomodoroKey":"1500","QuotesType":1.5,"logLevel":4,
                              "Wallpaper":true,"countToLongBreak":1e12})");
    Preferences prefs(prefsPath());
    EXPECT_FALSE(prefs.boolValue(PreferKey::SoundEffect));
    EXPECT_EQ(prefs.intValue(QStringLiteral("pomodoroKey")), 0);
    EXPECT_EQ(prefs.intValue(PreferKey::QuotesType), 0);
    EXPECT_EQ(prefs.stringValue(PreferKey::logLevel), std::nullopt);
    EXPECT_EQ(prefs.intValue(PreferKey::Wallpaper), 0);
    EXPECT_EQ(prefs.intValue(QStringLiteral("countToLongBreak")), 0);
    EXPECT_FALSE(prefs.boolValue(PreferKey::PasscodeEnabled));
    EXPECT_EQ(prefs.intValue(PreferKey::checkUpdateForStage), 0);
    EXPECT_EQ(prefs.stringValue(PreferKey::Passcode), std::nullopt);
}

TEST_F(PreferencesTest, GarbageFileIsKeptAsideAndNeverOverwritten)
{
    const QByteArray garbage("{\"pomodoroKey\": 3000, oops \x01\xff");
    writeFile(prefsPath(), garbage);
    Preferences prefs(prefsPath());
    EXPECT_EQ(prefs.intValue(QStringLiteral("pomodoroKey")), 0);
    EXPECT_EQ(readFile(prefsPath() + QStringLiteral(".corrupt")), garbage);
    EXPECT_TRUE(log().anyContains(QStringLiteral("kept it as")));
    EXPECT_TRUE(prefs.loadProblem().contains(QStringLiteral("kept it as")));
    EXPECT_TRUE(Preferences(prefsPath()).loadProblem().isEmpty());

    prefs.setValue(QStringLiteral("pomodoroKey"), 1200);
    EXPECT_EQ(readFile(prefsPath() + QStringLiteral(".corrupt")), garbage);
    EXPECT_EQ(QJsonDocument::fromJson(readFile(prefsPath())).object().value(QStringLiteral("pomodoroKey")).toInt(), 1200);

    // A second bad file does not replace the first one kept aside.
    writeFile(prefsPath(), "[1,2,3]");
    Preferences again(prefsPath());
    EXPECT_EQ(readFile(prefsPath() + QStringLiteral(".corrupt")), garbage);
    EXPECT_EQ(readFile(prefsPath() + QStringLiteral(".corrupt.1")), QByteArray("[1,2,3]"));
}

TEST_F(PreferencesTest, FolderInPlaceOfTheFileIsKeptAside)
{
    QDir().mkpath(prefsPath());
    writeFile(prefsPath() + QStringLiteral("/inside"), "user data");
    Preferences prefs(prefsPath());
    prefs.setValue(PreferKey::SoundEffect, false);
    EXPECT_EQ(readFile(prefsPath() + QStringLiteral(".corrupt/inside")), QByteArray("user data"));
    EXPECT_FALSE(Preferences(prefsPath()).boolValue(PreferKey::SoundEffect));
    EXPECT_TRUE(Preferences(prefsPath()).hasPersistedValue(keyText(PreferKey::SoundEffect)));
}

TEST_F(PreferencesTest, UnreadableFileIsKeptAsideWithItsBytes)
{
    writeFile(prefsPath(), R"({"pomodoroKey": 3000})");
    QFile::setPermissions(prefsPath(), QFileDevice::WriteOwner);
    if (QFile(prefsPath()).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with privileges that ignore file permissions";
    Preferences prefs(prefsPath());
    EXPECT_EQ(prefs.intValue(QStringLiteral("pomodoroKey")), 0);
    EXPECT_TRUE(QFileInfo::exists(prefsPath() + QStringLiteral(".corrupt")));
}

TEST_F(PreferencesTest, ObservationDeliversCurrentValueAndEveryChange)
{
    Preferences prefs(prefsPath());
    prefs.registerDefault(QStringLiteral("Wallpaper"), 1);
    std::vector<int> seen;
    {
        Subscription s = prefs.observe(QStringLiteral("Wallpaper"), [&](const QJsonValue& v) { seen.push_back(v.toInt(-1)); });
        prefs.setValue(PreferKey::Wallpaper, 2);
        prefs.setValue(PreferKey::Wallpaper, 2);
        prefs.setValue(PreferKey::SoundEffect, false); // another key: not delivered
        prefs.removeValues({PreferKey::Wallpaper});
    }
    prefs.setValue(PreferKey::Wallpaper, 3); // after the subscription ended
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 2, 1}));
}

TEST_F(PreferencesTest, RemoveValuesLetsTheDefaultShowThrough)
{
    Preferences prefs(prefsPath());
    prefs.registerDefault(keyText(PreferKey::SoundEffect), true);
    prefs.setValue(PreferKey::SoundEffect, false);
    prefs.setValue(PreferKey::QuotesType, 3);
    prefs.removeValues({PreferKey::SoundEffect, PreferKey::QuotesType, PreferKey::BreakTitle});
    EXPECT_TRUE(prefs.boolValue(PreferKey::SoundEffect));
    EXPECT_FALSE(prefs.hasPersistedValue(keyText(PreferKey::QuotesType)));
    EXPECT_EQ(QJsonDocument::fromJson(readFile(prefsPath())).object().size(), 0);
}

TEST_F(PreferencesTest, FailedWriteKeepsValuesInMemory)
{
    // A file where the config folder should be makes every save fail.
    writeFile(configHome() + QStringLiteral("/org.mirelo.Mirelo"), "not a folder");
    Preferences prefs(prefsPath());
    prefs.setValue(QStringLiteral("pomodoroKey"), 600);
    EXPECT_EQ(prefs.intValue(QStringLiteral("pomodoroKey")), 600);
    EXPECT_FALSE(prefs.synchronize());
    EXPECT_EQ(readFile(configHome() + QStringLiteral("/org.mirelo.Mirelo")), QByteArray("not a folder"));
}

TEST(PreferKeyTest, KeyTextsAreTheCaseNamesInDeclarationOrder)
{
    const QStringList expected{"LaunchAtLogin", "Wallpaper", "BreakTitle", "PasscodeEnabled", "Passcode",
                               "PasscodeTimeOut", "TouchIDEnabled", "StartPomodoroShortcut", "ShortBreakShortcut",
                               "SoundEffect", "QuoteEnabled", "QuotesType", "CountDownOnMenubarEnabled",
                               "CountDownPieOnMenuBarEnabled", "AutoStartPomodoroEnabled", "logLevel",
                               "checkUpdateForStage", "showBreakOptions", "noCancellationDuringTheBreak",
                               "statsFilterOption"};
    QStringList actual;
    for (PreferKey key : allPreferKeys())
        actual << keyText(key);
    EXPECT_EQ(actual, expected);
}

TEST_F(PreferencesTest, AHandEditSurvivesTheNextWriteAndReachesObservers)
{
    Preferences prefs(prefsPath());
    prefs.registerDefault(keyText(PreferKey::SoundEffect), true);
    prefs.setValue(QStringLiteral("pomodoroKey"), 3000);
    std::vector<QJsonValue> sounds;
    Subscription s =
        prefs.observe(keyText(PreferKey::SoundEffect), [&](const QJsonValue& v) { sounds.push_back(v); });

    // Someone edits the file while the program runs, before it writes again: their key stays,
    // the program's own change lands beside it, and observers hear of the edit.
    writeFile(prefsPath(), R"({"pomodoroKey": 3000, "SoundEffect": false, "logLevel": "debug"})");
    prefs.setValue(PreferKey::Wallpaper, 2);
    QJsonObject onDisk = QJsonDocument::fromJson(readFile(prefsPath())).object();
    EXPECT_EQ(onDisk.value(QStringLiteral("SoundEffect")), QJsonValue(false));
    EXPECT_EQ(onDisk.value(QStringLiteral("logLevel")), QJsonValue(QStringLiteral("debug")));
    EXPECT_EQ(onDisk.value(QStringLiteral("Wallpaper")), QJsonValue(2));
    EXPECT_EQ(sounds, (std::vector<QJsonValue>{true, false}));
    EXPECT_TRUE(log().anyContains(QStringLiteral("changed outside Mirelo")));

    // Watched, an edit arrives without a write of ours; a removed key shows its default again.
    prefs.watchForOutsideEdits();
    writeFile(prefsPath(), R"({"pomodoroKey": 1200, "Wallpaper": 2})");
    EXPECT_TRUE(QTest::qWaitFor([&] { return prefs.intValue(QStringLiteral("pomodoroKey")) == 1200; }, 5000));
    EXPECT_EQ(sounds.back(), QJsonValue(true));

    // An editor half-way through saving leaves a file that does not parse: the store waits. If
    // the program must write then, the broken edit is kept aside, never written over.
    writeFile(prefsPath(), R"({"pomodoroKey": 15)");
    QTest::qWait(200);
    EXPECT_EQ(prefs.intValue(QStringLiteral("pomodoroKey")), 1200);
    prefs.setValue(PreferKey::QuotesType, 3);
    EXPECT_EQ(readFile(prefsPath() + QStringLiteral(".corrupt")), QByteArray(R"({"pomodoroKey": 15)"));
    onDisk = QJsonDocument::fromJson(readFile(prefsPath())).object();
    EXPECT_EQ(onDisk.value(QStringLiteral("pomodoroKey")), QJsonValue(1200));
    EXPECT_EQ(onDisk.value(QStringLiteral("QuotesType")), QJsonValue(3));

    // Writing what is already stored does not touch the file: here it stays deleted.
    QFile::remove(prefsPath());
    prefs.setValue(PreferKey::QuotesType, 3);
    EXPECT_FALSE(QFileInfo::exists(prefsPath()));
    prefs.setValue(PreferKey::QuotesType, 2);
    EXPECT_EQ(QJsonDocument::fromJson(readFile(prefsPath())).object().value(QStringLiteral("pomodoroKey")),
              QJsonValue(1200));
}

namespace {
// What a text editor does on save: read the file, change its own key, write a copy, rename it over.
void editorSaves(const QString& path, const QString& key, int value)
{
    QFile in(path);
    QJsonObject object;
    if (in.open(QIODevice::ReadOnly))
        object = QJsonDocument::fromJson(in.readAll()).object();
    object.insert(key, value);
    const QString copy = path + QStringLiteral(".editor~");
    QFile out(copy);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(QJsonDocument(object).toJson());
    out.close();
    std::rename(QFile::encodeName(copy).constData(), QFile::encodeName(path).constData());
}
} // namespace

TEST_F(PreferencesTest, AnEditorSavingWhileMireloWritesLosesNoKey)
{
    writeFile(prefsPath(), "{}");
    Preferences prefs(prefsPath());
    std::atomic<bool> editing{true};
    std::thread editor([&] {
        for (int i = 0; i < 400; ++i)
            editorSaves(prefsPath(), QStringLiteral("edit%1").arg(i), i);
        editing = false;
    });
    // However the saves and the writes interleave, the outcome is the same: every save of the
    // editor ends up in the file, and memory agrees with it.
    for (int step = 0; editing; ++step) {
        prefs.setValue(QStringLiteral("SoundVolume"), step % 101);
        if (step % 5 == 0)
            prefs.reload();
    }
    editor.join();
    prefs.reload();

    const QJsonObject onDisk = QJsonDocument::fromJson(readFile(prefsPath())).object();
    QStringList lost;
    for (int i = 0; i < 400; ++i) {
        if (onDisk.value(QStringLiteral("edit%1").arg(i)) != QJsonValue(i))
            lost << QStringLiteral("edit%1").arg(i);
    }
    EXPECT_TRUE(lost.isEmpty()) << lost.join(QLatin1Char(' ')).toStdString();
    for (auto it = onDisk.constBegin(); it != onDisk.constEnd(); ++it)
        EXPECT_EQ(prefs.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(prefs.value(QStringLiteral("SoundVolume")), onDisk.value(QStringLiteral("SoundVolume")));

    // The watch follows the file an editor renamed into place.
    prefs.watchForOutsideEdits();
    editorSaves(prefsPath(), QStringLiteral("afterwards"), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return prefs.intValue(QStringLiteral("afterwards")) == 1; }, 5000));
    editorSaves(prefsPath(), QStringLiteral("afterwards"), 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return prefs.intValue(QStringLiteral("afterwards")) == 2; }, 5000));
}

TEST_F(PreferencesTest, ValuesThatComeInBurstsAreWrittenOnceTheyRest)
{
    ManualScheduler scheduler;
    Preferences prefs(prefsPath());
    prefs.writeSettledValuesWith(&scheduler);
    std::vector<int> seen;
    Subscription s =
        prefs.observe(QStringLiteral("pomodoroKey"), [&](const QJsonValue& v) { seen.push_back(v.toInt()); });
    // Typing "120" passes 1 and 12: memory follows every key, the file only the last.
    for (int typed : {60, 720, 7200}) {
        prefs.setValueWhenSettled(QStringLiteral("pomodoroKey"), typed);
        scheduler.advance(Preferences::settleDelay.count() - 1);
    }
    EXPECT_EQ(prefs.intValue(QStringLiteral("pomodoroKey")), 7200);
    EXPECT_EQ(seen, (std::vector<int>{0, 60, 720, 7200}));
    EXPECT_FALSE(QFileInfo::exists(prefsPath()));
    scheduler.advance(1);
    EXPECT_EQ(QJsonDocument::fromJson(readFile(prefsPath())).object().value(QStringLiteral("pomodoroKey")),
              7200);

    // Still settling at quit: written when the scheduler is let go.
    prefs.setValueWhenSettled(QStringLiteral("SoundVolume"), 40);
    prefs.writeSettledValuesWith(nullptr);
    EXPECT_EQ(scheduler.pendingCount(), 0u);
    EXPECT_EQ(QJsonDocument::fromJson(readFile(prefsPath())).object().value(QStringLiteral("SoundVolume")),
              40);
}
