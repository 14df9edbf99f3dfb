#include "CycleFakes.h"
#include "FakeLoginItems.h"
#include "LogCapture.h"
#include "ManualScheduler.h"
#include "TestEnvironment.h"
#include "content/QuoteService.h"
#include "preferences/PreferencesGeneralViewModel.h"
#include "preferences/PreferencesWallpaperViewModel.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"

#include <limits>

class PreferencesViewModelTest : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        prefs = std::make_unique<Preferences>(Preferences::defaultFilePath());
        UserDefaults::setupUserDefaultsValues(*prefs, loginItems);
    }
    std::unique_ptr<PreferencesWallpaperViewModel> wallpaperModel(QuoteService* quotes = nullptr)
    {
        PreferencesWallpaperViewModel::Dependencies deps;
        deps.preferences = prefs.get();
        deps.scheduler = &scheduler;
        deps.quotes = quotes;
        deps.wallpapers = &wallpapers;
        deps.randomWallpaperURLHash = [this]() -> std::optional<QString> {
            return wallpapers.files.isEmpty() ? std::nullopt : std::optional(wallpapers.files.first());
        };
        deps.images = &images;
        deps.screens = &screens;
        return std::make_unique<PreferencesWallpaperViewModel>(std::move(deps));
    }

    FakeLoginItems loginItems;
    ManualScheduler scheduler;
    FakeWallpaperProvider wallpapers;
    FakeImageSource images;
    FakeBreakWindows screens;
    std::unique_ptr<Preferences> prefs;
};

TEST_F(PreferencesViewModelTest, TypedNumbersAreReadLikeAFieldAndNeverOverflow)
{
    using VM = PreferencesGeneralViewModel;
    EXPECT_EQ(VM::leadingInteger(QStringLiteral("  42 min"), 0, 86400), 42);
    EXPECT_EQ(VM::leadingInteger(QStringLiteral("-7"), 0, 86400), 0);
    EXPECT_EQ(VM::leadingInteger(QStringLiteral("x12"), 0, 86400), 0);
    EXPECT_EQ(VM::leadingInteger(QStringLiteral("99999999999999999999"), 0, 86400), 86400);

    VM model(*prefs, loginItems);
    constexpr int most = std::numeric_limits<int>::max();
    model.countTyped(QStringLiteral("99999999999999999999"));
    EXPECT_EQ(prefs->intValue(DurationKey::countToLongBreak), most);
    model.countTyped(QStringLiteral("-99999999999999999999"));
    EXPECT_EQ(prefs->intValue(DurationKey::countToLongBreak), std::numeric_limits<int>::min());
    model.countStepperChanged(11);
    EXPECT_EQ(prefs->intValue(DurationKey::countToLongBreak), 10);

    // No length of zero minutes: Home on a slider, 0 or a negative number typed.
    model.sliderMoved(DurationKey::pomodoro, 0);
    EXPECT_EQ(prefs->intValue(DurationKey::pomodoro), 60);
    model.valueTyped(DurationKey::shortBreak, QStringLiteral("0"));
    EXPECT_EQ(prefs->intValue(DurationKey::shortBreak), 60);
    model.valueTyped(DurationKey::longBreak, QStringLiteral("-5"));
    EXPECT_EQ(prefs->intValue(DurationKey::longBreak), 60);
    model.stepperChanged(DurationKey::pomodoro, 2);
    EXPECT_EQ(prefs->intValue(DurationKey::pomodoro), 120);
}

TEST_F(PreferencesViewModelTest, FailedPreviewsAreLoggedAndLeaveTheSpinner)
{
    auto model = wallpaperModel();
    scheduler.advance(100);
    // An empty photo cache: said in words, so the spinner does not spin for ever.
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("error: MRError.unknown")));
    EXPECT_FALSE(model->wallpaperImage.value());
    EXPECT_TRUE(model->previewMessage.value().contains(QStringLiteral("photo could not be loaded")));

    images.picture.reset();
    model->chooseWallpaper(WallpaperOption::desktop);
    scheduler.advance(100);
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Get desktop picture failed.")));
    EXPECT_TRUE(model->previewMessage.value().contains(QStringLiteral("built-in picture")));

    // A capture would show this very window: the preview says what a break will show instead.
    images.picture = QImage(800, 600, QImage::Format_RGB32);
    images.picture->setText(QLatin1String(ImageSource::capturedKey), QStringLiteral("1"));
    model->chooseWallpaper(WallpaperOption::unsplash);
    model->chooseWallpaper(WallpaperOption::desktop);
    scheduler.advance(100);
    EXPECT_FALSE(model->wallpaperImage.value());
    EXPECT_TRUE(model->previewMessage.value().contains(QStringLiteral("No desktop picture is set")));
    images.screenshot = QImage(800, 600, QImage::Format_RGB32);
    model->chooseWallpaper(WallpaperOption::screen);
    scheduler.advance(100);
    EXPECT_FALSE(model->wallpaperImage.value());
    EXPECT_FALSE(model->previewMessage.value().isEmpty());

    screens.screenList.clear();
    model->chooseWallpaper(WallpaperOption::unsplash);
    model->chooseWallpaper(WallpaperOption::screen);
    scheduler.advance(100);
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Failed to take screenshot")));
    EXPECT_FALSE(model->wallpaperImage.value());
    // Every choice is stored, whatever became of its preview.
    EXPECT_EQ(prefs->intValue(PreferKey::Wallpaper), 3);
}

TEST_F(PreferencesViewModelTest, CustomQuotesAreStoredOnlyWhileTheyAreTheSource)
{
    QuoteService quotes(*prefs);
    auto model = wallpaperModel(&quotes);
    model->customQuotesEdited(QStringLiteral("ignored"));
    EXPECT_EQ(model->customQuotesString(), QString());
    model->chooseQuotesType(PreferQuotesType::custom);
    EXPECT_TRUE(model->customQuotesEditable());
    model->customQuotesEdited(QStringLiteral("One\nTwo"));
    EXPECT_EQ(model->customQuotesString(), QStringLiteral("One\nTwo"));
    model->customQuotesEdited(QString());
    EXPECT_EQ(model->customQuotesString(), QString());
}
