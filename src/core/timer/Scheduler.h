#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

// One-shot delayed calls on the main thread. Tests use a manual scheduler that advances
// virtual time, so nothing in the core waits on real time.
class Scheduler
{
public:
    using Token = std::uint64_t;

    virtual ~Scheduler() = default;

    // Runs fn once after delay; a token of 0 is never returned.
    virtual Token schedule(std::chrono::milliseconds delay, std::function<void()> fn) = 0;
    // Cancelling a call that already ran or an unknown token does nothing.
    virtual void cancel(Token token) = 0;
};
