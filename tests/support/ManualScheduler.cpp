#include "ManualScheduler.h"

#include "FakeClock.h"

Scheduler::Token ManualScheduler::schedule(std::chrono::milliseconds delay, std::function<void()> fn)
{
    const Token token = nextToken++;
    pending.emplace(Key{nowMs + std::max<qint64>(0, delay.count()), token}, std::move(fn));
    return token;
}

void ManualScheduler::cancel(Token token)
{
    for (auto it = pending.begin(); it != pending.end(); ++it) {
        if (it->first.token == token) {
            pending.erase(it);
            return;
        }
    }
}

void ManualScheduler::advance(qint64 ms)
{
    const qint64 target = nowMs + ms;
    while (!pending.empty() && pending.begin()->first.due <= target) {
        auto node = pending.extract(pending.begin());
        if (clock)
            clock->advanceMs(node.key().due - nowMs);
        nowMs = node.key().due;
        node.mapped()();
    }
    if (clock)
        clock->advanceMs(target - nowMs);
    nowMs = target;
}
