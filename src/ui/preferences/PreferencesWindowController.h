#pragma once

#include "cycle/EventSounds.h"

#include <functional>

#include "preferences/PreferencesAdvancedViewController.h"
#include "preferences/PreferencesWallpaperViewModel.h"

#include <QWidget>

#include <vector>

class LoginItems;
class PreferencesPane;
class Preferences;
class QTabBar;
class QVBoxLayout;

enum class PreferTab
{
    general = 0,
    wallpaper = 1,
    advanced = 2,
    about = 3
};

// The preferences window: a bar of tabs over the current pane. Each visit of a tab builds its
// pane anew. Only General can be resized; the others fit their pane. One window per process,
// kept hidden between showings.
class PreferencesWindowController : public QWidget
{
    Q_OBJECT
public:
    struct Services
    {
        Preferences* preferences = nullptr;
        LoginItems* loginItems = nullptr;
        PreferencesWallpaperViewModel::Dependencies wallpaper;
        PreferencesAdvancedViewController::Dependencies advanced;
        // Plays an event's chosen sound for the General pane's Play buttons (optional).
        std::function<void(SoundEvent)> trySound;
    };

    static const std::vector<PreferTab>& allTabs();
    static QString title(PreferTab tab);
    static QIcon icon(PreferTab tab);

    // tabs must not be empty.
    PreferencesWindowController(std::vector<PreferTab> tabs, Services services, QWidget* parent = nullptr);
    ~PreferencesWindowController() override;

    // A tab of the bar was chosen: its tag is the tab's raw value.
    void changeTab(int tag);
    void changeTab(int index, bool animate);

    // Shows the window in front, centred on the screen under the pointer.
    void showWindow();

    QTabBar* toolbar() const { return tabBar; }
    PreferencesPane* contentViewController() const { return content; }
    int currentTab() const { return current; }
    const std::vector<PreferTab>& tabs() const { return tabList; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    PreferencesPane* makeContent(PreferTab tab);
    void applyWindowStyle(PreferTab tab);

    std::vector<PreferTab> tabList;
    Services services;
    QTabBar* tabBar = nullptr;
    QVBoxLayout* contentLayout = nullptr;
    PreferencesPane* content = nullptr;
    // The pane, or the scroll view around it.
    QWidget* holder = nullptr;
    int current = -1;
    // The size every pane is shown at: the largest seen so far, so that the tab bar and the
    // window's edges never move under the pointer.
    int paneWidth = 0;
    int paneHeight = 0;
    // Logical pixels: wider lines are harder to read than wrapped ones.
    static constexpr int maximumPaneWidth = 720;
};
