#pragma once

#include "break/BreakContent.h"
#include "cycle/BreakPorts.h"
#include "widgets/AppTheme.h"

#include <QObject>

#include <memory>
#include <vector>

class BackgroundWindow;
class Biometrics;
class BreakViewController;
class BreakWindowController;
class Clock;
class EventSound;
class CycleController;
class Countdown;
class Preferences;
class QScreen;
class Scheduler;
class TouchBar;
class WindowHints;

// The break windows on the desktop's screens: the one main window with the overlay, created
// when the application controller is attached and kept for the whole run, and one background
// window per other screen and break. Follows screens being added and removed during a break.
class QtBreakWindows final : public QObject, public BreakWindows
{
    Q_OBJECT
public:
    struct Services
    {
        Preferences* preferences = nullptr;
        const Clock* clock = nullptr;
        Countdown* timer = nullptr;
        EventSound* sound = nullptr;
        WindowHints* hints = nullptr;
        TouchBar* touchBar = nullptr;
        Scheduler* scheduler = nullptr;
        Biometrics* biometrics = nullptr;
        AppTheme theme;
        BreakContent content;
    };

    explicit QtBreakWindows(Services services, QObject* parent = nullptr);
    ~QtBreakWindows() override;

    // Builds the main window and its content for the controller; call once, after the
    // controller exists (it installs its handlers when it is made).
    void attach(CycleController& app);

    BreakWindowController* breakWindowCon() const { return windowController.get(); }
    BreakViewController* breakViewController() const { return viewController.get(); }
    const std::vector<std::unique_ptr<BackgroundWindow>>& backgroundWindows() const { return windows; }
    const AppTheme& theme() const { return services.theme; }
    // Where the desktop asks for more contrast: a darker mask and opaque button labels, from
    // the next break on (and on the buttons at once).
    void setHighContrast(bool high);

    std::vector<BreakScreen> screens() const override;
    void showMain(const BreakScreen& screen, const QImage& image, const QString& wallpaperHash) override;
    void clearBackgroundWindows() override;
    void showBackground(const BreakScreen& screen, const QImage& image) override;
    void hideAll() override;
    void breakDidEnd() override;
    void setHandlers(BreakHandlers handlers) override;

    static QScreen* screenFor(const BreakScreen& screen);

private:
    void showBackgroundWindow();
    bool breakShowing() const;
    // The theme as built, before any contrast change.
    AppTheme baseTheme;
    void screenAdded(QScreen* screen);
    void screenRemoved(QScreen* screen);

    Services services;
    BreakHandlers handlers;
    // The content outlives the window that shows it.
    std::unique_ptr<BreakViewController> viewController;
    std::unique_ptr<BreakWindowController> windowController;
    std::vector<std::unique_ptr<BackgroundWindow>> windows;
};
