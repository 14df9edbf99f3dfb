#pragma once

#include "timer/Scheduler.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

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

private:
    Token nextToken = 1;
    std::unordered_map<Token, QTimer*> timers;
};
