#include "records/TaskExport.h"

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

QByteArray header()
{
    return "id,type,start,end,seconds,paused,focused\r\n";
}

QByteArray row(const Interval& task)
{
    // With the offset, so that the hour a clock change repeats is told apart and the file means
    // the same in another time zone.
    const auto iso = [](const QDateTime& at) {
        const QDateTime local = at.toLocalTime();
        return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toUtf8();
    };
    return QByteArray::number(task.taskID.value_or(0)) + ',' + typeName(task.type).toUtf8() + ',' +
           iso(task.start) + ',' + (task.end ? iso(*task.end) : QByteArray()) + ',' +
           QByteArray::number(task.duration()) + ',' +
           QByteArray::number(task.duration() - task.focusedDuration()) + ',' +
           QByteArray::number(task.focusedDuration()) + "\r\n";
}

QByteArray csv(const std::vector<Interval>& tasks)
{
    QByteArray out = header();
    for (const Interval& task : tasks)
        out += row(task);
    return out;
}

} // namespace TaskExport
