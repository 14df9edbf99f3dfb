#pragma once

#include "cycle/CycleState.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// One display as the break windows see it.
struct BreakScreen
{
    QString name;
    QRect frame;              // in the desktop's coordinates (logical pixels)
    double scaleFactor = 1.0; // device pixel ratio
    bool isMain = false;
};

// What the overlay reports back to the cycle controller.
struct BreakHandlers
{
    std::function<void()> didClickNextTimerHandler;
    std::function<void()> didClickCloseTimerHandler;
    std::function<void(StopTimerEvent)> didClickStopTimerHandler;
};

// The break windows: one main window, created once and reused, and one background window per
// other screen, created for each break.
class BreakWindows
{
public:
    virtual ~BreakWindows() = default;

    virtual std::vector<BreakScreen> screens() const = 0;
    // Shows the main window on the screen and prepares its content with the image.
    virtual void showMain(const BreakScreen& screen, const QImage& image, const QString& wallpaperHash) = 0;
    // Orders out the background windows of an earlier break, so none is left behind.
    virtual void clearBackgroundWindows() = 0;
    // Adds a background window for a screen other than the main one.
    virtual void showBackground(const BreakScreen& screen, const QImage& image) = 0;
    // Orders out every background window and the main window.
    virtual void hideAll() = 0;
    // Turns the main window into the back-to-work screen.
    virtual void breakDidEnd() = 0;
    // Installed once by the cycle controller.
    virtual void setHandlers(BreakHandlers handlers) = 0;
};

// The cached photographs.
class WallpaperProvider
{
public:
    virtual ~WallpaperProvider() = default;
    virtual QStringList fileListInWallpaperFolder() = 0;
    // The file name (hash) of the next wallpaper, none when the cache is empty.
    virtual std::optional<QString> nextRandomHash() = 0;
    // Loads the image for a hash; done runs on the main thread, with none on failure.
    virtual void wallpaperImage(const QString& hash, std::function<void(std::optional<QImage>)> done) = 0;
};

// The desktop's own picture and screen captures.
class ImageSource
{
public:
    // A desktop picture that is a capture of the main screen (no wallpaper setting was found)
    // carries this text key: it shows the main screen's windows and belongs to that screen only.
    static constexpr const char* capturedKey = "MireloCapturedScreen";
    static bool isCapture(const QImage& picture)
    {
        return !picture.text(QLatin1String(capturedKey)).isEmpty();
    }

    virtual ~ImageSource() = default;
    // done runs on the main thread, with none when no picture can be had.
    virtual void desktopPicture(std::function<void(std::optional<QImage>)> done) = 0;
    virtual std::optional<QImage> takeScreenshot(const BreakScreen& screen) = 0;
    // Gets what takeScreenshot() needs where a capture comes asynchronously (a desktop portal);
    // ready runs on the main thread, also when nothing could be had.
    virtual void prepareScreenshots(std::function<void()> ready) { ready(); }
};
