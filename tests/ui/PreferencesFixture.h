#pragma once

#include "CycleFakes.h"
#include "FakeGlobalShortcuts.h"
#include "FakeLoginItems.h"
#include "LogCapture.h"
#include "ManualScheduler.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "content/QuoteService.h"
#include "preferences/PreferencesWindowController.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"
#include "shortcuts/ShortcutBinder.h"
#include "widgets/Localizable.h"

#include <QApplication>

// The real preferences store with its defaults, fake picture sources on virtual time, and the
// English text table.
class PreferencesFixture : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        static const bool installed = Localizable::install(*qApp);
        ASSERT_TRUE(installed);
        tracker = RecordingUsageTracker::install();
        prefs = std::make_unique<Preferences>(Preferences::defaultFilePath());
        UserDefaults::setupUserDefaultsValues(*prefs, loginItems);
        quotes = std::make_unique<QuoteService>(*prefs);
        binder = std::make_unique<ShortcutBinder>(*prefs, &globalShortcuts);
    }

    void TearDown() override
    {
        window.reset();
        quotes.reset();
        binder.reset();
        TestEnvironment::TearDown();
    }

    PreferencesWindowController::Services services()
    {
        PreferencesWindowController::Services s;
        s.preferences = prefs.get();
        s.loginItems = &loginItems;
        s.advanced.preferences = prefs.get();
        s.advanced.shortcuts = binder.get();
        s.wallpaper.preferences = prefs.get();
        s.wallpaper.scheduler = &scheduler;
        s.wallpaper.quotes = quotes.get();
        s.wallpaper.wallpapers = &wallpapers;
        s.wallpaper.randomWallpaperURLHash = [this]() -> std::optional<QString> {
            if (wallpapers.files.isEmpty())
                return std::nullopt;
            return wallpapers.files.first();
        };
        s.wallpaper.images = &images;
        s.wallpaper.screens = &screens;
        return s;
    }

    PreferencesWindowController& open()
    {
        window =
            std::make_unique<PreferencesWindowController>(PreferencesWindowController::allTabs(), services());
        window->showWindow();
        return *window;
    }

    template <typename Pane> Pane& pane()
    {
        auto* shown = qobject_cast<Pane*>(window->contentViewController());
        EXPECT_NE(shown, nullptr);
        return *shown;
    }

    int count(const QString& event) const { return tracker->names().count(event); }
    bool reported(const QString& event, const QString& key, const QString& value) const
    {
        for (const auto& e : tracker->all()) {
            if (e.name == event && e.properties.value(key) == value)
                return true;
        }
        return false;
    }

    ManualScheduler scheduler;
    FakeLoginItems loginItems;
    FakeWallpaperProvider wallpapers;
    FakeImageSource images;
    FakeBreakWindows screens;
    std::shared_ptr<RecordingUsageTracker> tracker;
    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<QuoteService> quotes;
    FakeGlobalShortcuts globalShortcuts;
    std::unique_ptr<ShortcutBinder> binder;
    std::unique_ptr<PreferencesWindowController> window;
};
