#include "StatusFollower.h"

#include "TimerDBusAdaptor.h"
#include "cycle/StatusText.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDateTime>
#include <QJsonDocument>

#include <algorithm>

namespace {
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// The state word of `mirelo status`: held and paused before the timer's own state.
QString stateWord(const QVariantMap& properties)
{
    if (properties.isEmpty())
        return QStringLiteral("stopped");
    if (properties.value(QStringLiteral("Held")).toBool())
        return QStringLiteral("held");
    if (properties.value(QStringLiteral("Paused")).toBool())
        return QStringLiteral("paused");
    return properties.value(QStringLiteral("State")).toString();
}

QString clock(int seconds)
{
    return QString::asprintf("%02d:%02d", seconds / 60, seconds % 60);
}

qint64 nowUs()
{
    return QDateTime::currentMSecsSinceEpoch() * 1000;
}
} // namespace

StatusFollower::StatusFollower(QDBusConnection connection, QTextStream& out, bool json, QObject* parent)
    : QObject(parent), bus(std::move(connection)), out(out), json(json),
      instance(QLatin1String(TimerDBusAdaptor::serviceName), bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    bus.connect(QLatin1String(TimerDBusAdaptor::serviceName), QLatin1String(TimerDBusAdaptor::objectPath),
                propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                SLOT(propertiesChanged(QDBusMessage)));
    connect(&instance, &QDBusServiceWatcher::serviceOwnerChanged, this, &StatusFollower::refresh);
    minute.setSingleShot(true);
    connect(&minute, &QTimer::timeout, this, &StatusFollower::print);
    refresh();
}

int StatusFollower::remainingSeconds(const QVariantMap& properties, qint64 now)
{
    const qint64 deadline = properties.value(QStringLiteral("Deadline")).toLongLong();
    const bool counting = deadline > 0 && !properties.value(QStringLiteral("Paused")).toBool() &&
                          !properties.value(QStringLiteral("Held")).toBool();
    if (!counting)
        return std::max(0, properties.value(QStringLiteral("RemainingSeconds")).toInt());
    // Rounded up, as the countdown shows it: 24:59.4 left reads 25:00.
    return int(std::max<qint64>(0, (deadline - now + 999'999) / 1'000'000));
}

QString StatusFollower::plainLine(const QVariantMap& properties, qint64 now)
{
    return stateWord(properties) + QLatin1Char(' ') + clock(remainingSeconds(properties, now));
}

QJsonObject StatusFollower::jsonLine(const QVariantMap& properties, qint64 now, int intervalSeconds)
{
    const QString state = stateWord(properties);
    const int left = remainingSeconds(properties, now);
    const QString time = clock(left);
    const QString tooltip =
        state == QLatin1String("stopped")
            ? QCoreApplication::translate("StatusFollower", "Mirelo is not running")
            : StatusText::sentence(state, properties.value(QStringLiteral("HeldBy")).toString(), time);
    const bool running = state != QLatin1String("stopped") && state != QLatin1String("idle") &&
                         state != QLatin1String("held");
    const int passed = intervalSeconds > 0 ? 100 * std::clamp(intervalSeconds - left, 0, intervalSeconds) / intervalSeconds : 0;
    return {{QStringLiteral("text"), running ? time : QString()},
            {QStringLiteral("tooltip"), tooltip},
            {QStringLiteral("class"), state},
            {QStringLiteral("percentage"), running ? passed : 0}};
}

void StatusFollower::propertiesChanged(const QDBusMessage& message)
{
    if (message.arguments().value(0).toString() == QLatin1String(TimerDBusAdaptor::interfaceName))
        refresh();
}

void StatusFollower::refresh()
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(TimerDBusAdaptor::serviceName),
                                                       QLatin1String(TimerDBusAdaptor::objectPath),
                                                       propertiesInterface, QStringLiteral("GetAll"));
    call << QLatin1String(TimerDBusAdaptor::interfaceName);
    // No autostart: following must not launch the program.
    call.setAutoStartService(false);
    const QDBusReply<QVariantMap> reply = bus.call(call, QDBus::Block, 5000);
    properties = reply.isValid() ? reply.value() : QVariantMap();
    // The interval's length: the time left when it was first seen (its start, unless following
    // began in the middle of it).
    const QString state = properties.value(QStringLiteral("State")).toString();
    const int left = remainingSeconds(properties, nowUs());
    if (state != intervalState) {
        intervalState = state;
        intervalSeconds = left;
    }
    intervalSeconds = std::max(intervalSeconds, left);
    print();
}

void StatusFollower::print()
{
    const qint64 now = nowUs();
    const QString line = json ? QString::fromUtf8(QJsonDocument(jsonLine(properties, now, intervalSeconds))
                                                      .toJson(QJsonDocument::Compact))
                              : plainLine(properties, now);
    if (line != lastLine) {
        out << line << '\n';
        out.flush();
        lastLine = line;
    }
    // While it counts down, again when the next whole minute is left.
    const qint64 deadline = properties.value(QStringLiteral("Deadline")).toLongLong();
    const QString state = stateWord(properties);
    if (deadline > 0 && state != QLatin1String("paused") && state != QLatin1String("held")) {
        const qint64 leftMs = (deadline - now) / 1000;
        if (leftMs > 0) {
            // Just past the boundary, so that the line reads a whole minute ("24:00").
            const qint64 wait = leftMs % 60000 + 50;
            minute.start(int(std::min<qint64>(wait, leftMs)));
            return;
        }
    }
    minute.stop();
}
