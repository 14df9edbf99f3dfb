// Break-start cost of the wallpaper blur: a screen-sized picture, the callers' radius of 10.
// Run on one core: taskset -c 0 blur_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "imaging/ImageOperations.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>

namespace {

// Wallpaper-like content: soft gradients with sensor-like noise.
QImage wallpaper(int width, int height)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> noise(-12, 12);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int r = std::clamp(x * 255 / width + noise(random), 0, 255);
            const int g = std::clamp(y * 255 / height + noise(random), 0, 255);
            const int b = std::clamp(128 + (x - y) * 127 / width + noise(random), 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

void gaussianBlur(benchmark::State& state)
{
    const QImage image = wallpaper(int(state.range(0)), int(state.range(1)));
    const bool highDensity = state.range(2) != 0;
    for (auto _ : state) {
        QImage blurred = ImageOperations::gaussianBlur(image, 10, highDensity);
        benchmark::DoNotOptimize(blurred.constBits());
    }
    state.SetItemsProcessed(state.iterations() * image.width() * image.height());
}

// One pass over the same memory: a plain copy of the picture. The blur is judged as so many of
// these, since machines differ in memory speed by a factor of two and more.
void plainCopy(benchmark::State& state)
{
    const QImage image = wallpaper(int(state.range(0)), int(state.range(1)));
    QImage copy(image.size(), image.format());
    for (auto _ : state) {
        std::memcpy(copy.bits(), image.constBits(), std::size_t(image.sizeInBytes()));
        benchmark::DoNotOptimize(copy.constBits());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * image.width() * image.height());
}

} // namespace

BENCHMARK(plainCopy)
    ->ArgNames({"width", "height"})
    ->Args({3840, 2160})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK(gaussianBlur)
    ->ArgNames({"width", "height", "highDensity"})
    ->Args({3840, 2160, 0})
    ->Args({3840, 2160, 1})
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();
