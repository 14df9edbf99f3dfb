#include "CycleFixture.h"
#include "ManualExecutor.h"

#include "timer/ThreadPoolExecutor.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

class BreakPicturesTest : public CycleFixture
{
protected:
    void SetUp() override
    {
        CycleFixture::SetUp();
        imageExecutor = &executor;
        windows.screenList = {{QStringLiteral("L"), QRect(0, 0, 1920, 1080), 1.0, true},
                              {QStringLiteral("R"), QRect(1920, 0, 1280, 1024), 1.0, false}};
    }
    ManualExecutor executor;
};

TEST_F(BreakPicturesTest, WindowsAppearTogetherOnceEveryPictureIsReadyTheMainOneLast)
{
    app().shortBreak();
    scheduler.runDue();
    ASSERT_EQ(executor.jobs.size(), 2u);
    // The second screen's picture is ready first: nothing shows until both are.
    executor.finish(1);
    EXPECT_TRUE(windows.shown.empty());
    executor.finish(0);
    // The main window last: compositors give the keyboard to the newest window.
    ASSERT_EQ(windows.shown.size(), 2u);
    EXPECT_EQ(windows.shown[0].screen, QStringLiteral("R"));
    EXPECT_FALSE(windows.shown[0].main);
    EXPECT_EQ(windows.shown[0].imageSize, QSize(800, 600));
    EXPECT_EQ(windows.shown[1].screen, QStringLiteral("L"));
    EXPECT_TRUE(windows.shown[1].main);
    EXPECT_EQ(log().count(QStringLiteral("Loading image wallpaperImage: QImage(800x600 @1x)")), 2);
}

TEST_F(BreakPicturesTest, PicturesOfABreakThatIsOverShowNothing)
{
    app().shortBreak();
    scheduler.runDue();
    app().stopBreak();
    executor.finishAll();
    EXPECT_TRUE(windows.shown.empty());
    EXPECT_FALSE(windows.mainVisible);

    // A newer break wins over the pictures of the one before it.
    app().shortBreak();
    scheduler.runDue();
    auto stale = std::move(executor.jobs);
    executor.jobs.clear();
    app().longBreak();
    scheduler.runDue();
    for (auto& job : stale) {
        job.work();
        job.done();
    }
    EXPECT_TRUE(windows.shown.empty());
    executor.finishAll();
    EXPECT_EQ(windows.shown.size(), 2u);
}

TEST_F(BreakPicturesTest, ScreenCapturesAreTakenBeforeTheWorkLeavesTheMainThread)
{
    prefs->setValue(PreferKey::Wallpaper, 3);
    wallpapers.files = {QStringLiteral("h1")};
    images.screenshot = QImage(640, 400, QImage::Format_RGB32);
    app().shortBreak();
    scheduler.runDue();
    EXPECT_EQ(images.screenshotCalls, 2);
    executor.finishAll();
    ASSERT_EQ(windows.shown.size(), 2u);
    EXPECT_EQ(windows.shown[0].imageSize, QSize(640, 400));
}

TEST_F(BreakPicturesTest, ScreenCapturesWaitUntilTheyCanBeTakenAndAStoppedBreakTakesNone)
{
    // A portal answers later: nothing is captured or shown until it has.
    prefs->setValue(PreferKey::Wallpaper, 3);
    wallpapers.files = {QStringLiteral("h1")};
    images.screenshot = QImage(640, 400, QImage::Format_RGB32);
    images.holdPreparation = true;
    app().shortBreak();
    scheduler.runDue();
    ASSERT_TRUE(images.preparing);
    EXPECT_EQ(images.desktopCalls + images.screenshotCalls, 0);
    std::exchange(images.preparing, nullptr)();
    EXPECT_EQ(images.screenshotCalls, 2);
    executor.finishAll();
    ASSERT_EQ(windows.shown.size(), 2u);

    // The answer comes after the break was stopped: nothing more happens.
    app().shortBreak();
    scheduler.runDue();
    app().stopBreak();
    const int calls = images.desktopCalls + images.screenshotCalls;
    std::exchange(images.preparing, nullptr)();
    executor.finishAll();
    EXPECT_EQ(images.desktopCalls + images.screenshotCalls, calls);
    EXPECT_FALSE(windows.mainVisible);
}

TEST(ThreadPoolExecutorTest, WorkRunsAwayFromTheMainThreadAndDoneBackOnIt)
{
    QThreadPool pool;
    auto executor = std::make_unique<ThreadPoolExecutor>(&pool);
    QThread* workThread = nullptr;
    QThread* doneThread = nullptr;
    executor->run([&] { workThread = QThread::currentThread(); },
                  [&] { doneThread = QThread::currentThread(); });
    pool.waitForDone();
    QCoreApplication::processEvents();
    EXPECT_NE(workThread, QThread::currentThread());
    EXPECT_EQ(doneThread, QThread::currentThread());

    // An executor that is gone by the time the work ends delivers nothing.
    bool delivered = false;
    executor->run([] {}, [&] { delivered = true; });
    pool.waitForDone();
    executor.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(delivered);
}

TEST_F(BreakPicturesTest, ACaptureOfTheMainScreenIsNeverAnotherMonitorsPicture)
{
    // No wallpaper setting: the desktop picture is a capture of the main screen's windows.
    images.picture->setText(QLatin1String(ImageSource::capturedKey), QStringLiteral("1"));
    app().shortBreak();
    scheduler.runDue();
    executor.finishAll();
    ASSERT_EQ(windows.shown.size(), 2u);
    EXPECT_EQ(windows.shown[1].imageSize, QSize(800, 600));
    // Without a capture of its own, the other monitor shows the built-in picture.
    EXPECT_EQ(windows.shown[0].imageSize, QSize(64, 48));

    app().stopBreak();
    windows.shown.clear();
    images.screenshot = QImage(320, 256, QImage::Format_RGB32);
    app().shortBreak();
    scheduler.runDue();
    executor.finishAll();
    ASSERT_EQ(windows.shown.size(), 2u);
    EXPECT_EQ(windows.shown[1].imageSize, QSize(800, 600));
    EXPECT_EQ(windows.shown[0].imageSize, QSize(320, 256));
}
