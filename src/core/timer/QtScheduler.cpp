#include "timer/QtScheduler.h"

#include <algorithm>

QtScheduler::QtScheduler(QObject* parent) : QObject(parent) {}

QtScheduler::~QtScheduler()
{
    for (auto& [token, timer] : timers)
        delete timer;
}

Scheduler::Token QtScheduler::schedule(std::chrono::milliseconds delay, std::function<void()> fn)
{
    const Token token = nextToken++;
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, token, fn = std::move(fn)] {
        auto it = timers.find(token);
        if (it == timers.end())
            return;
        it->second->deleteLater();
        timers.erase(it);
        fn();
    });
    timers.emplace(token, timer);
    // QTimer holds an int of milliseconds (24.8 days) and refuses a negative one: a longer delay
    // (a hand-edited preference) would otherwise never fire.
    timer->start(std::clamp(delay, std::chrono::milliseconds(0), maximumDelay));
    return token;
}

void QtScheduler::cancel(Token token)
{
    auto it = timers.find(token);
    if (it == timers.end())
        return;
    it->second->stop();
    it->second->deleteLater();
    timers.erase(it);
}
