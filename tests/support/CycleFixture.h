#pragma once

#include "CycleFakes.h"
#include "FakeClock.h"
#include "FakeLoginItems.h"
#include "LogCapture.h"
#include "ManualScheduler.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "cycle/CycleController.h"
#include "records/TaskService.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "timer/Countdown.h"

// A cycle controller on virtual time with a real task store and fake windows.
class CycleFixture : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        tracker = RecordingUsageTracker::install();
        prefs = std::make_unique<Preferences>(Preferences::defaultFilePath());
        UserDefaults::setupUserDefaultsValues(*prefs, loginItems);
        timer = std::make_unique<Countdown>(clock, scheduler, &sleepMonitor);
    }

    CycleController& app()
    {
        if (!instance) {
            // A short wait for a lock held elsewhere keeps the busy-database tests quick.
            tasks = std::make_unique<TaskService>(*prefs, clock, DataFolder::databasePath(),
                                                  std::chrono::milliseconds{20});
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
            deps.imageExecutor = imageExecutor;
            deps.defaultImage = [] { return QImage(64, 48, QImage::Format_RGB32); };
            deps.closeAuxiliaryWindows = [this] { ++auxiliaryCloses; };
            deps.presence = presence;
            deps.sleepMonitor = &sleepMonitor;
            instance = std::make_unique<CycleController>(deps);
            instance->lastMinuteWarning();
        }
        return *instance;
    }

    void advanceSeconds(int s) { scheduler.advance(qint64(s) * 1000); }
    std::vector<Interval> today() { return tasks->fetchTodayTasks(false); }
    std::vector<int> todayTypes()
    {
        std::vector<int> types;
        for (const Interval& t : today())
            types.push_back(t.type);
        return types;
    }

    FakeClock clock{QDateTime(QDate(2026, 3, 10), QTime(9, 0), Qt::LocalTime)};
    ManualScheduler scheduler{&clock};
    FakeSleepMonitor sleepMonitor;
    FakeLoginItems loginItems;
    FakeNotificationCenter notifications;
    FakeBreakWindows windows;
    FakeWallpaperProvider wallpapers;
    FakeImageSource images;
    std::shared_ptr<RecordingUsageTracker> tracker;
    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<TaskService> tasks;
    std::unique_ptr<Countdown> timer;
    std::unique_ptr<CycleController> instance;
    // Set before app() to prepare the break pictures through it instead of in place.
    WorkExecutor* imageExecutor = nullptr;
    int auxiliaryCloses = 0;
    // Set before app() to let calls and shares hold the break.
    Presence* presence = nullptr;
};

