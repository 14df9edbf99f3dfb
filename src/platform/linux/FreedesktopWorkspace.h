#pragma once

#include "integration/Workspace.h"

#include <QDBusConnection>

// The file manager through org.freedesktop.FileManager1 on the session bus, falling back to
// opening the file's folder; addresses through the desktop's default handler.
class FreedesktopWorkspace final : public Workspace
{
public:
    explicit FreedesktopWorkspace(QDBusConnection bus = QDBusConnection::sessionBus());

    void revealFile(const QString& path) override;
    bool openUrl(const QUrl& url) override;
    bool openShortcutSettings() override;

private:
    QDBusConnection bus;
};
