#include "wayland/WaylandWindowHints.h"

#include "diagnostics/Log.h"
#include "wayland/WaylandShortcutsInhibitor.h"

WaylandWindowHints::WaylandWindowHints() = default;
WaylandWindowHints::~WaylandWindowHints() = default;

void WaylandWindowHints::logLimits()
{
    LOG_WARNING(QStringLiteral(
        "Wayland session: breaks show one full-screen window per output, but the compositor decides "
        "where windows go (no global positioning), whether a panel stays above them and whether the "
        "break takes the keyboard focus (no focus stealing; asked through xdg-activation where offered). "
        "There is no keyboard grab: during a break or at the passcode another window can take the keys, "
        "and Mirelo does not take them back."));
}

void WaylandWindowHints::holdDesktopShortcuts(QWindow* window, bool hold)
{
    if (!inhibitorLookedFor) {
        // Looked for at the first break, once: the answer does not change in a session.
        inhibitorLookedFor = true;
        inhibitor = WaylandShortcutsInhibitor::create();
        LOG_INFO(inhibitor
                     ? QStringLiteral("The compositor keeps its shortcuts from the break window while it has "
                                      "the keyboard.")
                     : QStringLiteral("The compositor offers no way to hold its shortcuts: a key binding can "
                                      "switch the workspace away from a break."));
    }
    if (inhibitor)
        inhibitor->hold(window, hold);
}
