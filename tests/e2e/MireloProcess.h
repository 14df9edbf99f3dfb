#pragma once

#include "PrivateBus.h"

#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

#include <memory>

// One end-to-end world: an Xvfb display, a private session bus with a notification server,
// fresh XDG folders and the real mirelo binary started inside them.
class MireloWorld
{
public:
    struct Options
    {
        // Two monitors side by side: L 1920×1080 at 0,0 (the main one) and R 1280×1024 at 1920,0.
        bool twoMonitors = false;
        // openbox, for focus and stacking as a desktop has them.
        bool windowManager = false;
        // A private system bus for fake system services (fprintd); none otherwise.
        bool systemBus = false;
        // trayer, an XEmbed tray at the top right corner, so the tray icon and its menu show.
        bool tray = false;
    };

    MireloWorld();
    explicit MireloWorld(Options options);
    ~MireloWorld();

    bool ready() const { return displayName.size() > 0 && bus.isRunning(); }
    QString dataRoot() const { return home.path() + QStringLiteral("/data/org.mirelo.Mirelo"); }
    QString configHome() const { return home.path() + QStringLiteral("/config"); }

    void writePreferences(const QJsonObject& values);
    QProcessEnvironment environment() const;

    // Starts `mirelo arguments…` and waits until it owns its bus name.
    bool launch(const QStringList& arguments = {});
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

    // X11 helpers (xdotool, xwininfo) on this world's display.
    // The viewable top-level windows of the program whose title matches the pattern (the
    // break windows by default), by their geometry on the screen.
    QList<QRect> visibleWindows(const QString& titlePattern = QStringLiteral("^Mirelo$")) const;
    QRect activeWindow() const;
    bool key(const QString& keysym) const;
    bool click(const QPoint& point) const;
    // The centre of the tray icon (Options::tray), or a null point while none shows.
    QPoint trayIconCentre() const;
    int runX11(const QString& program, const QStringList& args, QString* out = nullptr) const;

    PrivateBus bus;
    // The system bus of Options::systemBus.
    std::unique_ptr<PrivateBus> system;

private:
    QTemporaryDir home;
    std::unique_ptr<QProcess> xvfb;
    std::unique_ptr<QProcess> windowManager;
    std::unique_ptr<QProcess> trayHost;
    QString displayName;
    std::unique_ptr<QProcess> app;
};
