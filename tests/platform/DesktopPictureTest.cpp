#include "LogCapture.h"
#include "ManualExecutor.h"
#include "TestEnvironment.h"
#include "linux/DesktopImageSource.h"
#include "linux/DesktopWallpaperSettings.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QUrl>

#include <jxl/encode.h>
#include <sys/stat.h>

namespace {

QString writePicture(const QString& path, const QSize& size, QColor colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path);
    return path;
}

// Answers gsettings and xfconf-query from a table, like the real tools would.
struct FakeTools
{
    QMap<QString, QString> answers; // "program arg arg…" → output
    QStringList asked;
    DesktopWallpaperSettings::CommandRunner runner()
    {
        return [this](const QString& program, const QStringList& arguments) -> std::optional<QString> {
            const QString line = program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
            asked << line;
            if (!answers.contains(line))
                return std::nullopt;
            return answers.value(line);
        };
    }
};

// A lossless JPEG XL file of one colour, as newer GNOME releases ship their backgrounds.
bool writeJxl(const QString& path, QSize size, QColor colour)
{
    std::unique_ptr<JxlEncoder, decltype(&JxlEncoderDestroy)> encoder(JxlEncoderCreate(nullptr),
                                                                      JxlEncoderDestroy);
    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = uint32_t(size.width());
    info.ysize = uint32_t(size.height());
    info.bits_per_sample = 8;
    info.num_color_channels = 3;
    info.uses_original_profile = JXL_TRUE;
    JxlColorEncoding srgb;
    JxlColorEncodingSetToSRGB(&srgb, JXL_FALSE);
    JxlEncoderFrameSettings* settings = JxlEncoderFrameSettingsCreate(encoder.get(), nullptr);
    if (JxlEncoderSetBasicInfo(encoder.get(), &info) != JXL_ENC_SUCCESS ||
        JxlEncoderSetColorEncoding(encoder.get(), &srgb) != JXL_ENC_SUCCESS ||
        JxlEncoderSetFrameLossless(settings, JXL_TRUE) != JXL_ENC_SUCCESS)
        return false;
    QByteArray pixels;
    for (int i = 0; i < size.width() * size.height(); ++i)
        pixels.append(char(colour.red())).append(char(colour.green())).append(char(colour.blue()));
    const JxlPixelFormat format{3, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    if (JxlEncoderAddImageFrame(settings, &format, pixels.constData(), size_t(pixels.size())) !=
        JXL_ENC_SUCCESS)
        return false;
    JxlEncoderCloseInput(encoder.get());
    QByteArray out(1 << 16, '\0');
    uint8_t* next = reinterpret_cast<uint8_t*>(out.data());
    size_t left = size_t(out.size());
    if (JxlEncoderProcessOutput(encoder.get(), &next, &left) != JXL_ENC_SUCCESS)
        return false;
    out.truncate(out.size() - int(left));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

} // namespace

class DesktopPictureTest : public TestEnvironment
{
protected:
    DesktopWallpaperSettings::Environment environment(const QString& desktop)
    {
        DesktopWallpaperSettings::Environment env;
        env.currentDesktop = desktop;
        env.configHome = configHome();
        env.monitorName = QStringLiteral("HDMI-1");
        env.screenSize = QSize(1920, 1080);
        return env;
    }
    QString folder() const { return tempHome() + QStringLiteral("/pictures"); }
};

TEST_F(DesktopPictureTest, GSettingsValuesAreReadAsTheToolPrintsThem)
{
    EXPECT_EQ(DesktopWallpaperSettings::parseGVariantString(QStringLiteral("'file:///a/b.jpg'\n")),
              QStringLiteral("file:///a/b.jpg"));
    EXPECT_EQ(DesktopWallpaperSettings::parseGVariantString(QStringLiteral("\"it's\"")),
              QStringLiteral("it's"));
    EXPECT_EQ(DesktopWallpaperSettings::parseGVariantString(QStringLiteral("'it\\'s here'")),
              QStringLiteral("it's here"));
    EXPECT_EQ(DesktopWallpaperSettings::parseGVariantString(QStringLiteral("@s 'x.png'")),
              QStringLiteral("x.png"));
    EXPECT_FALSE(DesktopWallpaperSettings::parseGVariantString(QStringLiteral("@ms nothing")));
    EXPECT_FALSE(DesktopWallpaperSettings::parseGVariantString(QStringLiteral("")));
    EXPECT_EQ(DesktopWallpaperSettings::localPath(QStringLiteral("file:///home/u/My%20Pictures/a.jpg")),
              QStringLiteral("/home/u/My Pictures/a.jpg"));
    EXPECT_EQ(DesktopWallpaperSettings::localPath(QStringLiteral("/usr/share/a.png")),
              QStringLiteral("/usr/share/a.png"));
    EXPECT_FALSE(DesktopWallpaperSettings::localPath(QStringLiteral("https://example.org/a.jpg")));
}

TEST_F(DesktopPictureTest, GnomeDarkPictureAndSlideshowsAreFollowed)
{
    const QString light = writePicture(folder() + QStringLiteral("/light.png"), {64, 36}, Qt::white);
    const QString dark = writePicture(folder() + QStringLiteral("/dark.png"), {64, 36}, Qt::black);
    const QString slide = writePicture(folder() + QStringLiteral("/slide-big.png"), {64, 36}, Qt::red);
    const QString show = folder() + QStringLiteral("/show.xml");
    TestEnvironment::writeFile(show, QStringLiteral(R"(<background><starttime><year>2020</year></starttime>
        <static><duration>600</duration><file><size width="32" height="18">%1/slide-small.png</size>
        <size width="64" height="36">%2</size></file></static>
        <transition><duration>5</duration><from>a</from><to>b</to></transition></background>)")
                                         .arg(folder(), slide)
                                         .toUtf8());
    FakeTools tools;
    tools.answers[QStringLiteral("gsettings list-schemas")] =
        QStringLiteral("org.gnome.desktop.interface\norg.gnome.desktop.background\n");
    tools.answers[QStringLiteral("gsettings get org.gnome.desktop.background picture-uri")] =
        QStringLiteral("'") + QUrl::fromLocalFile(light).toString() + QStringLiteral("'\n");
    tools.answers[QStringLiteral("gsettings get org.gnome.desktop.background picture-uri-dark")] =
        QStringLiteral("'") + QUrl::fromLocalFile(dark).toString() + QStringLiteral("'\n");

    auto env = environment(QStringLiteral("GNOME"));
    EXPECT_EQ(DesktopWallpaperSettings(env, tools.runner()).wallpaperFile(), light);
    env.darkAppearance = true;
    EXPECT_EQ(DesktopWallpaperSettings(env, tools.runner()).wallpaperFile(), dark);

    tools.answers[QStringLiteral("gsettings get org.gnome.desktop.background picture-uri")] =
        QStringLiteral("'") + show + QStringLiteral("'");
    env.darkAppearance = false;
    EXPECT_EQ(DesktopWallpaperSettings(env, tools.runner()).wallpaperFile(), slide);

    // A missing schema is looked up, never read.
    tools.asked.clear();
    tools.answers[QStringLiteral("gsettings list-schemas")] = QStringLiteral("org.gnome.desktop.interface\n");
    EXPECT_FALSE(DesktopWallpaperSettings(env, tools.runner()).gnomeWallpaper());
    EXPECT_EQ(tools.asked, QStringList{QStringLiteral("gsettings list-schemas")});
}

TEST_F(DesktopPictureTest, PlasmaImageOfTheMainScreensDesktopIncludingPackages)
{
    const QString appletsrc = QStringLiteral(R"([ActionPlugins][0]
RightButton;NoModifier=org.kde.contextmenu

[Containments][1]
activityId=abc
lastScreen=1
plugin=org.kde.desktopcontainment
wallpaperplugin=org.kde.image

[Containments][1][Wallpaper][org.kde.image][General]
Image=file:///pictures/other.jpg

[Containments][7]
lastScreen=0
plugin=org.kde.desktopcontainment

[Containments][7][Wallpaper][org.kde.image][General]
Image=%1
SlidePaths=/usr/share/wallpapers/

[Containments][9][Applets][12][Configuration][General]
Image=file:///not/a/wallpaper.jpg
)");
    EXPECT_EQ(DesktopWallpaperSettings::plasmaImage(appletsrc.arg(QStringLiteral("/pictures/main.png")), 0),
              QStringLiteral("/pictures/main.png"));
    EXPECT_EQ(DesktopWallpaperSettings::plasmaImage(appletsrc.arg(QStringLiteral("x")), 1),
              QStringLiteral("file:///pictures/other.jpg"));
    EXPECT_FALSE(DesktopWallpaperSettings::plasmaImage(QStringLiteral("[General]\nImage=/a.jpg\n")));

    // An image package: the smallest picture that covers the screen.
    const QString package = folder() + QStringLiteral("/Next");
    writePicture(package + QStringLiteral("/contents/images/1280x1024.png"), {8, 8}, Qt::blue);
    const QString cover =
        writePicture(package + QStringLiteral("/contents/images/1920x1080.png"), {8, 8}, Qt::blue);
    writePicture(package + QStringLiteral("/contents/images/3840x2160.png"), {8, 8}, Qt::blue);
    TestEnvironment::writeFile(
        configHome() + QStringLiteral("/plasma-org.kde.plasma.desktop-appletsrc"),
        appletsrc.arg(QStringLiteral("file://") + package + QLatin1Char('/')).toUtf8());
    FakeTools tools; // no gsettings, no xfconf
    EXPECT_EQ(DesktopWallpaperSettings(environment(QStringLiteral("KDE")), tools.runner()).wallpaperFile(),
              cover);
    EXPECT_EQ(DesktopWallpaperSettings::resolveImagePackage(package, QSize(5000, 3000)),
              package + QStringLiteral("/contents/images/3840x2160.png"));
}

TEST_F(DesktopPictureTest, XfceMonitorPropertyIsPreferred)
{
    const QString list = QStringLiteral("/backdrop/screen0/monitor0/workspace0/last-image\n"
                                        "/backdrop/screen0/monitorHDMI-1/workspace1/last-image\n"
                                        "/backdrop/screen0/monitorHDMI-1/workspace0/last-image\n"
                                        "/backdrop/screen0/monitorHDMI-1/workspace0/image-style\n");
    EXPECT_EQ(DesktopWallpaperSettings::xfceImageProperty(list, QStringLiteral("HDMI-1")),
              QStringLiteral("/backdrop/screen0/monitorHDMI-1/workspace0/last-image"));
    EXPECT_EQ(DesktopWallpaperSettings::xfceImageProperty(list, QStringLiteral("DP-2")),
              QStringLiteral("/backdrop/screen0/monitor0/workspace0/last-image"));
    EXPECT_FALSE(
        DesktopWallpaperSettings::xfceImageProperty(QStringLiteral("/other\n"), QStringLiteral("DP-2")));

    const QString picture = writePicture(folder() + QStringLiteral("/xfce.png"), {8, 8}, Qt::green);
    FakeTools tools;
    tools.answers[QStringLiteral("xfconf-query -c xfce4-desktop -l")] = list;
    tools.answers[QStringLiteral(
        "xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitorHDMI-1/workspace0/last-image")] =
        picture + QLatin1Char('\n');
    EXPECT_EQ(DesktopWallpaperSettings(environment(QStringLiteral("XFCE")), tools.runner()).wallpaperFile(),
              picture);
    // A setting that names a file that is gone gives nothing.
    QFile::remove(picture);
    EXPECT_FALSE(
        DesktopWallpaperSettings(environment(QStringLiteral("XFCE")), tools.runner()).wallpaperFile());
}

TEST_F(DesktopPictureTest, PictureIsDecodedToCoverTheMainScreenAwayFromTheMainThread)
{
    // A portrait picture: covering a landscape screen keeps its middle.
    QImage portrait(300, 600, QImage::Format_RGB32);
    portrait.fill(Qt::red);
    for (int y = 200; y < 400; ++y)
        for (int x = 0; x < 300; ++x)
            portrait.setPixel(x, y, qRgb(0, 0, 255));
    const QString path = folder() + QStringLiteral("/portrait.png");
    QDir().mkpath(folder());
    ASSERT_TRUE(portrait.save(path));
    const auto decoded = DesktopImageSource::decodeCovering(path, QSize(200, 100));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->size(), QSize(200, 100));
    EXPECT_EQ(QColor(decoded->pixel(100, 50)), QColor(Qt::blue));
    EXPECT_FALSE(
        DesktopImageSource::decodeCovering(folder() + QStringLiteral("/missing.jpg"), QSize(10, 10)));
    // A pipe nobody writes to, set as the wallpaper: no picture, at once.
    const QString pipe = folder() + QStringLiteral("/wallpaper-pipe.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(DesktopImageSource::decodeCovering(pipe, QSize(10, 10)));

    ManualExecutor executor;
    DesktopImageSource source(executor);
    source.setWallpaperLookup([&](const QString&, const QSize&) { return std::optional<QString>(path); });
    std::optional<QImage> delivered;
    bool called = false;
    source.desktopPicture([&](std::optional<QImage> image) {
        called = true;
        delivered = std::move(image);
    });
    EXPECT_FALSE(called); // nothing decoded on the caller's thread
    executor.finishAll();
    ASSERT_TRUE(called);
    ASSERT_TRUE(delivered);
    EXPECT_EQ(delivered->size(), QGuiApplication::primaryScreen()->geometry().size());
}

TEST_F(DesktopPictureTest, GnomesWebPAndJpegXlBackgroundsAreDecodedAndABrokenOneGivesNoCapture)
{
    QDir().mkpath(folder());
    const QString webp = folder() + QStringLiteral("/adwaita-l.webp");
    QImage green(64, 32, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(webp, "WEBP", 100)) << "Qt's image-formats plugins are missing";
    const QString jxl = folder() + QStringLiteral("/adwaita-d.jxl");
    ASSERT_TRUE(writeJxl(jxl, QSize(64, 32), Qt::blue));
    for (const auto& [path, colour] :
         {std::pair{webp, QColor(Qt::green)}, std::pair{jxl, QColor(Qt::blue)}}) {
        QString why;
        const auto decoded = DesktopImageSource::decodeCovering(path, QSize(40, 40), &why);
        ASSERT_TRUE(decoded) << path.toStdString() << ": " << why.toStdString();
        EXPECT_EQ(decoded->size(), QSize(40, 40));
        const QColor middle(decoded->pixel(20, 20));
        EXPECT_LE(std::abs(middle.hue() - colour.hue()), 4) << path.toStdString();
    }

    // A picture that is set but cannot be read: the break's own picture at once, the log says
    // why, and neither a capture of the windows nor a portal is asked to stand in.
    ManualExecutor executor;
    DesktopImageSource source(executor);
    LogCapture log;
    for (const QString& broken : {QStringLiteral("/broken.webp"), QStringLiteral("/broken.jxl")}) {
        QFile file(folder() + broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QFile original(broken.endsWith(QLatin1String("jxl")) ? jxl : webp);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        file.write(original.read(original.size() / 2)); // cut off halfway
        file.close();
        source.setWallpaperLookup(
            [&](const QString&, const QSize&) { return std::optional<QString>(folder() + broken); });
        bool called = false;
        std::optional<QImage> delivered;
        source.desktopPicture([&](std::optional<QImage> image) {
            called = true;
            delivered = std::move(image);
        });
        executor.finishAll();
        EXPECT_TRUE(called);
        EXPECT_FALSE(delivered) << broken.toStdString();
        EXPECT_TRUE(
            log.anyContains(QStringLiteral("Can't decode the desktop picture %1: ").arg(folder() + broken)))
            << log.lines().join(QLatin1Char('\n')).toStdString();
    }
    EXPECT_FALSE(log.anyContains(QStringLiteral("got desktop picture")));
    EXPECT_FALSE(log.anyContains(QStringLiteral("window image")));
}

TEST_F(DesktopPictureTest, AHundredBreaksLeaveNoDescriptorThreadOrProcessBehind)
{
    // The real lookup on a desktop that is none of the three: GNOME's schema through GIO (its
    // picture is not installed here), no Plasma file, and xfconf-query, which is not installed.
    qputenv("GSETTINGS_BACKEND", "memory");
    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    EXPECT_FALSE(DesktopWallpaperSettings::runInstalledProgram(QStringLiteral("mirelo-no-such-tool"), {}));
    auto entries = [](const char* folder) {
        return QDir(QString::fromLatin1(folder))
            .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
            .size();
    };
    ManualExecutor executor;
    DesktopImageSource source(executor);
    int answered = 0;
    auto oneBreak = [&] {
        source.desktopPicture([&](std::optional<QImage>) { ++answered; });
        executor.finishAll();
    };
    // The first lookup may set up what lasts for the program's life (GIO's schema source).
    oneBreak();
    const auto descriptors = entries("/proc/self/fd");
    const auto threads = entries("/proc/self/task");
    for (int i = 0; i < 100; ++i)
        oneBreak();
    EXPECT_EQ(answered, 101);
    EXPECT_EQ(entries("/proc/self/fd"), descriptors);
    EXPECT_EQ(entries("/proc/self/task"), threads);
    // No child process started, let alone left running.
    QFile children(QStringLiteral("/proc/self/task/%1/children").arg(QCoreApplication::applicationPid()));
    ASSERT_TRUE(children.open(QIODevice::ReadOnly));
    EXPECT_TRUE(children.readAll().trimmed().isEmpty());
}
