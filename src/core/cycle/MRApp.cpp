#include "cycle/MRApp.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "records/TaskService.h"
#include "settings/IntervalLength.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "timer/Clock.h"
#include "timer/MRTimer.h"
#include "timer/NotificationCenter.h"
#include "timer/Scheduler.h"

#include <QPointer>

#include <algorithm>

using namespace std::chrono_literals;

namespace {
MRApp* sharedApp = nullptr;

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
} // namespace

MRApp::MRApp(MRAppDependencies dependencies, QObject* parent)
    : QObject(parent), deps(std::move(dependencies)),
      pictures(BreakPicturesDependencies{deps.preferences, deps.scheduler, deps.breakWindows, deps.wallpapers,
                                         deps.images, deps.imageExecutor, deps.defaultImage}),
      recorder(*deps.tasks, *deps.clock, *deps.scheduler, deps.notifications),
      hold(*deps.preferences, *deps.scheduler, *deps.clock, *deps.notifications, deps.presence)
{
    Q_ASSERT(deps.preferences && deps.clock && deps.scheduler && deps.timer && deps.tasks &&
             deps.notifications && deps.breakWindows && deps.wallpapers && deps.images);
    sharedApp = this;
    QPointer<MRApp> weak(this);
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

MRApp::~MRApp()
{
    deps.scheduler->cancel(pauseCheck);
    if (sharedApp == this)
        sharedApp = nullptr;
}

MRApp* MRApp::shared()
{
    return sharedApp;
}

WTask MRApp::newTask(int type) const
{
    WTask record;
    record.type = 0;
    record.start = deps.clock->now();
    record.name = QStringLiteral("[reserved]");
    record.type = type;
    return record;
}

void MRApp::stopTimer()
{
    deps.timer->stop();
}

void MRApp::setShouldShowPostpone(bool value)
{
    postponeAllowed = value;
    LOG_INFO(QStringLiteral("shouldShowPostpone status: ") + boolText(value));
}

void MRApp::setShouldShowStartPomodoroReminder(bool value)
{
    const bool changed = startPomodoroReminder != value;
    startPomodoroReminder = value;
    if (changed)
        Q_EMIT shouldShowStartPomodoroReminderChanged(value);
}

void MRApp::hideBreakWindows()
{
    pictures.cancel();
    deps.breakWindows->hideAll();
    setShouldShowPostpone(false);
    if (backToWorkShowing.value())
        backToWorkShowing.accept(false);
}

bool MRApp::closeBackToWorkScreen()
{
    if (!backToWorkShowing.value() || state.value() != MRAppState::idle)
        return false;
    LOG_INFO(QStringLiteral("Close the back-to-work screen"));
    setShouldShowStartPomodoroReminder(true);
    hideBreakWindows();
    return true;
}

void MRApp::startPomodoro()
{
    setShouldShowStartPomodoroReminder(false);
    LOG_INFO(QStringLiteral("startPomodoro"));
    track(MREvent::startPomodoro);
    hold.cancel(QStringLiteral("a new Pomodoro"));
    clearPause();
    deps.notifications->clearAllNotification();
    lastMinuteNotificationSent = false;
    hideBreakWindows();
    const int duration = intervalSeconds(*deps.preferences, DurationKey::pomodoro);
    task = newTask(1);
    recordedPomodoro.reset();
    state.accept(MRAppState::working);
    QPointer<MRApp> weak(this);
    deps.timer->start(duration, [weak] {
        if (weak)
            weak->pomodoroCompleted();
    });
}

void MRApp::stopPomodoro()
{
    track(MREvent::stopPomodoro);
    hold.cancel(QStringLiteral("stopped"));
    clearPause();
    state.accept(MRAppState::idle);
    task.reset();
    recordedPomodoro.reset();
    lastMinuteNotificationSent = false;
    stopTimer();
}

void MRApp::shortBreak()
{
    LOG_INFO(QStringLiteral("shortBreak"));
    track(MREvent::startShortBreak);
    hold.cancel(QStringLiteral("a short break from the menu"));
    clearPause();
    recordedPomodoro.reset(); // a break of its own, not the one after a Pomodoro
    state.accept(MRAppState::shortBreak);
    startBreak(intervalSeconds(*deps.preferences, DurationKey::shortBreak), 2);
}

void MRApp::longBreak()
{
    LOG_INFO(QStringLiteral("longBreak"));
    track(MREvent::startLongBreak);
    hold.cancel(QStringLiteral("a long break from the menu"));
    clearPause();
    recordedPomodoro.reset();
    state.accept(MRAppState::longBreak);
    startBreak(intervalSeconds(*deps.preferences, DurationKey::longBreak), 3);
}

WallpaperOption MRApp::wallpaperOptionForBreak()
{
    return pictures.optionForBreak();
}

void MRApp::startBreak(int duration, int taskType)
{
    task = newTask(taskType);
    if (deps.closeAuxiliaryWindows)
        deps.closeAuxiliaryWindows();
    lastMinuteNotificationSent = false;
    pictures.showForBreak(duration);

    QPointer<MRApp> weak(this);
    deps.timer->start(duration, [weak] {
        if (weak)
            weak->breakCompleted();
    });
}

void MRApp::showWindows(WallpaperOption option, const QImage& wallpaperImage, double blurRadius,
                        int timeInterval, const QString& wallpaperHash)
{
    pictures.showWindows(option, wallpaperImage, blurRadius, timeInterval, wallpaperHash);
}

QImage MRApp::prepareWallpaperImage(const QImage& image, WallpaperOption option, const BreakScreen& screen,
                                    double blurRadius)
{
    return pictures.prepareWallpaperImage(image, option, screen, blurRadius);
}

void MRApp::pomodoroCompleted()
{
    recordedPomodoro = finishCurrentTask();
    track(MREvent::pomodoroCompleted);
    if (recordedPomodoro)
        Q_EMIT pomodoroRecorded();
    continueWithBreakAfterPomodoro();
}

void MRApp::postponedCompleted()
{
    recordedPomodoro = updatingPostponeTask();
    track(MREvent::stopPostponePomodoro);
    if (recordedPomodoro)
        Q_EMIT pomodoroRecorded();
    continueWithBreakAfterPomodoro();
}

void MRApp::continueWithBreakAfterPomodoro()
{
    const bool takeLongBreak = deps.tasks->shouldTakeALongBreak();
    LOG_INFO(QStringLiteral("shouldTakeALongBreak: ") + boolText(takeLongBreak));
    setShouldShowPostpone(true);
    LOG_INFO(QStringLiteral("shouldShowPostpone changed to true: ") + boolText(postponeAllowed));
    // The kind of break is chosen now: holding it changes neither the count nor the choice.
    QPointer<MRApp> weak(this);
    hold.beforeBreak([weak, takeLongBreak] {
        if (!weak)
            return;
        if (!takeLongBreak) {
            LOG_INFO(QStringLiteral("shortBreak"));
            track(MREvent::startShortBreak);
            weak->state.accept(MRAppState::shortBreak);
            weak->startBreak(intervalSeconds(*weak->deps.preferences, DurationKey::shortBreak), 2);
        } else {
            track(MREvent::autoLongBreak);
            LOG_INFO(QStringLiteral("longBreak"));
            track(MREvent::startLongBreak);
            weak->state.accept(MRAppState::longBreak);
            weak->startBreak(intervalSeconds(*weak->deps.preferences, DurationKey::longBreak), 3);
        }
    });
}

void MRApp::breakCompleted()
{
    // A picture still on its way belongs to a break that is over: it never shows windows.
    pictures.cancel();
    deps.breakWindows->breakDidEnd();
    state.accept(MRAppState::idle);
    backToWorkShowing.accept(true);
    finishCurrentTask();
}

void MRApp::stopBreak()
{
    setShouldShowStartPomodoroReminder(true);
    finishCurrentTask();
    track(MREvent::stopBreak);
    LOG_INFO(QStringLiteral("Stop break timer manualy"));
    stopTimer();
    state.accept(MRAppState::idle);
    hideBreakWindows();
}

void MRApp::handleStopRequest(StopTimerEvent event)
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

void MRApp::postponePomodoro(int seconds)
{
    setShouldShowStartPomodoroReminder(false);
    LOG_INFO(QStringLiteral("postponePomodoro"));
    track(MREvent::postponePomodoro);
    hold.cancel(QStringLiteral("postponed"));
    clearPause();
    deps.notifications->clearAllNotification();
    lastMinuteNotificationSent = false;
    hideBreakWindows();
    // The extension lengthens the Pomodoro this cycle recorded, so the interrupted break counts
    // inside it; without one (not written, a break from the menu, a break already recorded)
    // the extension is a Pomodoro of its own rather than a stretch of some older row.
    task = recordedPomodoro ? recordedPomodoro : newTask(1);
    recordedPomodoro.reset();
    state.accept(MRAppState::working);
    QPointer<MRApp> weak(this);
    deps.timer->start(seconds, [weak] {
        if (weak)
            weak->postponedCompleted();
    });
}
bool MRApp::pausePomodoro()
{
    if (state.value() != MRAppState::working || !task || hold.isHeld() || !deps.timer->pause())
        return false;
    LOG_INFO(QStringLiteral("Pause the Pomodoro with %1 s left").arg(deps.timer->currentTime.value()));
    pausedAt = deps.clock->now();
    isPaused.accept(true);
    schedulePauseCheck();
    return true;
}

bool MRApp::resumePomodoro()
{
    if (!isPaused.value() || !pausedAt || !deps.timer->resume())
        return false;
    // Rounded, not cut: a cut second per pause would count as focused time.
    const qint64 pausedFor = std::max<qint64>(0, (pausedAt->msecsTo(deps.clock->now()) + 500) / 1000);
    LOG_INFO(QStringLiteral("Resume the Pomodoro after a pause of %1 s").arg(pausedFor));
    if (task)
        task->paused += pausedFor;
    clearPause();
    return true;
}

qint64 MRApp::pauseLimit() const
{
    const qint64 stored = deps.preferences->intValue(PauseKey::stopAfter);
    return stored > 0 ? stored : defaultPauseLimit;
}

void MRApp::clearPause()
{
    deps.scheduler->cancel(pauseCheck);
    pauseCheck = 0;
    pausedAt.reset();
    if (isPaused.value())
        isPaused.accept(false);
}

void MRApp::schedulePauseCheck()
{
    deps.scheduler->cancel(pauseCheck);
    const qint64 left = pauseLimit() - pausedAt->secsTo(deps.clock->now());
    // Looked at again at least once a minute: the scheduler's time stands still while the
    // machine sleeps, the wall clock does not.
    const qint64 wait = std::clamp<qint64>(left, 1, 60);
    QPointer<MRApp> weak(this);
    pauseCheck = deps.scheduler->schedule(std::chrono::seconds(wait), [weak] {
        if (weak)
            weak->checkPause();
    });
}

void MRApp::checkPause()
{
    pauseCheck = 0;
    if (!isPaused.value() || !pausedAt)
        return;
    const qint64 pausedFor = pausedAt->secsTo(deps.clock->now());
    if (pausedFor < pauseLimit()) {
        schedulePauseCheck();
        return;
    }
    LOG_INFO(QStringLiteral("The Pomodoro was paused for %1 s: stopped").arg(pausedFor));
    stopPomodoro();
    deps.notifications->postNotification(
        tr("Pomodoro stopped"),
        tr("It was paused for more than %n minute(s).", nullptr, int(pauseLimit() / 60)));
}

std::optional<WTask> MRApp::finishCurrentTask()
{
    if (!task)
        return std::nullopt;
    // A row written after the Pomodoro's own (its break) ends what a postponement may lengthen.
    recordedPomodoro.reset();
    return recorder.insert(*std::exchange(task, std::nullopt));
}

std::optional<WTask> MRApp::updatingPostponeTask()
{
    if (!task)
        return std::nullopt;
    return recorder.updateOrInsert(*std::exchange(task, std::nullopt));
}

void MRApp::lastMinuteWarning()
{
    QPointer<MRApp> weak(this);
    disposeBag += deps.timer->currentTime.subscribe([this, weak](int remaining) {
        if (remaining == 0 || remaining > 60 || state.value() != MRAppState::working ||
            lastMinuteNotificationSent || isPaused.value())
            return;
        // Marked at once so that a second value before the post cannot send it twice.
        lastMinuteNotificationSent = true;
        deps.scheduler->schedule(0ms, [weak] {
            if (!weak)
                return;
            weak->deps.notifications->postNotification(QStringLiteral("Last Minute!"),
                                                       QStringLiteral("Almost time to take a break!"));
            Q_EMIT weak->lastMinuteWarningPosted();
        });
    });
}

void MRApp::startPomodoroShortcutTriggered()
{
    switch (state.value()) {
    case MRAppState::idle:
        startPomodoro();
        break;
    case MRAppState::working:
        stopPomodoro();
        break;
    case MRAppState::shortBreak:
    case MRAppState::longBreak:
        break;
    }
}

void MRApp::shortBreakShortcutTriggered()
{
    switch (state.value()) {
    case MRAppState::idle:
        shortBreak();
        break;
    case MRAppState::shortBreak:
    case MRAppState::longBreak:
        Q_EMIT stopBreakShortcutTriggered();
        break;
    case MRAppState::working:
        break;
    }
}

void MRApp::pauseShortcutTriggered()
{
    if (!resumePomodoro())
        pausePomodoro();
}

bool MRApp::launchAtLogin(bool enabled)
{
    if (!deps.loginItems)
        return false;
    return UserDefaults::launchAtLogin(*deps.loginItems, enabled);
}
