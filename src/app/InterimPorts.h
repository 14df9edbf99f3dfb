#pragma once

#include "cycle/BreakPorts.h"

// Stand-in until the wallpaper cache is wired in: no photograph is cached, so every break
// shows the desktop's picture.
class EmptyWallpaperCache final : public WallpaperProvider
{
public:
    QStringList fileListInWallpaperFolder() override { return {}; }
    std::optional<QString> nextRandomHash() override { return std::nullopt; }
    void wallpaperImage(const QString&, std::function<void(std::optional<QImage>)> done) override { done(std::nullopt); }
};
