#include "statusitem/FeedbackMail.h"

#include "diagnostics/Log.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>

namespace FeedbackMail {

namespace {
QString unknownIfEmpty(const QString& value)
{
    return value.trimmed().isEmpty() ? QStringLiteral("Unknown") : value.trimmed();
}
} // namespace

MachineFacts collect()
{
    MachineFacts facts;
    QFile product(QStringLiteral("/sys/class/dmi/id/product_name"));
    if (product.open(QIODevice::ReadOnly))
        facts.model = QString::fromUtf8(product.read(256));
    // What decides how Mirelo behaves here: the desktop and its session.
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    const QString session = qEnvironmentVariable("XDG_SESSION_TYPE", QGuiApplication::platformName());
    facts.desktop =
        desktop.isEmpty() ? QString() : desktop + QStringLiteral(" (") + session + QLatin1Char(')');
    facts.toolkit = QString::fromLatin1(qVersion());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize pixels = screen->size() * screen->devicePixelRatio();
        facts.resolution = QStringLiteral("%1x%2 @%3x")
                               .arg(pixels.width())
                               .arg(pixels.height())
                               .arg(screen->devicePixelRatio());
        facts.resolutionName = resolutionName(pixels);
    }
    facts.system = Log::userPlatformLine();
    return facts;
}

QString resolutionName(const QSize& pixels)
{
    struct Named
    {
        int width, height;
        const char* name;
    };
    static constexpr Named names[] = {
        {1024, 768, "XGA"},     {1280, 720, "HD"},      {1280, 800, "WXGA"},    {1366, 768, "HD"},
        {1440, 900, "WXGA+"},   {1600, 900, "HD+"},     {1680, 1050, "WSXGA+"}, {1920, 1080, "Full HD"},
        {1920, 1200, "WUXGA"},  {2560, 1080, "UW-FHD"}, {2560, 1440, "QHD"},    {2560, 1600, "WQXGA"},
        {2880, 1800, "WQXGA+"}, {3440, 1440, "UWQHD"},  {3840, 2160, "4K UHD"}, {5120, 2880, "5K"},
        {7680, 4320, "8K UHD"},
    };
    // A portrait screen has the same name as its landscape self.
    const QSize landscape = pixels.width() >= pixels.height() ? pixels : pixels.transposed();
    for (const Named& named : names) {
        if (landscape == QSize(named.width, named.height))
            return QString::fromLatin1(named.name);
    }
    return {};
}

QString body(const MachineFacts& facts, const QString& shortVersion, const QString& buildNumber,
             const QString& releaseStage)
{
    QStringList lines{QString(), QString(), QStringLiteral("----")};
    lines << QStringLiteral("Version: ") + shortVersion + QStringLiteral(" (") + buildNumber +
                 QLatin1Char(')');
    lines << QStringLiteral("Stage: ") + unknownIfEmpty(releaseStage);
    lines << QStringLiteral("Model: ") + unknownIfEmpty(facts.model);
    lines << QStringLiteral("Desktop: ") + unknownIfEmpty(facts.desktop);
    lines << QStringLiteral("Resolution: ") + unknownIfEmpty(facts.resolutionName) + QLatin1Char(' ') +
                 unknownIfEmpty(facts.resolution);
    lines << QStringLiteral("OS: ") + unknownIfEmpty(facts.system);
    lines << QStringLiteral("Qt: ") + unknownIfEmpty(facts.toolkit);
    lines << QStringLiteral("----");
    return lines.join(QLatin1Char('\n'));
}

QUrl link(const QString& text)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(QLatin1String(supportAddress));
    // Percent-encode the body ourselves: '&', '=' and '+' in it must not split the query.
    const QByteArray encodedBody = QUrl::toPercentEncoding(text);
    url.setQuery(QStringLiteral("Subject=Mirelo%20Feedback&body=") + QString::fromLatin1(encodedBody),
                 QUrl::StrictMode);
    return url;
}

} // namespace FeedbackMail
