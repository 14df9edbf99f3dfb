#pragma once

#include "cycle/BreakPorts.h"
#include "timer/NotificationCenter.h"
#include "timer/SleepMonitor.h"

#include <QStringList>

#include <deque>

// Records what the cycle controller asks of the break windows.
class FakeBreakWindows final : public BreakWindows
{
public:
    std::vector<BreakScreen> screenList{{QStringLiteral("L"), QRect(0, 0, 1920, 1080), 1.0, true}};
    struct Shown
    {
        QString screen;
        QSize imageSize;
        QString hash;
        bool main;
    };
    std::vector<Shown> shown;   // every show, in order
    int visibleBackgrounds = 0; // background windows now on screen
    bool mainVisible = false;
    int hideCalls = 0;
    int breakDidEndCalls = 0;
    BreakHandlers handlers;

    std::vector<BreakScreen> screens() const override { return screenList; }
    void showMain(const BreakScreen& screen, const QImage& image, const QString& hash) override
    {
        shown.push_back({screen.name, image.size(), hash, true});
        mainVisible = true;
    }
    void clearBackgroundWindows() override { visibleBackgrounds = 0; }
    void showBackground(const BreakScreen& screen, const QImage& image) override
    {
        shown.push_back({screen.name, image.size(), QString(), false});
        ++visibleBackgrounds;
    }
    void hideAll() override
    {
        ++hideCalls;
        visibleBackgrounds = 0;
        mainVisible = false;
    }
    void breakDidEnd() override { ++breakDidEndCalls; }
    void setHandlers(BreakHandlers h) override { handlers = std::move(h); }
};

// A wallpaper cache whose answers the test sets; images are delivered when the test says so.
class FakeWallpaperProvider final : public WallpaperProvider
{
public:
    QStringList files;
    std::deque<QString> hashes;
    std::optional<QImage> image = QImage(400, 300, QImage::Format_RGB32);
    bool deliverAtOnce = true;
    std::vector<std::function<void()>> held;
    QStringList requested;

    QStringList fileListInWallpaperFolder() override { return files; }
    std::optional<QString> nextRandomHash() override
    {
        if (hashes.empty())
            return std::nullopt;
        QString h = hashes.front();
        hashes.pop_front();
        return h;
    }
    void wallpaperImage(const QString& hash, std::function<void(std::optional<QImage>)> done) override
    {
        requested << hash;
        auto deliver = [done, img = image] { done(img); };
        if (deliverAtOnce)
            deliver();
        else
            held.push_back(deliver);
    }
};

class FakeImageSource final : public ImageSource
{
public:
    std::optional<QImage> picture = QImage(800, 600, QImage::Format_RGB32);
    std::optional<QImage> screenshot;
    int desktopCalls = 0;
    int screenshotCalls = 0;

    void desktopPicture(std::function<void(std::optional<QImage>)> done) override
    {
        ++desktopCalls;
        done(picture);
    }
    std::optional<QImage> takeScreenshot(const BreakScreen&) override
    {
        ++screenshotCalls;
        return screenshot;
    }
    // Held until the test runs it, when holdPreparation is set.
    bool holdPreparation = false;
    std::function<void()> preparing;
    void prepareScreenshots(std::function<void()> ready) override
    {
        if (holdPreparation)
            preparing = std::move(ready);
        else
            ready();
    }
};

class FakeNotificationCenter final : public NotificationCenter
{
public:
    QStringList posted;                // titles
    QStringList texts;                 // what they say, in the same order
    QList<NotificationAction> actions; // of the notifications that have one
    int clears = 0;
    void postNotification(const QString& title, const QString& text) override
    {
        posted << title;
        texts << text;
    }
    void postNotificationWithAction(const QString& title, const QString& content,
                                    NotificationAction action) override
    {
        postNotification(title, content);
        actions << std::move(action);
    }
    void clearAllNotification() override { ++clears; }
};

class FakeSleepMonitor final : public SleepMonitor
{
public:
    void sleep() { Q_EMIT willSleep(); }
    void wake() { Q_EMIT didWake(); }
};
