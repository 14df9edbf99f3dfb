#include "imaging/ImageOperations.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

int reachOf(double radius)
{
    return int(std::ceil(3 * radius));
}

// Gradients, noise, hard-edged blocks and partly transparent areas: content with detail at
// every scale, so that errors at high and low frequencies both show.
QImage testPicture(int width, int height, unsigned seed = 7)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-40, 40);
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int r = std::clamp(x * 255 / std::max(1, width - 1) + noise(random), 0, 255);
            const int g = std::clamp(y * 255 / std::max(1, height - 1) + noise(random), 0, 255);
            // Blocks, and a one-pixel checkerboard at the bottom: the finest detail there is.
            const int b = y >= height * 3 / 4 ? ((x + y) % 2 ? 255 : 0) : (x / 5 + y / 7) % 2 ? 230 : 20;
            const int a = x > width / 2 && y > height / 3 ? 90 : 255;
            image.setPixel(x, y, qRgba(r, g, b, a));
        }
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(width / 5, height / 4, width / 4 + 1, height / 3 + 1, QColor(255, 255, 255));
    painter.fillRect(width / 2, height / 2, width / 6 + 1, height / 5 + 1, QColor(0, 0, 0, 0));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The definition the fast blur must match: a Gaussian of sigma = radius, reach ceil(3 sigma),
// edges clamped, computed in doubles. Returns the premultiplied channels of `area` in the byte
// order of the pixels.
std::vector<double> referenceBlur(const QImage& premultiplied, double radius, const QRect& area)
{
    const int reach = reachOf(radius);
    std::vector<double> weights(size_t(2 * reach + 1));
    double total = 0;
    for (int k = -reach; k <= reach; ++k)
        total += weights[size_t(k + reach)] = std::exp(-k * k / (2 * radius * radius));
    for (double& w : weights)
        w /= total;

    const int width = premultiplied.width();
    const int height = premultiplied.height();
    const auto channel = [&](int x, int y, int c) {
        return double(premultiplied.constScanLine(std::clamp(y, 0, height - 1))[std::clamp(x, 0, width - 1) * 4 + c]);
    };
    std::vector<double> alongX(size_t(area.width()) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < area.width(); ++x)
            for (int c = 0; c < 4; ++c) {
                double sum = 0;
                for (int k = -reach; k <= reach; ++k)
                    sum += weights[size_t(k + reach)] * channel(area.left() + x + k, y, c);
                alongX[(size_t(y) * area.width() + x) * 4 + c] = sum;
            }
    std::vector<double> result(size_t(area.width()) * area.height() * 4);
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            for (int c = 0; c < 4; ++c) {
                double sum = 0;
                for (int k = -reach; k <= reach; ++k) {
                    const int row = std::clamp(area.top() + y + k, 0, height - 1);
                    sum += weights[size_t(k + reach)] * alongX[(size_t(row) * area.width() + x) * 4 + c];
                }
                result[(size_t(y) * area.width() + x) * 4 + c] = sum;
            }
    return result;
}

struct Deviation
{
    double psnr = 0;
    double mean = 0;    // signed: a bias darkens or lightens the whole picture
    double largest = 0; // in levels of one channel
};

Deviation deviation(const QImage& blurred, const std::vector<double>& reference)
{
    EXPECT_EQ(blurred.format(), QImage::Format_ARGB32_Premultiplied);
    Deviation result;
    double squares = 0;
    for (int y = 0; y < blurred.height(); ++y)
        for (int x = 0; x < blurred.width() * 4; ++x) {
            const double error = blurred.constScanLine(y)[x] - reference[size_t(y) * blurred.width() * 4 + x];
            squares += error * error;
            result.mean += error;
            result.largest = std::max(result.largest, std::abs(error));
        }
    const double count = double(blurred.width()) * blurred.height() * 4;
    const double mse = squares / count;
    result.mean /= count;
    result.psnr = mse == 0 ? std::numeric_limits<double>::infinity() : 10 * std::log10(255.0 * 255.0 / mse);
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

// Radii on both sides of each change of the blur's internal grid (none below 8, spacing 2 from
// 8, 4 from 16), up to a reach larger than the picture.
const double kRadii[] = {0.6, 2.5, 7.9, 8, 10, 16, 23};

} // namespace

TEST(ImageOperationsBlur, CentreMatchesAReferenceGaussian)
{
    const QImage picture = testPicture(64, 48);
    for (double radius : kRadii) {
        SCOPED_TRACE(radius);
        const QImage blurred = ImageOperations::gaussianBlur(picture, radius, false);
        const Deviation measured = deviation(blurred, referenceBlur(picture, radius, picture.rect()));
        RecordProperty("psnr_" + std::to_string(radius), std::to_string(measured.psnr));
        EXPECT_GE(measured.psnr, 35.0);
        EXPECT_LE(measured.largest, 2.0); // rounding alone accounts for 0.5
        EXPECT_LE(std::abs(measured.mean), 0.1);
    }
}

TEST(ImageOperationsBlur, WholeExtentMatchesAReferenceGaussianWithClampedEdges)
{
    const QImage picture = testPicture(64, 48);
    for (double radius : kRadii) {
        SCOPED_TRACE(radius);
        const int reach = reachOf(radius);
        const QImage blurred = ImageOperations::gaussianBlur(picture, radius, true);
        const QRect extent = picture.rect().adjusted(-reach, -reach, reach, reach);
        ASSERT_EQ(blurred.size(), extent.size());
        const Deviation measured = deviation(blurred, referenceBlur(picture, radius, extent));
        RecordProperty("psnr_extent_" + std::to_string(radius), std::to_string(measured.psnr));
        EXPECT_GE(measured.psnr, 35.0);
        EXPECT_LE(measured.largest, 2.0); // rounding alone accounts for 0.5
        EXPECT_LE(std::abs(measured.mean), 0.1);
    }
}

TEST(ImageOperationsBlur, CroppedResultIsTheCentreOfTheWholeExtent)
{
    const QImage picture = testPicture(90, 61);
    for (double radius : {2.5, 10.0, 11.0}) {
        SCOPED_TRACE(radius);
        const int reach = reachOf(radius);
        const QImage centre = ImageOperations::gaussianBlur(picture, radius, false);
        const QImage extent = ImageOperations::gaussianBlur(picture, radius, true);
        ASSERT_EQ(centre.size(), picture.size());
        ASSERT_EQ(extent.size(), picture.size() + QSize(2 * reach, 2 * reach));
        // A blurred edge changes by up to ~10 levels a pixel at radius 10: an offset of one shows.
        const QImage cut = extent.copy(reach, reach, picture.width(), picture.height());
        int largest = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width() * 4; ++x)
                largest = std::max(largest, std::abs(cut.constScanLine(y)[x] - centre.constScanLine(y)[x]));
        EXPECT_LE(largest, 1);
    }
}

TEST(ImageOperationsBlur, FlatColourStaysExactlyThatColour)
{
    for (QRgb colour : {qRgba(200, 30, 90, 255), qPremultiply(qRgba(10, 250, 128, 77)), qRgba(255, 255, 255, 255)}) {
        QImage flat(57, 33, QImage::Format_ARGB32_Premultiplied);
        flat.fill(colour);
        for (double radius : kRadii)
            for (bool highDensity : {false, true}) {
                SCOPED_TRACE(testing::Message() << std::hex << colour << std::dec << " radius " << radius
                                                << " highDensity " << highDensity);
                EXPECT_TRUE(allPixelsAre(ImageOperations::gaussianBlur(flat, radius, highDensity), colour));
            }
    }
}

TEST(ImageOperationsBlur, NonPositiveRadiusLeavesThePixelsAsTheyAre)
{
    const QImage picture = testPicture(31, 17).convertToFormat(QImage::Format_ARGB32);
    for (double radius : {0.0, -4.0, std::nan("")})
        for (bool highDensity : {false, true}) {
            const QImage same = ImageOperations::gaussianBlur(picture, radius, highDensity);
            EXPECT_EQ(same.size(), picture.size());
            EXPECT_EQ(same, picture);
        }
}

TEST(ImageOperationsBlur, TransparentSurroundingsLeaveNoFringes)
{
    // Straight-alpha transparent green around opaque red: blurring straight channels would pull
    // green into the red's edge, and transparent black would darken it.
    QImage picture(40, 40, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 255, 0, 0));
    for (int y = 12; y < 28; ++y)
        for (int x = 12; x < 28; ++x)
            picture.setPixel(x, y, qRgba(255, 0, 0, 255));
    for (bool highDensity : {false, true}) {
        const QImage blurred = ImageOperations::gaussianBlur(picture, 4, highDensity);
        int partlyCovered = 0;
        for (int y = 0; y < blurred.height(); ++y)
            for (int x = 0; x < blurred.width(); ++x) {
                const QRgb pixel = blurred.pixel(x, y);
                ASSERT_EQ(qRed(pixel), qAlpha(pixel)) << x << "," << y; // pure red at any coverage
                ASSERT_EQ(qGreen(pixel) + qBlue(pixel), 0) << x << "," << y;
                partlyCovered += qAlpha(pixel) > 0 && qAlpha(pixel) < 255;
            }
        EXPECT_GT(partlyCovered, 40 * 12);
    }
}

TEST(ImageOperationsBlur, TinyAndThinPicturesKeepTheExtentRules)
{
    QImage dot(1, 1, QImage::Format_ARGB32_Premultiplied);
    dot.fill(qRgba(12, 34, 56, 255));
    const QImage spread = ImageOperations::gaussianBlur(dot, 10, true);
    EXPECT_EQ(spread.size(), QSize(61, 61));
    EXPECT_TRUE(allPixelsAre(spread, qRgba(12, 34, 56, 255))); // clamped edges repeat the dot
    EXPECT_TRUE(allPixelsAre(ImageOperations::gaussianBlur(dot, 10, false), qRgba(12, 34, 56, 255)));

    for (const QSize size : {QSize(3, 2000), QSize(2000, 3)}) {
        SCOPED_TRACE(size.width());
        const QImage thin = testPicture(size.width(), size.height());
        const QImage centre = ImageOperations::gaussianBlur(thin, 10, false);
        ASSERT_EQ(centre.size(), size);
        EXPECT_GE(deviation(centre, referenceBlur(thin, 10, thin.rect())).psnr, 35.0);
        const QImage extent = ImageOperations::gaussianBlur(thin, 10, true);
        EXPECT_EQ(extent.size(), size + QSize(60, 60));
    }
}

TEST(ImageOperationsBlur, AnyInputFormatBlursAsItsPremultipliedForm)
{
    const QImage picture = testPicture(45, 29);
    for (QImage::Format format : {QImage::Format_ARGB32, QImage::Format_RGBA8888, QImage::Format_RGBA64}) {
        SCOPED_TRACE(format);
        const QImage converted = picture.convertToFormat(format);
        const QImage blurred = ImageOperations::gaussianBlur(converted, 10, false);
        const QImage premultipliedInput = converted.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(blurred, ImageOperations::gaussianBlur(premultipliedInput, 10, false));
    }
    // An opaque picture stays opaque, also out in the extent.
    const QImage opaque = testPicture(45, 29).convertToFormat(QImage::Format_RGB888);
    const QImage blurred = ImageOperations::gaussianBlur(opaque, 10, true);
    for (int y = 0; y < blurred.height(); ++y)
        for (int x = 0; x < blurred.width(); ++x)
            ASSERT_EQ(qAlpha(blurred.pixel(x, y)), 255);
}

TEST(ImageOperationsBlur, KeepsTheDevicePixelRatioAndMapsNullToNull)
{
    QImage picture = testPicture(20, 10);
    picture.setDevicePixelRatio(2);
    for (double radius : {0.0, 3.0, 10.0})
        for (bool highDensity : {false, true})
            EXPECT_EQ(ImageOperations::gaussianBlur(picture, radius, highDensity).devicePixelRatio(), 2);
    EXPECT_TRUE(ImageOperations::gaussianBlur(QImage(), 10, true).isNull());
    EXPECT_TRUE(ImageOperations::gaussianBlur(QImage(), 0, false).isNull());
}

TEST(ImageOperationsResized, ScalesEachAxisToExactlyTheGivenSize)
{
    // Left half red, right half blue: a stretch without keeping the aspect keeps the halves.
    QImage picture(40, 30, QImage::Format_ARGB32_Premultiplied);
    picture.fill(qRgb(255, 0, 0));
    QPainter(&picture).fillRect(20, 0, 20, 30, QColor(0, 0, 255));
    const QImage stretched = ImageOperations::resized(picture, QSize(100, 7));
    ASSERT_EQ(stretched.size(), QSize(100, 7));
    for (int y = 0; y < 7; ++y) {
        EXPECT_EQ(stretched.pixelColor(10, y), QColor(255, 0, 0));
        EXPECT_EQ(stretched.pixelColor(90, y), QColor(0, 0, 255));
    }
}

TEST(ImageOperationsResized, EmptySizeOrNullImageGiveNull)
{
    const QImage picture = testPicture(8, 8);
    EXPECT_TRUE(ImageOperations::resized(picture, QSize(0, 10)).isNull());
    EXPECT_TRUE(ImageOperations::resized(picture, QSize(10, -1)).isNull());
    EXPECT_TRUE(ImageOperations::resized(QImage(), QSize(10, 10)).isNull());
}
