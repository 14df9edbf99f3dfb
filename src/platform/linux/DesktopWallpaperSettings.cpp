#include "linux/DesktopWallpaperSettings.h"

#include "diagnostics/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>

// GLib's headers name struct members after Qt's keywords; those are off in this project.
#include <gio/gio.h>

#include <map>
#include <mutex>

namespace {

// Which programs are installed, looked up once: a start that fails still costs a descriptor or
// two on some Qt versions, at every break.
QString installedProgram(const QString& program)
{
    static std::mutex lock;
    static std::map<QString, QString> found;
    const std::lock_guard<std::mutex> guard(lock);
    auto it = found.find(program);
    if (it == found.end())
        it = found.emplace(program, QStandardPaths::findExecutable(program)).first;
    return it->second;
}

} // namespace

std::optional<QString> DesktopWallpaperSettings::runInstalledProgram(const QString& program,
                                                                     const QStringList& arguments)
{
    const QString path = installedProgram(program);
    if (path.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(path, arguments);
    // A settings tool that hangs must not hold up the break.
    if (!process.waitForStarted(1000))
        return std::nullopt;
    if (!process.waitForFinished(1500)) {
        process.kill();
        process.waitForFinished(500);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<QString> DesktopWallpaperSettings::readGSettings(const QString& schemaId, const QString& key,
                                                               bool userSetOnly)
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return std::nullopt;
    // Looked up first: g_settings_new() aborts the program on a schema that is not installed.
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, schemaId.toUtf8().constData(), TRUE);
    if (!schema)
        return std::nullopt;
    std::optional<QString> value;
    const QByteArray keyName = key.toUtf8();
    if (g_settings_schema_has_key(schema, keyName.constData())) {
        GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
        GVariant* variant = userSetOnly ? g_settings_get_user_value(settings, keyName.constData())
                                        : g_settings_get_value(settings, keyName.constData());
        if (variant && g_variant_is_of_type(variant, G_VARIANT_TYPE_STRING))
            value = QString::fromUtf8(g_variant_get_string(variant, nullptr));
        if (variant)
            g_variant_unref(variant);
        g_object_unref(settings);
    }
    g_settings_schema_unref(schema);
    return value;
}

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(4 * 1024 * 1024));
}

} // namespace

DesktopWallpaperSettings::Environment
DesktopWallpaperSettings::Environment::current(const QString& monitorName, const QSize& screenSize, bool dark)
{
    Environment environment;
    environment.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    environment.configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (environment.configHome.isEmpty())
        environment.configHome = QDir::homePath() + QStringLiteral("/.config");
    environment.monitorName = monitorName;
    environment.screenSize = screenSize;
    environment.darkAppearance = dark;
    return environment;
}

DesktopWallpaperSettings::DesktopWallpaperSettings(Environment environment, CommandRunner runner,
                                                   GSettingsReader reader)
    : env(std::move(environment)), gsettings(std::move(reader))
{
    if (!gsettings && runner) {
        // Through the gsettings tool on the given runner, as it prints its values.
        gsettings = [runner](const QString& schema, const QString& key) -> std::optional<QString> {
            const auto schemas = runner(QStringLiteral("gsettings"), {QStringLiteral("list-schemas")});
            if (!schemas || !schemas->split(QLatin1Char('\n')).contains(schema))
                return std::nullopt;
            const auto out = runner(QStringLiteral("gsettings"), {QStringLiteral("get"), schema, key});
            return out ? parseGVariantString(*out) : std::nullopt;
        };
    }
    if (!gsettings) {
        // Elsewhere GNOME's schema answers its own default picture, which that desktop does not
        // show (GNOME's backgrounds are installed on many a sway or Plasma system).
        const QString desktop = env.currentDesktop.toUpper();
        const bool gnome = desktop.contains(QLatin1String("GNOME")) ||
                           desktop.contains(QLatin1String("UNITY")) ||
                           desktop.contains(QLatin1String("BUDGIE"));
        gsettings = [gnome](const QString& schema, const QString& key) {
            return readGSettings(schema, key, !gnome);
        };
    }
    run = runner ? std::move(runner) : CommandRunner(runInstalledProgram);
}

std::optional<QString> DesktopWallpaperSettings::wallpaperFile() const
{
    using Finder = std::optional<QString> (DesktopWallpaperSettings::*)() const;
    std::vector<Finder> order{&DesktopWallpaperSettings::gnomeWallpaper,
                              &DesktopWallpaperSettings::plasmaWallpaper,
                              &DesktopWallpaperSettings::xfceWallpaper};
    const QString desktop = env.currentDesktop.toUpper();
    if (desktop.contains(QLatin1String("KDE")))
        std::swap(order[0], order[1]);
    else if (desktop.contains(QLatin1String("XFCE")))
        std::swap(order[0], order[2]);
    for (Finder finder : order) {
        if (auto file = (this->*finder)())
            return file;
    }
    return std::nullopt;
}

std::optional<QString> DesktopWallpaperSettings::existingPicture(const std::optional<QString>& path) const
{
    if (!path || path->isEmpty())
        return std::nullopt;
    auto resolved = resolveImagePackage(*path, env.screenSize);
    if (!resolved || !QFileInfo(*resolved).isFile())
        return std::nullopt;
    if (resolved->endsWith(QLatin1String(".xml"), Qt::CaseInsensitive)) {
        QFile file(*resolved);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        resolved = slideshowFile(file.read(4 * 1024 * 1024));
        if (!resolved || !QFileInfo(*resolved).isFile())
            return std::nullopt;
    }
    return resolved;
}

std::optional<QString> DesktopWallpaperSettings::gnomeWallpaper() const
{
    const QString schema = QStringLiteral("org.gnome.desktop.background");
    auto get = [&](const QString& key) -> std::optional<QString> {
        const auto text = gsettings(schema, key);
        return text ? localPath(*text) : std::nullopt;
    };
    if (env.darkAppearance) {
        if (auto dark = existingPicture(get(QStringLiteral("picture-uri-dark"))))
            return dark;
    }
    return existingPicture(get(QStringLiteral("picture-uri")));
}

std::optional<QString> DesktopWallpaperSettings::plasmaWallpaper() const
{
    const QString text =
        readText(env.configHome + QStringLiteral("/plasma-org.kde.plasma.desktop-appletsrc"));
    if (text.isEmpty())
        return std::nullopt;
    const auto image = plasmaImage(text, 0);
    return existingPicture(image ? localPath(*image) : std::nullopt);
}

std::optional<QString> DesktopWallpaperSettings::xfceWallpaper() const
{
    const auto list = run(QStringLiteral("xfconf-query"),
                          {QStringLiteral("-c"), QStringLiteral("xfce4-desktop"), QStringLiteral("-l")});
    if (!list)
        return std::nullopt;
    const auto property = xfceImageProperty(*list, env.monitorName);
    if (!property)
        return std::nullopt;
    const auto value =
        run(QStringLiteral("xfconf-query"),
            {QStringLiteral("-c"), QStringLiteral("xfce4-desktop"), QStringLiteral("-p"), *property});
    return existingPicture(value ? localPath(value->trimmed()) : std::nullopt);
}

std::optional<QString> DesktopWallpaperSettings::parseGVariantString(const QString& output)
{
    QString text = output.trimmed();
    // A typed value reads "@s 'text'"; an unset maybe-string reads "@ms nothing".
    if (text.startsWith(QLatin1Char('@'))) {
        const qsizetype space = text.indexOf(QLatin1Char(' '));
        if (space < 0)
            return std::nullopt;
        text = text.mid(space + 1).trimmed();
    }
    if (text.size() < 2)
        return std::nullopt;
    const QChar quote = text.front();
    if ((quote != QLatin1Char('\'') && quote != QLatin1Char('"')) || text.back() != quote)
        return std::nullopt;
    QString value;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 2 < text.size()) {
            const QChar next = text[++i];
            switch (next.unicode()) {
            case 'n':
                c = QLatin1Char('\n');
                break;
            case 't':
                c = QLatin1Char('\t');
                break;
            default:
                c = next;
            }
        }
        value += c;
    }
    return value;
}

std::optional<QString> DesktopWallpaperSettings::localPath(const QString& uriOrPath)
{
    const QString text = uriOrPath.trimmed();
    if (text.startsWith(QLatin1Char('/')))
        return text;
    const QUrl url(text);
    if (url.isLocalFile())
        return url.toLocalFile();
    return std::nullopt;
}

std::optional<QString> DesktopWallpaperSettings::slideshowFile(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    bool inStatic = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("static"))
            inStatic = true;
        else if (reader.isEndElement() && reader.name() == QLatin1String("static"))
            inStatic = false;
        else if (inStatic && reader.isStartElement() && reader.name() == QLatin1String("file")) {
            QString plain;
            QString largest;
            qint64 largestArea = -1;
            while (!(reader.isEndElement() && reader.name() == QLatin1String("file")) && !reader.atEnd()) {
                reader.readNext();
                if (reader.isCharacters())
                    plain += reader.text();
                if (reader.isStartElement() && reader.name() == QLatin1String("size")) {
                    const qint64 area = reader.attributes().value(QLatin1String("width")).toLongLong() *
                                        reader.attributes().value(QLatin1String("height")).toLongLong();
                    const QString path = reader.readElementText().trimmed();
                    if (area > largestArea) {
                        largestArea = area;
                        largest = path;
                    }
                }
            }
            const QString chosen = largestArea >= 0 ? largest : plain.trimmed();
            if (!chosen.isEmpty())
                return chosen;
        }
    }
    return std::nullopt;
}

std::optional<QString> DesktopWallpaperSettings::plasmaImage(const QString& appletsrc, int screen)
{
    struct Containment
    {
        std::optional<int> lastScreen;
        QString image;
    };
    std::map<int, Containment> containments;
    static const QRegularExpression header(QStringLiteral(R"(^\[Containments\]\[(\d+)\](.*)$)"));
    std::optional<int> current;
    bool imageGroup = false;
    bool rootGroup = false;
    for (const QString& raw : appletsrc.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const auto match = header.match(line);
            current.reset();
            if (match.hasMatch()) {
                current = match.captured(1).toInt();
                const QString rest = match.captured(2);
                rootGroup = rest.isEmpty();
                imageGroup = rest == QLatin1String("[Wallpaper][org.kde.image][General]");
            }
            continue;
        }
        if (!current)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (rootGroup && key == QLatin1String("lastScreen"))
            containments[*current].lastScreen = value.toInt();
        else if (imageGroup && key == QLatin1String("Image"))
            containments[*current].image = value;
    }
    for (const auto& [id, containment] : containments) {
        if (!containment.image.isEmpty() && containment.lastScreen == screen)
            return containment.image;
    }
    for (const auto& [id, containment] : containments) {
        if (!containment.image.isEmpty())
            return containment.image;
    }
    return std::nullopt;
}

std::optional<QString> DesktopWallpaperSettings::resolveImagePackage(const QString& path, const QSize& size)
{
    const QString folder = QDir::cleanPath(path);
    if (!QFileInfo(folder).isDir())
        return folder;
    const QDir images(folder + QStringLiteral("/contents/images"));
    static const QRegularExpression dimensions(QStringLiteral(R"(^(\d+)x(\d+)\.)"));
    QString cover, largest;
    qint64 coverArea = 0, largestArea = 0;
    for (const QString& name : images.entryList(QDir::Files, QDir::Name)) {
        const auto match = dimensions.match(name);
        if (!match.hasMatch())
            continue;
        const int w = match.captured(1).toInt(), h = match.captured(2).toInt();
        const qint64 area = qint64(w) * h;
        if (area > largestArea) {
            largestArea = area;
            largest = images.filePath(name);
        }
        if (w >= size.width() && h >= size.height() && (cover.isEmpty() || area < coverArea)) {
            coverArea = area;
            cover = images.filePath(name);
        }
    }
    if (!cover.isEmpty())
        return cover;
    if (!largest.isEmpty())
        return largest;
    return std::nullopt;
}

std::optional<QString> DesktopWallpaperSettings::xfceImageProperty(const QString& propertyList,
                                                                   const QString& monitorName)
{
    QStringList candidates;
    for (const QString& line : propertyList.split(QLatin1Char('\n'))) {
        const QString property = line.trimmed();
        if (property.startsWith(QLatin1String("/backdrop/")) &&
            property.endsWith(QLatin1String("/last-image")))
            candidates << property;
    }
    const QString wanted =
        QStringLiteral("/backdrop/screen0/monitor") + monitorName + QStringLiteral("/workspace0/last-image");
    if (candidates.contains(wanted))
        return wanted;
    for (const QString& property : candidates) {
        if (property.endsWith(QLatin1String("/workspace0/last-image")))
            return property;
    }
    if (!candidates.isEmpty())
        return candidates.first();
    return std::nullopt;
}
