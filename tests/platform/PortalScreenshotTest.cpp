#include "linux/PortalScreenshot.h"
#include "LogCapture.h"
#include "PrivateBus.h"
#include "PrivateBusTest.h"
#include "TestEnvironment.h"
#include "linux/DesktopImageSource.h"
#include "timer/WorkExecutor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryFile>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {
// Runs the work at once, on the calling thread.
struct InlineExecutor final : WorkExecutor
{
    void run(std::function<void()> work, std::function<void()> done) override
    {
        work();
        done();
    }
};
} // namespace

// The screenshot portal as a mock on a private bus; every way it can fail ends in no picture,
// answered once, within the time limit.
class PortalScreenshotTest : public PrivateBusTest
{
protected:
    void SetUp() override
    {
        PrivateBusTest::SetUp();
        if (IsSkipped())
            return;
        screenshots = std::make_unique<PortalScreenshot>(bus->connection(), executor);
        screenshots->setTimeout(1500ms);
    }
    bool portal(const QString& parameters)
    {
        bus->stopMocks();
        return bus->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/screenshot_portal.py"),
                                  QStringLiteral("org.freedesktop.portal.Desktop"), false, parameters);
    }
    // The answer, and how many times it came.
    std::pair<std::optional<QImage>, int> take()
    {
        std::optional<QImage> image;
        int answers = 0;
        screenshots->take([&](std::optional<QImage> picture) {
            image = std::move(picture);
            ++answers;
        });
        PrivateBus::waitFor([&] { return answers > 0; }, 5000);
        // A late second answer would show here.
        PrivateBus::waitFor([] { return false; }, 200);
        return {image, answers};
    }

    InlineExecutor executor;
    std::unique_ptr<PortalScreenshot> screenshots;
};

TEST_F(PortalScreenshotTest, APictureComesBackNonInteractivelyAndEveryFailureGivesNone)
{
    // No portal on the bus: none at once.
    auto [none, count] = take();
    EXPECT_FALSE(none);
    EXPECT_EQ(count, 1);

    // The picture the portal names (the mock refuses interactive requests).
    const QString file = tempHome() + QStringLiteral("/desktop.png");
    QImage desktop(320, 108, QImage::Format_RGB32);
    desktop.fill(Qt::darkCyan);
    ASSERT_TRUE(desktop.save(file));
    ASSERT_TRUE(portal(QStringLiteral(R"({"uri": "%1"})").arg(QUrl::fromLocalFile(file).toString())));
    auto [picture, answers] = take();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->size(), QSize(320, 108));
    EXPECT_EQ(answers, 1);
    // Read, the capture leaves no file behind in the user's pictures.
    EXPECT_FALSE(QFile::exists(file));
    // Two requests in a row each get their own answer.
    ASSERT_TRUE(desktop.save(file));
    EXPECT_TRUE(take().first);

    // A file that is not there, and a device that never ends.
    ASSERT_TRUE(portal(QStringLiteral(R"({"uri": "file:///nonexistent/shot.png"})")));
    EXPECT_EQ(take(), std::make_pair(std::optional<QImage>(), 1));
    ASSERT_TRUE(portal(QStringLiteral(R"({"uri": "file:///dev/zero"})")));
    EXPECT_EQ(take(), std::make_pair(std::optional<QImage>(), 1));
    EXPECT_EQ(log().count(QStringLiteral("The screenshot portal's answer is not a picture file: /dev/zero")),
              1);
    // A file that is no picture.
    const QString text = tempHome() + QStringLiteral("/shot.png");
    QFile note(text);
    ASSERT_TRUE(note.open(QIODevice::WriteOnly) && note.write("not a picture") > 0);
    note.close();
    ASSERT_TRUE(portal(QStringLiteral(R"({"uri": "%1"})").arg(QUrl::fromLocalFile(text).toString())));
    EXPECT_EQ(take(), std::make_pair(std::optional<QImage>(), 1));
    EXPECT_TRUE(log().anyContains(QStringLiteral("Can't read the portal's screenshot")));
    EXPECT_TRUE(QFile::exists(text)); // only what was read as a picture is deleted

    // Cancelled or refused by the user or the desktop.
    ASSERT_TRUE(portal(QStringLiteral(R"({"response": 2})")));
    EXPECT_EQ(take(), std::make_pair(std::optional<QImage>(), 1));
    EXPECT_TRUE(log().anyContains(QStringLiteral("gave no picture (response 2)")));

    // The call itself fails.
    ASSERT_TRUE(portal(QStringLiteral(R"({"error": "org.freedesktop.portal.Error.NotAllowed"})")));
    EXPECT_EQ(take(), std::make_pair(std::optional<QImage>(), 1));
    EXPECT_TRUE(log().anyContains(QStringLiteral("org.freedesktop.portal.Error.NotAllowed")));

    // No answer ever: none after the time limit, and only then.
    ASSERT_TRUE(portal(QStringLiteral(R"({"silent": true})")));
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(take(), std::make_pair(std::optional<QImage>(), 1));
    EXPECT_GE(waited.elapsed(), 1500);
    EXPECT_TRUE(log().anyContains(QStringLiteral("did not answer")));
}

TEST_F(PortalScreenshotTest, OnlyTheCaptureMadeForTheRequestIsDeletedAlsoWhenItComesLate)
{
    QImage shot(64, 32, QImage::Format_RGB32);
    shot.fill(Qt::darkCyan);
    // After the time limit (a permission prompt on GNOME): the break went on without it, and
    // the capture is deleted when it comes.
    ASSERT_TRUE(QDir().mkpath(tempHome() + QStringLiteral("/Pictures")));
    const QString late = tempHome() + QStringLiteral("/Pictures/Screenshot.png");
    ASSERT_TRUE(
        portal(QStringLiteral(R"({"uri": "%1", "delay": 2000})").arg(QUrl::fromLocalFile(late).toString())));
    ASSERT_TRUE(shot.save(late));
    EXPECT_EQ(take(), std::make_pair(std::optional<QImage>(), 1));
    EXPECT_TRUE(PrivateBus::waitFor([&] { return !QFile::exists(late); }, 3000));
    EXPECT_TRUE(log().anyContains(QStringLiteral("saved after the time limit")));

    // One fixed path in the shared temporary folder for every client (xdg-desktop-portal-wlr's
    // /tmp/out.png) is read but left alone.
    QTemporaryFile fixed(QStringLiteral("/tmp/out-XXXXXX.png"));
    ASSERT_TRUE(fixed.open());
    fixed.close();
    ASSERT_TRUE(shot.save(fixed.fileName()));
    ASSERT_TRUE(
        portal(QStringLiteral(R"({"uri": "%1"})").arg(QUrl::fromLocalFile(fixed.fileName()).toString())));
    EXPECT_TRUE(take().first);
    EXPECT_TRUE(QFile::exists(fixed.fileName()));
}

TEST_F(PortalScreenshotTest, OnePictureOfTheDesktopServesTheBreaksScreensAndItsDesktopPicture)
{
    // The desktop pictured at twice its size: the left half red, the right half blue.
    const QRect area = QGuiApplication::primaryScreen()->virtualGeometry();
    QImage desktop(area.size() * 2, QImage::Format_RGB32);
    desktop.fill(Qt::blue);
    for (int y = 0; y < desktop.height(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(desktop.scanLine(y)), area.width(), qRgb(255, 0, 0));
    const QString file = tempHome() + QStringLiteral("/desktop.png");
    ASSERT_TRUE(desktop.save(file));
    ASSERT_TRUE(portal(QStringLiteral(R"({"uri": "%1"})").arg(QUrl::fromLocalFile(file).toString())));

    DesktopImageSource images(executor);
    images.setPortal(screenshots.get());
    images.setWallpaperLookup([](const QString&, const QSize&) { return std::optional<QString>(); });
    const BreakScreen left{QStringLiteral("L"), QRect(area.topLeft(), QSize(area.width() / 2, area.height())),
                           1.0, true};
    const BreakScreen right{QStringLiteral("R"), left.frame.translated(area.width() / 2, 0), 1.0, false};
    // Nothing taken yet: no capture to give.
    EXPECT_FALSE(images.takeScreenshot(left));
    bool ready = false;
    images.prepareScreenshots([&] { ready = true; });
    ASSERT_TRUE(PrivateBus::waitFor([&] { return ready; }, 5000));
    const auto leftShot = images.takeScreenshot(left);
    const auto rightShot = images.takeScreenshot(right);
    ASSERT_TRUE(leftShot && rightShot);
    EXPECT_EQ(leftShot->size(), QSize(area.width(), area.height() * 2));
    EXPECT_EQ(leftShot->pixelColor(leftShot->width() - 1, 0), QColor(Qt::red));
    EXPECT_EQ(rightShot->pixelColor(0, 0), QColor(Qt::blue));

    // No wallpaper setting: the desktop picture is the main screen's part of the same picture.
    std::optional<QImage> picture;
    bool answered = false;
    images.desktopPicture([&](std::optional<QImage> image) {
        picture = std::move(image);
        answered = true;
    });
    ASSERT_TRUE(PrivateBus::waitFor([&] { return answered; }, 5000));
    ASSERT_TRUE(picture);
    EXPECT_EQ(log().count(QStringLiteral("Got a screenshot from the portal: ") + file), 1);

    // A portal that does not answer is waited for once per break, not once per picture.
    ASSERT_TRUE(portal(QStringLiteral(R"({"silent": true})")));
    DesktopImageSource quiet(executor);
    quiet.setPortal(screenshots.get());
    quiet.setWallpaperLookup([](const QString&, const QSize&) { return std::optional<QString>(); });
    ready = false;
    quiet.prepareScreenshots([&] { ready = true; });
    ASSERT_TRUE(PrivateBus::waitFor([&] { return ready; }, 5000));
    EXPECT_FALSE(quiet.takeScreenshot(left));
    answered = false;
    quiet.desktopPicture([&](std::optional<QImage> image) {
        picture = std::move(image);
        answered = true;
    });
    EXPECT_TRUE(answered);
    EXPECT_FALSE(picture);
    EXPECT_EQ(log().count(QStringLiteral("The screenshot portal did not answer in 1500 ms.")), 1);
}

TEST(DesktopImageSourceTest, ThePortalsPictureOfTheDesktopIsCutToTheMainScreen)
{
    // Two screens side by side, pictured at twice their size: the left one is cut out.
    QImage desktop(6400, 2160, QImage::Format_RGB32);
    desktop.fill(Qt::blue);
    desktop.setPixelColor(0, 0, Qt::red);
    desktop.setPixelColor(3840, 0, Qt::green);
    const QRect area(0, 0, 3200, 1080);
    QImage left = DesktopImageSource::screenPart(desktop, area, QRect(0, 0, 1920, 1080));
    EXPECT_EQ(left.size(), QSize(3840, 2160));
    EXPECT_EQ(left.pixelColor(0, 0), QColor(Qt::red));
    QImage right = DesktopImageSource::screenPart(desktop, area, QRect(1920, 0, 1280, 1024));
    EXPECT_EQ(right.size(), QSize(2560, 2048));
    EXPECT_EQ(right.pixelColor(0, 0), QColor(Qt::green));
    // A picture of one output only (another shape than the desktop) is used whole.
    QImage one(1920, 1080, QImage::Format_RGB32);
    EXPECT_EQ(DesktopImageSource::screenPart(one, area, QRect(1920, 0, 1280, 1024)).size(),
              QSize(1920, 1080));
}
