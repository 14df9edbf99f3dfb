#include "settings/DataFolder.h"

#include "diagnostics/Log.h"
#include "settings/Path.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace DataFolder {

namespace {
// rename() cannot cross file systems (the temporary directory is often tmpfs): copy, then remove.
bool copyRecursively(const QString& from, const QString& to)
{
    QFileInfo info(from);
    if (!info.isDir())
        return QFile::copy(from, to);
    if (!QDir().mkdir(to))
        return false;
    const QDir dir(from);
    for (const QFileInfo& child : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        if (!copyRecursively(child.absoluteFilePath(), to + QLatin1Char('/') + child.fileName()))
            return false;
    }
    return true;
}

bool moveItem(const QString& from, const QString& to)
{
    if (QDir().rename(from, to))
        return true;
    if (!copyRecursively(from, to)) {
        QFileInfo(to).isDir() ? QDir(to).removeRecursively() : QFile::remove(to);
        return false;
    }
    return QFileInfo(from).isDir() ? QDir(from).removeRecursively() : QFile::remove(from);
}

std::optional<QString> fileInData(const char* name)
{
    auto data = dataDirectory();
    if (!data)
        return std::nullopt;
    return *data + QLatin1Char('/') + QLatin1String(name);
}
} // namespace

std::optional<QString> appDataRootDirectory()
{
    const QString identifier = QString::fromLatin1(bundleIdentifier);
    if (identifier.isEmpty()) {
        LOG_ERROR(QStringLiteral("Can't get bundle id!"));
        return std::nullopt;
    }
    // The parent of the root ($XDG_DATA_HOME) may not exist on a fresh account.
    const QString parent = Path::applicationSupport().string;
    if (!QFileInfo::exists(parent))
        QDir().mkpath(parent);
    const QString root = parent + QLatin1Char('/') + identifier;
    if (!createFolderIfNotExist(root))
        return std::nullopt;
    return root;
}

bool createFolderIfNotExist(const QString& path)
{
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return true;
    if (QDir().mkdir(path))
        return true;
    LOG_ERROR(QStringLiteral("Can't create folder! Path: ") + path);
    return false;
}

std::optional<QString> dataDirectory()
{
    auto root = appDataRootDirectory();
    if (!root)
        return std::nullopt;
    const QString data = *root + QStringLiteral("/Data");
    if (!createFolderIfNotExist(data))
        return std::nullopt;
    return data;
}

std::optional<QString> wallpapersDirectory()
{
    auto data = dataDirectory();
    if (!data)
        return std::nullopt;
    const QString folder = *data + QStringLiteral("/Wallpapers");
    if (!createFolderIfNotExist(folder))
        return std::nullopt;
    return folder + QLatin1Char('/');
}

std::optional<QString> wallpaperConfPath() { return fileInData("wallpapers.conf"); }
std::optional<QString> newsConfPath() { return fileInData("news.conf"); }
std::optional<QString> appInfoPath() { return fileInData("appInfo.dat"); }
std::optional<QString> quotesPath() { return fileInData("quotes.json"); }
std::optional<QString> databasePath() { return fileInData("db.v1.sqlite"); }

QString tmpNameForTime(double secondsSinceReferenceDate)
{
    const auto millis = static_cast<long long>(secondsSinceReferenceDate * 1000.0);
    return md5(QString::number(millis));
}

bool moveFolderToTmp(const QString& path)
{
    QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        LOG_ERROR(QStringLiteral("Folder not exist!"));
        return false;
    }
    // Seconds since 2001-01-01 00:00 UTC, the reference date of the stored naming rule.
    static const qint64 referenceEpochMs = QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    const double seconds = static_cast<double>(QDateTime::currentMSecsSinceEpoch() - referenceEpochMs) / 1000.0;
    const QString target = QDir::tempPath() + QLatin1Char('/') + tmpNameForTime(seconds);
    if (QFileInfo::exists(target) || !moveItem(path, target)) {
        LOG_ERROR(QStringLiteral("Move file failed!"));
        return false;
    }
    return true;
}

} // namespace DataFolder

QString md5(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}
