#pragma once

#include <QString>

// The program's entry in the desktop's launchers, with its timer actions.
class LauncherActions
{
public:
    virtual ~LauncherActions() = default;
    // Writes the entry for this program; answers why it failed, empty when it is in place.
    virtual QString install() = 0;
};
