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
class LoginItems;
class Countdown;
class NotificationCenter;
class Preferences;
class Presence;
class Scheduler;
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
    LoginItems* loginItems = nullptr;
    // Prepares each screen's picture away from the main thread; unset runs it in place.
    WorkExecutor* imageExecutor = nullptr;
    // The bundled "default-image", used when a cached wallpaper cannot be loaded.
    std::function<QImage()> defaultImage;
    // Closes the About and preferences windows when a break starts (optional).
    std::function<void()> closeAuxiliaryWindows;
    // Calls, shares and full-screen work that hold the break after a Pomodoro (optional).
    Presence* presence = nullptr;
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

    // Subscribes the one-minute-left notification to the countdown; call once at start-up.
    void lastMinuteWarning();

    bool launchAtLogin(bool enabled);

    // The break after a Pomodoro, held while the user is busy (see BreakHold). The state stays
    // working while it is.
    BreakHold& breakHold() { return hold; }
    bool isBreakHeld() const { return hold.isHeld(); }

    bool shouldShowStartPomodoroReminder() const { return startPomodoroReminder; }
    bool shouldShowPostpone() const { return postponeAllowed; }
    bool notificationSent() const { return lastMinuteNotificationSent; }
    const std::optional<Interval>& currentTask() const { return task; }

    // The break's pictures, prepared by BreakPictures (see there).
    WallpaperOption wallpaperOptionForBreak();
    void showWindows(WallpaperOption option, const QImage& wallpaperImage, double blurRadius,
                     int timeInterval, const QString& wallpaperHash);
    QImage prepareWallpaperImage(const QImage& image, WallpaperOption option, const BreakScreen& screen,
                                 double blurRadius);

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
    // Both return the stored record with its taskID, or none when it was not written (yet).
    std::optional<Interval> finishCurrentTask();
    std::optional<Interval> updatingPostponeTask();
    void hideBreakWindows();
    void setShouldShowPostpone(bool value);
    void setShouldShowStartPomodoroReminder(bool value);
    Interval newTask(int type) const;
    void stopTimer();
    // Ends a pause without counting it: the interval it belonged to is over.
    void clearPause();
    void pauseLimitReached(qint64 pausedFor);

    CycleControllerDependencies deps;
    bool startPomodoroReminder = false;
    bool postponeAllowed = false;
    bool lastMinuteNotificationSent = false;
    std::optional<Interval> task;
    // The Pomodoro row this cycle wrote, while its break runs: the one a postponement lengthens.
    std::optional<Interval> recordedPomodoro;
    BreakPictures pictures;
    TaskRecorder recorder;
    BreakHold hold;
    PomodoroPause pause;
    DisposeBag disposeBag;
};
