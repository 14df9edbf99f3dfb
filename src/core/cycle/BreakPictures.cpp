#include "cycle/BreakPictures.h"

#include "diagnostics/Log.h"
#include "imaging/ImageOperations.h"
#include "settings/Preferences.h"
#include "timer/Scheduler.h"
#include "timer/WorkExecutor.h"

#include <QPointer>

using namespace std::chrono_literals;

namespace {
QString imageDescription(const QImage& image)
{
    if (image.isNull())
        return QStringLiteral("QImage(null)");
    return QStringLiteral("QImage(%1x%2 @%3x)")
        .arg(image.width())
        .arg(image.height())
        .arg(image.devicePixelRatio());
}
} // namespace

QString wallpaperOptionName(WallpaperOption option)
{
    switch (option) {
    case WallpaperOption::desktop:
        return QStringLiteral("desktop");
    case WallpaperOption::unsplash:
        return QStringLiteral("unsplash");
    case WallpaperOption::custom:
        return QStringLiteral("custom");
    case WallpaperOption::screen:
        return QStringLiteral("screen");
    }
    return {};
}

BreakPictures::BreakPictures(BreakPicturesDependencies dependencies, QObject* parent)
    : QObject(parent), deps(std::move(dependencies))
{}

WallpaperOption BreakPictures::optionForBreak()
{
    if (deps.wallpapers->fileListInWallpaperFolder().isEmpty())
        return WallpaperOption::desktop;
    const int stored = deps.preferences->intValue(PreferKey::Wallpaper);
    if (stored < 0 || stored > 3)
        return WallpaperOption::desktop;
    return static_cast<WallpaperOption>(stored);
}
void BreakPictures::showForBreak(int duration)
{
    const WallpaperOption option = optionForBreak();
    LOG_INFO(QStringLiteral("option: ") + wallpaperOptionName(option));

    const quint64 current = ++generation;
    QPointer<BreakPictures> weak(this);
    auto stillCurrent = [weak, current] { return weak && weak->generation == current; };

    if (option == WallpaperOption::desktop || option == WallpaperOption::screen) {
        deps.scheduler->schedule(0ms, [weak, stillCurrent, option, duration] {
            if (!stillCurrent())
                return;
            auto withDesktopPicture = [weak, stillCurrent, option, duration] {
                if (!stillCurrent())
                    return;
                weak->deps.images->desktopPicture([weak, stillCurrent, option,
                                                   duration](std::optional<QImage> picture) {
                    if (!stillCurrent())
                        return;
                    if (!picture || picture->isNull()) {
                        LOG_ERROR(QStringLiteral("Get desktop picture failed."));
                        // A break always shows: with the default image when nothing better is there.
                        weak->showWindows(option, weak->defaultImage(), breakBlurRadius, duration, QString());
                        return;
                    }
                    weak->showWindows(option, *picture, breakBlurRadius, duration, QString());
                });
            };
            if (option == WallpaperOption::screen)
                weak->deps.images->prepareScreenshots(withDesktopPicture);
            else
                withDesktopPicture();
        });
    } else if (const auto hash = deps.wallpapers->nextRandomHash(); !hash) {
        LOG_ERROR(QStringLiteral("Get wallpaper image failed. Will use default image instead."));
        deps.scheduler->schedule(0ms, [weak, stillCurrent, option, duration] {
            if (stillCurrent())
                weak->showWindows(option, weak->defaultImage(), breakBlurRadius, duration, QString());
        });
    } else {
        const QString wallpaperHash = *hash;
        deps.wallpapers->wallpaperImage(wallpaperHash, [weak, stillCurrent, option, duration,
                                                        wallpaperHash](std::optional<QImage> image) {
            if (!stillCurrent())
                return;
            if (image && !image->isNull()) {
                LOG_INFO(QStringLiteral("Loading image showWin: 005"));
                weak->showWindows(option, *image, breakBlurRadius, duration, wallpaperHash);
                return;
            }
            LOG_ERROR(QStringLiteral("Get wallpaper image failed. Will use default image instead."));
            weak->showWindows(option, weak->defaultImage(), breakBlurRadius, duration, wallpaperHash);
        });
    }
}

void BreakPictures::showWindows(WallpaperOption option, const QImage& wallpaperImage, double blurRadius,
                                int timeInterval, const QString& wallpaperHash)
{
    Q_UNUSED(timeInterval);
    const std::vector<BreakScreen> screens = deps.breakWindows->screens();
    if (screens.empty()) {
        LOG_ERROR(QStringLiteral("Can't find any screen"));
        return;
    }
    // A capture of the main screen shows its windows: on another monitor it would be a ghost of
    // them. Those monitors get a capture of their own, or the built-in picture.
    const bool mainCapture = option == WallpaperOption::desktop && ImageSource::isCapture(wallpaperImage);
    auto sourceFor = [&](const BreakScreen& screen) {
        if (!mainCapture || screen.isMain)
            return wallpaperImage;
        if (auto shot = deps.images->takeScreenshot(screen); shot && !shot->isNull())
            return *shot;
        return defaultImage();
    };
    if (!deps.imageExecutor) {
        std::vector<QImage> images;
        for (const BreakScreen& screen : screens)
            images.push_back(prepareWallpaperImage(sourceFor(screen), option, screen, blurRadius));
        presentWindows(screens, images, wallpaperHash);
        return;
    }

    // Every screen's picture is blurred on its own worker; the windows appear together, in
    // the screens' order, once the last one is ready, unless the break is over by then.
    struct Batch
    {
        std::vector<QImage> images;
        std::size_t remaining;
    };
    auto batch = std::make_shared<Batch>(Batch{std::vector<QImage>(screens.size()), screens.size()});
    const quint64 current = generation;
    QPointer<BreakPictures> weak(this);
    for (std::size_t i = 0; i < screens.size(); ++i) {
        QImage source = sourceFor(screens[i]);
        // A screen capture needs the display: it is taken here, the rest runs on the worker.
        if (option == WallpaperOption::screen) {
            if (auto shot = deps.images->takeScreenshot(screens[i]); shot && !shot->isNull())
                source = *shot;
        }
        const BreakScreen screen = screens[i];
        deps.imageExecutor->run(
            [batch, i, source, option, screen, blurRadius] {
                batch->images[i] = resizedAndBlurred(source, option, screen, blurRadius);
            },
            [weak, batch, screens, current, wallpaperHash] {
                if (--batch->remaining > 0 || !weak || weak->generation != current)
                    return;
                weak->presentWindows(screens, batch->images, wallpaperHash);
            });
    }
}

void BreakPictures::presentWindows(const std::vector<BreakScreen>& screens, const std::vector<QImage>& images,
                                   const QString& wallpaperHash)
{
    deps.breakWindows->clearBackgroundWindows();
    // The main screen's window comes last: compositors that give the keyboard to the newest
    // window (Mutter, KWin) then give it to the overlay, which answers the keys.
    for (const bool main : {false, true}) {
        for (std::size_t i = 0; i < screens.size(); ++i) {
            if (screens[i].isMain != main)
                continue;
            LOG_INFO(QStringLiteral("Loading image wallpaperImage: ") + imageDescription(images[i]));
            if (main)
                deps.breakWindows->showMain(screens[i], images[i], wallpaperHash);
            else
                deps.breakWindows->showBackground(screens[i], images[i]);
        }
    }
}

QImage BreakPictures::prepareWallpaperImage(const QImage& source, WallpaperOption option,
                                            const BreakScreen& screen, double blurRadius)
{
    QImage image = source;
    if (option == WallpaperOption::screen) {
        if (auto shot = deps.images->takeScreenshot(screen); shot && !shot->isNull())
            image = *shot;
    }
    return resizedAndBlurred(image, option, screen, blurRadius);
}

QImage BreakPictures::resizedAndBlurred(const QImage& source, WallpaperOption option,
                                        const BreakScreen& screen, double blurRadius)
{
    QImage image = source;
    if (option == WallpaperOption::unsplash) {
        LOG_DEBUG(QStringLiteral("Loading image showWin resize: 006"));
        // The blur that follows washes out anything finer than its radius: a plain sampling
        // resize looks the same here and costs a fraction of a filtered one.
        image = source.isNull() || screen.frame.isEmpty()
                    ? QImage()
                    : image.scaled(screen.frame.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        LOG_INFO(QStringLiteral("Loading image showWin resized: 007"));
    }
    LOG_DEBUG(QStringLiteral("Loading image showWin wallpaperImage: 006"));
    const bool highDensity = screen.scaleFactor > 1.0;
    if (highDensity)
        image = ImageOperations::resized(image, image.size() / 2);
    image = ImageOperations::gaussianBlur(image, blurRadius, highDensity);
    LOG_INFO(QStringLiteral("Loading image showWin wallpaperImage taken: 007"));
    return image;
}

QImage BreakPictures::defaultImage() const
{
    return deps.defaultImage ? deps.defaultImage() : QImage();
}
