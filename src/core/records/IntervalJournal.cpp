#include "records/IntervalJournal.h"

#include "diagnostics/Log.h"
#include "settings/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fcntl.h>
#include <unistd.h>

namespace {

QJsonObject toJson(const IntervalJournal::Entry& entry)
{
    const Interval& task = entry.task;
    QJsonObject object{{QStringLiteral("type"), task.type},
                       {QStringLiteral("start"), task.start.toMSecsSinceEpoch()},
                       {QStringLiteral("paused"), task.paused},
                       {QStringLiteral("update"), entry.update}};
    if (task.end)
        object.insert(QStringLiteral("end"), task.end->toMSecsSinceEpoch());
    if (task.name)
        object.insert(QStringLiteral("name"), *task.name);
    if (task.taskID)
        object.insert(QStringLiteral("taskID"), *task.taskID);
    return object;
}

std::optional<IntervalJournal::Entry> fromJson(const QJsonObject& object)
{
    const QJsonValue start = object.value(QStringLiteral("start"));
    const QJsonValue end = object.value(QStringLiteral("end"));
    if (!start.isDouble() || !end.isDouble())
        return std::nullopt;
    IntervalJournal::Entry entry;
    Interval& task = entry.task;
    task.type = object.value(QStringLiteral("type")).toInt();
    task.start = QDateTime::fromMSecsSinceEpoch(qint64(start.toDouble()));
    task.end = QDateTime::fromMSecsSinceEpoch(qint64(end.toDouble()));
    task.paused = qint64(object.value(QStringLiteral("paused")).toDouble());
    if (object.value(QStringLiteral("name")).isString())
        task.name = object.value(QStringLiteral("name")).toString();
    if (object.value(QStringLiteral("taskID")).isDouble())
        task.taskID = qint64(object.value(QStringLiteral("taskID")).toDouble());
    entry.update = object.value(QStringLiteral("update")).toBool();
    return entry;
}

bool syncPath(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace

IntervalJournal::IntervalJournal(QString filePath) : path(std::move(filePath)) {}

QString IntervalJournal::defaultPath()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QLatin1Char('/') + QLatin1String(DataFolder::bundleIdentifier) +
           QStringLiteral("/unsaved-intervals.json");
}

std::vector<IntervalJournal::Entry> IntervalJournal::load()
{
    std::vector<Entry> entries;
    if (!QFileInfo::exists(path))
        return entries;
    QFile file(path);
    QJsonParseError error{};
    const QJsonDocument document =
        file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll(), &error) : QJsonDocument();
    if (!document.isObject()) {
        blocked = true;
        LOG_ERROR(QStringLiteral("The journal of unsaved intervals %1 cannot be read; it is left as it is.")
                      .arg(path));
        return entries;
    }
    const QJsonArray list = document.object().value(QStringLiteral("intervals")).toArray();
    for (const QJsonValue& value : list) {
        if (auto entry = fromJson(value.toObject()))
            entries.push_back(std::move(*entry));
    }
    return entries;
}

bool IntervalJournal::save(const std::vector<Entry>& entries)
{
    if (blocked)
        return false;
    const QString folder = QFileInfo(path).absolutePath();
    if (entries.empty()) {
        if (QFileInfo::exists(path) && !QFile::remove(path))
            return false;
        syncPath(folder, O_RDONLY | O_DIRECTORY);
        return true;
    }
    QJsonArray list;
    for (const Entry& entry : entries)
        list.append(toJson(entry));
    const QByteArray bytes =
        QJsonDocument(QJsonObject{{QStringLiteral("intervals"), list}}).toJson(QJsonDocument::Compact);
    if (!QDir().mkpath(folder))
        return false;
    const QString aside = path + QStringLiteral(".new");
    QFile file(aside);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    written = written && file.error() == QFileDevice::NoError &&
              ::rename(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData()) == 0;
    if (!written) {
        QFile::remove(aside);
        return false;
    }
    // The rename itself is durable only once the folder is.
    return syncPath(folder, O_RDONLY | O_DIRECTORY);
}
