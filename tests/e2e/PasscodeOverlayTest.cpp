#include "MireloProcess.h"

#include "break/BreakView.h"
#include "break/PasscodeView.h"
#include "settings/DataFolder.h"
#include "widgets/CountdownLabel.h"
#include "widgets/DrawnButton.h"

#include <QApplication>
#include <QColor>
#include <QDBusMessage>
#include <QLabel>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QRect leftMonitor(0, 0, 1920, 1080);
const QString fprintd = QStringLiteral("net.reactivated.Fprint");
const QString devicePath = QStringLiteral("/net/reactivated/Fprint/Device/0");

// Where the passcode dots sit on the main monitor, from the overlay's own layout.
QList<QPoint> dotCentres()
{
    BreakView view;
    view.resize(leftMonitor.size());
    view.passcodeView->show();
    view.layoutContent();
    view.show();
    QApplication::processEvents();
    QList<QPoint> centres;
    for (PasscodeDot* dot : view.passcodeView->imageViews)
        centres << dot->mapTo(&view, dot->rect().center()) + leftMonitor.topLeft();
    return centres;
}

} // namespace

// The passcode lock in the real program: typed with xdotool under openbox, a fingerprint
// daemon on a private system bus.
class PasscodeOverlayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!world.ready() || !world.system || !world.system->isRunning())
            GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    }
    void launch(int breakSeconds, QJsonObject extra = {})
    {
        extra.insert(QStringLiteral("shortBreakKey"), breakSeconds);
        extra.insert(QStringLiteral("LaunchAtLogin"), false);
        extra.insert(QStringLiteral("showBreakOptions"), false);
        extra.insert(QStringLiteral("PasscodeEnabled"), true);
        extra.insert(QStringLiteral("Passcode"), md5(QStringLiteral("ab12")));
        extra.insert(QStringLiteral("logLevel"), QStringLiteral("debug"));
        world.writePreferences(extra);
        ASSERT_TRUE(world.launch());
    }
    void startBreak()
    {
        ASSERT_EQ(world.client({QStringLiteral("short-break")}), 0);
        ASSERT_TRUE(PrivateBus::waitFor([&] { return world.visibleWindows().contains(leftMonitor); }, 8000));
        // The content slides up into place over 0.6 s.
        QThread::msleep(900);
    }
    int lockCount() { return world.logText().count(QStringLiteral("Usage event: ShowPasscode ")); }
    // Where Stop is on the main monitor, from the overlay's own layout: the title, the count and
    // Stop, without a quote.
    static QPoint stopButtonCentre()
    {
        BreakView view;
        view.resize(leftMonitor.size());
        view.titleLabel->setText(QStringLiteral("Take a break"));
        // The break names itself over the countdown.
        view.kindLabel->setText(QStringLiteral("Short break"));
        view.kindLabel->show();
        view.timeLabel->setText(QStringLiteral("01:00"));
        view.layoutContent();
        view.show();
        QApplication::processEvents();
        return view.stopTimerButton->mapTo(&view, view.stopTimerButton->rect().center());
    }
    bool waitForLock(int count, int timeoutMs = 8000)
    {
        return PrivateBus::waitFor([&] { return lockCount() >= count; }, timeoutMs);
    }
    QColor pixel(const QPoint& at)
    {
        QString out;
        world.runX11(QStringLiteral("import"),
                     {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                      QStringLiteral("1x1+%1+%2").arg(at.x()).arg(at.y()), QStringLiteral("-depth"),
                      QStringLiteral("8"), QStringLiteral("txt:-")},
                     &out);
        // "0,0: (255,69,58)  #FF453A  srgb(255,69,58)" below a "# ImageMagick …" header.
        const QRegularExpressionMatch hex =
            QRegularExpression(QStringLiteral("#([0-9A-Fa-f]{6})\\b")).match(out);
        return hex.hasMatch() ? QColor(QLatin1Char('#') + hex.captured(1)) : QColor();
    }
    bool dotsAre(const QColor& colour)
    {
        return PrivateBus::waitFor(
            [&] {
                for (const QPoint& centre : dots) {
                    const QColor seen = pixel(centre);
                    if (std::abs(seen.red() - colour.red()) > 12 ||
                        std::abs(seen.green() - colour.green()) > 12 ||
                        std::abs(seen.blue() - colour.blue()) > 12)
                        return false;
                }
                return true;
            },
            3000);
    }
    bool type(const QString& text)
    {
        return world.runX11(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"),
                                                        QStringLiteral("60"), text}) == 0;
    }
    int stoppedBreaks()
    {
        int n = 0;
        for (const auto& [type, seconds] : world.tasks())
            n += type == 2;
        return n;
    }

    MireloWorld world{MireloWorld::Options{.windowManager = true, .systemBus = true}};
    const QList<QPoint> dots = dotCentres();
    const QColor red{255, 69, 58};
};

TEST_F(PasscodeOverlayTest, TheBreakEndLocksAndOnlyTheTypedCharactersOpenIt)
{
    launch(5, {{"StartPomodoroShortcut", "Ctrl+Alt+P"}, {"ShortBreakShortcut", "Ctrl+Alt+B"}});
    startBreak();
    ASSERT_TRUE(waitForLock(1));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("idle ")));
    // The global shortcuts do what the locked screen's keys do: nothing.
    ASSERT_TRUE(world.key(QStringLiteral("ctrl+alt+p")));
    ASSERT_TRUE(world.key(QStringLiteral("ctrl+alt+b")));
    QThread::msleep(500);
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("idle ")));
    EXPECT_TRUE(world.visibleWindows().contains(leftMonitor));
    world.runX11(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                            world.dataRoot() + QStringLiteral("/../locked.png")});
    // Return and Escape do nothing while locked: the lock stays, so do the windows.
    ASSERT_TRUE(world.key(QStringLiteral("Return")));
    ASSERT_TRUE(world.key(QStringLiteral("Escape")));
    QThread::msleep(400);
    EXPECT_TRUE(world.visibleWindows().contains(leftMonitor));

    ASSERT_TRUE(type(QStringLiteral("ab13")));
    EXPECT_TRUE(dotsAre(red)) << pixel(dots[0]).name().toStdString();
    // The next key starts over.
    ASSERT_TRUE(type(QStringLiteral("x")));
    EXPECT_TRUE(PrivateBus::waitFor([&] { return pixel(dots[0]) == QColor(Qt::white); }, 3000));
    ASSERT_TRUE(world.key(QStringLiteral("BackSpace")));

    // Under a French layout the characters count, not the key positions; keypad digits do not.
    ASSERT_EQ(world.runX11(QStringLiteral("setxkbmap"), {QStringLiteral("fr")}), 0);
    ASSERT_TRUE(type(QStringLiteral("AB1")));
    ASSERT_TRUE(world.key(QStringLiteral("KP_2")));
    QThread::msleep(300);
    EXPECT_TRUE(world.visibleWindows().contains(leftMonitor));
    ASSERT_TRUE(type(QStringLiteral("2")));
    // Unlocked: back to work, Return is Next again.
    QThread::msleep(300);
    ASSERT_TRUE(world.key(QStringLiteral("Return")));
    EXPECT_TRUE(world.waitForStatusPrefix(QStringLiteral("working "), 5000));
    world.runX11(QStringLiteral("setxkbmap"), {QStringLiteral("us")});
    // The presses at the lock left no key held, and the new layout is bound: the shortcut's
    // next press acts.
    ASSERT_EQ(world.client({QStringLiteral("stop")}), 0);
    QThread::msleep(300);
    ASSERT_TRUE(world.key(QStringLiteral("ctrl+alt+p")));
    EXPECT_TRUE(world.waitForStatusPrefix(QStringLiteral("working "), 5000));
}

TEST_F(PasscodeOverlayTest, AStopAsksFirstAndAFingerprintOrTheKeysEndTheBreakOnce)
{
    ASSERT_TRUE(
        world.system->startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/fprintd.py"), fprintd, true));
    launch(60, {{QStringLiteral("TouchIDEnabled"), true}, {QStringLiteral("QuotesType"), 0}});
    startBreak();
    // The overlay's Stop asks first (the tray's and D-Bus's stop do not).
    const QPoint stop = stopButtonCentre();
    ASSERT_TRUE(world.click(stop));
    ASSERT_TRUE(waitForLock(1));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak ")));
    ASSERT_TRUE(PrivateBus::waitFor(
        [&] {
            return world.system->calledMethods(fprintd, devicePath).contains(QStringLiteral("VerifyStart"));
        },
        5000));

    // A finger that matches unlocks and stops; the reader is let go.
    ASSERT_TRUE(world.system->emitSignal(fprintd, devicePath, QStringLiteral("net.reactivated.Fprint.Device"),
                                         QStringLiteral("VerifyStatus"), QStringLiteral("sb"),
                                         {QStringLiteral("verify-match"), true}));
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle "), 5000));
    EXPECT_TRUE(PrivateBus::waitFor(
        [&] {
            const QStringList calls = world.system->calledMethods(fprintd, devicePath);
            return calls.contains(QStringLiteral("VerifyStop")) && calls.endsWith(QStringLiteral("Release"));
        },
        5000));
    EXPECT_EQ(stoppedBreaks(), 1);

    // Typed first, matched late: one stop, one record. Another window taking the focus does
    // not take the keys from the lock.
    startBreak();
    ASSERT_TRUE(world.click(stop));
    ASSERT_TRUE(waitForLock(2));
    QProcess other;
    other.setProcessEnvironment(world.environment());
    other.start(QStringLiteral("xmessage"),
                {QStringLiteral("-name"), QStringLiteral("intruder"), QStringLiteral("hi")});
    QThread::msleep(500);
    world.runX11(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--classname"),
                                             QStringLiteral("intruder"), QStringLiteral("windowfocus")});
    ASSERT_TRUE(type(QStringLiteral("ab12")));
    world.system->emitSignal(fprintd, devicePath, QStringLiteral("net.reactivated.Fprint.Device"),
                             QStringLiteral("VerifyStatus"), QStringLiteral("sb"),
                             {QStringLiteral("verify-match"), true});
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle "), 5000));
    QThread::msleep(500);
    EXPECT_EQ(stoppedBreaks(), 2);
    other.kill();
    other.waitForFinished(2000);

    // D-Bus's StopTimer ends a locked break (the session's owner always has a way out), and no
    // lock comes back after it.
    startBreak();
    ASSERT_TRUE(world.click(stop));
    ASSERT_TRUE(waitForLock(3));
    ASSERT_EQ(world.client({QStringLiteral("stop")}), 0);
    EXPECT_TRUE(PrivateBus::waitFor([&] { return world.visibleWindows().isEmpty(); }, 5000));
    QThread::msleep(1000);
    EXPECT_EQ(lockCount(), 3);
}

TEST_F(PasscodeOverlayTest, NextWithinTheGracePeriodLeavesNoLockBehind)
{
    launch(4, {{QStringLiteral("PasscodeTimeOut"), 10}, {QStringLiteral("longBreakKey"), 60}});
    startBreak();
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("idle "), 8000));
    QThread::msleep(300);
    ASSERT_TRUE(world.key(QStringLiteral("Return")));
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("working "), 5000));
    ASSERT_EQ(world.client({QStringLiteral("stop")}), 0);
    // The next break runs past the moment the first one's lock was due: it stays unlocked.
    ASSERT_EQ(world.client({QStringLiteral("long-break")}), 0);
    QThread::msleep(11000);
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("longBreak ")));
    EXPECT_EQ(lockCount(), 0);
}

TEST_F(PasscodeOverlayTest, EscapeLeavesTheStopLockForTheCountdownAndAWrongCodeIsSaidInWords)
{
    launch(60, {{QStringLiteral("QuotesType"), 0}});
    startBreak();
    const QPoint stop = stopButtonCentre();
    ASSERT_TRUE(world.click(stop));
    ASSERT_TRUE(waitForLock(1));
    ASSERT_TRUE(type(QStringLiteral("zzzz")));
    EXPECT_TRUE(dotsAre(red));
    if (const QString shots = qEnvironmentVariable("MIRELO_SCREENSHOT_DIR"); !shots.isEmpty())
        world.runX11(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                shots + QStringLiteral("/passcode-wrong.png")});
    ASSERT_TRUE(world.key(QStringLiteral("Escape")));
    EXPECT_TRUE(PrivateBus::waitFor(
        [&] { return world.logText().contains(QStringLiteral("Passcode left: back to the countdown")); },
        3000));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak ")));
    EXPECT_TRUE(world.visibleWindows().contains(leftMonitor));
    // Stop asks again.
    ASSERT_TRUE(world.click(stop));
    EXPECT_TRUE(waitForLock(2));
    EXPECT_TRUE(world.status().startsWith(QStringLiteral("shortBreak ")));
}

TEST_F(PasscodeOverlayTest, TheSessionOwnerLeavesALockedBackToWorkScreenWithStop)
{
    launch(3);
    startBreak();
    ASSERT_TRUE(waitForLock(1));
    ASSERT_TRUE(world.status().startsWith(QStringLiteral("idle ")));
    const auto recorded = world.tasks();
    // The timer is idle, yet stop is the way out of the locked screen; nothing more is recorded.
    QString out, err;
    ASSERT_EQ(world.client({QStringLiteral("stop")}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(PrivateBus::waitFor([&] { return world.visibleWindows().isEmpty(); }, 5000));
    EXPECT_EQ(world.tasks(), recorded);
    EXPECT_EQ(world.client({QStringLiteral("stop")}, &out, &err), 1);
    // The same through D-Bus.
    startBreak();
    ASSERT_TRUE(waitForLock(2));
    const QDBusMessage stop = QDBusMessage::createMethodCall(
        QStringLiteral("org.mirelo.Mirelo"), QStringLiteral("/org/mirelo/Mirelo"),
        QStringLiteral("org.mirelo.Mirelo.Timer"), QStringLiteral("StopTimer"));
    EXPECT_EQ(world.bus.connection().call(stop, QDBus::Block, 5000).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(PrivateBus::waitFor([&] { return world.visibleWindows().isEmpty(); }, 5000));
}
