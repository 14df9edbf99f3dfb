#pragma once

#include "cycle/BreakPorts.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <memory>

class PortalScreenshot;
class WorkExecutor;

// The desktop's own picture and screen captures on Linux. The picture is the desktop's
// wallpaper setting (GNOME, KDE Plasma, XFCE), found and decoded away from the main thread and
// sized to cover the main screen; when no setting gives a picture, a capture of the main
// screen stands in (but not for a picture that is set and cannot be decoded: the break shows
// its built-in picture then). Captures are taken directly on X11 (QScreen::grabWindow); with a portal
// (Wayland) one picture of the whole desktop serves every screen of a break.
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
    // Where the window system gives no capture (Wayland), the portal takes them.
    void setPortal(PortalScreenshot* screenshots) { portal = screenshots; }

    void desktopPicture(std::function<void(std::optional<QImage>)> done) override;
    std::optional<QImage> takeScreenshot(const BreakScreen& screen) override;
    void prepareScreenshots(std::function<void()> ready) override;

    // The file decoded and cut to exactly size, covering it with its aspect kept (the JPEG
    // decoder does most of the shrinking); none, with why set, when it cannot be decoded.
    static std::optional<QImage> decodeCovering(const QString& path, const QSize& size,
                                                QString* why = nullptr);
    // The part of a picture of the desktop (the bounding box desktopArea of every screen, in
    // any pixel density) that shows screen; a picture of another shape (one output only) is
    // returned whole.
    static QImage screenPart(const QImage& desktop, const QRect& desktopArea, const QRect& screen);

private:
    void captureMainScreen(const QSize& size, std::function<void(std::optional<QImage>)> done);
    // The portal's picture of the desktop, taken now unless a fresh one is there.
    void captureDesktop(std::function<void()> ready);
    bool captureIsFresh() const;

    WorkExecutor& executor;
    WallpaperLookup wallpaperLookup;
    bool darkAppearance = false;
    PortalScreenshot* portal = nullptr;
    QImage desktopCapture;
    QRect desktopCaptureArea; // the desktop's bounding box when it was taken
    QElapsedTimer desktopCaptureAge;
};
