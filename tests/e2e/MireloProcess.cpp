#include "MireloProcess.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDate>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QStandardPaths>

#include <SQLiteCpp/SQLiteCpp.h>

#include <cmath>
#include <csignal>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <gtest/gtest.h>

MireloWorld::MireloWorld() : MireloWorld(Options{}) {}

MireloWorld::MireloWorld(Options options)
    : bus(options.wayland), wayland(options.wayland), kind(options.compositor)
{
    // Kept for a look by hand when asked to (the compositor's and the program's logs).
    if (qEnvironmentVariableIsSet("MIRELO_E2E_KEEP"))
        home.setAutoRemove(false);
    for (const char* sub : {"/config", "/data", "/tmp", "/runtime"})
        QDir().mkpath(home.path() + QLatin1String(sub));
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (wayland) {
        startCompositor(options.twoMonitors);
        bus.startTemplate(QStringLiteral("notification_daemon"),
                          QStringLiteral("org.freedesktop.Notifications"), false);
        return;
    }
    xvfb = std::make_unique<QProcess>();
    // -noreset: monitors set with xrandr would go with the server reset after the last client.
    xvfb->start(QStringLiteral("Xvfb"),
                {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                 QStringLiteral("0"),
                 options.twoMonitors ? QStringLiteral("3200x1080x24") : QStringLiteral("1920x1080x24"),
                 QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    QDeadlineTimer deadline(10000);
    QByteArray out;
    while (!out.contains('\n') && !deadline.hasExpired() && xvfb->state() != QProcess::NotRunning) {
        xvfb->waitForReadyRead(100);
        out += xvfb->readAllStandardOutput();
    }
    if (out.contains('\n'))
        displayName = QLatin1Char(':') + QString::fromLatin1(out.trimmed());
    if (!displayName.isEmpty() && options.twoMonitors) {
        runX11(QStringLiteral("xrandr"), {QStringLiteral("--setmonitor"), QStringLiteral("L"),
                                          QStringLiteral("1920/508x1080/286+0+0"), QStringLiteral("screen")});
        runX11(QStringLiteral("xrandr"),
               {QStringLiteral("--setmonitor"), QStringLiteral("R"),
                QStringLiteral("1280/338x1024/270+1920+0"), QStringLiteral("none")});
    }
    if (!displayName.isEmpty() && options.windowManager) {
        windowManager = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), displayName);
        windowManager->setProcessEnvironment(env);
        windowManager->start(QStringLiteral("openbox"), {});
        // Ready once it has announced itself on the root window.
        PrivateBus::waitFor(
            [&] {
                QString props;
                runX11(QStringLiteral("xprop"),
                       {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")}, &props);
                return props.contains(QLatin1String("window id"));
            },
            5000);
    }
    if (!displayName.isEmpty() && options.tray) {
        trayHost = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), displayName);
        trayHost->setProcessEnvironment(env);
        trayHost->start(QStringLiteral("trayer"),
                        {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                         QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("request"),
                         QStringLiteral("--height"), QStringLiteral("24"), QStringLiteral("--SetDockType"),
                         QStringLiteral("false")});
        PrivateBus::waitFor(
            [&] {
                return runX11(QStringLiteral("xdotool"),
                              {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                               QStringLiteral("--class"), QStringLiteral("trayer")}) == 0;
            },
            5000);
    }
    bus.startTemplate(QStringLiteral("notification_daemon"), QStringLiteral("org.freedesktop.Notifications"),
                      false);
    if (options.systemBus)
        system = std::make_unique<PrivateBus>();
}

MireloWorld::~MireloWorld()
{
    if (app && app->state() != QProcess::NotRunning) {
        // Logout and `systemctl --user stop` end the program this way: in whatever state a test
        // left it, it must end by itself, and cleanly.
        app->terminate();
        if (!app->waitForFinished(5000)) {
            ADD_FAILURE() << "Mirelo was still running 5 s after SIGTERM:\n" << logText().toStdString();
            app->kill();
            app->waitForFinished(2000);
        } else if (app->exitStatus() == QProcess::CrashExit || app->exitCode() != 0) {
            ADD_FAILURE() << "Mirelo did not quit cleanly (exit code " << app->exitCode()
                          << "); its own output is above.";
        }
    }
    if (trayHost) {
        trayHost->terminate();
        trayHost->waitForFinished(3000);
    }
    if (windowManager) {
        windowManager->terminate();
        windowManager->waitForFinished(3000);
    }
    for (QProcess* server : {xvfb.get(), compositor.get()}) {
        if (!server)
            continue;
        server->terminate();
        if (!server->waitForFinished(3000))
            server->kill();
        server->waitForFinished(1000);
    }
}

void MireloWorld::startCompositor(bool twoOutputs)
{
    // sway will not run as root: the world belongs to an unprivileged user then.
    if (::geteuid() == 0) {
        if (const passwd* user = ::getpwnam("nobody")) {
            userId = user->pw_uid;
            groupId = user->pw_gid;
        }
    } else {
        userId = ::geteuid();
        groupId = ::getegid();
    }
    // The build folder may sit where that user cannot go (a checkout under /root): the world
    // gets its own copy of the program.
    if (userId != ::geteuid()) {
        const QString reachable = home.filePath(QStringLiteral("mirelo"));
        if (QFile::copy(binary, reachable))
            binary = reachable;
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK", "XDG_CURRENT_DESKTOP", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path() + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    compositor = std::make_unique<QProcess>();
    compositor->setWorkingDirectory(home.path());
    compositor->setStandardOutputFile(home.filePath(QStringLiteral("compositor.log")));
    compositor->setStandardErrorFile(home.filePath(QStringLiteral("compositor.log")), QIODevice::Append);
    runAsUser(*compositor);
    switch (kind) {
    case Options::Compositor::sway:
        startSway(twoOutputs, env);
        break;
    case Options::Compositor::mutter:
        startMutter(env);
        break;
    case Options::Compositor::kwin:
        startKWin(env);
        break;
    }
    if (displayName.isEmpty() && notReady.isEmpty())
        notReady = QStringLiteral("the compositor did not start (see compositor.log)");
}

bool MireloWorld::waitForDisplay(const QString& name)
{
    if (!compositor->waitForStarted(5000))
        return false;
    const QString socket = home.path() + QStringLiteral("/runtime/") + name;
    PrivateBus::waitFor([&] { return compositor->state() == QProcess::NotRunning || QFile::exists(socket); },
                        15000);
    if (compositor->state() == QProcess::NotRunning || !QFile::exists(socket))
        return false;
    displayName = name;
    return true;
}

void MireloWorld::startSway(bool twoOutputs, QProcessEnvironment env)
{
    QFile config(home.filePath(QStringLiteral("sway.conf")));
    if (config.open(QIODevice::WriteOnly))
        config.write("output HEADLESS-1 resolution 1920x1080 position 0 0\n"
                     "output HEADLESS-2 resolution 1280x1024 position 1920 0\n"
                     "output HEADLESS-3 resolution 1024x768 position 3200 0\n"
                     // A desktop shortcut that leads elsewhere. sway names the first workspaces
                     // after its bindings in order: the numbered ones come first.
                     "bindsym Mod4+1 workspace 1\n"
                     "bindsym Mod4+2 workspace 2\n"
                     "bindsym Mod4+3 workspace 3\n"
                     "bindsym Mod4+x workspace elsewhere\n");
    config.close();
    giveFoldersToUser();

    env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    compositor->setProcessEnvironment(env);
    compositor->start(QStringLiteral("sway"), {QStringLiteral("-c"), config.fileName()});
    if (!compositor->waitForStarted(5000))
        return;
    // Ready once both of its sockets are there: the display for clients and the IPC.
    const QDir runtime(home.path() + QStringLiteral("/runtime"));
    PrivateBus::waitFor(
        [&] {
            if (compositor->state() == QProcess::NotRunning)
                return true;
            const QStringList ipc = runtime.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
            const QStringList displays = runtime.entryList({QStringLiteral("wayland-*")}, QDir::System);
            for (const QString& name : displays) {
                if (!name.endsWith(QLatin1String(".lock")) && !ipc.isEmpty()) {
                    swaySocket = runtime.filePath(ipc.first());
                    displayName = name;
                    return true;
                }
            }
            return false;
        },
        10000);
    if (compositor->state() == QProcess::NotRunning) {
        displayName.clear();
        return;
    }
    if (twoOutputs) {
        swaymsg({QStringLiteral("create_output")});
        PrivateBus::waitFor(
            [&] {
                QString outputs;
                swaymsg({QStringLiteral("-t"), QStringLiteral("get_outputs")}, &outputs);
                return outputs.contains(QLatin1String("HEADLESS-2"));
            },
            5000);
    }
}

namespace {
// Mutter's monitors, in the order of its --virtual-monitor arguments; the third is off until a
// test plugs it in.
const QStringList mutterModes = {QStringLiteral("1920x1080"), QStringLiteral("1280x1024"),
                                 QStringLiteral("1024x768")};

// The monitors given (indexes into mutterModes), side by side from the left; the first is the
// primary one.
QString mutterMonitors(const QList<int>& which)
{
    QStringList logical;
    int x = 0;
    for (const int i : which) {
        logical << QStringLiteral("(%1,0,1.0,0,%2,[('Meta-%3','%4@60.000',@a{sv} {})])")
                       .arg(x)
                       .arg(i == which.first() ? QStringLiteral("true") : QStringLiteral("false"))
                       .arg(i)
                       .arg(mutterModes[i]);
        x += mutterModes[i].section(QLatin1Char('x'), 0, 0).toInt();
    }
    return QLatin1Char('[') + logical.join(QLatin1Char(',')) + QLatin1Char(']');
}
} // namespace

void MireloWorld::startMutter(QProcessEnvironment env)
{
    if (QStandardPaths::findExecutable(QStringLiteral("mutter")).isEmpty()) {
        notReady = QStringLiteral("mutter is not installed (scripts/bootstrap installs it)");
        return;
    }
    giveFoldersToUser();
    compositor->setProcessEnvironment(env);
    QStringList args = {QStringLiteral("--headless"), QStringLiteral("--wayland"), QStringLiteral("--no-x11"),
                        QStringLiteral("--wayland-display"), QStringLiteral("mirelo-wayland")};
    for (const QString& mode : mutterModes)
        args << QStringLiteral("--virtual-monitor") << mode;
    compositor->start(QStringLiteral("mutter"), args);
    if (!waitForDisplay(QStringLiteral("mirelo-wayland")))
        return;
    // The third monitor is what a test plugs in during a break.
    const bool twoMonitors = PrivateBus::waitFor([&] { return applyMutterMonitors({0, 1}); }, 10000);
    // Mutter has no keyboard until something types: a remote desktop session is that something.
    QDBusMessage created = bus.connection().call(QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Mutter.RemoteDesktop"), QStringLiteral("/org/gnome/Mutter/RemoteDesktop"),
        QStringLiteral("org.gnome.Mutter.RemoteDesktop"), QStringLiteral("CreateSession")));
    if (created.type() == QDBusMessage::ReplyMessage) {
        remoteDesktop = created.arguments().value(0).value<QDBusObjectPath>().path();
        bus.connection().call(QDBusMessage::createMethodCall(
            QStringLiteral("org.gnome.Mutter.RemoteDesktop"), remoteDesktop,
            QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session"), QStringLiteral("Start")));
        key(QStringLiteral("Shift_L"));
    }
    if (!twoMonitors || remoteDesktop.isEmpty()) {
        notReady =
            QStringLiteral("mutter started but its DisplayConfig or RemoteDesktop interface did not answer");
        displayName.clear();
    }
}

void MireloWorld::startKWin(QProcessEnvironment env)
{
    const QString packaged = QStandardPaths::findExecutable(QStringLiteral("kwin_wayland"));
    if (packaged.isEmpty()) {
        notReady = QStringLiteral("kwin_wayland is not installed (scripts/bootstrap installs it)");
        return;
    }
    // The packaged binary carries a file capability that an unprivileged user in a container
    // may not exec with; a copy carries none.
    const QString copy = home.filePath(QStringLiteral("kwin_wayland"));
    QFile::copy(packaged, copy);
    giveFoldersToUser();
    // Fake input and output management are for KDE's own programs unless checks are off.
    env.insert(QStringLiteral("KWIN_WAYLAND_NO_PERMISSION_CHECKS"), QStringLiteral("1"));
    env.insert(QStringLiteral("KWIN_SCREENSHOT_NO_PERMISSION_CHECKS"), QStringLiteral("1"));
    compositor->setProcessEnvironment(env);
    compositor->start(copy,
                      {QStringLiteral("--virtual"), QStringLiteral("--width"), QStringLiteral("1920"),
                       QStringLiteral("--height"), QStringLiteral("1080"), QStringLiteral("--output-count"),
                       QStringLiteral("3"), QStringLiteral("--socket"), QStringLiteral("mirelo-wayland"),
                       QStringLiteral("--no-lockscreen"), QStringLiteral("--no-global-shortcuts")});
    if (!waitForDisplay(QStringLiteral("mirelo-wayland")))
        return;
    // The third output is what a test plugs in during a break.
    if (!PrivateBus::waitFor(
            [&] {
                return kwinInput({QStringLiteral("output"), QStringLiteral("Virtual-2"),
                                  QStringLiteral("off")}) == 0;
            },
            10000)) {
        notReady = QStringLiteral("kwin_wayland started but would not switch an output off");
        displayName.clear();
    }
}

int MireloWorld::gdbus(const QStringList& args, QString* out) const
{
    const bool mutter = args.value(0).startsWith(QLatin1String("org.gnome.Mutter.DisplayConfig"));
    QStringList all = {QStringLiteral("call"), QStringLiteral("--address"), bus.address()};
    if (mutter)
        all << QStringLiteral("--dest") << QStringLiteral("org.gnome.Mutter.DisplayConfig")
            << QStringLiteral("--object-path") << QStringLiteral("/org/gnome/Mutter/DisplayConfig");
    all << QStringLiteral("--method") << args;
    QProcess process;
    process.start(QStringLiteral("gdbus"), all);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
        return -1;
    }
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

int MireloWorld::kwinInput(const QStringList& args) const
{
    const QString helper = home.filePath(QStringLiteral("kwin-test-input"));
    if (!QFile::exists(helper)) {
        QFile::copy(QStringLiteral(MIRELO_KWIN_TEST_INPUT), helper);
        QFile::setPermissions(helper, QFile::permissions(helper) | QFile::ExeOther | QFile::ReadOther);
    }
    return runInSession(helper, args);
}

QList<MireloWorld::WaylandOutput> MireloWorld::outputLayout() const
{
    switch (kind) {
    case Options::Compositor::mutter:
        return {{QStringLiteral("Meta-0"), QRect(0, 0, 1920, 1080)},
                {QStringLiteral("Meta-1"), QRect(1920, 0, 1280, 1024)},
                {QStringLiteral("Meta-2"), QRect(3200, 0, 1024, 768)}};
    case Options::Compositor::kwin:
        // KWin's virtual outputs all have the one size it was given.
        return {{QStringLiteral("Virtual-0"), QRect(0, 0, 1920, 1080)},
                {QStringLiteral("Virtual-1"), QRect(1920, 0, 1920, 1080)},
                {QStringLiteral("Virtual-2"), QRect(3840, 0, 1920, 1080)}};
    case Options::Compositor::sway:
        break;
    }
    return {{QStringLiteral("HEADLESS-1"), QRect(0, 0, 1920, 1080)},
            {QStringLiteral("HEADLESS-2"), QRect(1920, 0, 1280, 1024)},
            {QStringLiteral("HEADLESS-3"), QRect(3200, 0, 1024, 768)}};
}

bool MireloWorld::applyMutterMonitors(const QList<int>& which)
{
    QString state;
    if (gdbus({QStringLiteral("org.gnome.Mutter.DisplayConfig.GetCurrentState")}, &state) != 0)
        return false;
    const QString serial = state.section(QLatin1Char(','), 0, 0).section(QLatin1Char(' '), -1);
    if (gdbus({QStringLiteral("org.gnome.Mutter.DisplayConfig.ApplyMonitorsConfig"), serial,
               QStringLiteral("1"), mutterMonitors(which), QStringLiteral("@a{sv} {}")}) != 0)
        return false;
    mutterOn = which;
    return true;
}

bool MireloWorld::addOutput()
{
    switch (kind) {
    case Options::Compositor::mutter:
        return applyMutterMonitors(mutterOn + QList<int>{2});
    case Options::Compositor::kwin:
        return kwinInput({QStringLiteral("output"), QStringLiteral("Virtual-2"), QStringLiteral("on")}) == 0;
    case Options::Compositor::sway:
        break;
    }
    return swaymsg({QStringLiteral("create_output")}) == 0;
}

bool MireloWorld::removeOutput(int index)
{
    const QString name = outputLayout().value(index).name;
    switch (kind) {
    case Options::Compositor::mutter: {
        QList<int> remaining = mutterOn;
        remaining.removeAll(index);
        return applyMutterMonitors(remaining);
    }
    case Options::Compositor::kwin:
        return kwinInput({QStringLiteral("output"), name, QStringLiteral("off")}) == 0;
    case Options::Compositor::sway:
        // sway 1.7 keeps a headless output it disabled on offer: it cannot unplug one.
        break;
    }
    return false;
}

void MireloWorld::giveFoldersToUser() const
{
    if (::geteuid() != 0 || userId == 0)
        return;
    auto give = [this](const QString& path) {
        if (::lchown(QFile::encodeName(path).constData(), userId, groupId) != 0)
            qWarning("chown %s failed", qPrintable(path));
    };
    give(home.path());
    QDirIterator it(home.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        give(it.next());
}

void MireloWorld::runAsUser(QProcess& process) const
{
    if (!wayland || ::geteuid() != 0 || userId == 0)
        return;
    const uid_t uid = userId;
    const gid_t gid = groupId;
    process.setChildProcessModifier([uid, gid] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
            ::_exit(126);
    });
}

void MireloWorld::writePreferences(const QJsonObject& values)
{
    QJsonObject all = values;
    // Every web endpoint points at a closed loopback port: the program's requests fail at
    // once and nothing leaves the machine.
    for (const char* key :
         {"UnsplashBaseURL", "QuotesBaseURL", "NewsBaseURL", "UpdateBaseURL", "APNBaseURL"}) {
        if (!all.contains(QLatin1String(key)))
            all.insert(QLatin1String(key), QStringLiteral("http://127.0.0.1:9"));
    }
    QDir().mkpath(configHome() + QStringLiteral("/org.mirelo.Mirelo"));
    QFile file(configHome() + QStringLiteral("/org.mirelo.Mirelo/preferences.json"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QJsonDocument(all).toJson());
}

QProcessEnvironment MireloWorld::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (wayland) {
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), displayName);
        env.insert(QStringLiteral("SWAYSOCK"), swaySocket);
        env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("HOME"), home.path());
    } else {
        env.insert(QStringLiteral("DISPLAY"), displayName);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    // No system bus here: logind is not reachable, which the program must survive.
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
               system ? system->address()
                      : QStringLiteral("unix:path=") + home.path() + QStringLiteral("/no-system-bus"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), home.path() + QStringLiteral("/state"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path() + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("TMPDIR"), home.path() + QStringLiteral("/tmp"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    env.remove(QStringLiteral("SESSION_MANAGER"));
    for (auto it = extraEnvironment.cbegin(); it != extraEnvironment.cend(); ++it)
        env.insert(it.key(), it.value());
    return env;
}

bool MireloWorld::launch(const QStringList& arguments)
{
    giveFoldersToUser();
    app = std::make_unique<QProcess>();
    runAsUser(*app);
    QProcessEnvironment env = environment();
    env.insert(programEnvironment);
    if (wayland) {
        // Mutter and KWin list their windows to no client: the program's own protocol log says
        // where the compositor put them (read by windows()), and what the program asked for.
        env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
        app->setStandardErrorFile(home.filePath(QStringLiteral("wayland.log")));
    } else {
        app->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    app->setProcessEnvironment(env);
    app->setStandardOutputFile(home.path() + QStringLiteral("/stdout.txt"));
    app->start(binary, arguments);
    if (!app->waitForStarted(5000))
        return false;
    QDBusConnection connection = bus.connection();
    return PrivateBus::waitFor(
        [&] {
            return connection.interface()->isServiceRegistered(QStringLiteral("org.mirelo.Mirelo")).value() &&
                   status().size() > 0;
        },
        20000);
}

int MireloWorld::client(const QStringList& args, QString* out, QString* err) const
{
    QProcess process;
    runAsUser(process);
    process.setProcessEnvironment(environment());
    process.start(binary, args);
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
    QFile file(dataRoot() + QStringLiteral("/data/logs/") +
               QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

int MireloWorld::notificationCount(const QString& title)
{
    int count = 0;
    for (const QVariantList& args :
         bus.callArguments(QStringLiteral("org.freedesktop.Notifications"),
                           QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("Notify"))) {
        if (args.value(3).toString() == title)
            ++count;
    }
    return count;
}

int MireloWorld::runX11(const QString& program, const QStringList& args, QString* out) const
{
    return runInSession(program, args, out);
}

int MireloWorld::runInSession(const QString& program, const QStringList& args, QString* out) const
{
    QProcess process;
    if (wayland) {
        runAsUser(process);
        process.setProcessEnvironment(environment());
    } else {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), displayName);
        process.setProcessEnvironment(env);
    }
    process.start(program, args);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return -1;
    }
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

namespace {
QRect geometryOf(const QString& xwininfo)
{
    auto number = [&](const QString& label) {
        const qsizetype at = xwininfo.indexOf(label);
        if (at < 0)
            return -1;
        return xwininfo.mid(at + label.size()).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
    };
    return QRect(number(QStringLiteral("Absolute upper-left X:")),
                 number(QStringLiteral("Absolute upper-left Y:")), number(QStringLiteral("Width:")),
                 number(QStringLiteral("Height:")));
}
} // namespace

QList<QRect> MireloWorld::visibleWindows(const QString& titlePattern) const
{
    QString ids;
    runX11(
        QStringLiteral("xdotool"),
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), titlePattern},
        &ids);
    QList<QRect> windows;
    for (const QString& id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QString info;
        if (runX11(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id.trimmed()}, &info) == 0 &&
            info.contains(QLatin1String("IsViewable")))
            windows << geometryOf(info);
    }
    return windows;
}

QRect MireloWorld::activeWindow() const
{
    QString id;
    if (runX11(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}, &id) != 0)
        return {};
    QString info;
    runX11(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id.trimmed()}, &info);
    return geometryOf(info);
}

QPoint MireloWorld::trayIconCentre() const
{
    // The tray is as wide as its icons ask, at the top right: with one icon, its centre.
    QString ids;
    runX11(QStringLiteral("xdotool"),
           {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--class"),
            QStringLiteral("trayer")},
           &ids);
    for (const QString& id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QString info;
        runX11(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id.trimmed()}, &info);
        const QRect frame = geometryOf(info);
        if (frame.width() > 1 && frame.height() > 1)
            return frame.center();
    }
    return {};
}

namespace {
// The few keys the tests type, for the compositors that take key codes or keysyms by number.
struct KeyName
{
    const char* name;
    quint32 keysym;
    int linuxCode;
};
constexpr KeyName keyNames[] = {{"Escape", 0xff1b, 1}, {"Return", 0xff0d, 28}, {"Shift_L", 0xffe1, 42},
                                {"x", 0x78, 45},       {"Tab", 0xff09, 15},    {"space", 0x20, 57}};

const KeyName* keyNamed(const QString& name)
{
    for (const KeyName& key : keyNames) {
        if (name == QLatin1String(key.name))
            return &key;
    }
    return nullptr;
}

int linuxKeyCode(const QString& keysym)
{
    const KeyName* key = keyNamed(keysym);
    return key ? key->linuxCode : 0;
}
} // namespace

bool MireloWorld::mutterKey(const QString& keysym) const
{
    const KeyName* key = keyNamed(keysym);
    if (!key || remoteDesktop.isEmpty())
        return false;
    for (const bool pressed : {true, false}) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.gnome.Mutter.RemoteDesktop"), remoteDesktop,
            QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session"), QStringLiteral("NotifyKeyboardKeysym"));
        call << key->keysym << pressed;
        if (bus.connection().call(call).type() != QDBusMessage::ReplyMessage)
            return false;
    }
    // Typed keys reach the program some time later: as with the virtual keyboard elsewhere.
    PrivateBus::waitFor([] { return false; }, 300);
    return true;
}

bool MireloWorld::key(const QString& keysym) const
{
    // On Wayland through a virtual keyboard: the key goes to the window the compositor focused.
    // The virtual keyboard is new each time: the pause lets the program bind it first.
    if (wayland && kind == Options::Compositor::mutter)
        return mutterKey(keysym);
    if (wayland && kind == Options::Compositor::kwin)
        return kwinInput({QStringLiteral("key"), QString::number(linuxKeyCode(keysym))}) == 0;
    if (wayland)
        return runInSession(QStringLiteral("wtype"),
                            {QStringLiteral("-s"), QStringLiteral("600"), QStringLiteral("-k"), keysym,
                             QStringLiteral("-s"), QStringLiteral("100")}) == 0;
    return runX11(QStringLiteral("xdotool"), {QStringLiteral("key"), keysym}) == 0;
}

int MireloWorld::swaymsg(const QStringList& args, QString* out) const
{
    return runInSession(QStringLiteral("swaymsg"), args, out);
}

QString MireloWorld::focusedWorkspace() const
{
    QString out;
    swaymsg({QStringLiteral("-t"), QStringLiteral("get_workspaces")}, &out);
    for (const QJsonValue workspace : QJsonDocument::fromJson(out.toUtf8()).array()) {
        if (workspace.toObject().value(QLatin1String("focused")).toBool())
            return workspace.toObject().value(QLatin1String("name")).toString();
    }
    return {};
}

bool MireloWorld::superKey(const QString& keysym) const
{
    if (wayland)
        return runInSession(QStringLiteral("wtype"),
                            {QStringLiteral("-s"), QStringLiteral("600"), QStringLiteral("-M"),
                             QStringLiteral("logo"), QStringLiteral("-k"), keysym, QStringLiteral("-m"),
                             QStringLiteral("logo"), QStringLiteral("-s"), QStringLiteral("100")}) == 0;
    return runX11(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("super+") + keysym}) == 0;
}

namespace {
void collectSwayWindows(const QJsonObject& node, QString output, const QString& title,
                        QList<MireloWorld::SwayWindow>& found)
{
    if (node.value(QLatin1String("type")).toString() == QLatin1String("output"))
        output = node.value(QLatin1String("name")).toString();
    if (node.contains(QLatin1String("pid")) && node.value(QLatin1String("name")).toString() == title) {
        const QJsonObject rect = node.value(QLatin1String("rect")).toObject();
        found.append(
            {output,
             QRect(rect.value(QLatin1String("x")).toInt(), rect.value(QLatin1String("y")).toInt(),
                   rect.value(QLatin1String("width")).toInt(), rect.value(QLatin1String("height")).toInt()),
             node.value(QLatin1String("fullscreen_mode")).toInt(),
             node.value(QLatin1String("focused")).toBool()});
    }
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue child : node.value(QLatin1String(children)).toArray())
            collectSwayWindows(child.toObject(), output, title, found);
    }
}
} // namespace

QList<MireloWorld::SwayWindow> MireloWorld::swayWindows(const QString& title) const
{
    QString tree;
    QList<SwayWindow> found;
    if (swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")}, &tree) == 0)
        collectSwayWindows(QJsonDocument::fromJson(tree.toUtf8()).object(), QString(), title, found);
    return found;
}

QImage MireloWorld::screenshot(const QString& output) const
{
    const QString path = home.filePath(QStringLiteral("tmp/grim-") + output + QStringLiteral(".png"));
    QFile::remove(path);
    if (runInSession(QStringLiteral("grim"), {QStringLiteral("-o"), output, path}) != 0)
        return {};
    QImage image(path);
    // Kept for a look by hand when asked to.
    static int taken = 0;
    if (const QString keep = qEnvironmentVariable("MIRELO_E2E_SCREENSHOTS");
        !keep.isEmpty() && !image.isNull())
        image.save(QStringLiteral("%1/%2-%3.png").arg(keep).arg(++taken).arg(output));
    return image;
}

bool MireloWorld::click(const QPoint& point) const
{
    return runX11(QStringLiteral("xdotool"),
                  {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
                   QStringLiteral("click"), QStringLiteral("1")}) == 0;
}

QString MireloWorld::protocolLog() const
{
    QFile file(home.filePath(QStringLiteral("wayland.log")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

int MireloWorld::protocolRequests(const QString& request) const
{
    const QRegularExpression line(QStringLiteral(R"(^\[[^\]]*\]\s+->\s+\w+@\d+\.)") +
                                      QRegularExpression::escape(request) + QStringLiteral(R"(\()"),
                                  QRegularExpression::MultilineOption);
    int count = 0;
    for (auto it = line.globalMatch(protocolLog()); it.hasNext(); it.next())
        ++count;
    return count;
}

namespace {
// The state of the program's Wayland objects, replayed from its protocol log (WAYLAND_DEBUG):
// which toplevels live, what they asked for and what the compositor told them.
struct ProtocolReplay
{
    struct Toplevel
    {
        int surface = 0;
        QString title;
        int fullscreenOn = 0; // the wl_output asked for, 0 none
        QSize configured;
    };
    struct Output
    {
        QString name;
        QPoint position;
        QSize size;
    };
    QHash<int, QList<int>> entered; // wl_surface → the wl_outputs it is on
    QHash<int, int> xdgSurfaces;    // xdg_surface → wl_surface
    QHash<int, Toplevel> toplevels;
    QHash<int, Output> outputs; // by wl_output
    QHash<int, int> xdgOutputs; // zxdg_output_v1 → wl_output
    int keyboardFocus = 0;

    static int id(const QString& text, const QString& interface)
    {
        static const QRegularExpression object(QStringLiteral(R"((\w+)@(\d+))"));
        for (auto it = object.globalMatch(text); it.hasNext();) {
            const auto match = it.next();
            if (match.captured(1) == interface)
                return match.captured(2).toInt();
        }
        return 0;
    }
    static QList<int> numbers(const QString& text)
    {
        QList<int> found;
        for (const QString& part : text.split(QLatin1Char(',')))
            found << part.trimmed().toInt();
        return found;
    }

    void read(const QString& log)
    {
        static const QRegularExpression message(
            QStringLiteral(R"(^\[[^\]]*\]\s+(->\s+)?(\w+)@(\d+)\.(\w+)\((.*)\)\s*$)"));
        for (const QStringView line : QStringView(log).split(QLatin1Char('\n'))) {
            const auto match = message.match(line);
            if (!match.hasMatch())
                continue;
            const bool request = !match.capturedView(1).isEmpty();
            const QString interface = match.captured(2);
            const int self = match.captured(3).toInt();
            const QString name = match.captured(4);
            const QString args = match.captured(5);
            request ? onRequest(interface, self, name, args) : onEvent(interface, self, name, args);
        }
    }

    void onRequest(const QString& interface, int self, const QString& name, const QString& args)
    {
        if (name == QLatin1String("create_surface")) {
            entered.remove(id(args, QStringLiteral("wl_surface")));
        } else if (name == QLatin1String("get_xdg_surface")) {
            const int xdg = id(args, QStringLiteral("xdg_surface"));
            xdgSurfaces[xdg] = id(args.section(QLatin1Char(','), 1), QStringLiteral("wl_surface"));
        } else if (name == QLatin1String("get_toplevel")) {
            toplevels[id(args, QStringLiteral("xdg_toplevel"))] =
                Toplevel{xdgSurfaces.value(self), {}, 0, {}};
        } else if (name == QLatin1String("get_xdg_output")) {
            xdgOutputs[id(args, QStringLiteral("zxdg_output_v1"))] = id(args, QStringLiteral("wl_output"));
        } else if (interface == QLatin1String("xdg_toplevel") && toplevels.contains(self)) {
            Toplevel& toplevel = toplevels[self];
            if (name == QLatin1String("set_title"))
                toplevel.title = args.mid(1, args.size() - 2);
            else if (name == QLatin1String("set_fullscreen"))
                toplevel.fullscreenOn = id(args, QStringLiteral("wl_output"));
            else if (name == QLatin1String("unset_fullscreen"))
                toplevel.fullscreenOn = 0;
            else if (name == QLatin1String("destroy")) {
                // Unmapped: the compositor owes it no leave events any more.
                entered.remove(toplevel.surface);
                toplevels.remove(self);
            }
        } else if (interface == QLatin1String("wl_surface") && name == QLatin1String("destroy")) {
            entered.remove(self);
        } else if (interface == QLatin1String("wl_output") &&
                   (name == QLatin1String("release") || name == QLatin1String("destroy"))) {
            // The monitor went away: nothing is on it any more.
            outputs.remove(self);
            for (QList<int>& on : entered)
                on.removeAll(self);
        }
    }

    void onEvent(const QString& interface, int self, const QString& name, const QString& args)
    {
        if (interface == QLatin1String("wl_surface") && name == QLatin1String("enter")) {
            entered[self].append(id(args, QStringLiteral("wl_output")));
        } else if (interface == QLatin1String("wl_surface") && name == QLatin1String("leave")) {
            entered[self].removeAll(id(args, QStringLiteral("wl_output")));
        } else if (interface == QLatin1String("xdg_toplevel") && name == QLatin1String("configure")) {
            const QList<int> size = numbers(args);
            if (toplevels.contains(self) && size.value(0) > 0)
                toplevels[self].configured = QSize(size.value(0), size.value(1));
        } else if (interface == QLatin1String("wl_keyboard") && name == QLatin1String("enter")) {
            keyboardFocus = id(args, QStringLiteral("wl_surface"));
        } else if (interface == QLatin1String("wl_keyboard") && name == QLatin1String("leave")) {
            if (id(args, QStringLiteral("wl_surface")) == keyboardFocus)
                keyboardFocus = 0;
        } else if (interface == QLatin1String("zxdg_output_v1") || interface == QLatin1String("wl_output")) {
            Output& output = outputs[interface == QLatin1String("wl_output") ? self : xdgOutputs.value(self)];
            const QList<int> values = numbers(args);
            if (name == QLatin1String("name"))
                output.name = args.mid(1, args.size() - 2);
            else if (name == QLatin1String("logical_position"))
                output.position = QPoint(values.value(0), values.value(1));
            else if (name == QLatin1String("logical_size"))
                output.size = QSize(values.value(0), values.value(1));
        }
    }
};
} // namespace

QList<MireloWorld::WaylandWindow> MireloWorld::windows(const QString& title) const
{
    QList<WaylandWindow> found;
    if (kind == Options::Compositor::sway) {
        for (const SwayWindow& window : swayWindows(title))
            found.append({window.output, window.rect, window.fullscreenMode == 1, window.focused});
        return found;
    }
    ProtocolReplay replay;
    replay.read(protocolLog());
    for (const ProtocolReplay::Toplevel& toplevel : std::as_const(replay.toplevels)) {
        const QList<int> on = replay.entered.value(toplevel.surface);
        if (toplevel.title != title || on.isEmpty())
            continue;
        // Mutter at times sends no leave for the output it had moved a window to, once the window
        // is full screen on its own again: a window full screen on one of its outputs is there.
        const int shownOn = on.contains(toplevel.fullscreenOn) ? toplevel.fullscreenOn : on.first();
        const ProtocolReplay::Output output = replay.outputs.value(shownOn);
        found.append({output.name, QRect(output.position, toplevel.configured),
                      toplevel.fullscreenOn == shownOn && toplevel.configured == output.size,
                      replay.keyboardFocus == toplevel.surface});
    }
    return found;
}
