#include "PreferencesFixture.h"
#include "preferences/PreferencesWallpaperViewController.h"
#include "preferences/WallpaperPreviewView.h"
#include "settings/DataFolder.h"
#include "widgets/LoadingIndicator.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

class PreferencesWallpaperTest : public PreferencesFixture
{
protected:
    PreferencesWallpaperViewController& wallpaperPane()
    {
        if (!window)
            open();
        window->changeTab(int(PreferTab::wallpaper));
        return pane<PreferencesWallpaperViewController>();
    }
};

TEST_F(PreferencesWallpaperTest, PreviewShowsTheLatestChoiceOnlyAndNothingAfterThePaneIsGone)
{
    wallpapers.files = {QStringLiteral("a")};
    wallpapers.deliverAtOnce = false;
    images.screenshot = QImage(320, 200, QImage::Format_RGB32);
    auto* pane = &wallpaperPane();
    EXPECT_TRUE(pane->unsplashButton->isChecked());
    scheduler.advance(100);
    ASSERT_EQ(wallpapers.held.size(), 1u);
    EXPECT_FALSE(pane->imageView->hasImage());
    EXPECT_FALSE(pane->loadingIndicator->isHidden());

    // Two choices within the debounce build one preview, of the later one.
    pane->desktopButton->click();
    scheduler.advance(50);
    pane->screenshotButton->click();
    scheduler.advance(100);
    EXPECT_EQ(prefs->intValue(PreferKey::Wallpaper), 3);
    EXPECT_EQ(images.desktopCalls, 0);
    EXPECT_EQ(images.screenshotCalls, 1);
    ASSERT_TRUE(pane->imageView->hasImage());
    EXPECT_TRUE(pane->loadingIndicator->isHidden());

    // The photo asked for first arrives late and is dropped.
    wallpapers.image = QImage(16, 16, QImage::Format_RGB32);
    wallpapers.held.front()();
    wallpapers.held.clear();
    ASSERT_TRUE(pane->viewModel().wallpaperImage.value());
    EXPECT_EQ(pane->viewModel().wallpaperImage.value()->size(), QSize(320, 200)) << "still the screenshot";

    // A pane left while its preview loads is never touched again.
    pane->unsplashButton->click();
    scheduler.advance(100);
    ASSERT_EQ(wallpapers.held.size(), 1u);
    window->changeTab(int(PreferTab::general));
    wallpapers.held.front()();

    // A stored source without a button: none is on, and the preview says so.
    prefs->setValue(PreferKey::Wallpaper, 2);
    pane = &wallpaperPane();
    EXPECT_FALSE(pane->desktopButton->isChecked() || pane->unsplashButton->isChecked() ||
                 pane->screenshotButton->isChecked());
    scheduler.advance(100);
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("!!!")));
}

TEST_F(PreferencesWallpaperTest, CustomQuotesAreWrittenOnlyFromTheUsersEdits)
{
    const QString quotesFile = *DataFolder::quotesPath();
    auto& pane = wallpaperPane();
    EXPECT_TRUE(pane.quotesDesignButton->isChecked());
    EXPECT_TRUE(pane.quotesCustomTextView->isReadOnly());

    pane.quotesVelmoroButton->click();
    EXPECT_EQ(prefs->intValue(PreferKey::QuotesType), 2);
    EXPECT_TRUE(
        reported(QStringLiteral("quotesOptionUpdate"), QStringLiteral("option"), QStringLiteral("velmoro")));
    EXPECT_FALSE(QFileInfo::exists(quotesFile));

    pane.quotesCustomButton->click();
    EXPECT_FALSE(pane.quotesCustomTextView->isReadOnly());
    EXPECT_FALSE(QFileInfo::exists(quotesFile));
    QTest::keyClicks(pane.quotesCustomTextView, QStringLiteral("Rest well"));
    EXPECT_EQ(quotes->customQuotesString(), QStringLiteral("Rest well"));

    pane.quotesNoneButton->click();
    EXPECT_TRUE(pane.quotesCustomTextView->isReadOnly());
    EXPECT_EQ(pane.quotesCustomTextView->toPlainText(), QStringLiteral("Rest well"));
    const QByteArray saved = readFile(quotesFile);
    QTest::keyClicks(pane.quotesCustomTextView, QStringLiteral("x"));
    EXPECT_EQ(readFile(quotesFile), saved);
}
