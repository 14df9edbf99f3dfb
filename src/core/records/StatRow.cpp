#include "records/StatRow.h"

#include <QCoreApplication>

#include <algorithm>

namespace StatRow {

QString title(const Interval& task, bool emoji)
{
    QString prefix;
    switch (task.type) {
    case 1:
        prefix = emoji ? QStringLiteral("💻") : QStringLiteral("W");
        break;
    // A short and a long break look different at a glance.
    case 2:
        prefix = emoji ? QStringLiteral("☕️") : QStringLiteral("S");
        break;
    case 3:
        prefix = emoji ? QStringLiteral("🛋️") : QStringLiteral("L");
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
    // The unit style of the totals: "25 min", "59 s".
    // Counted before the calls: the extractor of texts loses its way in arithmetic inside them.
    const int minutes = int(seconds / 60);
    const int rest = int(std::max<qint64>(0, seconds));
    if (seconds > 59)
        return QCoreApplication::translate("StatRow", "%n min", nullptr, minutes);
    return QCoreApplication::translate("StatRow", "%n s", nullptr, rest);
}

QString total(qint64 seconds)
{
    const qint64 minutes = std::max<qint64>(0, seconds) / 60;
    if (minutes < 60)
        return QCoreApplication::translate("StatRow", "%n min", nullptr, int(minutes));
    return QCoreApplication::translate("StatRow", "%1 h %2 min")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace StatRow
