#include "MireloProcess.h"
#include "PipeWireGraph.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>

namespace {
// `mirelo status --follow --json` as a status bar runs it, read line by line.
class StatusBar
{
public:
    explicit StatusBar(const MireloWorld& world)
    {
        process.setProcessEnvironment(world.environment());
        process.start(QStringLiteral(MIRELO_BINARY),
                      {QStringLiteral("status"), QStringLiteral("--follow"), QStringLiteral("--json")});
    }
    ~StatusBar()
    {
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill();
    }
    // The next object printed, none when nothing came in time.
    std::optional<QJsonObject> next(int timeoutMs = 10000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!process.canReadLine() && !deadline.hasExpired())
            process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
        if (!process.canReadLine())
            return std::nullopt;
        const QByteArray line = process.readLine();
        seen << QString::fromUtf8(line.trimmed());
        return QJsonDocument::fromJson(line).object();
    }
    // Reads until a line of that class comes; false when none did in time.
    bool waitForClass(const QString& wanted, QJsonObject* found = nullptr, int timeoutMs = 15000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            const auto object = next(int(std::max<qint64>(1, deadline.remainingTime())));
            if (object && object->value(QStringLiteral("class")).toString() == wanted) {
                if (found)
                    *found = *object;
                return true;
            }
        }
        return false;
    }
    QStringList seen;
    QProcess process;
};
} // namespace

// A status bar follows the real program from before it runs to a stopped break: a line at each
// change (start, pause, hold, break, stop) and at each whole minute left, none in between.
TEST(StatusFollowTest, AStatusBarGetsALineAtEveryChangeFromStartToStop)
{
    MireloWorld world;
    if (!world.ready())
        GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    PipeWireGraph graph(world.environment().value(QStringLiteral("XDG_RUNTIME_DIR")), world.bus.address());
    if (!graph.isRunning())
        GTEST_SKIP() << "PipeWire is not available";
    world.writePreferences({{"pomodoroKey", 4}, {"shortBreakKey", 62}, {"LaunchAtLogin", false}});
    StatusBar bar(world);
    QJsonObject line;
    ASSERT_TRUE(bar.waitForClass(QStringLiteral("stopped"), &line)) << bar.seen.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(line.value(QStringLiteral("tooltip")).toString(), QStringLiteral("Mirelo is not running"));
    ASSERT_TRUE(world.launch());
    ASSERT_TRUE(bar.waitForClass(QStringLiteral("idle"), &line));
    EXPECT_EQ(line.value(QStringLiteral("text")).toString(), QString());
    // Idle: nothing more is printed.
    EXPECT_FALSE(bar.next(2500)) << bar.seen.join(QLatin1Char('\n')).toStdString();

    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    ASSERT_TRUE(bar.waitForClass(QStringLiteral("working"), &line));
    EXPECT_EQ(line.value(QStringLiteral("text")).toString(), QStringLiteral("00:04"));
    EXPECT_EQ(line.value(QStringLiteral("percentage")).toInt(), 0);
    EXPECT_EQ(line.value(QStringLiteral("tooltip")).toString(), QStringLiteral("Pomodoro, 00:04 left"));
    ASSERT_EQ(world.client({QStringLiteral("pause")}), 0);
    ASSERT_TRUE(bar.waitForClass(QStringLiteral("paused"), &line));
    ASSERT_TRUE(graph.record(QStringLiteral("mic")));
    ASSERT_EQ(world.client({QStringLiteral("resume")}), 0);
    ASSERT_TRUE(bar.waitForClass(QStringLiteral("working")));

    // The Pomodoro ends during a call: held, and the bar says by what.
    ASSERT_TRUE(bar.waitForClass(QStringLiteral("held"), &line));
    EXPECT_EQ(line.value(QStringLiteral("tooltip")).toString(), QStringLiteral("Break held: microphone in use"));
    graph.stopRecording();
    ASSERT_TRUE(bar.waitForClass(QStringLiteral("shortBreak"), &line, 15000));
    const QString first = line.value(QStringLiteral("text")).toString();
    EXPECT_TRUE(first == QStringLiteral("01:02") || first == QStringLiteral("01:01")) << first.toStdString();
    // The whole minute comes about two seconds later, with no line a second before it.
    std::optional<QJsonObject> minute;
    int between = 0;
    while ((minute = bar.next(4000)) && minute->value(QStringLiteral("text")).toString() != QLatin1String("01:00"))
        ++between;
    ASSERT_TRUE(minute) << bar.seen.join(QLatin1Char('\n')).toStdString();
    EXPECT_LE(between, 1) << bar.seen.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(minute->value(QStringLiteral("class")).toString(), QStringLiteral("shortBreak"));
    EXPECT_GE(minute->value(QStringLiteral("percentage")).toInt(), 1);
    EXPECT_LE(minute->value(QStringLiteral("percentage")).toInt(), 4);

    ASSERT_EQ(world.client({QStringLiteral("stop")}), 0);
    ASSERT_TRUE(bar.waitForClass(QStringLiteral("idle")));
    // The instance quits: the bar says so and goes on waiting.
    world.sendSignal(SIGTERM);
    ASSERT_TRUE(world.waitForExit(10000));
    EXPECT_TRUE(bar.waitForClass(QStringLiteral("stopped")));
    EXPECT_EQ(bar.process.state(), QProcess::Running);
}
