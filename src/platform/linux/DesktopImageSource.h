#pragma once

#include "cycle/BreakPorts.h"

#include <QObject>

#include <functional>
#include <memory>

class PortalScreenshot;
class WorkExecutor;

// The desktop's own picture and screen captures on Linux. The picture is the desktop's
// wallpaper setting (GNOME, KDE Plasma, XFCE), found and decoded away from the main thread and
// sized to cover the main screen; when no setting gives a picture, a capture of the main
// screen stands in: on X11 taken directly (QScreen::grabWindow), elsewhere through the
// screenshot portal when one is given.
class DesktopImageSource final : public QObject, public ImageSource
{
    Q_OBJECT
public:
    // Finds the wallpaper file, none when there is none (replaceable in tests).
    using WallpaperLookup =
        std::function<std::optional<QString>(const QString& monitorName, const QSize& size)>;

    explicit DesktopImageSource(WorkExecutor& executor, QObject* parent = nullptr);
    ~DesktopImageSource() override;

    void setWallpaperLookup(WallpaperLookup lookup) { wallpaperLookup = std::move(lookup); }
    // Whether the desktop shows its dark variant (GNOME's picture-uri-dark).
    void setDarkAppearance(bool dark) { darkAppearance = dark; }
    // Where the window system gives no capture (Wayland), the portal takes it.
    void setPortal(PortalScreenshot* screenshots) { portal = screenshots; }

    void desktopPicture(std::function<void(std::optional<QImage>)> done) override;
    std::optional<QImage> takeScreenshot(const BreakScreen& screen) override;

    // The file decoded and cut to exactly size, covering it with its aspect kept (the JPEG
    // decoder does most of the shrinking); none when it cannot be decoded.
    static std::optional<QImage> decodeCovering(const QString& path, const QSize& size);
    // The part of a picture of the desktop (the bounding box desktopArea of every screen, in
    // any pixel density) that shows screen; a picture of another shape (one output only) is
    // returned whole.
    static QImage screenPart(const QImage& desktop, const QRect& desktopArea, const QRect& screen);

private:
    void captureMainScreen(const QSize& size, std::function<void(std::optional<QImage>)> done);

    WorkExecutor& executor;
    WallpaperLookup wallpaperLookup;
    bool darkAppearance = false;
    PortalScreenshot* portal = nullptr;
};
