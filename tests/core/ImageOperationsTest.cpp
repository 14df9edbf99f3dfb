#include "imaging/ImageOperations.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace {

int reachOf(double radius)
{
    return int(std::ceil(3 * radius));
}

// Gradients, noise, blocks, a one-pixel checkerboard and partly transparent areas: errors at
// every scale show.
QImage testPicture(int width, int height)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> noise(-40, 40);
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int r = std::clamp(x * 255 / width + noise(random), 0, 255);
            const int g = std::clamp(y * 255 / height + noise(random), 0, 255);
            const int b = y >= height * 3 / 4 ? (x + y) % 2 * 255 : (x / 5 + y / 7) % 2 * 200;
            image.setPixel(x, y, qRgba(r, g, b, x > width / 2 && y > height / 3 ? 90 : 255));
        }
    QPainter(&image).fillRect(width / 5, height / 4, width / 4 + 1, height / 3 + 1, Qt::white);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The definition to match: sigma = radius, reach ceil(3 sigma), edges clamped, in doubles.
// Channels of `area` (source coordinates) in the pixels' byte order.
std::vector<double> referenceBlur(const QImage& premultiplied, double radius, const QRect& area)
{
    const int reach = reachOf(radius);
    std::vector<double> weights;
    for (int k = -reach; k <= reach; ++k)
        weights.push_back(std::exp(-k * k / (2 * radius * radius)));
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    for (double& weight : weights)
        weight /= total;
    const int width = area.width(), height = premultiplied.height(), lastX = premultiplied.width() - 1;
    std::vector<double> alongX(size_t(width) * height * 4), result(size_t(width) * area.height() * 4);
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < width * 4; ++i)
            for (int k = -reach; k <= reach; ++k)
                alongX[size_t(y) * width * 4 + i] +=
                    weights[size_t(k + reach)] *
                    premultiplied.constScanLine(y)[std::clamp(area.left() + i / 4 + k, 0, lastX) * 4 + i % 4];
    for (int y = 0; y < area.height(); ++y)
        for (int i = 0; i < width * 4; ++i)
            for (int k = -reach; k <= reach; ++k)
                result[size_t(y) * width * 4 + i] +=
                    weights[size_t(k + reach)] *
                    alongX[size_t(std::clamp(area.top() + y + k, 0, height - 1)) * width * 4 + i];
    return result;
}

bool allPixelsAre(const QImage& image, QRgb premultiplied)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != premultiplied)
                return false;
    return true;
}

// Both sides of each change of the blur's internal grid (none below 8, spacing 2 from 8, 4 from
// 16, 8 from 32), up to reaches wider than the picture.
const double kRadii[] = {0.6, 2.5, 7.9, 8, 10, 16, 23, 40};

} // namespace

TEST(ImageOperationsBlur, MatchesAReferenceGaussianInTheCentreAndTheWholeExtent)
{
    QImage picture = testPicture(64, 48);
    picture.setDevicePixelRatio(2);
    for (double radius : kRadii)
        for (bool highDensity : {false, true}) {
            SCOPED_TRACE(testing::Message() << "radius " << radius << " highDensity " << highDensity);
            const int reach = highDensity ? reachOf(radius) : 0;
            const QRect area = picture.rect().adjusted(-reach, -reach, reach, reach);
            const QImage blurred = ImageOperations::gaussianBlur(picture, radius, highDensity);
            ASSERT_EQ(blurred.size(), area.size());
            ASSERT_EQ(blurred.format(), QImage::Format_ARGB32_Premultiplied);
            EXPECT_EQ(blurred.devicePixelRatio(), 2);
            const std::vector<double> reference = referenceBlur(picture, radius, area);
            double squares = 0, sum = 0, largest = 0;
            for (int y = 0; y < area.height(); ++y)
                for (int i = 0; i < area.width() * 4; ++i) {
                    const double error =
                        blurred.constScanLine(y)[i] - reference[size_t(y) * area.width() * 4 + i];
                    squares += error * error;
                    sum += error;
                    largest = std::max(largest, std::abs(error));
                }
            const double psnr = 10 * std::log10(255.0 * 255.0 * double(reference.size()) / squares);
            RecordProperty("psnr_" + std::to_string(radius) + (highDensity ? "_extent" : ""),
                           std::to_string(psnr));
            EXPECT_GE(psnr, 35.0);
            EXPECT_LE(largest, 2.0);                                  // rounding alone accounts for 0.5
            EXPECT_LE(std::abs(sum / double(reference.size())), 0.1); // no overall darkening or lightening
        }
}

TEST(ImageOperationsBlur, FlatColourStaysExactlyThatColour)
{
    for (QRgb colour :
         {qRgba(200, 30, 90, 255), qPremultiply(qRgba(10, 250, 128, 77)), qRgb(255, 255, 255)}) {
        QImage flat(57, 33, QImage::Format_ARGB32_Premultiplied);
        flat.fill(colour);
        for (double radius : kRadii)
            for (bool highDensity : {false, true})
                EXPECT_TRUE(allPixelsAre(ImageOperations::gaussianBlur(flat, radius, highDensity), colour))
                    << std::hex << colour << std::dec << " radius " << radius << " highDensity "
                    << highDensity;
    }
}

TEST(ImageOperationsBlur, NonPositiveRadiusLeavesThePixelsAsTheyAreAndNullStaysNull)
{
    const QImage picture = testPicture(31, 17).convertToFormat(QImage::Format_ARGB32);
    for (double radius : {0.0, -4.0, std::nan("")})
        for (bool highDensity : {false, true})
            EXPECT_EQ(ImageOperations::gaussianBlur(picture, radius, highDensity), picture);
    EXPECT_TRUE(ImageOperations::gaussianBlur(QImage(), 10, true).isNull());
}

TEST(ImageOperationsBlur, StraightAlphaInputIsPremultipliedSoNoFringesAppear)
{
    // Transparent green around opaque red: blurring straight channels would pull green into the
    // red's edge; transparent black would darken it.
    QImage picture(40, 40, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 255, 0, 0));
    QPainter(&picture).fillRect(12, 12, 16, 16, Qt::red);
    for (bool highDensity : {false, true}) {
        const QImage blurred = ImageOperations::gaussianBlur(picture, 4, highDensity);
        int partlyCovered = 0;
        for (int y = 0; y < blurred.height(); ++y)
            for (int x = 0; x < blurred.width(); ++x) {
                const QRgb pixel = blurred.pixel(x, y); // premultiplied: pure red has red == alpha
                ASSERT_EQ(pixel, qRgba(qAlpha(pixel), 0, 0, qAlpha(pixel))) << x << "," << y;
                partlyCovered += qAlpha(pixel) > 0 && qAlpha(pixel) < 255;
            }
        EXPECT_GT(partlyCovered, 40 * 12);
    }
    // Channel order and straight alpha are converted, not read as they lie in memory.
    const QImage rgba = testPicture(45, 29).convertToFormat(QImage::Format_RGBA8888);
    EXPECT_EQ(
        ImageOperations::gaussianBlur(rgba, 10, true),
        ImageOperations::gaussianBlur(rgba.convertToFormat(QImage::Format_ARGB32_Premultiplied), 10, true));
}

TEST(ImageOperationsBlur, TinyAndThinPicturesFollowTheExtentRules)
{
    QImage dot(1, 1, QImage::Format_RGB32);
    dot.fill(qRgb(12, 34, 56));
    const QImage spread = ImageOperations::gaussianBlur(dot, 10, true);
    EXPECT_EQ(spread.size(), QSize(61, 61));
    EXPECT_TRUE(allPixelsAre(spread, qRgb(12, 34, 56))); // the clamped edges repeat the dot
    EXPECT_TRUE(allPixelsAre(ImageOperations::gaussianBlur(dot, 10, false), qRgb(12, 34, 56)));
    for (const QImage& thin : {testPicture(3, 2000), testPicture(2000, 3)}) {
        EXPECT_EQ(ImageOperations::gaussianBlur(thin, 10, false).size(), thin.size());
        EXPECT_EQ(ImageOperations::gaussianBlur(thin, 10, true).size(), thin.size() + QSize(60, 60));
    }
}

TEST(ImageOperationsResized, StretchesEachAxisToExactlyTheSize)
{
    QImage picture(40, 30, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(20, 0, 20, 30, Qt::blue);
    const QImage stretched = ImageOperations::resized(picture, QSize(100, 7));
    ASSERT_EQ(stretched.size(), QSize(100, 7));
    EXPECT_EQ(stretched.pixelColor(10, 6), QColor(Qt::red)); // the halves stay halves
    EXPECT_EQ(stretched.pixelColor(90, 0), QColor(Qt::blue));
    EXPECT_TRUE(ImageOperations::resized(picture, QSize(0, 10)).isNull());
    EXPECT_TRUE(ImageOperations::resized(QImage(), QSize(10, 10)).isNull());
}
