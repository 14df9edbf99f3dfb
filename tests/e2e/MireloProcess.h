#pragma once

#include "PrivateBus.h"

#include <QImage>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

#include <memory>

// One end-to-end world: an Xvfb display (or a headless sway), a private session bus with a
// notification server, fresh XDG folders and the real mirelo binary started inside them.
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
        // A Wayland session instead of X11: a headless compositor with the output HEADLESS-1
        // (1920×1080 at 0,0) and, with twoMonitors, HEADLESS-2 (1280×1024 at 1920,0) (see
        // Compositor for the others' names and sizes). sway refuses to run as root, so then the
        // compositor and mirelo run as an unprivileged user (nobody).
        bool wayland = false;
        enum class Compositor
        {
            sway,
            mutter,
            kwin
        };
        Compositor compositor = Compositor::sway;
    };

    // A window of the program as the compositor placed it.
    struct WaylandWindow
    {
        QString output;
        QRect rect;
        bool fullscreen = false; // on that output
        bool focused = false;
    };
    struct WaylandOutput
    {
        QString name;
        QRect rect;
    };

    // A window in sway's tree.
    struct SwayWindow
    {
        QString output;
        QRect rect;
        int fullscreenMode = 0; // 0 none, 1 on its output, 2 global
        bool focused = false;
    };

    MireloWorld();
    explicit MireloWorld(Options options);
    ~MireloWorld();

    bool ready() const { return displayName.size() > 0 && bus.isRunning(); }
    // Why the world could not be made, for the skip message.
    QString whyNotReady() const { return notReady; }
    QString dataRoot() const { return home.path() + QStringLiteral("/data/org.mirelo.Mirelo"); }
    QString configHome() const { return home.path() + QStringLiteral("/config"); }

    void writePreferences(const QJsonObject& values);
    QProcessEnvironment environment() const;
    // Variables set for the program and its clients on top of the world's own.
    QMap<QString, QString> extraEnvironment;

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

    // Wayland helpers (Options::wayland): swaymsg, grim.
    bool isWayland() const { return wayland; }
    Options::Compositor compositorKind() const { return kind; }
    // The outputs at start, then the one addOutput() plugs in.
    QList<WaylandOutput> outputLayout() const;
    bool addOutput();
    // The output at that index of outputLayout() switched off, as a monitor unplugged; under
    // Mutter the others close up from the left. False under sway, which cannot.
    bool removeOutput(int index);
    // The program's mapped windows with that title: sway's tree under sway; elsewhere what the
    // program's own Wayland protocol log (WAYLAND_DEBUG) says the compositor did with them.
    QList<WaylandWindow> windows(const QString& title = QStringLiteral("Mirelo")) const;
    // Requests of one kind that the program sent, from its protocol log (none under sway).
    int protocolRequests(const QString& request) const;
    bool canTakeScreenshots() const { return kind == Options::Compositor::sway; }
    // The program's mapped windows with that title, from `swaymsg -t get_tree`.
    QList<SwayWindow> swayWindows(const QString& title = QStringLiteral("Mirelo")) const;
    int swaymsg(const QStringList& args, QString* out = nullptr) const;
    // The name of the workspace the compositor has focused.
    QString focusedWorkspace() const;
    // keysym with the Super (logo) key held: a desktop shortcut.
    bool superKey(const QString& keysym) const;
    // A PNG of one output; a null image when grim failed.
    QImage screenshot(const QString& output) const;

    PrivateBus bus;
    // Set for the program only (not its command-line clients), e.g. a clock of its own.
    QProcessEnvironment programEnvironment;
    // The system bus of Options::systemBus.
    std::unique_ptr<PrivateBus> system;

private:
    // Runs program in this world's session, as the world's user (the test's own on X11).
    int runInSession(const QString& program, const QStringList& args, QString* out = nullptr) const;
    void startCompositor(bool twoOutputs);
    void startSway(bool twoOutputs, QProcessEnvironment env);
    void startMutter(QProcessEnvironment env);
    void startKWin(QProcessEnvironment env);
    // Waits for the compositor's display socket; false when it ended first.
    bool waitForDisplay(const QString& name);
    int gdbus(const QStringList& args, QString* out = nullptr) const;
    int kwinInput(const QStringList& args) const;
    bool mutterKey(const QString& keysym) const;
    // Mutter's monitors switched to exactly these (indexes into its --virtual-monitor list).
    bool applyMutterMonitors(const QList<int>& which);
    QString protocolLog() const;
    // Hands the world's folders to the user its programs run as.
    void giveFoldersToUser() const;
    void runAsUser(QProcess& process) const;

    QTemporaryDir home;
    bool wayland = false;
    Options::Compositor kind = Options::Compositor::sway;
    QList<int> mutterOn;
    QString notReady;
    // Mutter's keyboard for the tests: a remote desktop session that lives as long as the world.
    QString remoteDesktop;
    uint userId = 0;
    uint groupId = 0;
    std::unique_ptr<QProcess> compositor;
    QString swaySocket;
    // The program as the world's user can reach it (see startCompositor).
    // Another build's program (a release build, to measure) where MIRELO_TEST_BINARY names one.
    QString binary = qEnvironmentVariable("MIRELO_TEST_BINARY", QStringLiteral(MIRELO_BINARY));
    std::unique_ptr<QProcess> xvfb;
    std::unique_ptr<QProcess> windowManager;
    std::unique_ptr<QProcess> trayHost;
    QString displayName;
    std::unique_ptr<QProcess> app;
};
