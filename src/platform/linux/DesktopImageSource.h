#pragma once

#include "cycle/BreakPorts.h"

#include <QObject>

#include <functional>
#include <memory>

class WorkExecutor;

// The desktop's own picture and screen captures on Linux. The picture is the desktop's
// wallpaper setting (GNOME, KDE Plasma, XFCE), found and decoded away from the main thread and
// sized to cover the main screen; when no setting gives a picture, a capture of the main
// screen stands in. Captures need X11 (QScreen::grabWindow); elsewhere they give none.
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

    void desktopPicture(std::function<void(std::optional<QImage>)> done) override;
    std::optional<QImage> takeScreenshot(const BreakScreen& screen) override;

    // The file decoded and cut to exactly size, covering it with its aspect kept (the JPEG
    // decoder does most of the shrinking); none when it cannot be decoded.
    static std::optional<QImage> decodeCovering(const QString& path, const QSize& size);

private:
    WorkExecutor& executor;
    WallpaperLookup wallpaperLookup;
    bool darkAppearance = false;
};
