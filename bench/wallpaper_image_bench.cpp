// Break-start cost of a cached photograph: wallpaperImage() for a 5000×3333 JPEG, from the
// call to the image on the main thread, for the largest screen of a few set-ups. The naive
// full decode followed by a resize is measured beside it.
// Run on one core: taskset -c 0 wallpaper_image_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "content/WallpaperService.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QImageReader>
#include <QBuffer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

// Photo-like content: soft gradients with sensor-like noise, saved at a camera's quality.
QByteArray photoJpeg(int width, int height)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> noise(-10, 10);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = qRgb(std::clamp(x * 255 / width + noise(random), 0, 255),
                           std::clamp(y * 255 / height + noise(random), 0, 255),
                           std::clamp(90 + (x ^ y) % 60 + noise(random), 0, 255));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

struct Environment
{
    QTemporaryDir home;
    std::unique_ptr<Preferences> preferences;
    SystemClock clock;
    std::unique_ptr<WallpaperService> service;
    QString photoPath;

    Environment()
    {
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        preferences = std::make_unique<Preferences>(home.path() + QStringLiteral("/preferences.json"));
        const QString folder = DataFolder::wallpapersDirectory().value();
        photoPath = folder + QStringLiteral("photo");
        QFile file(photoPath);
        file.open(QIODevice::WriteOnly);
        file.write(photoJpeg(5000, 3333));
        file.close();
        service = std::make_unique<WallpaperService>(*preferences, clock);
    }
};

Environment& environment()
{
    static Environment instance;
    return instance;
}

void wallpaperImage(benchmark::State& state)
{
    Environment& env = environment();
    const QSize screen(int(state.range(0)), int(state.range(1)));
    env.service->setMaximumImageSize(screen);
    QSize delivered;
    for (auto _ : state) {
        QEventLoop loop;
        env.service->wallpaperImage(QStringLiteral("photo"), [&](std::optional<QImage> image) {
            delivered = image ? image->size() : QSize();
            loop.quit();
        });
        loop.exec();
    }
    if (delivered.width() < screen.width() || delivered.height() < screen.height())
        state.SkipWithError("the image does not cover the screen");
    state.counters["width"] = delivered.width();
    state.counters["height"] = delivered.height();
}

void fullDecodeThenResize(benchmark::State& state)
{
    Environment& env = environment();
    const QSize screen(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        QImage image(env.photoPath);
        image = image.scaled(screen, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(wallpaperImage)
    ->ArgNames({"screenWidth", "screenHeight"})
    ->Args({3840, 2160})
    ->Args({2560, 1440})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK(fullDecodeThenResize)
    ->ArgNames({"screenWidth", "screenHeight"})
    ->Args({3840, 2160})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
