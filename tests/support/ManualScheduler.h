#pragma once

#include "timer/Scheduler.h"

#include <QtGlobal>

#include <map>

class FakeClock;

// Virtual time: advance(ms) runs, in order, every call that falls due, moving the clock (when
// one is attached) to each call's due time before running it.
class ManualScheduler final : public Scheduler
{
public:
    explicit ManualScheduler(FakeClock* clock = nullptr) : clock(clock) {}

    Token schedule(std::chrono::milliseconds delay, std::function<void()> fn) override;
    void cancel(Token token) override;

    void advance(qint64 ms);
    // Runs whatever is due now (delay 0) without moving time.
    void runDue() { advance(0); }
    std::size_t pendingCount() const { return pending.size(); }
    qint64 elapsedMs() const { return nowMs; }

private:
    struct Key
    {
        qint64 due;
        Token token;
        bool operator<(const Key& other) const { return due != other.due ? due < other.due : token < other.token; }
    };
    FakeClock* clock;
    qint64 nowMs = 0;
    Token nextToken = 1;
    std::map<Key, std::function<void()>> pending;
};
