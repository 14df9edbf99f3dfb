#include "CycleSimulation.h"

#include "CycleFakes.h"
#include "FakeClock.h"
#include "FakeLoginItems.h"
#include "FaultyDisk.h"
#include "ManualScheduler.h"
#include "ReadOnlyPath.h"
#include "automation/ScriptCommands.h"
#include "automation/TimerProperties.h"
#include "cycle/AwayDetector.h"
#include "cycle/BreakOptions.h"
#include "cycle/CycleController.h"
#include "cycle/DailyGoal.h"
#include "cycle/ShortcutActions.h"
#include "diagnostics/UsageTracker.h"
#include "presence/Presence.h"
#include "records/TaskService.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "timer/Countdown.h"
#include "timer/IdleMonitor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <limits>
#include <map>
#include <random>
#include <set>
#include <tuple>

using namespace std::chrono_literals;

namespace {

// Script commands stand for the command line, D-Bus and the launcher's actions alike: all three
// reach the same command objects.
// clang-format off
enum Kind
{
    trayStart, trayShortBreak, trayLongBreak, trayStop, trayPause, trayResume, scriptPomodoro,
    scriptShortBreak, scriptLongBreak, scriptStop, scriptPause, scriptResume, shortcutPomodoro,
    shortcutShortBreak, shortcutPause, overlayNext, overlayClose, overlayStop, popoverSkip, popoverPostpone,
    popoverCancel, popoverStop, notificationStart, timeSmall, timeMedium, timeLarge, callStarts, callEnds,
    filmStarts, filmEnds, input, lockScreen, unlockScreen, sleepAndWake, busyOn, busyOff, readOnlyOn,
    readOnlyOff, fullOn, fullOff, wallClockStep, midnight, changeLength, handEdit, quit, crash, kindCount
};
// clang-format on

struct KindInfo
{
    const char* name;
    int weight;
    // The argument is drawn uniformly from low…high.
    qint64 low = 0;
    qint64 high = 0;
};

// clang-format off
const KindInfo kinds[kindCount] = {
    {"tray.start", 2}, {"tray.short", 1}, {"tray.long", 1}, {"tray.stop", 1}, {"tray.pause", 1},
    {"tray.resume", 1}, {"script.pomodoro", 2}, {"script.short", 1}, {"script.long", 1}, {"script.stop", 1},
    {"script.pause", 1}, {"script.resume", 1}, {"shortcut.pomodoro", 1}, {"shortcut.short", 1},
    {"shortcut.pause", 1}, {"overlay.next", 2}, {"overlay.close", 1}, {"overlay.stop", 2},
    {"popover.skip", 1}, {"popover.postpone", 2}, {"popover.cancel", 1}, {"popover.stop", 1},
    {"notification.start", 1}, {"time.s", 40, 1'000, 20'000}, {"time.m", 12, 20'000, 300'000},
    {"time.l", 1, 300'000, 3'600'000}, {"call.start", 2}, {"call.end", 3}, {"film.start", 1},
    {"film.end", 2}, {"input", 8}, {"lock", 2}, {"unlock", 2}, {"sleep", 1, 60'000, 7'200'000},
    {"busy.on", 1}, {"busy.off", 8}, {"readonly.on", 1}, {"readonly.off", 8}, {"full.on", 1},
    {"full.off", 8}, {"wallclock", 1, -7'200'000, 7'200'000}, {"midnight", 1}, {"lengths", 1, 0, 999},
    {"handedit", 1, 0, 999}, {"quit", 1}, {"crash", 1},
};
// clang-format on

// What the preferences window and a hand edit change, and the values they choose from.
struct Choice
{
    QString key;
    std::vector<QJsonValue> values;
};

const std::vector<Choice>& choices()
{
    static const std::vector<Choice> all = {
        {DurationKey::pomodoro, {5, 30, 120, 300, 1500, 0}},
        {DurationKey::shortBreak, {5, 30, 60, 300, 0}},
        {DurationKey::longBreak, {10, 60, 600}},
        {DurationKey::countToLongBreak, {1, 2, 4}},
        {HoldKey::enabled, {true, false}},
        {HoldKey::maximum, {10, 120, 600}},
        {AwayKey::enabled, {true, false}},
        {AwayKey::threshold, {60, 180, 600}},
        {PauseKey::stopAfter, {30, 600, 3600}},
        {GoalKey::daily, {0, 2, 5}},
        {keyText(PreferKey::noCancellationDuringTheBreak), {false, false, true}},
        {keyText(PreferKey::showBreakOptions), {true, false}},
    };
    return all;
}

class Counting final : public UsageTracker
{
public:
    int finished = 0;
    // The user the detector stopped a Pomodoro for is not back yet.
    bool awayPending = false;
    void trackEvent(const QString& name, const EventProperties&, int) override
    {
        if (name == QLatin1String("pomodoroCompleted") || name == QLatin1String("stopPostponePomodoro"))
            ++finished;
        else if (name == QLatin1String("userAway"))
            awayPending = true;
        else if (name == QLatin1String("userReturned"))
            awayPending = false;
    }
};

// The user at the screen: input, the lock, calls and films.
struct User
{
    qint64 lastInputMs = 0; // steady clock
    bool locked = false;
    bool call = false;
    bool film = false;
};

class SimIdle final : public IdleMonitor
{
public:
    SimIdle(const User& user, const Clock& clock) : user(user), clock(clock) {}
    void idleSeconds(std::function<void(std::optional<qint64>)> done) override
    {
        done((clock.steadyMs() - user.lastInputMs) / 1000);
    }
    QString backendName() const override { return QStringLiteral("the simulation"); }
    void setWatching(bool on) override { watching = on; }
    bool watching = false;

private:
    const User& user;
    const Clock& clock;
};

class SimPresence final : public Presence
{
public:
    explicit SimPresence(const User& user) : user(user) {}
    void activeSources(std::function<void(QStringList)> done) override
    {
        QStringList active;
        if (user.call)
            active << QStringLiteral("microphone in use");
        if (user.film)
            active << QStringLiteral("full-screen window");
        done(active);
    }
    QString backendName() const override { return QStringLiteral("the simulation"); }

private:
    const User& user;
};

// Keeps only what the simulation acts on: the last button a notification offered.
class SimNotifications final : public NotificationCenter
{
public:
    std::optional<NotificationAction> action;
    void postNotification(const QString&, const QString&) override {}
    void postNotificationWithAction(const QString&, const QString&, NotificationAction a) override
    {
        action = std::move(a);
    }
    void clearAllNotification() override { action.reset(); }
};

class SimWindows final : public BreakWindows
{
public:
    bool mainVisible = false;
    BreakHandlers handlers;
    std::vector<BreakScreen> screens() const override
    {
        return {{QStringLiteral("L"), QRect(0, 0, 32, 18), 1.0, true}};
    }
    void showMain(const BreakScreen&, const QImage&, const QString&) override { mainVisible = true; }
    void clearBackgroundWindows() override {}
    void showBackground(const BreakScreen&, const QImage&) override {}
    void hideAll() override { mainVisible = false; }
    void breakDidEnd() override {}
    void setHandlers(BreakHandlers h) override { handlers = std::move(h); }
};

struct Paths
{
    QString data, database, state, journal, preferences;
};

// One run of the program, wired as app/ wires it.
struct Process
{
    Process(const Paths& paths, FakeClock& clock, const User& user)
        : scheduler(&clock), idle(user, clock), presence(user)
    {
        // Small pictures: the blur of each break is not what is tested here.
        images.picture = QImage(8, 6, QImage::Format_RGB32);
        wallpapers.image = QImage(8, 6, QImage::Format_RGB32);
        prefs = std::make_unique<Preferences>(paths.preferences);
        UserDefaults::setupUserDefaultsValues(*prefs, loginItems);
        // No wait for another program's lock: the simulation does not sleep.
        tasks = std::make_unique<TaskService>(*prefs, clock, paths.database, 0ms, paths.journal);
        timer = std::make_unique<Countdown>(clock, scheduler, &sleepMonitor);
        CycleControllerDependencies deps;
        deps.preferences = prefs.get();
        deps.clock = &clock;
        deps.scheduler = &scheduler;
        deps.timer = timer.get();
        deps.tasks = tasks.get();
        deps.notifications = &notifications;
        deps.breakWindows = &windows;
        deps.wallpapers = &wallpapers;
        deps.images = &images;
        deps.defaultImage = [] { return QImage(8, 6, QImage::Format_RGB32); };
        deps.presence = &presence;
        deps.sleepMonitor = &sleepMonitor;
        app = std::make_unique<CycleController>(deps);
        app->lastMinuteWarning();
        shortcuts = std::make_unique<ShortcutActions>(*app);
        away =
            std::make_unique<AwayDetector>(*app, &idle, *prefs, scheduler, clock, notifications, &presence);
        goal = std::make_unique<DailyGoal>(*app, *tasks, *prefs, clock, scheduler, notifications);
        goal->refresh();
        properties = std::make_unique<TimerProperties>(*app, *timer);
        // A D-Bus client: GetAll at start, then every PropertiesChanged.
        seen = {{QStringLiteral("State"), properties->state()},
                {QStringLiteral("Paused"), properties->paused()},
                {QStringLiteral("Deadline"), properties->deadline()}};
        QObject::connect(properties.get(), &TimerProperties::changed,
                         [this](const QVariantMap& changed) { seen.insert(changed); });
        bag += goal->status.subscribe(
            [this, &clock](const FocusHistory::GoalStatus&) { goalDate = clock.now().date(); });
        bag += app->breakHold().heldBy.subscribe([this, &clock](const QString& by) {
            if (by.isEmpty())
                heldSinceMs.reset();
            else if (!heldSinceMs)
                heldSinceMs = clock.steadyMs();
        });
    }

    ManualScheduler scheduler;
    FakeSleepMonitor sleepMonitor;
    SimIdle idle;
    SimPresence presence;
    SimNotifications notifications;
    SimWindows windows;
    FakeWallpaperProvider wallpapers;
    FakeImageSource images;
    FakeLoginItems loginItems;
    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<TaskService> tasks;
    std::unique_ptr<Countdown> timer;
    std::unique_ptr<CycleController> app;
    std::unique_ptr<ShortcutActions> shortcuts;
    std::unique_ptr<AwayDetector> away;
    std::unique_ptr<DailyGoal> goal;
    std::unique_ptr<TimerProperties> properties;
    QVariantMap seen;
    QDate goalDate;
    std::optional<qint64> heldSinceMs, pausedSinceMs;
    // The count of finished Pomodoros when the last break started.
    int breaksAfter = 0;
    // Scheduler time at which a hold was first seen past its maximum.
    std::optional<qint64> overdueSince, pauseOverdueSince;
    bool popoverOpen = false;
    // The program has had a chance to read where the records end.
    bool knowsLastEnd = false;
    int starts = 0;
    std::optional<qint64> blindFrom;
    // Scheduler time since which the disk has been fine.
    qint64 fineSince = 0;
    DisposeBag bag;
};

qint64 ms(double seconds)
{
    return std::llround(seconds * 1000.0);
}

struct Row
{
    int type = 0;
    qint64 start = 0, end = 0, paused = 0;
    bool operator==(const Row&) const = default;
};

QString describe(const Row& row)
{
    return QStringLiteral("type %1 from %2 to %3")
        .arg(row.type)
        .arg(QDateTime::fromMSecsSinceEpoch(row.start, Qt::UTC).toString(Qt::ISODateWithMs),
             QDateTime::fromMSecsSinceEpoch(row.end, Qt::UTC).toString(Qt::ISODateWithMs));
}

// The records as another program reads them, through a connection of its own that never meets
// the faults: a read through the store under test would save kept intervals and hide a retry
// that never came.
class Records
{
public:
    ~Records() { sqlite3_close(db); }

    std::map<qint64, Row> rows; // by taskID
    std::set<std::pair<qint64, qint64>> byStart;
    std::map<qint64, int> pomodorosAt; // by start
    std::vector<qint64> changed;       // taskIDs changed by the last refresh

    // Reads the rows written since the last look (and the last few again, which a postponement
    // lengthens), or all of them. False when the file is locked.
    bool refresh(const QString& path, bool all)
    {
        changed.clear();
        if (!db &&
            sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, "unix") != SQLITE_OK) {
            sqlite3_close(db);
            db = nullptr;
            return true;
        }
        if (!all) {
            const auto version = single("PRAGMA data_version");
            if (!version)
                return false;
            if (*version == dataVersion)
                return true;
            dataVersion = *version;
        }
        const qint64 from = all ? -1 : (rows.empty() ? -1 : rows.rbegin()->first - 64);
        sqlite3_stmt* statement = nullptr;
        const char* withPauses = "SELECT taskID, type, start, end, COALESCE((SELECT paused FROM WTaskPause p "
                                 "WHERE p.taskID = WTask.taskID), 0) FROM WTask WHERE taskID > ?";
        const char* plain = "SELECT taskID, type, start, end, 0 FROM WTask WHERE taskID > ?";
        if (sqlite3_prepare_v2(db, withPauses, -1, &statement, nullptr) != SQLITE_OK &&
            sqlite3_prepare_v2(db, plain, -1, &statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(statement);
            // No table yet, or locked.
            return sqlite3_errcode(db) != SQLITE_BUSY && sqlite3_errcode(db) != SQLITE_LOCKED;
        }
        sqlite3_bind_int64(statement, 1, from);
        std::vector<std::pair<qint64, Row>> read;
        int rc;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
            read.push_back(
                {sqlite3_column_int64(statement, 0),
                 Row{sqlite3_column_int(statement, 1), ms(sqlite3_column_double(statement, 2)),
                     ms(sqlite3_column_double(statement, 3)), sqlite3_column_int64(statement, 4)}});
        sqlite3_finalize(statement);
        if (rc != SQLITE_DONE) {
            dataVersion = -1;
            return false;
        }
        for (const auto& [id, row] : read) {
            const auto it = rows.find(id);
            if (it != rows.end() && it->second == row)
                continue;
            if (it != rows.end())
                forget(id, it->second);
            rows[id] = row;
            byStart.insert({row.start, id});
            if (row.type == 1)
                ++pomodorosAt[row.start];
            changed.push_back(id);
        }
        return true;
    }

private:
    std::optional<qint64> single(const char* sql)
    {
        sqlite3_stmt* statement = nullptr;
        std::optional<qint64> value;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            value = sqlite3_column_int64(statement, 0);
        sqlite3_finalize(statement);
        return value;
    }
    void forget(qint64 id, const Row& row)
    {
        byStart.erase({row.start, id});
        if (row.type == 1 && --pomodorosAt[row.start] == 0)
            pomodorosAt.erase(row.start);
    }

    sqlite3* db = nullptr;
    qint64 dataVersion = -1;
};

class World
{
public:
    explicit World(int deepEvery) : deepEvery(deepEvery)
    {
        FaultyDisk::install();
        // Shared memory where there is some: the records are written at every interval's end.
        dir = std::make_unique<QTemporaryDir>(
            (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
            QStringLiteral("/mirelo-simulation-XXXXXX"));
        const QString base = dir->path();
        paths = {base + QStringLiteral("/Data"), base + QStringLiteral("/Data/db.v1.sqlite"),
                 base + QStringLiteral("/state"), base + QStringLiteral("/state/unsaved-intervals.json"),
                 base + QStringLiteral("/config/preferences.json")};
        for (const QString& folder : {paths.data, paths.state, QString(base + QStringLiteral("/config"))})
            QDir().mkpath(folder);
        UsageTracker::setShared(tracker);
        user.lastInputMs = clock.steadyMs();
        start();
        Preferences& prefs = *process->prefs;
        prefs.setValue(DurationKey::pomodoro, 300);
        prefs.setValue(DurationKey::shortBreak, 60);
        prefs.setValue(DurationKey::longBreak, 120);
        prefs.setValue(DurationKey::countToLongBreak, 2);
        prefs.setValue(HoldKey::enabled, true);
        prefs.setValue(HoldKey::maximum, 120);
        prefs.setValue(AwayKey::enabled, true);
        prefs.setValue(AwayKey::threshold, 180);
        prefs.setValue(PauseKey::stopAfter, 600);
        prefs.setValue(GoalKey::daily, 2);
    }

    ~World()
    {
        process.reset();
        setBusy(false);
        readOnly.clear();
        full.clear();
        FaultyDisk::setFull(false);
        UsageTracker::setShared(nullptr);
    }

    std::optional<QString> step(const SimulationEvent& event, std::size_t index);
    qint64 simulatedMs() const { return clock.steadyMs() - startSteadyMs; }

private:
    void start()
    {
        process = std::make_unique<Process>(paths, clock, user);
        process->bag += process->app->state.subscribe([this](CycleState state) {
            if (state != CycleState::idle)
                ++process->starts;
            if (state == CycleState::shortBreak || state == CycleState::longBreak)
                process->breaksAfter = tracker->finished;
        });
        process->bag += process->app->isPaused.subscribe([this](bool paused) {
            if (!paused)
                process->pausedSinceMs.reset();
            else if (!process->pausedSinceMs)
                process->pausedSinceMs = clock.steadyMs();
        });
        QObject::connect(process->app.get(), &CycleController::stopBreakShortcutTriggered,
                         [this] { overlayStopPressed(); });
        tracker->awayPending = false;
    }
    void stopProcess(bool orderly)
    {
        if (process->blindFrom && !process->knowsLastEnd)
            blind.push_back({*process->blindFrom, clock.now().toMSecsSinceEpoch() + 7'200'000});
        // A quit or crash now loses what not even the journal could keep.
        if (process->tasks->intervalsAtRisk() > 0)
            for (qint64 s : finished)
                if (!records.pomodorosAt.count(s))
                    maybeLost.insert(s);
        if (orderly) {
            process->app->prepareToQuit();
            process.reset();
        } else {
            FaultyDisk::setDead(true);
            process.reset();
            FaultyDisk::setDead(false);
        }
        start();
    }
    std::tuple<CycleState, bool, qint64> situation() const
    {
        const auto& task = process->app->currentTask();
        return {process->app->state.value(), process->app->isBreakPending(),
                task ? task->start.toMSecsSinceEpoch() : 0};
    }
    bool isBlind(qint64 start) const
    {
        for (const auto& [from, to] : blind)
            if (start >= from && start <= to)
                return true;
        if (process->blindFrom && !process->knowsLastEnd && start >= *process->blindFrom)
            return true;
        return false;
    }
    bool diskFine() const { return !busy && readOnly.empty() && full.empty(); }
    void faultsChanged()
    {
        if (diskFine())
            process->fineSince = process->scheduler.elapsedMs();
    }
    void setBusy(bool on)
    {
        if (on && !busy && QFile::exists(paths.database) &&
            sqlite3_open_v2(paths.database.toUtf8().constData(), &holder, SQLITE_OPEN_READWRITE, "unix") ==
                SQLITE_OK &&
            sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK) {
            busy = true;
            return;
        }
        if (!on && busy)
            sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
        if (!busy || !on) {
            sqlite3_close(holder);
            holder = nullptr;
            busy = false;
        }
    }
    void overlayStopPressed()
    {
        Process& p = *process;
        switch (BreakOptions::stopRoute(*p.prefs)) {
        case BreakOptions::StopRoute::ignored:
            break;
        case BreakOptions::StopRoute::showOptions:
            p.popoverOpen = true;
            break;
        case BreakOptions::StopRoute::stop:
            p.windows.handlers.didClickStopTimerHandler(StopTimerEvent::noNewPomodoro);
            break;
        }
    }
    void trayStopItem()
    {
        CycleController& app = *process->app;
        switch (app.state.value()) {
        case CycleState::working:
            app.stopPomodoro();
            break;
        case CycleState::shortBreak:
        case CycleState::longBreak:
            app.stopBreak();
            break;
        case CycleState::idle:
            // "Close the Break Screen", shown only then.
            if (app.backToWorkShowing.value())
                app.closeBackToWorkScreen();
            break;
        }
    }
    void edit(qint64 arg, bool byHand);
    std::optional<QString> check(const SimulationEvent& event, bool decided, bool stopPath);
    std::optional<QString> checkRecords(bool deep);

    int deepEvery;
    std::unique_ptr<QTemporaryDir> dir;
    Paths paths;
    // Kept in UTC: every step would otherwise ask the C library for the local time zone again.
    // The program turns it into local time wherever the day matters.
    FakeClock clock{QDateTime(QDate(2026, 3, 10), QTime(8, 0), Qt::LocalTime).toUTC()};
    std::shared_ptr<Counting> tracker = std::make_shared<Counting>();
    User user;
    std::unique_ptr<Process> process;
    sqlite3* holder = nullptr;
    bool busy = false;
    std::vector<std::unique_ptr<ReadOnlyPath>> readOnly, full;
    Records records;
    const qint64 startSteadyMs = clock.steadyMs();
    std::size_t steps = 0;
    qint64 stepBeganMs = 0;
    // The starts of the Pomodoros that finished, those a quit or crash may have lost, and when
    // the step began in which the simulation first saw each interval running (steady clock).
    std::set<qint64> finished, maybeLost, unchecked;
    // Wall-clock spans in which intervals started before the program could know the last end.
    std::vector<std::pair<qint64, qint64>> blind;
    int startsBefore = 0;
    qint64 stepBeganWallMs = 0;
    // Finished Pomodoros the user decided about (by a command, a quit) up to this count.
    int decidedUpTo = 0;
    std::map<qint64, qint64> firstSeen;
};

void World::edit(qint64 arg, bool byHand)
{
    const Choice& choice = choices()[std::size_t(arg) % choices().size()];
    const QJsonValue value = choice.values[std::size_t(arg / 16) % choice.values.size()];
    Preferences& prefs = *process->prefs;
    if (!byHand) {
        prefs.setValue(choice.key, value);
        return;
    }
    QFile file(paths.preferences);
    QJsonObject object;
    if (file.open(QIODevice::ReadOnly))
        object = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    object.insert(choice.key, value);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QJsonDocument(object).toJson());
    file.close();
    prefs.reload();
}

std::optional<QString> World::step(const SimulationEvent& event, std::size_t index)
{
    steps = index + 1;
    stepBeganMs = clock.steadyMs();
    stepBeganWallMs = clock.now().toMSecsSinceEpoch();
    startsBefore = process->starts;
    Process& p = *process;
    CycleController& app = *p.app;
    Countdown& timer = *p.timer;
    const int finishedBefore = tracker->finished;
    const std::optional<Interval>& task = app.currentTask();
    const std::optional<qint64> running = app.state.value() == CycleState::working && task && task->type == 1
                                              ? std::optional<qint64>(task->start.toMSecsSinceEpoch())
                                              : std::nullopt;
    const bool breakUp = p.windows.mainVisible && app.state.value() != CycleState::idle;
    const auto before = situation();
    bool stopPath = false;
    auto script = [&](auto command) { command.performDefaultImplementation(); };

    switch (Kind(event.kind)) {
    case trayStart:
    case trayShortBreak:
    case trayLongBreak:
        if (app.state.value() == CycleState::idle)
            event.kind == trayStart        ? app.startPomodoro()
            : event.kind == trayShortBreak ? app.shortBreak()
                                           : app.longBreak();
        break;
    case trayStop:
        trayStopItem();
        stopPath = true;
        break;
    case trayPause:
    case trayResume:
        // Shown for a Pomodoro that counts, not one whose break is held.
        if (app.state.value() == CycleState::working && !app.isBreakHeld())
            event.kind == trayPause ? (void)app.pausePomodoro() : (void)app.resumePomodoro();
        break;
    case scriptPomodoro:
        script(PomodoroCommand(app, timer));
        break;
    case scriptShortBreak:
        script(ShortBreakCommand(app, timer));
        break;
    case scriptLongBreak:
        script(LongBreakCommand(app, timer));
        break;
    case scriptStop:
        script(StopTimerCommand(app, timer));
        stopPath = true;
        break;
    case scriptPause:
        script(PauseCommand(app, timer));
        break;
    case scriptResume:
        script(ResumeCommand(app, timer));
        break;
    case shortcutPomodoro:
        stopPath = app.state.value() == CycleState::working;
        p.shortcuts->startPomodoroTriggered();
        break;
    case shortcutShortBreak:
        p.shortcuts->shortBreakTriggered();
        break;
    case shortcutPause:
        p.shortcuts->pauseTriggered();
        break;
    case overlayNext:
        if (app.backToWorkShowing.value())
            p.windows.handlers.didClickNextTimerHandler();
        break;
    case overlayClose:
        if (app.backToWorkShowing.value())
            p.windows.handlers.didClickCloseTimerHandler();
        break;
    case overlayStop:
        if (breakUp)
            overlayStopPressed();
        break;
    case popoverSkip:
    case popoverPostpone:
    case popoverCancel:
    case popoverStop:
        if (breakUp && p.popoverOpen) {
            p.popoverOpen = false;
            const auto choice = event.kind == popoverSkip       ? PopoverButton::skip
                                : event.kind == popoverPostpone ? PopoverButton::postpone
                                : event.kind == popoverCancel   ? PopoverButton::cancel
                                                                : PopoverButton::stop;
            // The postpone button is offered only while a postponement is allowed.
            if (choice == PopoverButton::postpone && !app.shouldShowPostpone())
                break;
            if (const auto stop = BreakOptions::stopEvent(choice))
                p.windows.handlers.didClickStopTimerHandler(*stop);
        }
        break;
    case notificationStart:
        if (p.notifications.action)
            p.notifications.action->invoke();
        break;
    case timeSmall:
    case timeMedium:
    case timeLarge:
        p.scheduler.advance(event.arg);
        break;
    case callStarts:
    case callEnds:
        user.call = event.kind == callStarts;
        break;
    case filmStarts:
    case filmEnds:
        user.film = event.kind == filmStarts;
        break;
    case input:
        user.lastInputMs = clock.steadyMs();
        break;
    case lockScreen:
    case unlockScreen:
        if (user.locked != (event.kind == lockScreen)) {
            user.locked = !user.locked;
            if (!user.locked)
                user.lastInputMs = clock.steadyMs();
            Q_EMIT p.idle.lockedChanged(user.locked);
        }
        break;
    case sleepAndWake:
        // The monotonic clock (the scheduler's) stops; the wall clock and the steady one go on.
        p.sleepMonitor.sleep();
        clock.advanceMs(event.arg);
        p.sleepMonitor.wake();
        break;
    case busyOn:
    case busyOff:
        setBusy(event.kind == busyOn);
        faultsChanged();
        break;
    case readOnlyOn:
        if (readOnly.empty() && QFile::exists(paths.database)) {
            readOnly.push_back(std::make_unique<ReadOnlyPath>(paths.database));
            readOnly.push_back(std::make_unique<ReadOnlyPath>(paths.data));
        }
        break;
    case readOnlyOff:
        readOnly.clear();
        faultsChanged();
        break;
    case fullOn:
        if (full.empty()) {
            FaultyDisk::setFull(true);
            full.push_back(std::make_unique<ReadOnlyPath>(paths.state));
        }
        break;
    case fullOff:
        FaultyDisk::setFull(false);
        full.clear();
        faultsChanged();
        break;
    case wallClockStep:
        clock.stepWallClock(event.arg);
        break;
    case midnight: {
        const QDateTime now = clock.now().toLocalTime();
        p.scheduler.advance(now.msecsTo(now.date().addDays(1).startOfDay(Qt::LocalTime)) + 1000);
        break;
    }
    case changeLength:
    case handEdit:
        edit(event.arg, event.kind == handEdit);
        break;
    case quit:
    case crash:
        stopProcess(event.kind == quit);
        break;
    case kindCount:
        break;
    }
    // What the event loop runs next (pictures ready, properties sent).
    process->scheduler.runDue();
    QCoreApplication::processEvents();
    if (running && tracker->finished > finishedBefore) {
        finished.insert(*running);
        unchecked.insert(*running);
    }
    // A command that changed something, a quit or a crash: the user's choice about the break.
    const bool decided =
        (event.kind < timeSmall && situation() != before) || event.kind == quit || event.kind == crash;
    return check(event, decided, stopPath);
}

std::optional<QString> World::check(const SimulationEvent& event, bool decided, bool stopPath)
{
    Process& p = *process;
    CycleController& app = *p.app;
    Countdown& timer = *p.timer;
    const CycleState state = app.state.value();
    const bool pending = app.isBreakPending();
    const qint64 now = clock.steadyMs();
    if (!p.windows.mainVisible)
        p.popoverOpen = false;
    if (const auto& task = app.currentTask())
        firstSeen.emplace(task->start.toMSecsSinceEpoch(), stepBeganMs);
    // Until the program could read where the records end (another program has held the database
    // since it started), a wall clock set back may put its intervals inside recorded ones: nothing
    // it can read says otherwise. Those intervals are not held to the rule.
    if (!p.knowsLastEnd && p.starts > startsBefore) {
        if (busy && !p.blindFrom)
            p.blindFrom = stepBeganWallMs;
        if (!busy) {
            p.knowsLastEnd = true;
            if (p.blindFrom)
                blind.push_back({*p.blindFrom, clock.now().toMSecsSinceEpoch() + 7'200'000});
        }
    }

    // What a D-Bus client and `mirelo status` were told is what is.
    for (auto it = p.seen.cbegin(); it != p.seen.cend(); ++it) {
        // The seconds left are not sent as they tick down: clients count from the deadline.
        if (it.key() == QLatin1String("RemainingSeconds"))
            continue;
        const QVariant truth = it.key() == QLatin1String("State")    ? QVariant(p.properties->state())
                               : it.key() == QLatin1String("Paused") ? QVariant(p.properties->paused())
                                                                     : QVariant(p.properties->deadline());
        if (it.value() != truth)
            return QStringLiteral("the property %1 was last sent as %2, but is %3")
                .arg(it.key(), it.value().toString(), truth.toString());
    }
    if (p.properties->state() != appStateName(state) || p.properties->paused() != app.isPaused.value())
        return QStringLiteral("the properties disagree with the controller");
    if ((timer.deadline.value() != 0) != timer.isRunning())
        return QStringLiteral("a deadline is published while nothing counts down, or none while it does");
    const bool timeStep = (event.kind >= timeSmall && event.kind <= timeLarge && event.arg >= 1000) ||
                          event.kind == sleepAndWake;
    // A countdown that ran out while asleep ends at the next tick, a moment after the wake.
    if (timeStep && timer.isRunning() && timer.remainingMs() > 0 &&
        std::abs(timer.deadline.value() - (clock.now().toMSecsSinceEpoch() + timer.remainingMs())) > 2001)
        return QStringLiteral("the deadline is %1 ms off the wall clock")
            .arg(timer.deadline.value() - (clock.now().toMSecsSinceEpoch() + timer.remainingMs()));

    // The states hang together, and each has a way on.
    if (app.isPaused.value() && !(state == CycleState::working && app.currentTask() && timer.isPaused()))
        return QStringLiteral("paused outside a running Pomodoro");
    if (app.isBreakHeld() != pending)
        return app.isBreakHeld() ? QStringLiteral("a break is held, but no Pomodoro finished")
                                 : QStringLiteral("a finished Pomodoro waits for its break, unheld");
    if (state != CycleState::idle && !pending && !timer.isRunning() && !timer.isPaused())
        return QStringLiteral("%1 with nothing counting down").arg(appStateName(state));
    if (state == CycleState::idle) {
        if (timer.isRunning() || timer.isPaused() || timer.deadline.value() != 0 || app.isPaused.value())
            return QStringLiteral("idle with the countdown still armed");
        if (!app.backToWorkShowing.value() && p.windows.mainVisible)
            return QStringLiteral("idle with the break window up");
    }
    if (p.idle.watching &&
        !((state == CycleState::working && !pending && !app.isPaused.value()) || tracker->awayPending))
        return QStringLiteral("idle time watched while no Pomodoro counts");
    if (stopPath && (state != CycleState::idle || app.backToWorkShowing.value() || p.windows.mainVisible))
        return QStringLiteral("a stop left %1%2")
            .arg(appStateName(state),
                 app.backToWorkShowing.value() ? QStringLiteral(" with the back-to-work screen") : QString());
    // Every finished Pomodoro gets its break, unless it is held or the user chose otherwise.
    if (decided)
        decidedUpTo = tracker->finished;
    if (tracker->finished > std::max(decidedUpTo, p.breaksAfter) && !pending)
        return QStringLiteral("a finished Pomodoro's break was dropped, %1 and no break")
            .arg(appStateName(state));
    // Nor does a pause outlast its limit by more than one look at it (once a minute, and at wake).
    if (p.pausedSinceMs && now - *p.pausedSinceMs > p.app->pauseLimit() * 1000) {
        // At wake it is looked at at once.
        if (event.kind == sleepAndWake)
            return QStringLiteral("a Pomodoro paused for %1 s, past its limit, goes on after a wake")
                .arg((now - *p.pausedSinceMs) / 1000);
        if (!p.pauseOverdueSince)
            p.pauseOverdueSince = p.scheduler.elapsedMs();
        else if (p.scheduler.elapsedMs() - *p.pauseOverdueSince > 61'000)
            return QStringLiteral("a Pomodoro paused for %1 s, past its limit")
                .arg((now - *p.pausedSinceMs) / 1000);
    } else {
        p.pauseOverdueSince.reset();
    }

    // No hold outlasts its maximum by more than one look at the presence sources.
    if (p.heldSinceMs &&
        now - *p.heldSinceMs > qint64(std::max(0, p.prefs->intValue(HoldKey::maximum))) * 1000) {
        if (!p.overdueSince)
            p.overdueSince = p.scheduler.elapsedMs();
        else if (p.scheduler.elapsedMs() - *p.overdueSince > BreakHold::pollInterval.count() * 1000)
            return QStringLiteral("a break held %1 s, longer than its maximum")
                .arg((now - *p.heldSinceMs) / 1000);
    } else {
        p.overdueSince.reset();
    }

    // The journal is empty once the disk has been fine for a retry period.
    if (diskFine() &&
        p.scheduler.elapsedMs() - p.fineSince > 1000 * (CycleController::unsavedTaskRetry.count() + 1) &&
        (p.tasks->hasUnsavedTasks() || QFile::exists(paths.journal)))
        return QStringLiteral("intervals still wait in the journal %1 s after the disk became fine")
            .arg((p.scheduler.elapsedMs() - p.fineSince) / 1000);
    return checkRecords(deepEvery <= 1 || steps % std::size_t(deepEvery) == 0);
}

std::optional<QString> World::checkRecords(bool deep)
{
    Process& p = *process;
    if (!records.refresh(paths.database, deep && !busy))
        return std::nullopt; // locked by the fault itself
    const qint64 passed = clock.steadyMs() - startSteadyMs;
    for (qint64 id : records.changed) {
        const Row& row = records.rows[id];
        const qint64 length = row.end - row.start;
        if (length < 0 || row.paused < 0 || row.paused * 1000 > length + 999)
            return QStringLiteral("record %1 has a length of %2 ms with %3 s paused")
                .arg(id)
                .arg(length)
                .arg(row.paused);
        const auto seen = firstSeen.find(row.start);
        const qint64 bound = seen == firstSeen.end() ? passed : clock.steadyMs() - seen->second;
        if (length > bound + 1000)
            return QStringLiteral("record %1 lasts %2 ms, longer than the %3 ms that passed")
                .arg(id)
                .arg(length)
                .arg(bound);
        const auto at = records.byStart.find({row.start, id});
        if (at != records.byStart.begin() && !isBlind(row.start)) {
            const Row& before = records.rows[std::prev(at)->second];
            if (before.end > row.start && !isBlind(before.start))
                return QStringLiteral("record %1 overlaps the one before it by %2 ms (%3, %4)")
                    .arg(id)
                    .arg(before.end - row.start)
                    .arg(describe(before), describe(row));
        }
        if (std::next(at) != records.byStart.end() && row.end > std::next(at)->first && !isBlind(row.start) &&
            !isBlind(std::next(at)->first))
            return QStringLiteral("record %1 overlaps the one after it by %2 ms")
                .arg(id)
                .arg(row.end - std::next(at)->first);
        if (row.type == 1)
            unchecked.insert(row.start);
    }
    const bool settled = diskFine() && !p.tasks->hasUnsavedTasks() && !QFile::exists(paths.journal);
    if (!settled)
        return std::nullopt;
    // Each finished Pomodoro is recorded once, and nothing else is recorded as one.
    for (qint64 start : unchecked) {
        const auto found = records.pomodorosAt.find(start);
        const int count = found == records.pomodorosAt.end() ? 0 : found->second;
        const bool wasFinished = finished.count(start);
        if (count > 1 || (wasFinished && count == 0 && !maybeLost.count(start)) ||
            (!wasFinished && count > 0))
            return QStringLiteral("the Pomodoro of %1 is recorded %2 times, finished %3")
                .arg(QDateTime::fromMSecsSinceEpoch(start).toString(Qt::ISODateWithMs))
                .arg(count)
                .arg(wasFinished ? 1 : 0);
    }
    unchecked.clear();
    // The day's totals are the records that started that day, there and in the tray.
    if (!records.changed.empty() || p.goalDate.isValid()) {
        const QDate today = clock.now().toLocalTime().date();
        const qint64 first = today.startOfDay(Qt::LocalTime).toMSecsSinceEpoch();
        const qint64 last = today.addDays(1).startOfDay(Qt::LocalTime).toMSecsSinceEpoch();
        DayFocus expected;
        for (auto it = records.byStart.lower_bound({first, std::numeric_limits<qint64>::min()});
             it != records.byStart.end() && it->first < last; ++it) {
            const Row& row = records.rows[it->second];
            if (row.type != 1)
                continue;
            ++expected.pomodoros;
            expected.seconds += std::max<qint64>(0, row.end / 1000 - row.start / 1000 - row.paused);
        }
        if (!records.changed.empty()) {
            const std::vector<DayFocus> day = p.tasks->focusPerDay(today, today);
            if (day.size() != 1 || day.front() != expected)
                return QStringLiteral("today's totals read %1 Pomodoros, %2 s; the records hold %3, %4 s")
                    .arg(day.empty() ? -1 : day.front().pomodoros)
                    .arg(day.empty() ? -1 : day.front().seconds)
                    .arg(expected.pomodoros)
                    .arg(expected.seconds);
        }
        // The tray may lag while a read is refused, by a retry period at most.
        if (p.goalDate == today && p.goal->status.value().today != expected.pomodoros &&
            p.scheduler.elapsedMs() - p.fineSince > 1000 * (CycleController::unsavedTaskRetry.count() + 1))
            return QStringLiteral("the tray counts %1 Pomodoros today, the records %2")
                .arg(p.goal->status.value().today)
                .arg(expected.pomodoros);
    }
    return std::nullopt;
}

} // namespace

std::vector<SimulationEvent> CycleSimulation::draw(std::uint64_t seed, std::size_t steps)
{
    std::mt19937_64 random(seed);
    std::vector<int> weights;
    for (const KindInfo& info : kinds)
        weights.push_back(info.weight);
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    std::vector<SimulationEvent> events;
    events.reserve(steps);
    for (std::size_t i = 0; i < steps; ++i) {
        const int kind = pick(random);
        const KindInfo& info = kinds[kind];
        const qint64 arg = info.high > info.low
                               ? std::uniform_int_distribution<qint64>(info.low, info.high)(random)
                               : info.low;
        events.push_back({kind, arg});
    }
    return events;
}

std::optional<CycleSimulation::Failure> CycleSimulation::run(const std::vector<SimulationEvent>& events,
                                                             int deepEvery, qint64* simulatedMs)
{
    World world(deepEvery);
    std::optional<Failure> failure;
    for (std::size_t i = 0; i < events.size() && !failure; ++i)
        if (auto what = world.step(events[i], i))
            failure = Failure{i, *what};
    if (simulatedMs)
        *simulatedMs = world.simulatedMs();
    return failure;
}

std::vector<SimulationEvent> CycleSimulation::shrink(std::vector<SimulationEvent> events, int budget)
{
    const auto first = run(events);
    if (!first)
        return events;
    // The same invariant must break, not another one found on the way.
    static const QRegularExpression numbers(QStringLiteral("[-0-9:.TZ]+"));
    const QString kind = QString(first->what).remove(numbers);
    const auto run = [&](const std::vector<SimulationEvent>& candidate) {
        auto failure = CycleSimulation::run(candidate);
        return failure && QString(failure->what).remove(numbers) == kind ? failure : std::nullopt;
    };
    events.resize(first->step + 1);
    // Delta debugging: drop ever smaller chunks while the run still fails.
    std::size_t chunks = 2;
    while (events.size() > 1 && budget > 0) {
        const std::size_t size = (events.size() + chunks - 1) / chunks;
        bool dropped = false;
        for (std::size_t start = 0; start < events.size() && budget > 0; start += size) {
            std::vector<SimulationEvent> candidate(events.begin(), events.begin() + std::ptrdiff_t(start));
            candidate.insert(candidate.end(),
                             events.begin() + std::ptrdiff_t(std::min(start + size, events.size())),
                             events.end());
            --budget;
            if (const auto failure = run(candidate)) {
                candidate.resize(failure->step + 1);
                events = std::move(candidate);
                chunks = std::max<std::size_t>(chunks - 1, 2);
                dropped = true;
                break;
            }
        }
        if (!dropped) {
            if (size == 1)
                break;
            chunks = std::min(chunks * 2, events.size());
        }
    }
    return events;
}

QString CycleSimulation::format(const std::vector<SimulationEvent>& events)
{
    QStringList words;
    for (const SimulationEvent& event : events) {
        const KindInfo& info = kinds[event.kind];
        words << (info.high > info.low ? QStringLiteral("%1:%2").arg(QLatin1String(info.name)).arg(event.arg)
                                       : QLatin1String(info.name));
    }
    return words.join(QLatin1Char(' '));
}

std::optional<std::vector<SimulationEvent>> CycleSimulation::parse(const QString& text)
{
    std::vector<SimulationEvent> events;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString name = word.section(QLatin1Char(':'), 0, 0);
        const auto info = std::find_if(std::begin(kinds), std::end(kinds),
                                       [&](const KindInfo& k) { return name == QLatin1String(k.name); });
        if (info == std::end(kinds))
            return std::nullopt;
        bool number = true;
        const qint64 arg = word.contains(QLatin1Char(':'))
                               ? word.section(QLatin1Char(':'), 1).toLongLong(&number)
                               : info->low;
        if (!number)
            return std::nullopt;
        events.push_back({int(info - std::begin(kinds)), arg});
    }
    return events;
}
