#include "cycle/StatusText.h"

#include <QCoreApplication>

namespace StatusText {

QString sentence(const QString& state, const QString& heldBy, const QString& time)
{
    // The texts were first written for status bars; their translations keep that context.
    if (state == QLatin1String("idle"))
        return QCoreApplication::translate("StatusFollower", "No timer is running");
    if (state == QLatin1String("held"))
        return QCoreApplication::translate("StatusFollower", "Break held: %1").arg(heldBy);
    if (state == QLatin1String("paused"))
        return QCoreApplication::translate("StatusFollower", "Pomodoro paused, %1 left").arg(time);
    if (state == QLatin1String("working"))
        return QCoreApplication::translate("StatusFollower", "Pomodoro, %1 left").arg(time);
    if (state == QLatin1String("shortBreak"))
        return QCoreApplication::translate("StatusFollower", "Short break, %1 left").arg(time);
    return QCoreApplication::translate("StatusFollower", "Long break, %1 left").arg(time);
}

} // namespace StatusText
