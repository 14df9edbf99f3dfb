#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QJsonObject>
#include <QObject>
#include <QTextStream>
#include <QTimer>
#include <QVariantMap>

// `mirelo status --follow [--json]`: a line for status bars at every change of the running
// instance's timer (its PropertiesChanged), and once a minute while it counts down (from its
// Deadline, as clients are meant to count). With --json each line is an object as waybar's
// custom module reads it: text, tooltip, class, percentage. An instance that quits or is not
// running yet is waited for.
class StatusFollower : public QObject
{
    Q_OBJECT
public:
    StatusFollower(QDBusConnection bus, QTextStream& out, bool json, QObject* parent = nullptr);

    // The line for these properties of org.mirelo.Mirelo.Timer at nowUs (microseconds since the
    // epoch); intervalSeconds is how long the interval runs in all, 0 when not known.
    static QString plainLine(const QVariantMap& properties, qint64 nowUs);
    static QJsonObject jsonLine(const QVariantMap& properties, qint64 nowUs, int intervalSeconds);
    // Seconds left, counted from the Deadline while the timer runs.
    static int remainingSeconds(const QVariantMap& properties, qint64 nowUs);

private Q_SLOTS:
    void propertiesChanged(const QDBusMessage& message);

private:
    void refresh();
    void print();

    QDBusConnection bus;
    QTextStream& out;
    bool json;
    QDBusServiceWatcher instance;
    QTimer minute;
    QVariantMap properties;
    QString intervalState;
    int intervalSeconds = 0;
    QString lastLine;
};
