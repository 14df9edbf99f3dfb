#include "wayland/WaylandWindowHints.h"

#include "diagnostics/Log.h"

void WaylandWindowHints::logLimits()
{
    LOG_WARNING(QStringLiteral(
        "Wayland session: breaks show one full-screen window per output, but the compositor decides "
        "where windows go (no global positioning), whether a panel stays above them and whether the "
        "break takes the keyboard focus (no focus stealing; asked through xdg-activation where offered). "
        "There is no keyboard grab: during a break or at the passcode another window can take the keys, "
        "and Mirelo does not take them back."));
}
