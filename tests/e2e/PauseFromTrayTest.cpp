#include "MireloProcess.h"

#include <QDBusConnection>
#include <QThread>

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

// The Paused values of the timer interface's PropertiesChanged signals.
class PausedRecorder : public QObject
{
    Q_OBJECT
public:
    explicit PausedRecorder(QDBusConnection bus)
    {
        bus.connect(QString(), QStringLiteral("/org/mirelo/Mirelo"),
                    QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
                    this, SLOT(changed(QString, QVariantMap, QStringList)));
    }
    QList<bool> paused;

public Q_SLOTS:
    void changed(const QString&, const QVariantMap& values, const QStringList&)
    {
        if (values.contains(QStringLiteral("Paused")))
            paused << values.value(QStringLiteral("Paused")).toBool();
    }
};

class PauseFromTrayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!world.ready())
            GTEST_SKIP() << "Xvfb or dbus-daemon is not available";
    }
    MireloWorld world{MireloWorld::Options{.tray = true}};
};

// Paused and resumed in turn from the command line and the tray menu; the countdown stands still
// in between, and the record keeps its start and end with the paused seconds beside it.
TEST_F(PauseFromTrayTest, PauseAndResumeFromTheCommandLineAndTheTrayMenu)
{
    world.writePreferences({{"pomodoroKey", 6}, {"shortBreakKey", 120}, {"LaunchAtLogin", false}});
    ASSERT_TRUE(world.launch());
    PausedRecorder recorder(world.bus.connection());
    QString out, err;
    EXPECT_EQ(world.client({QStringLiteral("pause")}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("pause refused"))) << err.toStdString();

    ASSERT_EQ(world.client({QStringLiteral("pomodoro")}), 0);
    ASSERT_EQ(world.client({QStringLiteral("pause")}), 0);
    const QString frozen = world.status();
    EXPECT_TRUE(frozen.startsWith(QStringLiteral("paused 00:0"))) << frozen.toStdString();
    QThread::msleep(2500);
    EXPECT_EQ(world.status(), frozen);

    // While a Pomodoro is paused the menu shows Stop Pomodoro, then Resume; while it runs,
    // Stop Pomodoro, then Pause.
    QPoint icon;
    ASSERT_TRUE(PrivateBus::waitFor([&] { return !(icon = world.trayIconCentre()).isNull(); }, 8000));
    auto chooseSecondItem = [&] {
        ASSERT_TRUE(world.click(icon));
        QThread::msleep(300);
        world.key(QStringLiteral("Down"));
        world.key(QStringLiteral("Down"));
        world.key(QStringLiteral("Return"));
    };
    chooseSecondItem();
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("working "), 4000));
    chooseSecondItem();
    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("paused "), 4000));
    QThread::msleep(2000);
    EXPECT_EQ(world.client({QStringLiteral("resume")}), 0);
    EXPECT_EQ(world.client({QStringLiteral("resume")}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("No Pomodoro is paused."))) << err.toStdString();

    ASSERT_TRUE(world.waitForStatusPrefix(QStringLiteral("shortBreak "), 10000));
    EXPECT_EQ(world.client({QStringLiteral("pause")}, &out, &err), 1) << "a break is not paused";
    EXPECT_TRUE(PrivateBus::waitFor([&] { return recorder.paused.size() >= 4; }));
    EXPECT_EQ(recorder.paused, (QList<bool>{true, false, true, false}));

    const auto rows = world.tasks();
    ASSERT_EQ(rows.size(), 1);
    SQLite::Database db(QString(world.dataRoot() + QStringLiteral("/Data/db.v1.sqlite")).toStdString(),
                        SQLite::OPEN_READONLY);
    SQLite::Statement pause(db, R"(SELECT "paused" FROM "WTaskPause")");
    ASSERT_TRUE(pause.executeStep());
    const qint64 paused = pause.getColumn(0).getInt64();
    EXPECT_GE(paused, 4);
    // Start to end is the focused six seconds plus the pauses, give or take a second for each of
    // the two pauses: the countdown runs in whole seconds and a resume counts its second again.
    EXPECT_NEAR(rows[0].second - paused, 6, 2);
}

#include "PauseFromTrayTest.moc"
