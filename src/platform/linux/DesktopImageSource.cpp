#include "linux/DesktopImageSource.h"

#include "diagnostics/Log.h"
#include "linux/DesktopWallpaperSettings.h"
#include "linux/JxlImage.h"
#include "linux/PortalScreenshot.h"
#include "timer/WorkExecutor.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QPointer>
#include <QScreen>

#include <cmath>

namespace {

QScreen* screenOf(const BreakScreen& screen)
{
    const QList<QScreen*> all = QGuiApplication::screens();
    for (QScreen* candidate : all) {
        if (candidate->name() == screen.name)
            return candidate;
    }
    for (QScreen* candidate : all) {
        if (candidate->geometry() == screen.frame)
            return candidate;
    }
    return nullptr;
}

} // namespace

DesktopImageSource::DesktopImageSource(WorkExecutor& executor, QObject* parent)
    : QObject(parent), executor(executor)
{}

DesktopImageSource::~DesktopImageSource() = default;

std::optional<QImage> DesktopImageSource::decodeCovering(const QString& path, const QSize& size, QString* why)
{
    auto fail = [why](const QString& reason) -> std::optional<QImage> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    // A pipe or a device set as the wallpaper would hold the break back for ever.
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QImage image;
    if (JxlImage::looksLikeJxl(file.peek(16))) {
        if (file.size() > JxlImage::maximumBytes)
            return fail(QStringLiteral("JPEG XL file too large"));
        QString reason;
        const auto decoded = JxlImage::decode(file.readAll(), &reason);
        if (!decoded)
            return fail(reason);
        image = *decoded;
    } else {
        QImageReader reader(&file);
        reader.setAutoTransform(true);
        const QSize original = reader.size();
        if (original.isValid() && !original.isEmpty() && !size.isEmpty()) {
            const double scale =
                std::max(double(size.width()) / original.width(), double(size.height()) / original.height());
            reader.setScaledSize(QSize(std::max(1, int(std::ceil(original.width() * scale))),
                                       std::max(1, int(std::ceil(original.height() * scale)))));
        }
        image = reader.read();
        if (image.isNull()) {
            const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
            if (reader.error() == QImageReader::UnsupportedFormatError && !suffix.isEmpty() &&
                !QImageReader::supportedImageFormats().contains(suffix))
                return fail(QStringLiteral("%1 (no image plugin for .%2 files is installed)")
                                .arg(reader.errorString(), QString::fromLatin1(suffix)));
            return fail(reader.errorString());
        }
    }
    if (size.isEmpty())
        return image;
    if (image.size() != size) {
        image = image.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        image = image.copy(
            QRect(QPoint((image.width() - size.width()) / 2, (image.height() - size.height()) / 2), size));
    }
    return image;
}

void DesktopImageSource::desktopPicture(std::function<void(std::optional<QImage>)> done)
{
    QScreen* main = QGuiApplication::primaryScreen();
    if (!main) {
        LOG_ERROR(QStringLiteral("Main screen nil!"));
        done(std::nullopt);
        return;
    }
    const QSize size = main->geometry().size();
    const QString monitor = main->name();
    WallpaperLookup lookup = wallpaperLookup;
    if (!lookup) {
        const bool dark = darkAppearance;
        lookup = [dark](const QString& monitorName, const QSize& screenSize) {
            return DesktopWallpaperSettings(
                       DesktopWallpaperSettings::Environment::current(monitorName, screenSize, dark))
                .wallpaperFile();
        };
    }
    auto found = std::make_shared<std::optional<QImage>>();
    auto file = std::make_shared<QString>();
    auto why = std::make_shared<QString>();
    QPointer<DesktopImageSource> weak(this);
    executor.run(
        [found, file, why, lookup, monitor, size] {
            if (const auto path = lookup(monitor, size)) {
                *file = *path;
                *found = decodeCovering(*path, size, why.get());
            }
        },
        [weak, found, file, why, size, done = std::move(done)] {
            if (*found) {
                LOG_INFO(QStringLiteral("got desktop picture. ") + *file);
                done(*found);
                return;
            }
            if (!file->isEmpty()) {
                // The desktop has a picture, just not one we can read: a capture of the windows
                // (or a wait for the portal's) would be a worse stand-in than the built-in picture.
                LOG_ERROR(QStringLiteral("Can't decode the desktop picture %1: %2").arg(*file, *why));
                done(std::nullopt);
                return;
            }
            LOG_ERROR(QStringLiteral("Can't find desktop window."));
            // No wallpaper setting gave a picture: what the main screen shows stands in.
            if (weak)
                weak->captureMainScreen(size, std::move(done));
            else
                done(std::nullopt);
        });
}

void DesktopImageSource::captureMainScreen(const QSize& size, std::function<void(std::optional<QImage>)> done)
{
    QScreen* main = QGuiApplication::primaryScreen();
    if (!portal) {
        const QPixmap capture = main ? main->grabWindow(0) : QPixmap();
        if (capture.isNull()) {
            LOG_ERROR(QStringLiteral("Create window image failed!"));
            done(std::nullopt);
            return;
        }
        LOG_INFO(QStringLiteral("got desktop picture."));
        QImage picture = capture.toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setText(QLatin1String(capturedKey), QStringLiteral("1"));
        done(picture);
        return;
    }
    const QRect mainArea = main ? main->geometry() : QRect();
    QPointer<DesktopImageSource> weak(this);
    captureDesktop([weak, mainArea, size, done = std::move(done)] {
        if (!weak || weak->desktopCapture.isNull()) {
            LOG_ERROR(QStringLiteral("Create window image failed!"));
            done(std::nullopt);
            return;
        }
        LOG_INFO(QStringLiteral("got desktop picture."));
        QImage picture = screenPart(weak->desktopCapture, weak->desktopCaptureArea, mainArea)
                             .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setText(QLatin1String(capturedKey), QStringLiteral("1"));
        done(picture);
    });
}

bool DesktopImageSource::captureIsFresh() const
{
    // One answer, a picture or none, serves the break that asked for it, not a later one: a
    // portal that did not answer is not waited for twice.
    return desktopCaptureAge.isValid() && desktopCaptureAge.elapsed() < 10000;
}

void DesktopImageSource::captureDesktop(std::function<void()> ready)
{
    if (captureIsFresh()) {
        ready();
        return;
    }
    QPointer<DesktopImageSource> weak(this);
    portal->take([weak, ready = std::move(ready)](std::optional<QImage> desktop) {
        if (weak) {
            const QScreen* main = QGuiApplication::primaryScreen();
            weak->desktopCapture = desktop.value_or(QImage());
            weak->desktopCaptureArea = main ? main->virtualGeometry() : QRect();
            weak->desktopCaptureAge.start();
        }
        ready();
    });
}

void DesktopImageSource::prepareScreenshots(std::function<void()> ready)
{
    if (!portal) {
        ready();
        return;
    }
    captureDesktop(std::move(ready));
}

QImage DesktopImageSource::screenPart(const QImage& desktop, const QRect& desktopArea, const QRect& screen)
{
    if (desktop.isNull() || desktopArea.isEmpty() || screen.isEmpty())
        return desktop;
    const double scale = double(desktop.width()) / desktopArea.width();
    if (std::abs(desktop.height() - desktopArea.height() * scale) > 2.0)
        return desktop;
    const QRect part(int(std::lround((screen.x() - desktopArea.x()) * scale)),
                     int(std::lround((screen.y() - desktopArea.y()) * scale)),
                     int(std::lround(screen.width() * scale)), int(std::lround(screen.height() * scale)));
    const QRect inside = part.intersected(desktop.rect());
    return inside.isEmpty() ? desktop : desktop.copy(inside);
}

std::optional<QImage> DesktopImageSource::takeScreenshot(const BreakScreen& screen)
{
    if (portal) {
        if (!captureIsFresh() || desktopCapture.isNull())
            return std::nullopt;
        return screenPart(desktopCapture, desktopCaptureArea, screen.frame);
    }
    QScreen* display = screenOf(screen);
    if (!display)
        return std::nullopt;
    const QPixmap shot = display->grabWindow(0);
    if (shot.isNull())
        return std::nullopt;
    LOG_DEBUG(QStringLiteral("CGDisplayPixelsWide(currentDisplay) is ") + QString::number(shot.width()));
    LOG_DEBUG(QStringLiteral("CGDisplayPixelsHigh(currentDisplay) is ") + QString::number(shot.height()));
    return shot.toImage();
}
