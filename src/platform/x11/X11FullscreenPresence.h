#pragma once

#include "presence/Presence.h"

#include <memory>

// A full-screen window of another program has the focus (a presentation, a film, a game): the
// window manager's _NET_ACTIVE_WINDOW carries _NET_WM_STATE_FULLSCREEN. Two short round trips
// to the X server when asked; nothing is watched.
class X11FullscreenPresence final : public Presence
{
    Q_OBJECT
public:
    // None without an X server.
    static std::unique_ptr<X11FullscreenPresence> create(QObject* parent = nullptr);

    void activeSources(std::function<void(QStringList)> done) override;
    QString backendName() const override { return QStringLiteral("the focused X11 window"); }

private:
    using Presence::Presence;
    bool fullscreenHasFocus() const;
};
