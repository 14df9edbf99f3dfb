#pragma once

#include "integration/LauncherActions.h"
#include "integration/Workspace.h"

#include <QStringList>

class FakeWorkspace final : public Workspace
{
public:
    void revealFile(const QString& path) override { revealed << path; }
    bool openUrl(const QUrl& url) override
    {
        opened << url;
        return opens;
    }
    QStringList revealed;
    QList<QUrl> opened;
    bool opens = true;
};

class FakeLauncherActions final : public LauncherActions
{
public:
    QString install() override
    {
        ++installs;
        return failure;
    }
    int installs = 0;
    QString failure;
};
