#pragma once

#include <QString>
#include <QUrl>

// The desktop's file manager and browser.
class Workspace
{
public:
    virtual ~Workspace() = default;
    // Shows the file selected in the file manager (its folder where none can select it).
    virtual void revealFile(const QString& path) = 0;
    // False when nothing could open the address.
    virtual bool openUrl(const QUrl& url) = 0;
    // Opens the desktop's own settings of keyboard shortcuts; false where none is known.
    virtual bool openShortcutSettings() { return false; }
};
