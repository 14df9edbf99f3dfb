#include "settings/PreferencesFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString systemError(const QString& what)
{
    return what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}
} // namespace

PreferencesFile::Content PreferencesFile::read() const
{
    Content content;
    const QFileInfo info(path);
    if (!info.exists())
        return content;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        content.state = Content::State::unreadable;
        return content;
    }
    content.state = Content::State::present;
    content.bytes = file.readAll();
    return content;
}

PreferencesFile::Replaced PreferencesFile::replace(const QByteArray& bytes) const
{
    Replaced result;
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        result.error = QStringLiteral("cannot create ") + info.absolutePath();
        return result;
    }
    QByteArray aside = QFile::encodeName(path + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(aside.data(), O_CLOEXEC);
    if (fd < 0) {
        result.error = systemError(QStringLiteral("cannot write beside ") + path);
        return result;
    }
    // Keep the mode a hand-made file has; a new one is the user's to read and write.
    struct stat current
    {};
    ::fchmod(fd,
             ::stat(QFile::encodeName(path).constData(), &current) == 0 ? (current.st_mode & 07777) : 0644);
    const bool flushed = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!flushed)
        result.error = systemError(QStringLiteral("cannot write ") + QString::fromLocal8Bit(aside));
    ::close(fd);
    if (!flushed) {
        ::unlink(aside.constData());
        return result;
    }

    const QByteArray target = QFile::encodeName(path);
    // Swap with what is there now, or create without replacing: either way nothing an editor
    // put there in the meantime is dropped unseen.
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (::renameat2(AT_FDCWD, aside.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0) {
            result.written = true;
            result.displaced = PreferencesFile(QFile::decodeName(aside)).read();
            ::unlink(aside.constData());
            return result;
        }
        if (errno == ENOENT) {
            if (::renameat2(AT_FDCWD, aside.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
                0) {
                result.written = true;
                result.displaced = Content{};
                return result;
            }
            if (errno == EEXIST)
                continue;
        }
        if (errno == EINVAL || errno == ENOSYS) {
            // A file system without the swap: a plain replacement, as good as it gets there.
            if (::rename(aside.constData(), target.constData()) == 0) {
                result.written = true;
                return result;
            }
        }
        break;
    }
    result.error = systemError(QStringLiteral("cannot replace ") + path);
    ::unlink(aside.constData());
    return result;
}

namespace {
QString freeAsideName(const QString& path)
{
    QString aside = path + QStringLiteral(".corrupt");
    for (int n = 1; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".corrupt.") + QString::number(n);
    return aside;
}
} // namespace

QString PreferencesFile::keepAside() const
{
    const QString aside = freeAsideName(path);
    return QFile::rename(path, aside) ? aside : QString();
}

QString PreferencesFile::keepAside(const QByteArray& bytes) const
{
    const QString aside = freeAsideName(path);
    QFile file(aside);
    if (!file.open(QIODevice::NewOnly) || file.write(bytes) != bytes.size())
        return {};
    return aside;
}

bool PreferencesFile::hasKeptAside() const
{
    const QFileInfo info(path);
    return !QDir(info.absolutePath())
                .entryList({info.fileName() + QStringLiteral(".corrupt*")},
                           QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)
                .isEmpty();
}

std::optional<QJsonObject> PreferencesFile::objectIn(const Content& content, QString* error)
{
    if (content.state != Content::State::present || content.bytes.trimmed().isEmpty())
        return std::nullopt;
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(content.bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        if (error)
            *error = parseError.error != QJsonParseError::NoError
                         ? parseError.errorString()
                         : QStringLiteral("it does not hold a JSON object");
        return std::nullopt;
    }
    return document.object();
}

bool PreferencesFile::isUnusable(const Content& content)
{
    return content.state == Content::State::unreadable ||
           (content.state == Content::State::present && !content.bytes.trimmed().isEmpty() &&
            !objectIn(content));
}
