#include "cycle/CycleController.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "records/TaskService.h"
#include "settings/IntervalLength.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"
#include "timer/Countdown.h"
#include "timer/NotificationCenter.h"
#include "timer/Scheduler.h"

#include <QPointer>

using namespace std::chrono_literals;

namespace {
CycleController* sharedApp = nullptr;

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
} // namespace

CycleController::CycleController(CycleControllerDependencies dependencies, QObject* parent)
    : QObject(parent), deps(std::move(dependencies)),
      pictures(BreakPicturesDependencies{deps.preferences, deps.scheduler, deps.breakWindows, deps.wallpapers,
                                         deps.images, deps.imageExecutor, deps.defaultImage}),
      recorder(*deps.tasks, *deps.clock, *deps.scheduler, deps.notifications),
      hold(*deps.preferences, *deps.scheduler, *deps.clock, *deps.notifications, deps.presence),
      pause(*deps.preferences, *deps.clock, *deps.scheduler, deps.sleepMonitor,
            [this](qint64 pausedFor) { pauseLimitReached(pausedFor); })
{
    Q_ASSERT(deps.preferences && deps.clock && deps.scheduler && deps.timer && deps.tasks &&
             deps.notifications && deps.breakWindows && deps.wallpapers && deps.images);
    sharedApp = this;
    QPointer<CycleController> weak(this);
    deps.breakWindows->setHandlers(BreakHandlers{
        [weak] {
            if (weak)
                weak->startPomodoro();
        },
        [weak] {
            if (weak)
                weak->stopBreak();
        },
        [weak](StopTimerEvent event) {
            if (weak)
                weak->handleStopRequest(event);
        },
    });
}

CycleController::~CycleController()
{
    if (sharedApp == this)
        sharedApp = nullptr;
}

CycleController* CycleController::shared()
{
    return sharedApp;
}

Interval CycleController::newTask(int type)
{
    Interval record;
    // Read once the database answers (another program may hold it at start), never lowered.
    if (!lastEndRead) {
        const std::optional<QDateTime> latest = deps.tasks->latestEnd();
        lastEndRead = !deps.tasks->lastReadFailed();
        lastEnd = latest && (!lastEnd.isValid() || *latest > lastEnd) ? *latest : lastEnd;
    }
    const QDateTime now = deps.clock->now();
    record.start = lastEnd.isValid() && lastEnd > now ? lastEnd : now;
    record.name = QStringLiteral("[reserved]");
    record.type = type;
    measureFrom(record.start);
    return record;
}

void CycleController::measureFrom(const QDateTime& from)
{
    measuredFrom = from;
    measuredFromMs = deps.clock->steadyMs();
    pausedMs = 0;
}

void CycleController::setShouldShowPostpone(bool value)
{
    postponeAllowed = value;
    LOG_INFO(QStringLiteral("shouldShowPostpone status: ") + boolText(value));
}

void CycleController::setShouldShowStartPomodoroReminder(bool value)
{
    const bool changed = startPomodoroReminder != value;
    startPomodoroReminder = value;
    if (changed)
        Q_EMIT shouldShowStartPomodoroReminderChanged(value);
}

void CycleController::hideBreakWindows()
{
    pictures.cancel();
    deps.breakWindows->hideAll();
    setShouldShowPostpone(false);
    if (backToWorkShowing.value())
        backToWorkShowing.accept(false);
}

bool CycleController::closeBackToWorkScreen()
{
    if (!backToWorkShowing.value() || state.value() != CycleState::idle)
        return false;
    LOG_INFO(QStringLiteral("Close the back-to-work screen"));
    setShouldShowStartPomodoroReminder(true);
    hideBreakWindows();
    return true;
}

void CycleController::prepareToQuit()
{
    LOG_INFO(QStringLiteral("Quit in state ") + appStateName(state.value()));
    if (state.value() == CycleState::working)
        stopPomodoro();
    else if (state.value() != CycleState::idle)
        stopBreak();
    hideBreakWindows();
}

void CycleController::startPomodoro()
{
    setShouldShowStartPomodoroReminder(false);
    LOG_INFO(QStringLiteral("startPomodoro"));
    track(UsageEvent::startPomodoro);
    hold.cancel(QStringLiteral("a new Pomodoro"));
    clearPause();
    deps.notifications->clearAllNotification();
    lastMinuteNotificationSent = false;
    hideBreakWindows();
    const int duration = intervalSeconds(*deps.preferences, DurationKey::pomodoro);
    task = newTask(1);
    finishedPomodoro.reset();
    state.accept(CycleState::working);
    QPointer<CycleController> weak(this);
    deps.timer->start(duration, [weak] {
        if (weak)
            weak->pomodoroCompleted();
    });
}

void CycleController::stopPomodoro()
{
    track(UsageEvent::stopPomodoro);
    hold.cancel(QStringLiteral("stopped"));
    clearPause();
    state.accept(CycleState::idle);
    task.reset();
    finishedPomodoro.reset();
    lastMinuteNotificationSent = false;
    deps.timer->stop();
}

void CycleController::shortBreak()
{
    LOG_INFO(QStringLiteral("shortBreak"));
    track(UsageEvent::startShortBreak);
    hold.cancel(QStringLiteral("a short break from the menu"));
    clearPause();
    finishedPomodoro.reset(); // a break of its own, not the one after a Pomodoro
    state.accept(CycleState::shortBreak);
    startBreak(intervalSeconds(*deps.preferences, DurationKey::shortBreak), 2);
}

void CycleController::longBreak()
{
    LOG_INFO(QStringLiteral("longBreak"));
    track(UsageEvent::startLongBreak);
    hold.cancel(QStringLiteral("a long break from the menu"));
    clearPause();
    finishedPomodoro.reset();
    state.accept(CycleState::longBreak);
    startBreak(intervalSeconds(*deps.preferences, DurationKey::longBreak), 3);
}

WallpaperOption CycleController::wallpaperOptionForBreak()
{
    return pictures.optionForBreak();
}

void CycleController::startBreak(int duration, int taskType)
{
    // The back-to-work screen of the last break goes first: a capture of the screen for this
    // one must not show it.
    if (backToWorkShowing.value())
        hideBreakWindows();
    task = newTask(taskType);
    if (deps.closeAuxiliaryWindows)
        deps.closeAuxiliaryWindows();
    lastMinuteNotificationSent = false;
    pictures.showForBreak(duration);

    QPointer<CycleController> weak(this);
    deps.timer->start(duration, [weak] {
        if (weak)
            weak->breakCompleted();
    });
}

void CycleController::pomodoroCompleted()
{
    finishedPomodoro = finishCurrentTask();
    track(UsageEvent::pomodoroCompleted);
    if (finishedPomodoro && finishedPomodoro->taskID)
        Q_EMIT pomodoroRecorded();
    continueWithBreakAfterPomodoro();
}

void CycleController::postponedCompleted()
{
    finishedPomodoro = finishCurrentTask(true);
    track(UsageEvent::stopPostponePomodoro);
    if (finishedPomodoro && finishedPomodoro->taskID)
        Q_EMIT pomodoroRecorded();
    continueWithBreakAfterPomodoro();
}

void CycleController::continueWithBreakAfterPomodoro()
{
    const bool takeLongBreak = deps.tasks->shouldTakeALongBreak();
    LOG_INFO(QStringLiteral("shouldTakeALongBreak: ") + boolText(takeLongBreak));
    setShouldShowPostpone(true);
    LOG_INFO(QStringLiteral("shouldShowPostpone changed to true: ") + boolText(postponeAllowed));
    // The kind of break is chosen now: holding it changes neither the count nor the choice.
    QPointer<CycleController> weak(this);
    hold.beforeBreak([weak, takeLongBreak] {
        if (!weak)
            return;
        if (!takeLongBreak) {
            LOG_INFO(QStringLiteral("shortBreak"));
            track(UsageEvent::startShortBreak);
            weak->state.accept(CycleState::shortBreak);
            weak->startBreak(intervalSeconds(*weak->deps.preferences, DurationKey::shortBreak), 2);
        } else {
            track(UsageEvent::autoLongBreak);
            LOG_INFO(QStringLiteral("longBreak"));
            track(UsageEvent::startLongBreak);
            weak->state.accept(CycleState::longBreak);
            weak->startBreak(intervalSeconds(*weak->deps.preferences, DurationKey::longBreak), 3);
        }
    });
}

void CycleController::breakCompleted()
{
    // A picture still on its way belongs to a break that is over: it never shows windows.
    pictures.cancel();
    deps.breakWindows->breakDidEnd();
    // Nothing is left to postpone once the break has run out.
    setShouldShowPostpone(false);
    state.accept(CycleState::idle);
    backToWorkShowing.accept(true);
    finishCurrentTask();
}

void CycleController::stopBreak()
{
    setShouldShowStartPomodoroReminder(true);
    finishCurrentTask();
    track(UsageEvent::stopBreak);
    LOG_INFO(QStringLiteral("Stop break timer manualy"));
    deps.timer->stop();
    state.accept(CycleState::idle);
    hideBreakWindows();
}

void CycleController::handleStopRequest(StopTimerEvent event)
{
    switch (event) {
    case StopTimerEvent::newPomodoro:
        stopBreak();
        LOG_INFO(QStringLiteral("Start a new pomodoro timer immediately"));
        startPomodoro();
        break;
    case StopTimerEvent::postponePomodoro:
        task.reset(); // the interrupted break is not recorded
        stopBreak();
        LOG_INFO(QStringLiteral("Postpone the pomodoro timer for 1 minute"));
        postponePomodoro(postponeSeconds);
        break;
    case StopTimerEvent::noNewPomodoro:
        stopBreak();
        break;
    }
}

void CycleController::postponePomodoro(int seconds)
{
    setShouldShowStartPomodoroReminder(false);
    LOG_INFO(QStringLiteral("postponePomodoro"));
    track(UsageEvent::postponePomodoro);
    hold.cancel(QStringLiteral("postponed"));
    clearPause();
    deps.notifications->clearAllNotification();
    lastMinuteNotificationSent = false;
    hideBreakWindows();
    // The extension lengthens the Pomodoro this cycle finished (written or kept) by its own
    // length only: a hold and the interrupted break are neither focus nor part of it. Without
    // one (a break from the menu, a break already recorded) it is a Pomodoro of its own.
    if (finishedPomodoro) {
        task = std::exchange(finishedPomodoro, std::nullopt);
        measureFrom(*task->end);
    } else {
        task = newTask(1);
    }
    state.accept(CycleState::working);
    QPointer<CycleController> weak(this);
    deps.timer->start(seconds, [weak] {
        if (weak)
            weak->postponedCompleted();
    });
}

bool CycleController::pausePomodoro()
{
    if (state.value() != CycleState::working || !task || hold.isHeld() || !deps.timer->pause())
        return false;
    LOG_INFO(QStringLiteral("Pause the Pomodoro with %1 s left").arg(deps.timer->currentTime.value()));
    pause.begin();
    isPaused.accept(true);
    return true;
}

bool CycleController::resumePomodoro()
{
    if (!isPaused.value() || !pause.isActive())
        return false;
    // None when the pause outlasted its limit: the Pomodoro has just been stopped.
    const std::optional<qint64> pausedFor = pause.end();
    if (!pausedFor || !deps.timer->resume())
        return false;
    LOG_INFO(QStringLiteral("Resume the Pomodoro after a pause of %1 s").arg((*pausedFor + 500) / 1000));
    pausedMs += *pausedFor;
    clearPause();
    return true;
}

void CycleController::clearPause()
{
    pause.clear();
    if (isPaused.value())
        isPaused.accept(false);
}

void CycleController::pauseLimitReached(qint64 pausedFor)
{
    LOG_INFO(QStringLiteral("The Pomodoro was paused for %1 s: stopped").arg(pausedFor));
    stopPomodoro();
    deps.notifications->postNotification(
        tr("Pomodoro stopped"),
        tr("It was paused for more than %n minute(s).", nullptr, int(pauseLimit() / 60)));
}

std::optional<Interval> CycleController::finishCurrentTask(bool lengthen)
{
    if (!task)
        return std::nullopt;
    // A row written after the Pomodoro's own (its break) ends what a postponement may lengthen.
    finishedPomodoro.reset();
    Interval finished = *std::exchange(task, std::nullopt);
    finished.end = measuredFrom.addMSecs(std::max<qint64>(0, deps.clock->steadyMs() - measuredFromMs));
    // Rounded once, not per pause: a cut second per pause would count as focused time.
    finished.paused += (pausedMs + 500) / 1000;
    pausedMs = 0;
    lastEnd = *finished.end;
    std::optional<Interval> written =
        lengthen ? recorder.updateOrInsert(finished) : recorder.insert(finished);
    return written ? written : finished;
}

void CycleController::lastMinuteWarning()
{
    QPointer<CycleController> weak(this);
    disposeBag += deps.timer->currentTime.subscribe([this, weak](int remaining) {
        if (remaining == 0 || remaining > 60 || state.value() != CycleState::working ||
            lastMinuteNotificationSent || isPaused.value())
            return;
        // Marked at once so that a second value before the post cannot send it twice.
        lastMinuteNotificationSent = true;
        deps.scheduler->schedule(0ms, [weak] {
            if (!weak)
                return;
            weak->deps.notifications->postNotification(tr("Last Minute!"),
                                                       tr("Almost time to take a break!"));
            Q_EMIT weak->lastMinuteWarningPosted();
        });
    });
}
