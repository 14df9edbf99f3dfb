#pragma once

#include "cycle/BreakPorts.h"
#include "diagnostics/Log.h"

#include <QGuiApplication>
#include <QScreen>

// Stand-ins until the break overlay and the wallpaper cache are wired in: breaks run and are
// recorded, but no window is put on screen and no photograph is cached.
class InterimBreakWindows final : public BreakWindows
{
public:
    std::vector<BreakScreen> screens() const override
    {
        std::vector<BreakScreen> list;
        const QScreen* primary = QGuiApplication::primaryScreen();
        for (QScreen* screen : QGuiApplication::screens())
            list.push_back({screen->name(), screen->geometry(), screen->devicePixelRatio(), screen == primary});
        return list;
    }
    void showMain(const BreakScreen&, const QImage&, const QString&) override {}
    void clearBackgroundWindows() override {}
    void showBackground(const BreakScreen&, const QImage&) override {}
    void hideAll() override {}
    void breakDidEnd() override {}
    void setHandlers(BreakHandlers) override {}
};

class EmptyWallpaperCache final : public WallpaperProvider
{
public:
    QStringList fileListInWallpaperFolder() override { return {}; }
    std::optional<QString> nextRandomHash() override { return std::nullopt; }
    void wallpaperImage(const QString&, std::function<void(std::optional<QImage>)> done) override { done(std::nullopt); }
};

class NoImageSource final : public ImageSource
{
public:
    void desktopPicture(std::function<void(std::optional<QImage>)> done) override { done(std::nullopt); }
    std::optional<QImage> takeScreenshot(const BreakScreen&) override { return std::nullopt; }
};
