#pragma once

#include "cycle/BreakPorts.h"
#include "settings/PreferKey.h"

#include <QImage>
#include <QObject>

#include <functional>
#include <vector>

class Preferences;
class Scheduler;
class WorkExecutor;

struct BreakPicturesDependencies
{
    Preferences* preferences = nullptr;
    Scheduler* scheduler = nullptr;
    BreakWindows* breakWindows = nullptr;
    WallpaperProvider* wallpapers = nullptr;
    ImageSource* images = nullptr;
    // Prepares each screen's picture away from the main thread; unset runs it in place.
    WorkExecutor* imageExecutor = nullptr;
    // The bundled "default-image", used when nothing better can be had.
    std::function<QImage()> defaultImage;
};

// The break's pictures: picks the source (desktop picture, photo, screen capture), prepares one
// blurred picture per screen and shows the break windows with them once all are ready.
class BreakPictures : public QObject
{
    Q_OBJECT
public:
    static constexpr double breakBlurRadius = 10.0;

    explicit BreakPictures(BreakPicturesDependencies dependencies, QObject* parent = nullptr);

    // The desktop when the wallpaper cache is empty, else the "Wallpaper" preference with
    // anything outside 0...3 read as desktop.
    WallpaperOption optionForBreak();

    // Fetches the picture for a new break and shows its windows when it is ready.
    void showForBreak(int duration);
    // Drops every picture still on its way: the break it was for is over.
    void cancel() { ++generation; }

    void showWindows(WallpaperOption option, const QImage& wallpaperImage, double blurRadius,
                     int timeInterval, const QString& wallpaperHash);
    QImage prepareWallpaperImage(const QImage& image, WallpaperOption option, const BreakScreen& screen,
                                 double blurRadius);
    // The part of prepareWallpaperImage that needs no display: safe on any thread.
    static QImage resizedAndBlurred(const QImage& image, WallpaperOption option, const BreakScreen& screen,
                                    double blurRadius);

private:
    void presentWindows(const std::vector<BreakScreen>& screens, const std::vector<QImage>& images,
                        const QString& wallpaperHash);
    QImage defaultImage() const;

    BreakPicturesDependencies deps;
    // Bumped whenever break windows are hidden, a new break starts or a break's countdown ends,
    // so a picture that arrives late never shows windows for a break that is already over.
    quint64 generation = 0;
};

QString wallpaperOptionName(WallpaperOption option);
