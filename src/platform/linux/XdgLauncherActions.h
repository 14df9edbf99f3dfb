#pragma once

#include "integration/LauncherActions.h"

// The launcher entry with the timer actions as $XDG_DATA_HOME/applications/org.mirelo.Mirelo.desktop,
// each action running this program with its command.
class XdgLauncherActions final : public LauncherActions
{
public:
    // executable: the program the entry runs; defaults to this program's path.
    explicit XdgLauncherActions(QString executable = {});

    QString install() override;

    static QString entryFilePath();
    static QByteArray entry(const QString& executable);

private:
    QString executable;
};
