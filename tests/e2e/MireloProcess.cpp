#include "MireloProcess.h"

#include <QDBusConnectionInterface>
#include <QDate>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <SQLiteCpp/SQLiteCpp.h>

#include <cmath>
#include <csignal>

MireloWorld::MireloWorld()
{
    for (const char* sub : {"/config", "/data", "/tmp", "/runtime"})
        QDir().mkpath(home.path() + QLatin1String(sub));
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    xvfb = std::make_unique<QProcess>();
    xvfb->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                         QStringLiteral("0"), QStringLiteral("1920x1080x24"), QStringLiteral("-nolisten"),
                                         QStringLiteral("tcp")});
    QDeadlineTimer deadline(10000);
    QByteArray out;
    while (!out.contains('\n') && !deadline.hasExpired() && xvfb->state() != QProcess::NotRunning) {
        xvfb->waitForReadyRead(100);
        out += xvfb->readAllStandardOutput();
    }
    if (out.contains('\n'))
        displayName = QLatin1Char(':') + QString::fromLatin1(out.trimmed());
    bus.startTemplate(QStringLiteral("notification_daemon"), QStringLiteral("org.freedesktop.Notifications"), false);
}

MireloWorld::~MireloWorld()
{
    if (app && app->state() != QProcess::NotRunning) {
        app->terminate();
        if (!app->waitForFinished(5000))
            app->kill();
        app->waitForFinished(2000);
    }
    if (xvfb) {
        xvfb->terminate();
        xvfb->waitForFinished(3000);
    }
}

void MireloWorld::writePreferences(const QJsonObject& values)
{
    QJsonObject all = values;
    // Keep the session's real autostart folder out of it: the first start writes the entry
    // into this world's config folder, which is what a fresh account would see.
    QDir().mkpath(configHome() + QStringLiteral("/org.mirelo.Mirelo"));
    QFile file(configHome() + QStringLiteral("/org.mirelo.Mirelo/preferences.json"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QJsonDocument(all).toJson());
}

QProcessEnvironment MireloWorld::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), displayName);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    // No system bus here: logind is not reachable, which the program must survive.
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), QStringLiteral("unix:path=") + home.path() + QStringLiteral("/no-system-bus"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path() + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("TMPDIR"), home.path() + QStringLiteral("/tmp"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    env.remove(QStringLiteral("SESSION_MANAGER"));
    return env;
}

bool MireloWorld::launch()
{
    app = std::make_unique<QProcess>();
    app->setProcessEnvironment(environment());
    app->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app->setStandardOutputFile(home.path() + QStringLiteral("/stdout.txt"));
    app->start(QStringLiteral(MIRELO_BINARY), {});
    if (!app->waitForStarted(5000))
        return false;
    QDBusConnection connection = bus.connection();
    return PrivateBus::waitFor(
        [&] { return connection.interface()->isServiceRegistered(QStringLiteral("org.mirelo.Mirelo")).value() &&
                     status().size() > 0; },
        20000);
}

int MireloWorld::client(const QStringList& args, QString* out, QString* err) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral(MIRELO_BINARY), args);
    if (!process.waitForFinished(20000)) {
        process.kill();
        return -1;
    }
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
}

QString MireloWorld::status() const
{
    QString out;
    if (client({QStringLiteral("status")}, &out) != 0)
        return {};
    return out.trimmed();
}

bool MireloWorld::waitForStatusPrefix(const QString& prefix, int timeoutMs)
{
    return PrivateBus::waitFor([&] { return status().startsWith(prefix); }, timeoutMs);
}

void MireloWorld::sendSignal(int signal)
{
    if (app)
        ::kill(static_cast<pid_t>(app->processId()), signal);
}

bool MireloWorld::waitForExit(int timeoutMs)
{
    return PrivateBus::waitFor([&] { return !app || app->state() == QProcess::NotRunning; }, timeoutMs);
}

QList<QPair<int, qint64>> MireloWorld::tasks() const
{
    QList<QPair<int, qint64>> rows;
    try {
        const QString path = dataRoot() + QStringLiteral("/Data/db.v1.sqlite");
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        SQLite::Statement query(db, R"(SELECT "type", "start", "end" FROM "WTask" ORDER BY "start")");
        while (query.executeStep()) {
            const qint64 start = static_cast<qint64>(std::trunc(query.getColumn(1).getDouble()));
            const qint64 end = static_cast<qint64>(std::trunc(query.getColumn(2).getDouble()));
            rows.append({query.getColumn(0).getInt(), end - start});
        }
    } catch (const std::exception&) {
    }
    return rows;
}

QString MireloWorld::logText() const
{
    QFile file(dataRoot() + QStringLiteral("/data/logs/") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) +
               QStringLiteral(".log"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

int MireloWorld::notificationCount(const QString& title)
{
    int count = 0;
    for (const QVariantList& args :
         bus.callArguments(QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
                           QStringLiteral("Notify"))) {
        if (args.value(3).toString() == title)
            ++count;
    }
    return count;
}
