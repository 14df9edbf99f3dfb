#pragma once

#include "timer/Scheduler.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <limits>
#include <unordered_map>

// Real one-shot timers on the thread that owns this object (the main thread).
class QtScheduler final : public QObject, public Scheduler
{
    Q_OBJECT
public:
    explicit QtScheduler(QObject* parent = nullptr);
    ~QtScheduler() override;

    Token schedule(std::chrono::milliseconds delay, std::function<void()> fn) override;
    void cancel(Token token) override;

    std::size_t pendingCount() const { return timers.size(); }
    // The call is waiting on a running timer (not refused, not run, not cancelled).
    bool isPending(Token token) const
    {
        const auto it = timers.find(token);
        return it != timers.end() && it->second->isActive();
    }

    // The longest delay a timer can hold; longer ones wait this long.
    static constexpr std::chrono::milliseconds maximumDelay{std::numeric_limits<int>::max()};

private:
    Token nextToken = 1;
    std::unordered_map<Token, QTimer*> timers;
};
