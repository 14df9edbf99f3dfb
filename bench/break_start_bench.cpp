// Break-start latency: from the Pomodoro's completion to every break window showing its
// blurred picture, with a cached 5000×3333 JPEG and two screens (1920×1080 and 2560×1440).
// Reports the wall time and how much of it the main thread was busy (its CPU time).
//
// Release build, then: build/overlay-rel/bench/break_start_bench [iterations]
// It runs on Qt's offscreen platform with its own screens; nothing shows on the desktop.
#include "break/QtBreakWindows.h"
#include "content/WallpaperService.h"
#include "cycle/CycleController.h"
#include "diagnostics/Log.h"
#include "records/TaskService.h"
#include "settings/DataFolder.h"
#include "settings/LoginItems.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "timer/Clock.h"
#include "timer/Countdown.h"
#include "timer/NotificationCenter.h"
#include "timer/QtScheduler.h"
#include "timer/ThreadPoolExecutor.h"
#include "widgets/ImageView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <set>
#include <vector>

namespace {

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// A photograph-like picture: soft colour fields, shapes and grain, so the JPEG decoder works
// as hard as it does on a real photo.
QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(40, 70, 120));
    sky.setColorAt(1, QColor(220, 160, 90));
    painter.fillRect(image.rect(), sky);
    auto* random = QRandomGenerator::global();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(
            QColor::fromHsv(random->bounded(360), 80 + random->bounded(150), 60 + random->bounded(190), 90));
        painter.setPen(Qt::NoPen);
        const int r = 20 + random->bounded(400);
        painter.drawEllipse(QPoint(random->bounded(width), random->bounded(height)), r, r / 2 + 10);
    }
    painter.end();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(random->bounded(17)) - 8;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    return image;
}

class SilentNotifications final : public NotificationCenter
{
public:
    void postNotification(const QString&, const QString&) override {}
    void clearAllNotification() override {}
};

class NoLoginItems final : public LoginItems
{
public:
    bool setEnabled(bool) override { return true; }
    bool isEnabled() const override { return false; }
};

class NoImageSource final : public ImageSource
{
public:
    void desktopPicture(std::function<void(std::optional<QImage>)> done) override { done(std::nullopt); }
    std::optional<QImage> takeScreenshot(const BreakScreen&) override { return std::nullopt; }
};

// Reports when each picture view has painted its picture for the first time.
class PaintWatch : public QObject
{
public:
    std::vector<double> shownAt; // ms on the watch's timer
    double lastShownCpu = 0;     // the main thread's CPU time at the last one
    QEventLoop* waiting = nullptr;
    QElapsedTimer clock;
    std::set<QObject*> hooked;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* view = qobject_cast<ImageView*>(watched); view && hooked.insert(view).second) {
                QObject::connect(view, &ImageView::imageShown, this, [this] {
                    shownAt.push_back(clock.nsecsElapsed() / 1e6);
                    lastShownCpu = threadCpuMs();
                    if (waiting && shownAt.size() >= 2)
                        waiting->quit();
                });
                QObject::connect(view, &QObject::destroyed, this, [this, view] { hooked.erase(view); });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir home;
    const QString screens = home.filePath(QStringLiteral("screens.json"));
    {
        QFile file(screens);
        file.open(QIODevice::WriteOnly);
        file.write(R"({"screens":[
            {"name":"L","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1},
            {"name":"R","x":1920,"y":0,"width":2560,"height":1440,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirelo"));

    Preferences& preferences = Preferences::standard();
    Log::setupLogger(preferences);
    NoLoginItems loginItems;
    UserDefaults::setupUserDefaultsValues(preferences, loginItems);
    preferences.setValue(DurationKey::pomodoro, 1);
    preferences.setValue(PreferKey::Wallpaper, 1);
    preferences.setValue(PreferKey::logLevel, QStringLiteral("error"));
    Log::setupLogger(preferences);

    const QString folder = *DataFolder::wallpapersDirectory();
    QDir().mkpath(folder);
    std::fprintf(stderr, "Writing a 5000x3333 JPEG…\n");
    photo(5000, 3333).save(folder + QStringLiteral("/0123456789abcdef0123456789abcdef"), "JPG", 90);

    SystemClock clock;
    QtScheduler scheduler;
    Countdown timer(clock, scheduler, nullptr);
    TaskService tasks(preferences, clock, *DataFolder::databasePath());
    SilentNotifications notifications;
    NoImageSource images;
    ThreadPoolExecutor executor;
    WallpaperService wallpapers(preferences, clock);
    wallpapers.setMaximumImageSize(QSize(2560, 1440));

    QtBreakWindows::Services services;
    services.preferences = &preferences;
    services.clock = &clock;
    services.timer = &timer;
    QtBreakWindows windows(services);

    CycleControllerDependencies deps;
    deps.preferences = &preferences;
    deps.clock = &clock;
    deps.scheduler = &scheduler;
    deps.timer = &timer;
    deps.tasks = &tasks;
    deps.notifications = &notifications;
    deps.breakWindows = &windows;
    deps.wallpapers = &wallpapers;
    deps.images = &images;
    deps.imageExecutor = &executor;
    CycleController app(deps);
    windows.attach(app);

    PaintWatch watch;
    watch.clock.start();
    application.installEventFilter(&watch);

    double startMs = 0, startCpu = 0;
    bool armed = false;
    DisposeBag bag;
    bag += timer.currentTime.subscribe([&](int remaining) {
        if (remaining == 0 && app.state.value() == CycleState::working) {
            startMs = watch.clock.nsecsElapsed() / 1e6;
            startCpu = threadCpuMs();
            armed = true;
            watch.shownAt.clear();
        }
    });

    std::vector<double> totals, blocked;
    for (int i = 0; i < iterations + 1; ++i) {
        app.startPomodoro();
        // Waits in the event loop, as the program does: no polling on the main thread.
        QEventLoop loop;
        watch.waiting = &loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        watch.waiting = nullptr;
        if (!armed || watch.shownAt.size() < 2) {
            std::fprintf(stderr, "Break %d did not show its windows.\n", i);
            return 1;
        }
        const double total = *std::max_element(watch.shownAt.begin(), watch.shownAt.end()) - startMs;
        const double cpu = watch.lastShownCpu - startCpu;
        armed = false;
        if (i > 0) { // the first break also pays for creating the main window
            totals.push_back(total);
            blocked.push_back(cpu);
            std::printf("break %2d: %6.1f ms to every picture, main thread busy %5.1f ms\n", i, total, cpu);
        }
        app.stopBreak();
        // Let the fade-ins and the last frames finish before the next round.
        QEventLoop pause;
        QTimer::singleShot(800, &pause, &QEventLoop::quit);
        pause.exec();
    }
    std::printf(
        "median: %.1f ms to every picture (min %.1f, max %.1f); main thread busy %.1f ms (max %.1f)\n",
        median(totals), *std::min_element(totals.begin(), totals.end()),
        *std::max_element(totals.begin(), totals.end()), median(blocked),
        *std::max_element(blocked.begin(), blocked.end()));
    return 0;
}
