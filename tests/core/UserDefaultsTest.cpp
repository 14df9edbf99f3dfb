#include "settings/UserDefaults.h"
#include "CycleFakes.h"
#include "FakeLoginItems.h"
#include "LogCapture.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

class UserDefaultsTest : public TestEnvironment
{
protected:
    QString prefsPath() const { return Preferences::defaultFilePath(); }
    FakeLoginItems loginItems;
};

TEST_F(UserDefaultsTest, RegistersEveryDefault)
{
    Preferences prefs(prefsPath());
    UserDefaults::setupUserDefaultsValues(prefs, loginItems);
    EXPECT_EQ(prefs.intValue(DurationKey::pomodoro), 1500);
    EXPECT_EQ(prefs.intValue(DurationKey::shortBreak), 300);
    EXPECT_EQ(prefs.intValue(DurationKey::longBreak), 900);
    EXPECT_EQ(prefs.intValue(DurationKey::countToLongBreak), 3);
    EXPECT_FALSE(prefs.boolValue(PreferKey::noCancellationDuringTheBreak));
    EXPECT_TRUE(prefs.boolValue(PreferKey::SoundEffect));
    EXPECT_EQ(prefs.intValue(PreferKey::QuotesType), 1);
    EXPECT_TRUE(prefs.boolValue(PreferKey::CountDownOnMenubarEnabled));
    EXPECT_FALSE(prefs.boolValue(PreferKey::AutoStartPomodoroEnabled));
    EXPECT_TRUE(prefs.boolValue(PreferKey::showBreakOptions));
    EXPECT_EQ(prefs.intValue(PreferKey::statsFilterOption), 1);
    EXPECT_EQ(prefs.intValue(PreferKey::Wallpaper), 1);
    EXPECT_TRUE(prefs.boolValue(PreferKey::TouchIDEnabled));
    EXPECT_FALSE(prefs.boolValue(PreferKey::PasscodeEnabled));
    EXPECT_EQ(prefs.intValue(PreferKey::PasscodeTimeOut), 0);
    EXPECT_EQ(prefs.stringValue(PreferKey::Passcode), QString());
    EXPECT_TRUE(prefs.boolValue(PreferKey::CountDownPieOnMenuBarEnabled));
    EXPECT_EQ(prefs.stringValue(PreferKey::logLevel), std::nullopt);
    EXPECT_EQ(prefs.intValue(PreferKey::checkUpdateForStage), 0);
    EXPECT_EQ(prefs.stringValue(PreferKey::StartPomodoroShortcut), std::nullopt);
    EXPECT_FALSE(UserDefaults::endpoint(prefs, EndpointKey::unsplash).endsWith(QLatin1Char('/')));
}

TEST_F(UserDefaultsTest, FirstStartRegistersTheLoginItemOnceAndStoresTrue)
{
    {
        Preferences prefs(prefsPath());
        UserDefaults::setupUserDefaultsValues(prefs, loginItems);
        EXPECT_EQ(loginItems.calls, 1);
        EXPECT_TRUE(loginItems.lastRequest);
        EXPECT_TRUE(prefs.hasPersistedValue(keyText(PreferKey::LaunchAtLogin)));
        EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("Auto set launch at login.")));
        EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("SMLoginItemSetEnabled successfully. enabled: true")));
    }
    Preferences secondStart(prefsPath());
    UserDefaults::setupUserDefaultsValues(secondStart, loginItems);
    EXPECT_EQ(loginItems.calls, 1);
    EXPECT_TRUE(secondStart.boolValue(PreferKey::LaunchAtLogin));
}

TEST_F(UserDefaultsTest, FailedFirstStartLeavesLaunchAtLoginFalseAndStoresNothing)
{
    auto tracker = RecordingUsageTracker::install();
    loginItems.accept = false;
    Preferences prefs(prefsPath());
    UserDefaults::setupUserDefaultsValues(prefs, loginItems);
    EXPECT_FALSE(prefs.boolValue(PreferKey::LaunchAtLogin));
    EXPECT_FALSE(prefs.hasPersistedValue(keyText(PreferKey::LaunchAtLogin)));
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("SMLoginItemSetEnabled failed.")));
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Failed to set launch at login by default.")));
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("failedToSetLaunchAtLogin")));
}

TEST_F(UserDefaultsTest, RestoreDefaultsResetsEveryKeyOfItsPaneAndOnlyThose)
{
    Preferences prefs(prefsPath());
    UserDefaults::setupUserDefaultsValues(prefs, loginItems);
    prefs.setValue(DurationKey::pomodoro, 3000);
    prefs.setValue(DurationKey::countToLongBreak, 5);
    prefs.setValue(PreferKey::SoundEffect, false);
    prefs.setValue(PreferKey::CountDownPieOnMenuBarEnabled, false);
    prefs.setValue(PreferKey::noCancellationDuringTheBreak, true);
    prefs.setValue(AwayKey::threshold, 120);
    prefs.setValue(PreferKey::QuotesType, 3);
    prefs.setValue(PreferKey::Wallpaper, 2);
    prefs.setValue(PreferKey::PasscodeEnabled, true);
    prefs.setValue(PreferKey::Passcode, QStringLiteral("0cc175b9c0f1b6a831c399e269772661"));
    prefs.setValue(PreferKey::StartPomodoroShortcut, QStringLiteral("Ctrl+Alt+P"));
    prefs.setValue(PreferKey::LaunchAtLogin, false);
    const int callsBefore = loginItems.calls;

    UserDefaults::restoreDefaults(prefs, UserDefaults::PreferencesPane::general);
    EXPECT_EQ(prefs.intValue(DurationKey::pomodoro), 1500);
    EXPECT_EQ(prefs.intValue(DurationKey::countToLongBreak), 3);
    EXPECT_TRUE(prefs.boolValue(PreferKey::SoundEffect));
    EXPECT_TRUE(prefs.boolValue(PreferKey::CountDownPieOnMenuBarEnabled));
    EXPECT_FALSE(prefs.boolValue(PreferKey::noCancellationDuringTheBreak));
    EXPECT_EQ(prefs.intValue(AwayKey::threshold), 600);
    // Another pane's settings and the desktop's autostart are not General's to reset.
    EXPECT_EQ(prefs.intValue(PreferKey::QuotesType), 3);
    EXPECT_EQ(prefs.intValue(PreferKey::Wallpaper), 2);
    EXPECT_FALSE(prefs.boolValue(PreferKey::LaunchAtLogin));
    EXPECT_EQ(loginItems.calls, callsBefore);

    UserDefaults::restoreDefaults(prefs, UserDefaults::PreferencesPane::wallpaper);
    EXPECT_EQ(prefs.intValue(PreferKey::QuotesType), 1);
    EXPECT_EQ(prefs.intValue(PreferKey::Wallpaper), 1);
    EXPECT_TRUE(prefs.boolValue(PreferKey::PasscodeEnabled));

    UserDefaults::restoreDefaults(prefs, UserDefaults::PreferencesPane::advanced);
    EXPECT_FALSE(prefs.boolValue(PreferKey::PasscodeEnabled));
    EXPECT_FALSE(prefs.hasPersistedValue(keyText(PreferKey::StartPomodoroShortcut)));
    // The passcode is what the user wrote: it waits for the lock to be turned on again.
    EXPECT_EQ(prefs.stringValue(PreferKey::Passcode), QStringLiteral("0cc175b9c0f1b6a831c399e269772661"));
    // Flushed: a fresh store sees the same.
    Preferences reread(prefsPath());
    EXPECT_FALSE(reread.hasPersistedValue(DurationKey::pomodoro));
    EXPECT_FALSE(reread.boolValue(PreferKey::LaunchAtLogin));
}

TEST_F(UserDefaultsTest, PasscodeQuery)
{
    Preferences prefs(prefsPath());
    EXPECT_EQ(UserDefaults::passcodeForBreakviewUnlocking(prefs), std::nullopt);
    EXPECT_TRUE(log().containsAt(Log::Level::debug, QStringLiteral("Passcode is empty.")));

    UserDefaults::setupUserDefaultsValues(prefs, loginItems);
    prefs.setValue(PreferKey::PasscodeEnabled, true);
    // A lock without a passcode that can be typed would never open: it is off.
    for (const QString& unusable : {QString(), QStringLiteral("abc"), QStringLiteral("ab12"),
                                    QStringLiteral("0CC175B9C0F1B6A831C399E269772661"),
                                    QStringLiteral("0cc175b9c0f1b6a831c399e26977266")}) {
        log().clear();
        prefs.setValue(PreferKey::Passcode, unusable);
        EXPECT_EQ(UserDefaults::passcodeForBreakviewUnlocking(prefs), std::nullopt) << unusable.toStdString();
        EXPECT_TRUE(log().containsAt(
            Log::Level::warning,
            QStringLiteral("The passcode lock is on but no usable passcode is stored: the lock stays off.")));
    }
    prefs.setValue(PreferKey::Passcode, md5(QStringLiteral("ab12")));
    EXPECT_EQ(UserDefaults::passcodeForBreakviewUnlocking(prefs), md5(QStringLiteral("ab12")));

    prefs.setValue(PreferKey::PasscodeEnabled, false);
    log().clear();
    EXPECT_EQ(UserDefaults::passcodeForBreakviewUnlocking(prefs), std::nullopt);
    EXPECT_TRUE(log().containsAt(Log::Level::debug, QStringLiteral("Passcode did not enabled.")));
}

TEST_F(UserDefaultsTest, NoCancellationHidesBreakOptions)
{
    Preferences prefs(prefsPath());
    UserDefaults::setupUserDefaultsValues(prefs, loginItems);
    EXPECT_TRUE(UserDefaults::shouldShowBreakOptions(prefs));
    prefs.setValue(PreferKey::noCancellationDuringTheBreak, true);
    EXPECT_FALSE(UserDefaults::shouldShowBreakOptions(prefs));
    prefs.setValue(PreferKey::noCancellationDuringTheBreak, false);
    prefs.setValue(PreferKey::showBreakOptions, false);
    EXPECT_FALSE(UserDefaults::shouldShowBreakOptions(prefs));
}

TEST_F(UserDefaultsTest, EndpointsComeFromHiddenKeysWithoutTrailingSlash)
{
    Preferences prefs(prefsPath());
    UserDefaults::setupUserDefaultsValues(prefs, loginItems);
    prefs.setValue(EndpointKey::quotes, QStringLiteral("http://127.0.0.1:8123/"));
    EXPECT_EQ(UserDefaults::endpoint(prefs, EndpointKey::quotes), QStringLiteral("http://127.0.0.1:8123"));
    prefs.setValue(EndpointKey::quotes, QString());
    EXPECT_EQ(UserDefaults::endpoint(prefs, EndpointKey::quotes), UserDefaults::defaultEndpoint(EndpointKey::quotes));
}

TEST_F(UserDefaultsTest, ADamagedFileIsToldOnceAndNeverReplacedByDefaults)
{
    // Cut short by a crash: the user had turned launch at login off.
    writeFile(prefsPath(), R"({"LaunchAtLogin": false, "pomodoroKey": 18)");
    FakeNotificationCenter notifications;
    {
        Preferences prefs(prefsPath());
        UserDefaults::setupUserDefaultsValues(prefs, loginItems);
        UserDefaults::tellAboutKeptAsidePreferences(prefs, notifications);
        EXPECT_EQ(notifications.posted.size(), 1);
        EXPECT_EQ(loginItems.calls, 0);
        EXPECT_FALSE(prefs.boolValue(PreferKey::LaunchAtLogin));
        EXPECT_EQ(prefs.intValue(DurationKey::pomodoro), 1500);
        EXPECT_FALSE(QFileInfo::exists(prefsPath()));
        prefs.setValue(PreferKey::SoundEffect, false);
        EXPECT_EQ(QJsonDocument::fromJson(readFile(prefsPath())).object(),
                  QJsonObject({{QStringLiteral("SoundEffect"), false}}));
    }
    // The next start has a good file: nothing more to tell, and still no first start.
    Preferences next(prefsPath());
    UserDefaults::setupUserDefaultsValues(next, loginItems);
    UserDefaults::tellAboutKeptAsidePreferences(next, notifications);
    EXPECT_EQ(notifications.posted.size(), 1);
    EXPECT_EQ(loginItems.calls, 0);

    // Nothing written after the damage and no file at all: the file kept aside says it is no first start.
    QFile::remove(prefsPath());
    loginItems.enabled = true;
    Preferences again(prefsPath());
    UserDefaults::setupUserDefaultsValues(again, loginItems);
    EXPECT_EQ(loginItems.calls, 0);
    EXPECT_TRUE(again.boolValue(PreferKey::LaunchAtLogin));
    EXPECT_FALSE(QFileInfo::exists(prefsPath()));
}
