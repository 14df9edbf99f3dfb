#include "cycle/MRApp.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "imaging/ImageOperations.h"
#include "records/TaskService.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "timer/Clock.h"
#include "timer/MRTimer.h"
#include "timer/NotificationCenter.h"
#include "timer/Scheduler.h"
#include "timer/WorkExecutor.h"

#include <QPointer>

using namespace std::chrono_literals;

namespace {
MRApp* sharedApp = nullptr;

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString imageDescription(const QImage& image)
{
    if (image.isNull())
        return QStringLiteral("QImage(null)");
    return QStringLiteral("QImage(%1x%2 @%3x)")
        .arg(image.width())
        .arg(image.height())
        .arg(image.devicePixelRatio());
}
} // namespace

QString wallpaperOptionName(WallpaperOption option)
{
    switch (option) {
    case WallpaperOption::desktop:
        return QStringLiteral("desktop");
    case WallpaperOption::unsplash:
        return QStringLiteral("unsplash");
    case WallpaperOption::custom:
        return QStringLiteral("custom");
    case WallpaperOption::screen:
        return QStringLiteral("screen");
    }
    return {};
}

MRApp::MRApp(MRAppDependencies dependencies, QObject* parent) : QObject(parent), deps(std::move(dependencies))
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
    ++breakGeneration;
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
    deps.notifications->clearAllNotification();
    lastMinuteNotificationSent = false;
    hideBreakWindows();
    const int duration = deps.preferences->intValue(DurationKey::pomodoro);
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
    recordedPomodoro.reset(); // a break of its own, not the one after a Pomodoro
    state.accept(MRAppState::shortBreak);
    startBreak(deps.preferences->intValue(DurationKey::shortBreak), 2);
}

void MRApp::longBreak()
{
    LOG_INFO(QStringLiteral("longBreak"));
    track(MREvent::startLongBreak);
    recordedPomodoro.reset();
    state.accept(MRAppState::longBreak);
    startBreak(deps.preferences->intValue(DurationKey::longBreak), 3);
}

WallpaperOption MRApp::wallpaperOptionForBreak()
{
    if (deps.wallpapers->fileListInWallpaperFolder().isEmpty())
        return WallpaperOption::desktop;
    const int stored = deps.preferences->intValue(PreferKey::Wallpaper);
    if (stored < 0 || stored > 3)
        return WallpaperOption::desktop;
    return static_cast<WallpaperOption>(stored);
}

void MRApp::startBreak(int duration, int taskType)
{
    task = newTask(taskType);
    if (deps.closeAuxiliaryWindows)
        deps.closeAuxiliaryWindows();
    lastMinuteNotificationSent = false;

    const WallpaperOption option = wallpaperOptionForBreak();
    LOG_INFO(QStringLiteral("option: ") + wallpaperOptionName(option));

    const quint64 generation = ++breakGeneration;
    QPointer<MRApp> weak(this);
    auto stillCurrent = [weak, generation] { return weak && weak->breakGeneration == generation; };

    if (option == WallpaperOption::desktop || option == WallpaperOption::screen) {
        deps.scheduler->schedule(0ms, [weak, stillCurrent, option, duration] {
            if (!stillCurrent())
                return;
            auto withDesktopPicture = [weak, stillCurrent, option, duration] {
                if (!stillCurrent())
                    return;
                weak->deps.images->desktopPicture([weak, stillCurrent, option,
                                                   duration](std::optional<QImage> picture) {
                    if (!stillCurrent())
                        return;
                    if (!picture || picture->isNull()) {
                        LOG_ERROR(QStringLiteral("Get desktop picture failed."));
                        // A break always shows: with the default image when nothing better is there.
                        weak->showWindows(option, weak->defaultImage(), breakBlurRadius, duration, QString());
                        return;
                    }
                    weak->showWindows(option, *picture, breakBlurRadius, duration, QString());
                });
            };
            if (option == WallpaperOption::screen)
                weak->deps.images->prepareScreenshots(withDesktopPicture);
            else
                withDesktopPicture();
        });
    } else if (const auto hash = deps.wallpapers->nextRandomHash(); !hash) {
        LOG_ERROR(QStringLiteral("Get wallpaper image failed. Will use default image instead."));
        deps.scheduler->schedule(0ms, [weak, stillCurrent, option, duration] {
            if (stillCurrent())
                weak->showWindows(option, weak->defaultImage(), breakBlurRadius, duration, QString());
        });
    } else {
        const QString wallpaperHash = *hash;
        deps.wallpapers->wallpaperImage(wallpaperHash, [weak, stillCurrent, option, duration,
                                                        wallpaperHash](std::optional<QImage> image) {
            if (!stillCurrent())
                return;
            if (image && !image->isNull()) {
                LOG_INFO(QStringLiteral("Loading image showWin: 005"));
                weak->showWindows(option, *image, breakBlurRadius, duration, wallpaperHash);
                return;
            }
            LOG_ERROR(QStringLiteral("Get wallpaper image failed. Will use default image instead."));
            weak->showWindows(option, weak->defaultImage(), breakBlurRadius, duration, wallpaperHash);
        });
    }

    deps.timer->start(duration, [weak] {
        if (weak)
            weak->breakCompleted();
    });
}

void MRApp::showWindows(WallpaperOption option, const QImage& wallpaperImage, double blurRadius,
                        int timeInterval, const QString& wallpaperHash)
{
    Q_UNUSED(timeInterval);
    const std::vector<BreakScreen> screens = deps.breakWindows->screens();
    if (screens.empty()) {
        LOG_ERROR(QStringLiteral("Can't find any screen"));
        return;
    }
    if (!deps.imageExecutor) {
        std::vector<QImage> images;
        for (const BreakScreen& screen : screens)
            images.push_back(prepareWallpaperImage(wallpaperImage, option, screen, blurRadius));
        presentWindows(screens, images, wallpaperHash);
        return;
    }

    // Every screen's picture is blurred on its own worker; the windows appear together, in
    // the screens' order, once the last one is ready, unless the break is over by then.
    struct Batch
    {
        std::vector<QImage> images;
        std::size_t remaining;
    };
    auto batch = std::make_shared<Batch>(Batch{std::vector<QImage>(screens.size()), screens.size()});
    const quint64 generation = breakGeneration;
    QPointer<MRApp> weak(this);
    for (std::size_t i = 0; i < screens.size(); ++i) {
        QImage source = wallpaperImage;
        // A screen capture needs the display: it is taken here, the rest runs on the worker.
        if (option == WallpaperOption::screen) {
            if (auto shot = deps.images->takeScreenshot(screens[i]); shot && !shot->isNull())
                source = *shot;
        }
        const BreakScreen screen = screens[i];
        deps.imageExecutor->run(
            [batch, i, source, option, screen, blurRadius] {
                batch->images[i] = resizedAndBlurred(source, option, screen, blurRadius);
            },
            [weak, batch, screens, generation, wallpaperHash] {
                if (--batch->remaining > 0 || !weak || weak->breakGeneration != generation)
                    return;
                weak->presentWindows(screens, batch->images, wallpaperHash);
            });
    }
}

void MRApp::presentWindows(const std::vector<BreakScreen>& screens, const std::vector<QImage>& images,
                           const QString& wallpaperHash)
{
    deps.breakWindows->clearBackgroundWindows();
    for (std::size_t i = 0; i < screens.size(); ++i) {
        LOG_INFO(QStringLiteral("Loading image wallpaperImage: ") + imageDescription(images[i]));
        if (screens[i].isMain)
            deps.breakWindows->showMain(screens[i], images[i], wallpaperHash);
        else
            deps.breakWindows->showBackground(screens[i], images[i]);
    }
}

QImage MRApp::prepareWallpaperImage(const QImage& source, WallpaperOption option, const BreakScreen& screen,
                                    double blurRadius)
{
    QImage image = source;
    if (option == WallpaperOption::screen) {
        if (auto shot = deps.images->takeScreenshot(screen); shot && !shot->isNull())
            image = *shot;
    }
    return resizedAndBlurred(image, option, screen, blurRadius);
}

QImage MRApp::resizedAndBlurred(const QImage& source, WallpaperOption option, const BreakScreen& screen,
                                double blurRadius)
{
    QImage image = source;
    if (option == WallpaperOption::unsplash) {
        LOG_DEBUG(QStringLiteral("Loading image showWin resize: 006"));
        // The blur that follows washes out anything finer than its radius: a plain sampling
        // resize looks the same here and costs a fraction of a filtered one.
        image = source.isNull() || screen.frame.isEmpty()
                    ? QImage()
                    : image.scaled(screen.frame.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        LOG_INFO(QStringLiteral("Loading image showWin resized: 007"));
    }
    LOG_DEBUG(QStringLiteral("Loading image showWin wallpaperImage: 006"));
    const bool highDensity = screen.scaleFactor > 1.0;
    if (highDensity)
        image = ImageOperations::resized(image, image.size() / 2);
    image = ImageOperations::gaussianBlur(image, blurRadius, highDensity);
    LOG_INFO(QStringLiteral("Loading image showWin wallpaperImage taken: 007"));
    return image;
}

void MRApp::pomodoroCompleted()
{
    recordedPomodoro = finishCurrentTask();
    track(MREvent::pomodoroCompleted);
    continueWithBreakAfterPomodoro();
}

void MRApp::postponedCompleted()
{
    recordedPomodoro = updatingPostponeTask();
    track(MREvent::stopPostponePomodoro);
    continueWithBreakAfterPomodoro();
}

void MRApp::continueWithBreakAfterPomodoro()
{
    const bool takeLongBreak = deps.tasks->shouldTakeALongBreak();
    LOG_INFO(QStringLiteral("shouldTakeALongBreak: ") + boolText(takeLongBreak));
    setShouldShowPostpone(true);
    LOG_INFO(QStringLiteral("shouldShowPostpone changed to true: ") + boolText(postponeAllowed));
    if (!takeLongBreak) {
        LOG_INFO(QStringLiteral("shortBreak"));
        track(MREvent::startShortBreak);
        state.accept(MRAppState::shortBreak);
        startBreak(deps.preferences->intValue(DurationKey::shortBreak), 2);
    } else {
        track(MREvent::autoLongBreak);
        LOG_INFO(QStringLiteral("longBreak"));
        track(MREvent::startLongBreak);
        state.accept(MRAppState::longBreak);
        startBreak(deps.preferences->intValue(DurationKey::longBreak), 3);
    }
}

QImage MRApp::defaultImage() const
{
    return deps.defaultImage ? deps.defaultImage() : QImage();
}

void MRApp::breakCompleted()
{
    // A picture still on its way belongs to a break that is over: it never shows windows.
    ++breakGeneration;
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

std::optional<WTask> MRApp::finishCurrentTask()
{
    if (!task)
        return std::nullopt;
    // A row written after the Pomodoro's own (its break) ends what a postponement may lengthen.
    recordedPomodoro.reset();
    task->end = deps.clock->now();
    const TaskWrite written = deps.tasks->insert(*task);
    if (written) {
        LOG_INFO(QStringLiteral("Saved new task to db."));
    } else if (written.kept) {
        retryUnsavedTasksLater();
    } else {
        LOG_ERROR(QStringLiteral("Failed to save new task."));
        track(MREvent::failedToSaveTask);
    }
    return storedTask(written);
}

std::optional<WTask> MRApp::updatingPostponeTask()
{
    if (!task)
        return std::nullopt;
    task->end = deps.clock->now();
    const TaskWrite written = deps.tasks->updateOrInsert(*task);
    if (written) {
        LOG_INFO(QStringLiteral("Update postpone task to db."));
    } else if (written.kept) {
        retryUnsavedTasksLater();
    } else {
        LOG_ERROR(QStringLiteral("Failed to update postpone task."));
        track(MREvent::failedToSaveTask);
    }
    return storedTask(written);
}

std::optional<WTask> MRApp::storedTask(const TaskWrite& written)
{
    std::optional<WTask> stored;
    if (written) {
        stored = task;
        stored->taskID = written.taskID;
    }
    task.reset();
    return stored;
}

void MRApp::retryUnsavedTasksLater()
{
    if (retryScheduled)
        return;
    retryScheduled = true;
    QPointer<MRApp> weak(this);
    deps.scheduler->schedule(unsavedTaskRetry, [weak] {
        if (!weak)
            return;
        weak->retryScheduled = false;
        if (!weak->deps.tasks->saveUnsavedTasks())
            weak->retryUnsavedTasksLater();
    });
}

void MRApp::lastMinuteWarning()
{
    QPointer<MRApp> weak(this);
    disposeBag += deps.timer->currentTime.subscribe([this, weak](int remaining) {
        if (remaining == 0 || remaining > 60 || state.value() != MRAppState::working ||
            lastMinuteNotificationSent)
            return;
        // Marked at once so that a second value before the post cannot send it twice.
        lastMinuteNotificationSent = true;
        deps.scheduler->schedule(0ms, [weak] {
            if (weak)
                weak->deps.notifications->postNotification(QStringLiteral("Last Minute!"),
                                                           QStringLiteral("Almost time to take a break!"));
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

bool MRApp::launchAtLogin(bool enabled)
{
    if (!deps.loginItems)
        return false;
    return UserDefaults::launchAtLogin(*deps.loginItems, enabled);
}
