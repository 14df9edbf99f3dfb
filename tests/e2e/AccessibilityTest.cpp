#include "MireloProcess.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>

#include <csignal>

#include <gtest/gtest.h>

namespace {

const QString launcher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

// One object of the accessibility tree as a screen reader reads it.
struct Node
{
    QString role;
    QString name;
    QString description;
    quint64 states = 0;
    QList<Node> children;

    bool has(int state) const { return states & (quint64(1) << state); }
    QString describe() const { return role + QStringLiteral(" \"") + name + QLatin1Char('"'); }
};

// The AT-SPI states the checks read.
constexpr int focusable = 11, focused = 12, showing = 25;

// Reads the tree over the accessibility bus, the way Orca does.
class AtSpi
{
public:
    explicit AtSpi(const QString& address)
        : bus(QDBusConnection::connectToBus(address, QStringLiteral("atspi-test")))
    {}
    ~AtSpi() { QDBusConnection::disconnectFromBus(QStringLiteral("atspi-test")); }

    bool connected() const { return bus.isConnected(); }

    // The program's top-level windows, read whole; none while it is not registered.
    QList<Node> application(const QString& name)
    {
        for (const auto& [service, path] : children(QStringLiteral("org.a11y.atspi.Registry"),
                                                    QStringLiteral("/org/a11y/atspi/accessible/root"))) {
            if (property(service, path, QStringLiteral("Name")) == name) {
                QList<Node> windows;
                for (const auto& [s, p] : children(service, path))
                    windows << read(s, p, 0);
                return windows;
            }
        }
        return {};
    }

private:
    QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                      const QString& method, const QVariantList& args = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(args);
        return bus.call(message, QDBus::Block, 5000);
    }

    QString property(const QString& service, const QString& path, const QString& name)
    {
        const QDBusMessage reply =
            call(service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                 {QStringLiteral("org.a11y.atspi.Accessible"), name});
        return reply.arguments().isEmpty()
                   ? QString()
                   : reply.arguments().first().value<QDBusVariant>().variant().toString();
    }

    QList<std::pair<QString, QString>> children(const QString& service, const QString& path)
    {
        QList<std::pair<QString, QString>> out;
        const QDBusMessage reply =
            call(service, path, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetChildren"));
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return out;
        const QDBusArgument array = reply.arguments().first().value<QDBusArgument>();
        array.beginArray();
        while (!array.atEnd()) {
            QString child;
            QDBusObjectPath at;
            array.beginStructure();
            array >> child >> at;
            array.endStructure();
            out.append({child, at.path()});
        }
        array.endArray();
        return out;
    }

    Node read(const QString& service, const QString& path, int depth)
    {
        Node node;
        const QString accessible = QStringLiteral("org.a11y.atspi.Accessible");
        const QDBusMessage role = call(service, path, accessible, QStringLiteral("GetRoleName"));
        node.role = role.arguments().value(0).toString();
        node.name = property(service, path, QStringLiteral("Name"));
        node.description = property(service, path, QStringLiteral("Description"));
        const QDBusMessage state = call(service, path, accessible, QStringLiteral("GetState"));
        if (!state.arguments().isEmpty()) {
            QList<uint> words;
            state.arguments().first().value<QDBusArgument>() >> words;
            for (int i = 0; i < words.size() && i < 2; ++i)
                node.states |= quint64(words[i]) << (32 * i);
        }
        if (depth < 14) {
            for (const auto& [s, p] : children(service, path))
                node.children << read(s, p, depth + 1);
        }
        return node;
    }

    QDBusConnection bus;
};

void walk(const Node& node, const std::function<void(const Node&)>& visit)
{
    visit(node);
    for (const Node& child : node.children)
        walk(child, visit);
}

// The roles a user operates; each must say what it is for.
bool isControl(const QString& role)
{
    static const QStringList controls{
        QStringLiteral("push button"),   QStringLiteral("toggle button"), QStringLiteral("check box"),
        QStringLiteral("radio button"),  QStringLiteral("spin button"),   QStringLiteral("spin box"),
        QStringLiteral("slider"),        QStringLiteral("combo box"),     QStringLiteral("text"),
        QStringLiteral("password text"), QStringLiteral("page tab"),      QStringLiteral("list"),
        QStringLiteral("tree"),          QStringLiteral("table"),         QStringLiteral("tree table"),
        QStringLiteral("link")};
    return controls.contains(role);
}

} // namespace

class AccessibilityTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!world.ready())
            GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
        if (!QFileInfo(launcher).isExecutable())
            GTEST_SKIP() << "at-spi-bus-launcher is not installed";
        // The accessibility bus of this world's session, as a desktop starts it.
        busLauncher.setProcessEnvironment(world.environment());
        busLauncher.start(launcher, {QStringLiteral("--launch-immediately")});
        ASSERT_TRUE(busLauncher.waitForStarted(5000));
        QString address;
        ASSERT_TRUE(PrivateBus::waitFor(
            [&] {
                QDBusMessage get = QDBusMessage::createMethodCall(
                    QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                    QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
                const QDBusMessage reply = world.bus.connection().call(get, QDBus::Block, 1000);
                address = reply.arguments().value(0).toString();
                return !address.isEmpty();
            },
            10000));
        atspi = std::make_unique<AtSpi>(address);
        ASSERT_TRUE(atspi->connected());
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }
    void TearDown() override
    {
        atspi.reset();
        if (busLauncher.state() != QProcess::NotRunning) {
            busLauncher.terminate();
            busLauncher.waitForFinished(3000);
        }
    }

    // The showing windows once one of them satisfies ready.
    QList<Node> windowsWhen(const std::function<bool(const QList<Node>&)>& ready)
    {
        QList<Node> windows;
        PrivateBus::waitFor(
            [&] {
                windows.clear();
                for (const Node& window : atspi->application(QStringLiteral("Mirelo"))) {
                    if (window.has(showing))
                        windows << window;
                }
                return ready(windows);
            },
            10000);
        return windows;
    }

    // Every showing window is a frame or a dialog with a name, and every control in it says
    // what it is for.
    void expectSpoken(const QList<Node>& windows, const char* where)
    {
        ASSERT_FALSE(windows.isEmpty()) << where;
        // MIRELO_ATSPI_DUMP=1 prints what a screen reader finds, to read the tree by eye.
        if (qEnvironmentVariableIsSet("MIRELO_ATSPI_DUMP")) {
            for (const Node& window : windows)
                walk(window, [&](const Node& node) {
                    std::printf("%s: %s%s%s\n", where, qPrintable(node.describe()),
                                node.has(focusable) ? " focusable" : "", node.has(focused) ? " focused" : "");
                });
        }
        for (const Node& window : windows) {
            EXPECT_TRUE(window.role == QLatin1String("frame") || window.role == QLatin1String("dialog") ||
                        window.role == QLatin1String("window"))
                << where << ": " << window.describe().toStdString();
            EXPECT_FALSE(window.name.isEmpty()) << where << ": " << window.describe().toStdString();
            walk(window, [&](const Node& node) {
                if (node.has(showing) && node.has(focusable) && isControl(node.role))
                    EXPECT_FALSE(node.name.trimmed().isEmpty())
                        << where << ": unnamed " << node.describe().toStdString();
            });
        }
    }

    static bool anyNode(const QList<Node>& windows, const std::function<bool(const Node&)>& match)
    {
        bool found = false;
        for (const Node& window : windows)
            walk(window, [&](const Node& node) { found = found || match(node); });
        return found;
    }

    MireloWorld world{MireloWorld::Options{.windowManager = true}};
    QProcess busLauncher;
    std::unique_ptr<AtSpi> atspi;
};

TEST_F(AccessibilityTest, EveryWindowAndTheWholeBreakSpeakAndAreReachedByKeys)
{
    world.writePreferences({{QStringLiteral("LaunchAtLogin"), false},
                            {QStringLiteral("Wallpaper"), 0},
                            {QStringLiteral("QuotesType"), 2},
                            {QStringLiteral("shortBreakKey"), 25}});
    ASSERT_TRUE(world.launch());

    // The preferences, pane by pane, reached with Ctrl+PgDn alone.
    ASSERT_EQ(world.client({QStringLiteral("preferences")}), 0);
    for (const char* pane : {"General", "Wallpaper", "Advanced", "About"}) {
        const QString title = QStringLiteral("Mirelo Preferences \u2014 ") + QLatin1String(pane);
        const QList<Node> windows = windowsWhen([&](const QList<Node>& shown) {
            return anyNode(
                shown, [&](const Node& n) { return n.role == QLatin1String("frame") && n.name == title; });
        });
        expectSpoken(windows, pane);
        world.key(QStringLiteral("ctrl+Next"));
    }
    world.key(QStringLiteral("Escape"));

    ASSERT_EQ(world.client({QStringLiteral("statistics")}), 0);
    expectSpoken(windowsWhen([](const QList<Node>& shown) {
                     return anyNode(
                         shown, [](const Node& n) { return n.name == QLatin1String("Mirelo Statistics"); });
                 }),
                 "statistics");
    world.key(QStringLiteral("Escape"));

    // A break: its window is named for what covers the screen, the countdown is words, the quote
    // is there, and Stop is reached with Tab.
    ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
    static const QRegularExpression spokenTime(
        QStringLiteral("^(\\d+ minutes? )?\\d+ seconds? left$|^\\d+ minutes? left$"));
    QList<Node> breakWindows = windowsWhen([](const QList<Node>& shown) {
        return anyNode(shown,
                       [](const Node& n) { return n.name.startsWith(QStringLiteral("Break \u2014 ")); });
    });
    expectSpoken(breakWindows, "break");
    EXPECT_TRUE(anyNode(breakWindows, [](const Node& n) { return spokenTime.match(n.name).hasMatch(); }));
    EXPECT_TRUE(anyNode(breakWindows, [](const Node& n) {
        return n.role == QLatin1String("label") && n.name.size() > 12 &&
               !n.name.contains(QStringLiteral("left"));
    })) << "the quote";
    // The first key of the break never lands on Stop: Tab takes the user there.
    EXPECT_FALSE(anyNode(breakWindows,
                         [](const Node& n) { return n.name == QLatin1String("Stop") && n.has(focused); }));
    world.key(QStringLiteral("Tab"));
    EXPECT_TRUE(PrivateBus::waitFor(
        [&] {
            return anyNode(atspi->application(QStringLiteral("Mirelo")),
                           [](const Node& n) { return n.name == QLatin1String("Stop") && n.has(focused); });
        },
        5000));
    // Space presses it: the options open with the keyboard on Cancel (a popup is not a window
    // of the tree; the keys show where the focus is), so a second Space leaves the break
    // running. Up from Cancel is Stop, and Space there ends the break.
    world.key(QStringLiteral("space"));
    ASSERT_TRUE(PrivateBus::waitFor(
        [&] { return world.logText().contains(QStringLiteral("popoverWillShow")); }, 5000));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak")));
    world.key(QStringLiteral("space"));
    ASSERT_TRUE(PrivateBus::waitFor(
        [&] { return world.logText().contains(QStringLiteral("popoverWillClose")); }, 5000));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak")));
    world.key(QStringLiteral("space"));
    ASSERT_TRUE(PrivateBus::waitFor(
        [&] { return world.logText().count(QStringLiteral("popoverWillShow")) == 2; }, 5000));
    world.key(QStringLiteral("Up"));
    world.key(QStringLiteral("space"));
    EXPECT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle"), 5000));

    ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
    // The break's end: the back-to-work screen's buttons are reached with Tab and named.
    EXPECT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle"), 40000));
    const QList<Node> end = windowsWhen([](const QList<Node>& shown) {
        return anyNode(shown,
                       [](const Node& n) { return n.name == QLatin1String("Next") && n.has(showing); });
    });
    expectSpoken(end, "back to work");
    world.key(QStringLiteral("Tab"));
    EXPECT_TRUE(PrivateBus::waitFor(
        [&] {
            return anyNode(atspi->application(QStringLiteral("Mirelo")), [](const Node& n) {
                return (n.name == QLatin1String("Close") || n.name == QLatin1String("Next")) &&
                       n.has(focused);
            });
        },
        5000));
}

namespace {

// The labels of the tray menu as the desktop's tray reads them (com.canonical.dbusmenu).
QStringList trayMenuLabels(MireloWorld& world)
{
    const QList<QVariantList> registered =
        world.bus.callArguments(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                QStringLiteral("/StatusNotifierWatcher"), QStringLiteral("RegisterStatusNotifierItem"));
    if (registered.isEmpty())
        return {};
    static const char* script = R"(
import dbus, sys
bus = dbus.SessionBus()
properties = 'org.freedesktop.DBus.Properties'
item = bus.get_object(sys.argv[1], '/StatusNotifierItem')
menu = bus.get_object(sys.argv[1], item.Get('org.kde.StatusNotifierItem', 'Menu', dbus_interface=properties))
_, layout = menu.GetLayout(0, -1, [], dbus_interface='com.canonical.dbusmenu')
def walk(node):
    for child in node[2]:
        if child[1].get('label'):
            print(child[1]['label'])
        walk(child)
walk(layout)
)";
    QProcess reader;
    reader.setProcessEnvironment(world.environment());
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QLatin1String(script), registered.last().value(0).toString()});
    if (!reader.waitForFinished(10000) || reader.exitCode() != 0)
        return {};
    return QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

// Under LANGUAGE=de and LANGUAGE=ru the tray menu and the preferences speak that language, as
// its table has it.
TEST_F(AccessibilityTest, TheTrayMenuAndThePreferencesSpeakTheUsersLanguage)
{
    ASSERT_TRUE(world.bus.startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/status_notifier_watcher.py"),
                                        QStringLiteral("org.kde.StatusNotifierWatcher"), false));
    world.writePreferences({{QStringLiteral("LaunchAtLogin"), false}});
    for (const char* language : {"de", "ru"}) {
        SCOPED_TRACE(language);
        QTranslator table;
        ASSERT_TRUE(table.load(QStringLiteral(":/i18n/mirelo_") + QLatin1String(language)));
        const auto translated = [&](const char* context, const char* source) {
            const QString text = table.translate(context, source);
            EXPECT_FALSE(text.isEmpty()) << source;
            return text;
        };

        qputenv("LANGUAGE", language);
        ASSERT_TRUE(world.launch());
        // The command line answers in the language too.
        QString out, err;
        EXPECT_EQ(world.client({QStringLiteral("nonsense")}, &out, &err), 2);
        EXPECT_TRUE(err.startsWith(translated("CommandLineClient", "mirelo: unknown command '%1'")
                                       .arg(QStringLiteral("nonsense"))))
            << err.toStdString();
        qunsetenv("LANGUAGE");
        QStringList menu;
        ASSERT_TRUE(PrivateBus::waitFor([&] { return (menu = trayMenuLabels(world)).size() > 5; }, 10000));
        for (const char* item : {"Start Pomodoro", "Statistics…", "Preferences…", "Quit"}) {
            const QString text = translated("Localizable", item);
            EXPECT_NE(text, QLatin1String(item));
            EXPECT_TRUE(menu.contains(text)) << text.toStdString() << " in " << menu.join(QLatin1Char('|')).toStdString();
        }

        ASSERT_EQ(world.client({QStringLiteral("preferences")}), 0);
        const QString title = translated("PreferencesWindowController", "Mirelo Preferences \u2014 %1")
                                  .arg(translated("Localizable", "Pref-General"));
        const QString countdown = translated("Localizable", "Show the countdown on the tray icon");
        const QList<Node> windows = windowsWhen([&](const QList<Node>& shown) {
            return anyNode(shown, [&](const Node& n) { return n.role == QLatin1String("frame") && n.name == title; });
        });
        EXPECT_TRUE(anyNode(windows, [&](const Node& n) { return n.name == countdown; }))
            << countdown.toStdString();
        expectSpoken(windows, language);

        world.sendSignal(SIGTERM);
        ASSERT_TRUE(world.waitForExit(10000));
    }
}
