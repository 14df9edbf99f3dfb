#pragma once

#include <functional>

// Runs work away from the main thread, then done on the main thread. Work must not touch
// anything that lives on the main thread; done may.
class WorkExecutor
{
public:
    virtual ~WorkExecutor() = default;
    virtual void run(std::function<void()> work, std::function<void()> done) = 0;
};
