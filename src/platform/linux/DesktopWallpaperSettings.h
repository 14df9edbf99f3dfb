#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Finds the picture file the desktop shows as its wallpaper, from the settings of GNOME (and
// the desktops that share its schema), KDE Plasma or XFCE. Nothing here decodes an image.
class DesktopWallpaperSettings
{
public:
    // Runs a program with arguments and returns its standard output, none when it could not
    // be started, failed or took too long.
    using CommandRunner =
        std::function<std::optional<QString>(const QString& program, const QStringList& arguments)>;

    struct Environment
    {
        QString currentDesktop; // $XDG_CURRENT_DESKTOP
        QString configHome;     // $XDG_CONFIG_HOME or ~/.config
        QString monitorName;    // the main screen's output name
        QSize screenSize;       // the main screen, for choosing inside an image package
        bool darkAppearance = false;
        static Environment current(const QString& monitorName, const QSize& screenSize, bool dark);
    };

    // The text value of a GSettings key, none when its schema or key does not exist.
    using GSettingsReader = std::function<std::optional<QString>(const QString& schema, const QString& key)>;

    // Without a runner, programs are looked up once and never started when missing; without a
    // reader, GNOME's settings are read through GIO in this process (with a runner only, through
    // the gsettings tool on that runner, as tests answer it).
    DesktopWallpaperSettings(Environment environment, CommandRunner runner = {},
                             GSettingsReader gsettings = {});

    // GNOME's settings through GIO: no child process, and a missing schema is an answer. With
    // userSetOnly, a key the user never set answers none instead of the schema's default.
    static std::optional<QString> readGSettings(const QString& schema, const QString& key,
                                                bool userSetOnly = false);
    // Runs an installed program; a program that is not installed (looked up once) is never started.
    static std::optional<QString> runInstalledProgram(const QString& program, const QStringList& arguments);

    // The wallpaper file of the running desktop first, then of the others; none when no
    // setting names an existing file.
    std::optional<QString> wallpaperFile() const;

    std::optional<QString> gnomeWallpaper() const;
    std::optional<QString> plasmaWallpaper() const;
    std::optional<QString> xfceWallpaper() const;

    // The value of `gsettings get` for a text key: 'text' or "text" with escapes.
    static std::optional<QString> parseGVariantString(const QString& output);
    // A file URI or an absolute path as a local path; none for other schemes.
    static std::optional<QString> localPath(const QString& uriOrPath);
    // The picture of a GNOME slideshow description: its first static file (the largest size
    // when the file lists several).
    static std::optional<QString> slideshowFile(const QByteArray& xml);
    // The Image= of the plasma desktop containment for screen (by lastScreen), else of any
    // containment that has one.
    static std::optional<QString> plasmaImage(const QString& appletsrc, int screen = 0);
    // A Plasma image package folder (contents/images/WxH.ext): the smallest picture that covers
    // size, else the largest. A plain file is returned as it is.
    static std::optional<QString> resolveImagePackage(const QString& path, const QSize& size);
    // Which xfconf property holds the main monitor's picture, from `xfconf-query -l` output.
    static std::optional<QString> xfceImageProperty(const QString& propertyList, const QString& monitorName);

private:
    std::optional<QString> existingPicture(const std::optional<QString>& path) const;

    Environment env;
    CommandRunner run;
    GSettingsReader gsettings;
};
