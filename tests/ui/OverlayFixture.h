#pragma once

#include "CycleFakes.h"
#include "FakeClock.h"
#include "FakeEventSound.h"
#include "FakeLoginItems.h"
#include "LogCapture.h"
#include "ManualAnimationDriver.h"
#include "ManualScheduler.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "break/BorderlessWindow.h"
#include "break/BreakView.h"
#include "break/BreakViewController.h"
#include "break/BreakWindowController.h"
#include "break/QtBreakWindows.h"
#include "cycle/CycleController.h"
#include "records/TaskService.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "timer/Countdown.h"

#include <QApplication>

// The real cycle controller with the real break windows on the two offscreen screens, on
// virtual time (the cycle's scheduler and Qt's animations both).
class OverlayFixture : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        tracker = RecordingUsageTracker::install();
        prefs = std::make_unique<Preferences>(Preferences::defaultFilePath());
        UserDefaults::setupUserDefaultsValues(*prefs, loginItems);
        // The overlay's texts come from the preferences at the moment they are needed.
        prefs->setValue(PreferKey::QuotesType, 0);
        timer = std::make_unique<Countdown>(clock, scheduler, &sleepMonitor);
    }

    void TearDown() override
    {
        app.reset();
        overlay.reset();
        tasks.reset();
        TestEnvironment::TearDown();
    }

    // Builds the controller and the overlay; content is what the application would wire.
    CycleController& start(BreakContent content = {}, TouchBar* touchBar = nullptr)
    {
        tasks = std::make_unique<TaskService>(*prefs, clock, DataFolder::databasePath());
        QtBreakWindows::Services services;
        services.preferences = prefs.get();
        services.clock = &clock;
        services.timer = timer.get();
        services.sound = &sound;
        services.content = std::move(content);
        services.touchBar = touchBar;
        services.scheduler = &scheduler;
        services.biometrics = biometrics;
        overlay = std::make_unique<QtBreakWindows>(std::move(services));
        CycleControllerDependencies deps;
        deps.preferences = prefs.get();
        deps.clock = &clock;
        deps.scheduler = &scheduler;
        deps.timer = timer.get();
        deps.tasks = tasks.get();
        deps.notifications = &notifications;
        deps.breakWindows = overlay.get();
        deps.wallpapers = &wallpapers;
        deps.images = &images;
        app = std::make_unique<CycleController>(deps);
        overlay->attach(*app);
        return *app;
    }

    // Starts a break from the menu and lets its picture arrive.
    void shortBreakShown()
    {
        app->shortBreak();
        scheduler.runDue();
        QApplication::processEvents();
        animations.advanceBy(700);
    }

    void advanceSeconds(int s) { scheduler.advance(qint64(s) * 1000); }
    void settle(qint64 ms = 700)
    {
        QApplication::processEvents();
        animations.advanceBy(ms);
        QApplication::processEvents();
    }

    BreakViewController& content() { return *overlay->breakViewController(); }
    BreakView& view() { return *content().view(); }
    QWidget& mainWindow() { return *overlay->breakWindowCon()->window(); }
    void press(int key, const QString& text = QString()) { view().didPressKeyBlock(key, text); }
    // Types text on the overlay, one key per character, as the keyboard delivers it.
    void type(const QString& text)
    {
        for (const QChar c : text)
            press(c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode(), QString(c));
    }

    ManualAnimationDriver animations;
    FakeClock clock{QDateTime(QDate(2026, 3, 10), QTime(9, 0), Qt::LocalTime)};
    ManualScheduler scheduler{&clock};
    FakeSleepMonitor sleepMonitor;
    FakeLoginItems loginItems;
    FakeNotificationCenter notifications;
    FakeWallpaperProvider wallpapers;
    FakeImageSource images;
    FakeEventSound sound;
    std::shared_ptr<RecordingUsageTracker> tracker;
    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<TaskService> tasks;
    std::unique_ptr<Countdown> timer;
    std::unique_ptr<QtBreakWindows> overlay;
    std::unique_ptr<CycleController> app;
    // Set before start() to give the lock a fingerprint check.
    Biometrics* biometrics = nullptr;
};
