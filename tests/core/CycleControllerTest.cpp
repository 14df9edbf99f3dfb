#include "CycleFixture.h"
#include "cycle/ShortcutActions.h"

#include <QSignalSpy>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sched.h>
#include <sqlite3.h>
#include <sys/mount.h>

class CycleControllerTest : public CycleFixture
{};

TEST_F(CycleControllerTest, PomodoroThenShortBreakThenIdleThenNext)
{
    app().startPomodoro();
    EXPECT_EQ(app().state.value(), CycleState::working);
    ASSERT_TRUE(app().currentTask());
    EXPECT_EQ(app().currentTask()->type, 1);
    EXPECT_EQ(app().currentTask()->name, QStringLiteral("[reserved]"));

    advanceSeconds(1500);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    EXPECT_TRUE(app().shouldShowPostpone());
    ASSERT_EQ(todayTypes(), std::vector<int>{1});
    EXPECT_EQ(today()[0].duration(), 1500);
    // Empty wallpaper cache: the desktop picture, blurred, on the main screen.
    EXPECT_EQ(images.desktopCalls, 1);
    ASSERT_EQ(windows.shown.size(), 1u);
    EXPECT_TRUE(windows.shown[0].main);
    EXPECT_EQ(auxiliaryCloses, 1);

    advanceSeconds(300);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_EQ(windows.breakDidEndCalls, 1);
    EXPECT_TRUE(windows.mainVisible); // back-to-work stays up
    EXPECT_EQ(todayTypes(), (std::vector<int>{1, 2}));
    EXPECT_EQ(today()[1].duration(), 300);

    windows.handlers.didClickNextTimerHandler();
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_FALSE(windows.mainVisible);
    EXPECT_FALSE(app().shouldShowPostpone());
    EXPECT_EQ(todayTypes(), (std::vector<int>{1, 2})); // the break was not written twice
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("pomodoroCompleted")));
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("startShortBreak")));
}

TEST_F(CycleControllerTest, FourthPomodoroOfTheDayGetsTheLongBreakAndTheCountStartsAgain)
{
    std::vector<CycleState> breaks;
    for (int i = 0; i < 8; ++i) {
        app().startPomodoro();
        advanceSeconds(1500);
        breaks.push_back(app().state.value());
        advanceSeconds(app().state.value() == CycleState::longBreak ? 900 : 300);
    }
    const auto S = CycleState::shortBreak, L = CycleState::longBreak;
    EXPECT_EQ(breaks, (std::vector<CycleState>{S, S, S, L, S, S, S, L}));
    EXPECT_EQ(tracker->names().count(QStringLiteral("autoLongBreak")), 2);
    EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("shouldTakeALongBreak: true")));
}

TEST_F(CycleControllerTest, PostponingTwiceLengthensTheSameRecord)
{
    const QDateTime start = clock.now();
    app().startPomodoro();
    advanceSeconds(1500);
    advanceSeconds(100); // part of the break
    windows.handlers.didClickStopTimerHandler(StopTimerEvent::postponePomodoro);
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_EQ(timer->currentTime.value(), 60);
    EXPECT_FALSE(windows.mainVisible);
    advanceSeconds(60);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    EXPECT_TRUE(app().shouldShowPostpone());

    advanceSeconds(30);
    windows.handlers.didClickStopTimerHandler(StopTimerEvent::postponePomodoro);
    advanceSeconds(60);

    const auto rows = today();
    ASSERT_EQ(rows.size(), 1u) << "no break row may be written for an interrupted break";
    EXPECT_EQ(rows[0].type, 1);
    EXPECT_EQ(rows[0].start.toSecsSinceEpoch(), start.toSecsSinceEpoch());
    // Lengthened by the postponements only: the interrupted breaks are not focused work.
    EXPECT_EQ(rows[0].duration(), 1500 + 60 + 60);
    EXPECT_EQ(tracker->names().count(QStringLiteral("stopPostponePomodoro")), 2);
    EXPECT_TRUE(log().contains(QStringLiteral("Update postpone task to db.")));
}

TEST_F(CycleControllerTest, PostponingNeverStretchesAnOlderPomodoro)
{
    app();
    Interval yesterday;
    yesterday.type = 1;
    yesterday.start = clock.now().addDays(-1);
    yesterday.end = yesterday.start.addSecs(1500);
    ASSERT_TRUE(tasks->insert(yesterday));

    // A break from the menu has no Pomodoro of its own: the postponement is a new one.
    app().shortBreak();
    windows.handlers.didClickStopTimerHandler(StopTimerEvent::postponePomodoro);
    // Its break runs out and postpone is chosen on the back-to-work screen: the break is on
    // record after that Pomodoro, so again a new one.
    advanceSeconds(60 + 300);
    windows.handlers.didClickStopTimerHandler(StopTimerEvent::postponePomodoro);
    advanceSeconds(60);
    std::vector<qint64> durations;
    for (const Interval& row : today())
        durations.push_back(row.duration());
    EXPECT_EQ(todayTypes(), (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(durations, (std::vector<qint64>{60, 300, 60}));
    clock.set(*yesterday.end);
    ASSERT_EQ(today().size(), 1u);
    EXPECT_EQ(today()[0].duration(), 1500);
}

TEST_F(CycleControllerTest, BusyDatabaseKeepsFinishedIntervalsUntilTheLockIsGone)
{
    app().startPomodoro();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(DataFolder::databasePath()->toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    // The Pomodoro, then its break, end while another program holds the lock.
    advanceSeconds(1500 + 300 + 60);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_TRUE(tasks->hasUnsavedTasks());
    EXPECT_TRUE(log().containsAt(Log::Level::warning,
                                 QStringLiteral("The database is busy; the task is kept and saved later.")));

    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    advanceSeconds(60);
    // Read the way any other program would: a read through the task store would save the
    // kept intervals itself and hide a retry that never came.
    QStringList stored;
    const auto row = [](void* rows, int, char** values, char**) {
        static_cast<QStringList*>(rows)->append(QString::fromUtf8(values[0]) + QLatin1Char('|') +
                                                QString::fromUtf8(values[1]));
        return 0;
    };
    ASSERT_EQ(sqlite3_exec(other,
                           "SELECT type, CAST(round(end - start) AS INTEGER) FROM WTask ORDER BY start", row,
                           &stored, nullptr),
              SQLITE_OK);
    sqlite3_close(other);
    EXPECT_EQ(stored, (QStringList{QStringLiteral("1|1500"), QStringLiteral("2|300")}));
    EXPECT_FALSE(tasks->hasUnsavedTasks());
    ASSERT_EQ(todayTypes(), (std::vector<int>{1, 2}));
    EXPECT_EQ(today()[0].duration(), 1500);
    EXPECT_FALSE(tracker->names().contains(QStringLiteral("failedToSaveTask")));
}

TEST_F(CycleControllerTest, StoppingAPostponementKeepsTheStoredPomodoro)
{
    app().startPomodoro();
    advanceSeconds(1500);
    windows.handlers.didClickStopTimerHandler(StopTimerEvent::postponePomodoro);
    advanceSeconds(20);
    app().stopPomodoro();
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_FALSE(app().currentTask());
    advanceSeconds(100);
    const auto rows = today();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].duration(), 1500);
}

TEST_F(CycleControllerTest, StopBreakWritesTheBreakWithItsStopTime)
{
    app().shortBreak();
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    EXPECT_FALSE(app().shouldShowPostpone()); // a break from the menu leaves it as it was
    advanceSeconds(100);
    windows.handlers.didClickCloseTimerHandler();
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_TRUE(app().shouldShowStartPomodoroReminder());
    EXPECT_FALSE(windows.mainVisible);
    ASSERT_EQ(todayTypes(), std::vector<int>{2});
    EXPECT_EQ(today()[0].duration(), 100);
    EXPECT_TRUE(log().contains(QStringLiteral("Stop break timer manualy")));
    advanceSeconds(1000);
    EXPECT_EQ(today().size(), 1u);
}

TEST_F(CycleControllerTest, StopRequestsFromTheOverlay)
{
    app().longBreak();
    advanceSeconds(10);
    windows.handlers.didClickStopTimerHandler(StopTimerEvent::newPomodoro);
    EXPECT_EQ(app().state.value(), CycleState::working);
    EXPECT_FALSE(app().shouldShowStartPomodoroReminder());
    EXPECT_EQ(todayTypes(), std::vector<int>{3});
    EXPECT_TRUE(log().contains(QStringLiteral("Start a new pomodoro timer immediately")));

    app().stopPomodoro();
    app().shortBreak();
    windows.handlers.didClickStopTimerHandler(StopTimerEvent::noNewPomodoro);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_EQ(todayTypes(), (std::vector<int>{3, 2}));
}

TEST_F(CycleControllerTest, LastMinuteWarningIsPostedOnceAndNeverAtZero)
{
    prefs->setValue(DurationKey::pomodoro, 120);
    app().startPomodoro();
    advanceSeconds(59);
    EXPECT_TRUE(notifications.posted.isEmpty());
    advanceSeconds(1); // 60 left
    EXPECT_EQ(notifications.posted, QStringList{QStringLiteral("Last Minute!")});
    EXPECT_TRUE(app().notificationSent());
    advanceSeconds(60);
    EXPECT_EQ(notifications.posted.size(), 1);

    // A break never posts it; stopping publishes 0, which never posts it either.
    advanceSeconds(300);
    app().startPomodoro();
    app().stopPomodoro();
    EXPECT_EQ(notifications.posted.size(), 1);

    // A postponement is 60 s long: it posts the moment its countdown is set.
    app().shortBreak();
    const int clearsBefore = notifications.clears;
    windows.handlers.didClickStopTimerHandler(StopTimerEvent::postponePomodoro);
    scheduler.runDue();
    EXPECT_EQ(notifications.posted.size(), 2);
    EXPECT_EQ(notifications.clears, clearsBefore + 1) << "the postponement clears the earlier ones";
}

TEST_F(CycleControllerTest, WallpaperSourceRules)
{
    // Empty cache: desktop whatever the preference says.
    prefs->setValue(PreferKey::Wallpaper, 1);
    EXPECT_EQ(app().wallpaperOptionForBreak(), WallpaperOption::desktop);
    wallpapers.files = {QStringLiteral("abc")};
    EXPECT_EQ(app().wallpaperOptionForBreak(), WallpaperOption::unsplash);
    prefs->setValue(PreferKey::Wallpaper, 7);
    EXPECT_EQ(app().wallpaperOptionForBreak(), WallpaperOption::desktop);
    prefs->setValue(PreferKey::Wallpaper, 3);
    EXPECT_EQ(app().wallpaperOptionForBreak(), WallpaperOption::screen);
}

TEST_F(CycleControllerTest, CachedPhotoIsResizedToEachScreenAndCarriesItsHash)
{
    windows.screenList = {{QStringLiteral("L"), QRect(0, 0, 1920, 1080), 1.0, true},
                          {QStringLiteral("R"), QRect(1920, 0, 1280, 1024), 1.0, false}};
    wallpapers.files = {QStringLiteral("h1")};
    wallpapers.hashes = {QStringLiteral("h1")};
    prefs->setValue(PreferKey::Wallpaper, 1);
    app().shortBreak();
    EXPECT_EQ(wallpapers.requested, QStringList{QStringLiteral("h1")});
    ASSERT_EQ(windows.shown.size(), 2u); // the main screen's last
    EXPECT_TRUE(windows.shown[1].main);
    EXPECT_EQ(windows.shown[1].hash, QStringLiteral("h1"));
    EXPECT_EQ(windows.shown[1].imageSize, QSize(1920, 1080));
    EXPECT_FALSE(windows.shown[0].main);
    EXPECT_EQ(windows.shown[0].imageSize, QSize(1280, 1024));
    EXPECT_EQ(windows.visibleBackgrounds, 1);
    EXPECT_TRUE(log().contains(QStringLiteral("Loading image showWin: 005")));
}

TEST_F(CycleControllerTest, HighDensityScreenGetsAHalvedImageBlurredOverItsWholeExtent)
{
    windows.screenList = {{QStringLiteral("HiDPI"), QRect(0, 0, 1000, 800), 2.0, true}};
    images.picture = QImage(1000, 800, QImage::Format_RGB32);
    app().shortBreak();
    scheduler.runDue();
    ASSERT_EQ(windows.shown.size(), 1u);
    // Half size, then grown by the blur's reach (three times its radius) on every side.
    const int reach = 3 * int(CycleController::breakBlurRadius);
    EXPECT_EQ(windows.shown[0].imageSize, QSize(500 + 2 * reach, 400 + 2 * reach));
}

TEST_F(CycleControllerTest, FailedPhotoFallsBackToTheDefaultImage)
{
    wallpapers.files = {QStringLiteral("h1")};
    wallpapers.hashes = {QStringLiteral("h1")};
    wallpapers.image = std::nullopt;
    prefs->setValue(PreferKey::Wallpaper, 2);
    app().shortBreak();
    ASSERT_EQ(windows.shown.size(), 1u);
    EXPECT_EQ(windows.shown[0].hash, QStringLiteral("h1"));
    EXPECT_TRUE(log().containsAt(
        Log::Level::error, QStringLiteral("Get wallpaper image failed. Will use default image instead.")));
}

TEST_F(CycleControllerTest, NoHashOrNoPictureStillShowsTheBreakWithTheDefaultImage)
{
    wallpapers.files = {QStringLiteral("gone")}; // emptied between the check and the pick
    prefs->setValue(PreferKey::Wallpaper, 1);
    app().shortBreak();
    scheduler.runDue();
    ASSERT_EQ(windows.shown.size(), 1u);
    EXPECT_TRUE(windows.shown[0].main);
    EXPECT_EQ(windows.shown[0].imageSize, QSize(1920, 1080)) << "the default image, stretched like a photo";
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    EXPECT_TRUE(timer->isRunning());

    app().stopBreak();
    windows.shown.clear();
    wallpapers.files.clear();
    images.picture = std::nullopt;
    app().longBreak();
    scheduler.runDue();
    ASSERT_EQ(windows.shown.size(), 1u);
    EXPECT_EQ(windows.shown[0].imageSize, QSize(64, 48)) << "the default image as it is";
    EXPECT_TRUE(windows.mainVisible);
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Get desktop picture failed.")));
    EXPECT_EQ(app().state.value(), CycleState::longBreak);
}

TEST_F(CycleControllerTest, NoScreensIsLoggedAndTheCountdownRuns)
{
    windows.screenList.clear();
    app().shortBreak();
    scheduler.runDue();
    EXPECT_TRUE(log().containsAt(Log::Level::error, QStringLiteral("Can't find any screen")));
    EXPECT_TRUE(timer->isRunning());
}

TEST_F(CycleControllerTest, APhotoArrivingAfterTheBreakEndedShowsNothing)
{
    wallpapers.files = {QStringLiteral("h1")};
    wallpapers.hashes = {QStringLiteral("h1")};
    wallpapers.deliverAtOnce = false;
    app().shortBreak();
    app().stopBreak();
    for (auto& deliver : wallpapers.held)
        deliver();
    EXPECT_TRUE(windows.shown.empty());
    EXPECT_FALSE(windows.mainVisible);
}

TEST_F(CycleControllerTest, APictureLaterThanTheBreaksOwnEndNeverShowsTheCountdownAgain)
{
    wallpapers.files = {QStringLiteral("h1")};
    wallpapers.hashes = {QStringLiteral("h1")};
    wallpapers.deliverAtOnce = false;
    prefs->setValue(PreferKey::Wallpaper, 1);
    prefs->setValue(PreferKey::noCancellationDuringTheBreak, true);
    app().shortBreak();
    advanceSeconds(300); // the countdown ends before the slow picture
    ASSERT_EQ(app().state.value(), CycleState::idle);
    for (auto& deliver : wallpapers.held)
        deliver();
    EXPECT_TRUE(windows.shown.empty());
    EXPECT_FALSE(windows.mainVisible);
    EXPECT_EQ(app().state.value(), CycleState::idle);
}

TEST_F(CycleControllerTest, BreakFromTheMenuOverBackToWorkWindowsLeavesNoStaleWindow)
{
    windows.screenList = {{QStringLiteral("L"), QRect(0, 0, 1920, 1080), 1.0, true},
                          {QStringLiteral("R"), QRect(1920, 0, 1280, 1024), 1.0, false}};
    app().shortBreak();
    scheduler.runDue();
    advanceSeconds(300); // back-to-work windows stay up
    EXPECT_EQ(windows.visibleBackgrounds, 1);
    app().shortBreak();
    scheduler.runDue();
    EXPECT_EQ(windows.visibleBackgrounds, 1);
}

TEST_F(CycleControllerTest, ShortcutActionsFollowTheState)
{
    QSignalSpy stopRequests(&app(), &CycleController::stopBreakShortcutTriggered);
    ShortcutActions shortcuts(app());
    shortcuts.shortBreakTriggered(); // idle -> short break
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    shortcuts.startPomodoroTriggered(); // during a break: nothing
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    shortcuts.shortBreakTriggered(); // during a break: the overlay's stop
    EXPECT_EQ(stopRequests.count(), 1);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);

    app().stopBreak();
    shortcuts.startPomodoroTriggered();
    EXPECT_EQ(app().state.value(), CycleState::working);
    shortcuts.shortBreakTriggered(); // working: nothing
    EXPECT_EQ(app().state.value(), CycleState::working);
    shortcuts.startPomodoroTriggered();
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("stopPomodoro")));
}

TEST_F(CycleControllerTest, UnwritableDatabaseKeepsTheCycleRunning)
{
    const QString dbPath = *DataFolder::databasePath();
    writeFile(dbPath, QByteArray("this is not a database").repeated(100));
    const QByteArray before = readFile(dbPath);
    app().startPomodoro();
    advanceSeconds(1500);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    // Kept aside, and the user told.
    EXPECT_TRUE(tasks->hasUnsavedTasks());
    EXPECT_EQ(notifications.posted.count(QStringLiteral("Mirelo cannot save")), 1);
    advanceSeconds(300);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_EQ(readFile(dbPath), before);
}

TEST_F(CycleControllerTest, StoredLengthsOfZeroOrLessRunAsAMinuteAndShortOnesAsStored)
{
    prefs->setValue(DurationKey::pomodoro, 0);
    prefs->setValue(DurationKey::shortBreak, -30);
    app().startPomodoro();
    advanceSeconds(59);
    EXPECT_EQ(app().state.value(), CycleState::working);
    advanceSeconds(1);
    ASSERT_EQ(app().state.value(), CycleState::shortBreak);
    ASSERT_EQ(todayTypes(), std::vector<int>{1});
    EXPECT_EQ(today()[0].duration(), 60);
    advanceSeconds(60);
    EXPECT_EQ(app().state.value(), CycleState::idle);
    EXPECT_EQ(today()[1].duration(), 60);
    // What is stored stays as it is; a few seconds run as a few seconds.
    EXPECT_EQ(prefs->intValue(DurationKey::pomodoro), 0);
    prefs->setValue(DurationKey::longBreak, 3);
    app().longBreak();
    advanceSeconds(3);
    EXPECT_EQ(app().state.value(), CycleState::idle);
}

TEST(CycleStateTest, RawValuesAboveThreeGiveNoState)
{
    EXPECT_EQ(appStateFromRawValue(4), std::nullopt);
    EXPECT_EQ(appStateFromRawValue(-1), std::nullopt);
    EXPECT_EQ(appStateFromRawValue(2), CycleState::shortBreak);
    EXPECT_EQ(appStateName(CycleState::longBreak), QStringLiteral("longBreak"));
}

TEST_F(CycleControllerTest, AFullDiskKeepsTheRecordsTellsOnceAndWritesThemInOrderWhenSpaceComesBack)
{
    // A small file system of this test's own over the data folder, seen by this process only.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        GTEST_SKIP() << "a mount namespace needs root";
    const QString data = QFileInfo(*DataFolder::databasePath()).absolutePath();
    ASSERT_TRUE(QDir().mkpath(data));
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(data).constData(), "tmpfs", 0, "size=256k"), 0);
    app();
    // Filled to the last block once the database is there.
    QFile filler(data + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();

    app().startPomodoro();
    advanceSeconds(1500);
    EXPECT_EQ(app().state.value(), CycleState::shortBreak);
    EXPECT_TRUE(tasks->hasUnsavedTasks());
    EXPECT_TRUE(log().containsAt(Log::Level::warning,
                                 QStringLiteral("The disk is full; the task is kept and saved later.")));
    advanceSeconds(300 + 120); // the break ends too, and retries fail while the disk stays full
    EXPECT_EQ(notifications.posted.count(QStringLiteral("Mirelo cannot save")), 1);
    EXPECT_FALSE(tracker->names().contains(QStringLiteral("failedToSaveTask")));

    ASSERT_TRUE(filler.remove());
    advanceSeconds(60);
    EXPECT_FALSE(tasks->hasUnsavedTasks());
    // Read through a connection of its own, not through the store under test.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(DataFolder::databasePath()->toUtf8().constData(), &other, SQLITE_OPEN_READONLY,
                              nullptr),
              SQLITE_OK);
    sqlite3_stmt* rows = nullptr;
    ASSERT_EQ(
        sqlite3_prepare_v2(other, "SELECT type, end - start FROM WTask ORDER BY start", -1, &rows, nullptr),
        SQLITE_OK);
    std::vector<std::pair<int, qint64>> written;
    while (sqlite3_step(rows) == SQLITE_ROW)
        written.emplace_back(sqlite3_column_int(rows, 0), sqlite3_column_int64(rows, 1));
    sqlite3_finalize(rows);
    sqlite3_close(other);
    EXPECT_EQ(written, (std::vector<std::pair<int, qint64>>{{1, 1500}, {2, 300}}));
}
