#pragma once

#include <QString>

#include <functional>

// A strip of hardware buttons beside the keyboard, where a machine has one: Stop, and Next in
// the back-to-work state. No Linux machine has one; the wiring stays so that one can be added.
class TouchBar
{
public:
    virtual ~TouchBar() = default;
    virtual void setStopTitle(const QString& title) = 0;
    virtual void setNextTitle(const QString& title) = 0;
    virtual void setNextHidden(bool hidden) = 0;
    // Installed once; every tap runs its action once.
    virtual void setActions(std::function<void()> stopTapped, std::function<void()> nextTapped) = 0;
};
