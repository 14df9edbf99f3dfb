#pragma once

#include "cycle/BreakHold.h"
#include "cycle/BreakPictures.h"
#include "cycle/BreakPorts.h"
#include "cycle/CycleState.h"
#include "cycle/PomodoroPause.h"
#include "cycle/TaskRecorder.h"
#include "reactive/BehaviorRelay.h"
#include "records/Interval.h"
#include "settings/PreferKey.h"

#include <QImage>
#include <QObject>

#include <chrono>
#include <functional>
#include <optional>

class Clock;
class Countdown;
class NotificationCenter;
class Preferences;
class Presence;
class Scheduler;
class SleepMonitor;
class TaskService;
class WorkExecutor;

// Everything the cycle controller works with; app/ wires the real ones, tests the fakes.
struct CycleControllerDependencies
{
    Preferences* preferences = nullptr;
    const Clock* clock = nullptr;
    Scheduler* scheduler = nullptr;
    Countdown* timer = nullptr;
    TaskService* tasks = nullptr;
    NotificationCenter* notifications = nullptr;
    BreakWindows* breakWindows = nullptr;
    WallpaperProvider* wallpapers = nullptr;
    ImageSource* images = nullptr;
    // Prepares each screen's picture away from the main thread; unset runs it in place.
    WorkExecutor* imageExecutor = nullptr;
    // The bundled "default-image", used when a cached wallpaper cannot be loaded.
    std::function<QImage()> defaultImage;
    // Closes the About and preferences windows when a break starts (optional).
    std::function<void()> closeAuxiliaryWindows;
    // Calls, shares and full-screen work that hold the break after a Pomodoro (optional).
    Presence* presence = nullptr;
    // Lets a pause past its limit end at wake rather than a minute later (optional).
    SleepMonitor* sleepMonitor = nullptr;
};

// The application controller: the only writer of the application state. It runs the Pomodoro
// cycle and its postponements; the break's pictures and the records are its helpers' jobs.
class CycleController : public QObject
{
    Q_OBJECT
public:
    static constexpr int postponeSeconds = 60;
    static constexpr double breakBlurRadius = BreakPictures::breakBlurRadius;
    // How often tasks kept while the database was busy are tried again.
    static constexpr std::chrono::seconds unsavedTaskRetry = TaskRecorder::unsavedTaskRetry;

    explicit CycleController(CycleControllerDependencies dependencies, QObject* parent = nullptr);
    ~CycleController() override;

    // The instance the running application made, or null.
    static CycleController* shared();

    BehaviorRelay<CycleState> state{CycleState::idle};
    BehaviorRelay<bool> isDarkMode{false};
    // The running Pomodoro's countdown stands still (pausePomodoro()).
    BehaviorRelay<bool> isPaused{false};
    // A break ended and its back-to-work screen is still up.
    BehaviorRelay<bool> backToWorkShowing{false};

    // The one answer to "is a timer running" for every path (tray, command line, D-Bus,
    // launcher actions, shortcuts): a Pomodoro counting, paused or asleep, a finished one whose
    // break is held or being decided, a break.
    bool isTimerRunning() const { return state.value() != CycleState::idle; }
    // A finished Pomodoro waits for its break: held, or while the presence sources are asked.
    bool isBreakPending() const { return state.value() == CycleState::working && !task; }

    // Commands.
    void startPomodoro();
    void stopPomodoro();
    void shortBreak();
    void longBreak();
    void stopBreak();
    void postponePomodoro(int seconds);
    // Freezes the running Pomodoro (not a break, nor one whose break is held); false when there
    // is none to pause. Paused time is left out of the record's focused length, and a pause
    // longer than the "StopPausedPomodoroAfter" preference stops the Pomodoro as Stop would.
    bool pausePomodoro();
    // False when no Pomodoro is paused.
    bool resumePomodoro();
    // How long a pause may last before it stops the Pomodoro.
    qint64 pauseLimit() const { return pause.limit(); }
    static constexpr qint64 defaultPauseLimit = PomodoroPause::defaultLimit;
    // A stop request from the break overlay, after its own guards.
    void handleStopRequest(StopTimerEvent event);
    // Closes the back-to-work screen of a break that ended, also a locked one: the session
    // owner's way out through the tray, the command line and D-Bus. Nothing more is recorded
    // (the break was when it ended). False when no such screen is up.
    bool closeBackToWorkScreen();
    // Before the program quits: ends whatever runs as a stop would (a break is recorded, a
    // running Pomodoro is not) and takes the break windows down, so nothing refuses the quit.
    void prepareToQuit();

    // Subscribes the one-minute-left notification to the countdown; call once at start-up.
    void lastMinuteWarning();

    // The break after a Pomodoro, held while the user is busy (see BreakHold). The state stays
    // working while it is.
    BreakHold& breakHold() { return hold; }
    bool isBreakHeld() const { return hold.isHeld(); }
    // Writes the finished intervals; says when some reached the records.
    TaskRecorder& taskRecorder() { return recorder; }

    bool shouldShowStartPomodoroReminder() const { return startPomodoroReminder; }
    bool shouldShowPostpone() const { return postponeAllowed; }
    bool notificationSent() const { return lastMinuteNotificationSent; }
    const std::optional<Interval>& currentTask() const { return task; }

    // The break's pictures, prepared by BreakPictures (see there).
    WallpaperOption wallpaperOptionForBreak();

Q_SIGNALS:
    // The short-break shortcut during a break (ShortcutActions): the overlay treats it like its
    // Stop button.
    void stopBreakShortcutTriggered();
    void shouldShowStartPomodoroReminderChanged(bool value);
    // The one-minute-left notification was just posted.
    void lastMinuteWarningPosted();
    // A finished Pomodoro was written to the records (or lengthened by a postponement).
    void pomodoroRecorded();

private:
    void startBreak(int duration, int taskType);
    void continueWithBreakAfterPomodoro();
    void pomodoroCompleted();
    void postponedCompleted();
    void breakCompleted();
    // Ends the running interval now and records it (lengthen: the row it was read from); returns
    // it, with its taskID once written.
    std::optional<Interval> finishCurrentTask(bool lengthen = false);
    void hideBreakWindows();
    void setShouldShowPostpone(bool value);
    void setShouldShowStartPomodoroReminder(bool value);
    Interval newTask(int type);
    // Starts measuring the running interval's length: its end will be from + the time measured.
    void measureFrom(const QDateTime& from);
    // Ends a pause without counting it: the interval it belonged to is over.
    void clearPause();
    void pauseLimitReached(qint64 pausedFor);

    CycleControllerDependencies deps;
    bool startPomodoroReminder = false;
    bool postponeAllowed = false;
    bool lastMinuteNotificationSent = false;
    std::optional<Interval> task;
    // What the running interval's end is measured from, on the wall clock and the steady one.
    QDateTime measuredFrom;
    qint64 measuredFromMs = 0;
    // The running Pomodoro's pauses, summed to the millisecond and rounded once at its end.
    qint64 pausedMs = 0;
    // The end of the last interval finished: a wall clock set back cannot start the next one
    // inside it.
    QDateTime lastEnd;
    bool lastEndRead = false;
    // The Pomodoro this cycle finished (written, or kept until the database takes it), while its
    // break runs: the one a postponement lengthens.
    std::optional<Interval> finishedPomodoro;
    BreakPictures pictures;
    TaskRecorder recorder;
    BreakHold hold;
    PomodoroPause pause;
    DisposeBag disposeBag;
};
