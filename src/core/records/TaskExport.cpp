#include "records/TaskExport.h"

#include <QSaveFile>

namespace TaskExport {

QString typeName(int type)
{
    switch (type) {
    case 1:
        return QStringLiteral("pomodoro");
    case 2:
        return QStringLiteral("shortBreak");
    case 3:
        return QStringLiteral("longBreak");
    default:
        return QStringLiteral("unknown");
    }
}

QByteArray csv(const std::vector<Interval>& tasks)
{
    QByteArray out = "id,type,start,end,seconds\r\n";
    for (const Interval& task : tasks) {
        // With the offset, so that the hour a clock change repeats is told apart and the file means
        // the same in another time zone.
        const auto iso = [](const QDateTime& at) {
            const QDateTime local = at.toLocalTime();
            return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toUtf8();
        };
        out += QByteArray::number(task.taskID.value_or(0)) + ',' + typeName(task.type).toUtf8() + ',' +
               iso(task.start) + ',' + (task.end ? iso(*task.end) : QByteArray()) + ',' +
               QByteArray::number(task.duration()) + "\r\n";
    }
    return out;
}

bool writeCsv(const QString& path, const std::vector<Interval>& tasks, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray data = csv(tasks);
    if (file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace TaskExport
