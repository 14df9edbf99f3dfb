#include "GaussianBlur.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

// The per-lane loops below are where all the time goes. O3 lets GCC vectorise them (also in
// Debug builds, where the tests run large images under the sanitizers); on x86-64 a second
// AVX2 copy of each is picked at load time on CPUs that have it.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define MIRELO_VECTOR_LOOP __attribute__((optimize("O3"), target_clones("avx2", "default")))
#elif defined(__GNUC__) && !defined(__clang__)
#define MIRELO_VECTOR_LOOP __attribute__((optimize("O3")))
#else
#define MIRELO_VECTOR_LOOP
#endif

namespace {

// Channels travel as 16-bit lanes in 8.7 fixed point: the sum of two lanes still fits in 16 bits,
// which lets a symmetric kernel add its mirrored taps before multiplying.
constexpr int kFractionBits = 7;
constexpr uint16_t kMaxLane = 255 << kFractionBits;
constexpr size_t kLanesPerPixel = 4;

size_t lanesOf(int pixels)
{
    return size_t(pixels) * kLanesPerPixel;
}

int floorDiv(int a, int b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

GaussianBlur::Kernel makeKernel(double sigma)
{
    GaussianBlur::Kernel kernel;
    kernel.reach = std::max(1, int(std::ceil(3 * sigma)));
    std::vector<double> curve(size_t(kernel.reach) + 1);
    double total = 0;
    for (int k = 0; k <= kernel.reach; ++k) {
        curve[size_t(k)] = std::exp(-double(k) * k / (2 * sigma * sigma));
        total += k == 0 ? curve[0] : 2 * curve[size_t(k)];
    }
    kernel.weights.resize(curve.size());
    int sides = 0;
    for (int k = 1; k <= kernel.reach; ++k) {
        kernel.weights[size_t(k)] = uint16_t(std::lround(curve[size_t(k)] / total * 65536));
        sides += 2 * kernel.weights[size_t(k)];
    }
    // The centre takes the rounding remainder so that a flat colour stays exactly flat; a kernel
    // narrower than a pixel would need the full 65536, one more than a lane holds.
    kernel.weights[0] = uint16_t(std::min(65535, 65536 - sides));
    // Each of the reach + 1 products loses half a unit on average.
    kernel.bias = uint16_t((kernel.reach + 1) / 2);
    return kernel;
}

// out[i] = the kernel applied to taps[0][i] .. taps[2 * reach][i], taps[reach] being the centre.
MIRELO_VECTOR_LOOP void convolveLanes(const uint16_t* const* taps, const uint16_t* weights, int reach,
                                      uint16_t bias, uint16_t* __restrict out, size_t lanes)
{
    // Small chunks keep the accumulators in L1 while all the taps pass over them.
    constexpr size_t chunk = 1024;
    for (size_t begin = 0; begin < lanes; begin += chunk) {
        const size_t n = std::min(chunk, lanes - begin);
        uint16_t* __restrict acc = out + begin;
        const uint16_t* centre = taps[reach] + begin;
        const uint16_t w0 = weights[0];
        for (size_t i = 0; i < n; ++i)
            acc[i] = uint16_t(bias + ((uint32_t(centre[i]) * w0) >> 16));
        int k = 1;
        // Two distances per sweep halve the accumulator traffic.
        for (; k + 1 <= reach; k += 2) {
            const uint16_t* a = taps[reach - k] + begin;
            const uint16_t* b = taps[reach + k] + begin;
            const uint16_t* c = taps[reach - k - 1] + begin;
            const uint16_t* d = taps[reach + k + 1] + begin;
            const uint16_t wk = weights[k];
            const uint16_t wl = weights[k + 1];
            for (size_t i = 0; i < n; ++i)
                acc[i] = uint16_t(acc[i] + ((uint32_t(uint16_t(a[i] + b[i])) * wk) >> 16) +
                                  ((uint32_t(uint16_t(c[i] + d[i])) * wl) >> 16));
        }
        if (k <= reach) {
            const uint16_t* a = taps[reach - k] + begin;
            const uint16_t* b = taps[reach + k] + begin;
            const uint16_t wk = weights[k];
            for (size_t i = 0; i < n; ++i)
                acc[i] = uint16_t(acc[i] + ((uint32_t(uint16_t(a[i] + b[i])) * wk) >> 16));
        }
        // The bias can lift a full lane past 255.0; the next stage's mirrored sum must not overflow.
        for (size_t i = 0; i < n; ++i)
            acc[i] = acc[i] > kMaxLane ? kMaxLane : acc[i];
    }
}

// Widens `count` pixels to lanes, taking every `step`-th pixel of the source.
MIRELO_VECTOR_LOOP void widenPixels(const uchar* source, size_t step, uint16_t* __restrict out, size_t count)
{
    for (size_t t = 0; t < count; ++t)
        for (size_t c = 0; c < kLanesPerPixel; ++c)
            out[t * kLanesPerPixel + c] = uint16_t(source[t * step * kLanesPerPixel + c] << kFractionBits);
}

// Spreads one source line, continued by its edge pixels, over `factor` interleaved phases:
// padded position p lands in phase p % factor at pixel p / factor. The coarse-grid kernel then
// reads each tap as one contiguous run.
void spreadLine(const uchar* line, int width, int padStart, int padCount, int factor, int phasePixels,
                uint16_t* phases)
{
    for (int phase = 0; phase < factor && phase < padCount; ++phase) {
        uint16_t* out = phases + lanesOf(phase * phasePixels);
        const int count = (padCount - phase + factor - 1) / factor;
        const int first = padStart + phase; // source position of this phase's pixel 0
        // Pixels before the left edge, inside the line, and past the right edge.
        const int before = std::clamp(-floorDiv(first, factor), 0, count);
        const int inside = std::clamp(floorDiv(width - 1 - first, factor) + 1, before, count) - before;
        for (int t = 0; t < before; ++t)
            widenPixels(line, 0, out + lanesOf(t), 1);
        if (inside > 0)
            widenPixels(line + lanesOf(first + before * factor), size_t(factor), out + lanesOf(before),
                        size_t(inside));
        for (int t = before + inside; t < count; ++t)
            widenPixels(line + lanesOf(width - 1), 0, out + lanesOf(t), 1);
    }
}

// Linear interpolation of a coarse row onto the pixels: pixel i lies at coarse i / factor.
MIRELO_VECTOR_LOOP void upsampleRow(const uint16_t* coarse, int factor, int shift, uint16_t* __restrict out,
                                    int pixels)
{
    const uint32_t half = uint32_t(factor) / 2;
    for (int r = 0; r < factor; ++r) {
        const uint32_t wb = uint32_t(r);
        const uint32_t wa = uint32_t(factor) - wb;
        const size_t count = size_t(std::max(0, (pixels - r + factor - 1) / factor));
        uint16_t* __restrict dst = out + lanesOf(r);
        const size_t stride = lanesOf(factor);
        for (size_t j = 0; j < count; ++j)
            for (size_t c = 0; c < kLanesPerPixel; ++c)
                dst[j * stride + c] = uint16_t((coarse[j * kLanesPerPixel + c] * wa +
                                                coarse[(j + 1) * kLanesPerPixel + c] * wb + half) >>
                                               shift);
    }
}

// (a * wa + b * wb) / 2^shift, back to 8-bit channels.
MIRELO_VECTOR_LOOP void storePixels(const uint16_t* a, const uint16_t* b, uint32_t wa, uint32_t wb, int shift,
                                    uchar* __restrict out, size_t lanes)
{
    const int total = kFractionBits + shift;
    const uint32_t half = 1u << (total - 1);
    for (size_t i = 0; i < lanes; ++i) {
        const uint32_t v = (a[i] * wa + b[i] * wb + half) >> total;
        out[i] = uchar(v > 255 ? 255 : v);
    }
}

// The rows of one stage, computed on first use and kept while the next stage's window needs them.
// Requests must move forwards through windows no larger than the capacity.
class RowCache
{
public:
    using Producer = std::function<void(int index, uint16_t* lanes)>;

    RowCache(int pixels, int capacity, Producer produce)
        : lanes(lanesOf(pixels)), held(size_t(capacity), -1), storage(lanes * size_t(capacity)),
          produce(std::move(produce))
    {}

    const uint16_t* row(int index)
    {
        const size_t slot = size_t(index) % held.size();
        uint16_t* data = storage.data() + slot * lanes;
        if (held[slot] != index) {
            produce(index, data);
            held[slot] = index;
        }
        return data;
    }

private:
    size_t lanes;
    std::vector<int> held;
    std::vector<uint16_t> storage;
    Producer produce;
};

// Where one axis of the result lies on the pixels and on the grid.
struct Axis
{
    int outStart = 0;    // source coordinate of the first result pixel
    int outCount = 0;    // result pixels
    int coarseCount = 0; // grid points the result is interpolated from
    int gridStart = 0;   // source coordinate of grid point 0, the post kernel's margin included
    int gridCount = 0;
};

Axis makeAxis(int start, int count, int factor, int postReach)
{
    Axis axis;
    axis.outStart = start;
    axis.outCount = count;
    // Interpolation reads one grid point past the last result pixel.
    axis.coarseCount = factor == 1 ? count : (count - 1) / factor + 2;
    axis.gridStart = start - factor * postReach;
    axis.gridCount = axis.coarseCount + 2 * postReach;
    return axis;
}

} // namespace

GaussianBlur::GaussianBlur(double sigma)
{
    sigma = sigma > 0 ? std::min(sigma, kMaxSigma) : 0;
    spread = std::max(1, int(std::ceil(3 * sigma)));
    // A blur of sigma leaves nothing that a grid of spacing sigma / 4 cannot hold. Blur by
    // `factor` on the pixels first (what then aliases onto the grid is below 1e-7), sample the
    // grid, finish the blur there and interpolate back: within two levels of the direct kernel,
    // at a fraction of its work.
    while (factor * 8 <= sigma) {
        factor *= 2;
        ++factorShift;
    }
    if (factor == 1) {
        pre = makeKernel(sigma);
    } else {
        pre = makeKernel(factor);
        post = makeKernel(std::sqrt(sigma * sigma - double(factor) * factor) / factor);
    }
}

QImage GaussianBlur::blurred(const QImage& source, const QRect& area) const
{
    Q_ASSERT(source.format() == QImage::Format_ARGB32_Premultiplied ||
             source.format() == QImage::Format_RGB32);
    if (source.isNull() || area.isEmpty())
        return {};
    QImage result(area.size(), QImage::Format_ARGB32_Premultiplied);
    if (result.isNull())
        return {};
    result.setDevicePixelRatio(source.devicePixelRatio());

    const int width = source.width();
    const int height = source.height();
    const int postReach = factor == 1 ? 0 : post.reach;
    const Axis x = makeAxis(area.left(), area.width(), factor, postReach);
    const Axis y = makeAxis(area.top(), area.height(), factor, postReach);

    // Stage 1: source rows blurred along x by the pre kernel, at the grid's columns.
    const int padStart = x.gridStart - pre.reach;
    const int padCount = factor * (x.gridCount - 1) + 2 * pre.reach + 1;
    const int phasePixels = (padCount + factor - 1) / factor;
    std::vector<uint16_t> phases(lanesOf(factor * phasePixels));
    std::vector<const uint16_t*> spreadTaps;
    for (int d = 0; d <= 2 * pre.reach; ++d)
        spreadTaps.push_back(phases.data() + lanesOf((d % factor) * phasePixels + d / factor));
    RowCache sourceRows(x.gridCount, 2 * pre.reach + 1, [&](int row, uint16_t* out) {
        spreadLine(source.constScanLine(row), width, padStart, padCount, factor, phasePixels, phases.data());
        convolveLanes(spreadTaps.data(), pre.weights.data(), pre.reach, pre.bias, out, lanesOf(x.gridCount));
    });

    // Stage 2: those blurred along y by the pre kernel, at the grid's rows.
    std::vector<const uint16_t*> rowTaps(size_t(2 * pre.reach) + 1);
    const auto gridRow = [&](int gridY, uint16_t* out) {
        const int centre = y.gridStart + factor * gridY;
        for (int k = -pre.reach; k <= pre.reach; ++k)
            rowTaps[size_t(k + pre.reach)] = sourceRows.row(std::clamp(centre + k, 0, height - 1));
        convolveLanes(rowTaps.data(), pre.weights.data(), pre.reach, pre.bias, out, lanesOf(x.gridCount));
    };

    std::vector<uint16_t> line(lanesOf(std::max(x.gridCount, x.outCount)));
    if (factor == 1) {
        for (int i = 0; i < y.outCount; ++i) {
            gridRow(i, line.data());
            storePixels(line.data(), line.data(), 1, 0, 0, result.scanLine(i), lanesOf(x.outCount));
        }
        return result;
    }

    // Stage 3: grid rows blurred along x by the post kernel.
    std::vector<const uint16_t*> columnTaps;
    for (int d = 0; d <= 2 * post.reach; ++d)
        columnTaps.push_back(line.data() + lanesOf(d));
    RowCache coarseRows(x.coarseCount, 2 * post.reach + 1, [&](int gridY, uint16_t* out) {
        gridRow(gridY, line.data());
        convolveLanes(columnTaps.data(), post.weights.data(), post.reach, post.bias, out,
                      lanesOf(x.coarseCount));
    });

    // Stage 4: blurred along y by the post kernel, then interpolated along x to the result's width.
    std::vector<uint16_t> coarseLine(lanesOf(x.coarseCount));
    std::vector<const uint16_t*> coarseTaps(size_t(2 * post.reach) + 1);
    RowCache wideRows(x.outCount, 2, [&](int coarseY, uint16_t* out) {
        for (int d = 0; d <= 2 * post.reach; ++d)
            coarseTaps[size_t(d)] = coarseRows.row(coarseY + d);
        convolveLanes(coarseTaps.data(), post.weights.data(), post.reach, post.bias, coarseLine.data(),
                      lanesOf(x.coarseCount));
        upsampleRow(coarseLine.data(), factor, factorShift, out, x.outCount);
    });

    // Stage 5: interpolated along y into the result.
    for (int i = 0; i < y.outCount; ++i) {
        const int coarseY = i >> factorShift;
        const int r = i & (factor - 1);
        const uint16_t* above = wideRows.row(coarseY);
        const uint16_t* below = r == 0 ? above : wideRows.row(coarseY + 1);
        storePixels(above, below, uint32_t(factor - r), uint32_t(r), factorShift, result.scanLine(i),
                    lanesOf(x.outCount));
    }
    return result;
}
