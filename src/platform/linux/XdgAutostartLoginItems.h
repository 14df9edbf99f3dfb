#pragma once

#include "settings/LoginItems.h"

#include <QString>

// The login item as an XDG autostart entry:
// $XDG_CONFIG_HOME/autostart/org.mirelo.Mirelo.desktop, written or removed.
class XdgAutostartLoginItems final : public LoginItems
{
public:
    // executable: the command the entry starts; defaults to this program's path.
    explicit XdgAutostartLoginItems(QString executable = {});

    bool setEnabled(bool enabled) override;
    bool isEnabled() const override;

    static QString autostartFilePath();

private:
    QString executable;
};
