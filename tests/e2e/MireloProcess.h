#pragma once

#include "PrivateBus.h"

#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// One end-to-end world: an Xvfb display, a private session bus with a notification server,
// fresh XDG folders and the real mirelo binary started inside them.
class MireloWorld
{
public:
    MireloWorld();
    ~MireloWorld();

    bool ready() const { return displayName.size() > 0 && bus.isRunning(); }
    QString dataRoot() const { return home.path() + QStringLiteral("/data/org.mirelo.Mirelo"); }
    QString configHome() const { return home.path() + QStringLiteral("/config"); }

    void writePreferences(const QJsonObject& values);
    QProcessEnvironment environment() const;

    // Starts `mirelo` and waits until it owns its bus name.
    bool launch();
    // Runs `mirelo args…` as a client; returns the exit code and fills out/err.
    int client(const QStringList& args, QString* out = nullptr, QString* err = nullptr) const;
    QString status() const;
    bool waitForStatusPrefix(const QString& prefix, int timeoutMs);
    void sendSignal(int signal);
    bool waitForExit(int timeoutMs);
    int exitCode() const { return app ? app->exitCode() : -1; }

    // Rows of the task database as (type, duration in whole seconds), ordered by start.
    QList<QPair<int, qint64>> tasks() const;
    QString logText() const;
    int notificationCount(const QString& title);

    PrivateBus bus;

private:
    QTemporaryDir home;
    std::unique_ptr<QProcess> xvfb;
    QString displayName;
    std::unique_ptr<QProcess> app;
};
