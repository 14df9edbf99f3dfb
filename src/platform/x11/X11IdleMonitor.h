#pragma once

#include "timer/IdleMonitor.h"

#include <memory>

// The idle time from the X server's screensaver extension (the time since the last key or
// pointer input). Screen locking is not seen here.
class X11IdleMonitor final : public IdleMonitor
{
    Q_OBJECT
public:
    // None when the session is not X11 or the server lacks the extension.
    static std::unique_ptr<X11IdleMonitor> create();

    void idleSeconds(std::function<void(std::optional<qint64>)> done) override;
    QString backendName() const override { return QStringLiteral("the X server"); }

private:
    X11IdleMonitor() = default;
};
