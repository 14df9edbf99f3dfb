#include "settings/Path.h"

#include "diagnostics/Log.h"
#include "settings/DataFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

Path::Path(QString s) : string(std::move(s)), url(QUrl::fromLocalFile(string)) {}

Path Path::applicationSupport()
{
    return Path(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

Path Path::root()
{
    Path path = applicationSupport() + QString::fromLatin1(DataFolder::bundleIdentifier);
    try {
        path.mkdir();
    } catch (const PathError& error) {
        LOG_ERROR(QStringLiteral("Failed to mkdir at path: ") + path.string + QStringLiteral(". Error: ") +
                  QString::fromUtf8(error.what()));
    }
    return path;
}

Path Path::operator+(const QString& component) const
{
    return Path(string + QLatin1Char('/') + component);
}

Path& Path::mkdir()
{
    QFileInfo info(string);
    if (info.exists() || info.isSymLink())
        return *this;
    if (QDir().mkpath(string))
        return *this;
    // Another thread may have made it meanwhile.
    if (QFileInfo(string).isDir()) {
        LOG_ERROR(QStringLiteral("File path already exists."));
        return *this;
    }
    const QString error = QStringLiteral("Cannot create folder at ") + string;
    LOG_ERROR(QStringLiteral("Error: ") + error);
    throw PathError(error.toStdString());
}

std::optional<QVariantMap> Path::readAttributes() const
{
    QFileInfo info(string);
    if (!info.exists()) {
        LOG_ERROR(QStringLiteral("Error: no such file: ") + string);
        return std::nullopt;
    }
    QVariantMap attributes;
    attributes.insert(QStringLiteral("size"), info.size());
    attributes.insert(QStringLiteral("creationDate"), info.birthTime());
    attributes.insert(QStringLiteral("modificationDate"), info.lastModified());
    attributes.insert(QStringLiteral("type"), info.isDir() ? QStringLiteral("directory") : info.isSymLink() ? QStringLiteral("symbolicLink") : QStringLiteral("regular"));
    attributes.insert(QStringLiteral("permissions"), static_cast<int>(info.permissions()));
    return attributes;
}

QList<QUrl> Path::fileURLList(bool skipsHiddenFiles) const
{
    QFileInfo info(string);
    if (!info.isDir())
        return {};
    QDir dir(string);
    if (!dir.isReadable()) {
        LOG_ERROR(QStringLiteral("Error: cannot list folder ") + string);
        return {};
    }
    QDir::Filters filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System;
    if (!skipsHiddenFiles)
        filters |= QDir::Hidden;
    QList<QUrl> urls;
    for (const QFileInfo& child : dir.entryInfoList(filters, QDir::Unsorted))
        urls << QUrl::fromLocalFile(child.absoluteFilePath());
    return urls;
}

QList<Path> Path::children() const
{
    QList<Path> paths;
    for (const QUrl& url : fileURLList(true))
        paths << Path(url.toLocalFile());
    return paths;
}

void Path::remove(const QUrl& url)
{
    const QString local = url.toLocalFile();
    QFileInfo info(local);
    bool ok = false;
    if (info.isDir() && !info.isSymLink())
        ok = QDir(local).removeRecursively();
    else
        ok = QFile::remove(local);
    if (!ok)
        LOG_ERROR(QStringLiteral("Error: cannot remove ") + local);
}
