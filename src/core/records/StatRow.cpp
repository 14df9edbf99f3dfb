#include "records/StatRow.h"

namespace StatRow {

QString title(const WTask& task, bool emoji)
{
    QString prefix;
    switch (task.type) {
    case 1:
        prefix = emoji ? QStringLiteral("💻") : QStringLiteral("W");
        break;
    case 2:
    case 3:
        prefix = emoji ? QStringLiteral("☕️") : QStringLiteral("B");
        break;
    default:
        prefix = emoji ? QStringLiteral("❓") : QStringLiteral("?");
        break;
    }
    // Plain text, never a format: a stored name or time holds no directives for us.
    return prefix + QLatin1Char(' ') + task.start.toLocalTime().toString(QStringLiteral("HH:mm"));
}

QString detail(qint64 seconds)
{
    if (seconds > 59)
        return QString::number(seconds / 60) + QStringLiteral(" mins");
    return QString::number(seconds) + QStringLiteral("s");
}

QString total(qint64 seconds)
{
    const qint64 minutes = std::max<qint64>(0, seconds) / 60;
    if (minutes < 60)
        return QString::number(minutes) + QStringLiteral(" min");
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace StatRow
