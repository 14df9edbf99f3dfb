#include "content/SerialQueue.h"

SerialQueue::SerialQueue(std::string label) : name(std::move(label)), worker([this] { run(); }) {}

SerialQueue::~SerialQueue()
{
    {
        std::lock_guard lock(mutex);
        stopping = true;
        tasks.clear();
    }
    wake.notify_all();
    worker.join();
}

void SerialQueue::async(std::function<void()> task)
{
    {
        std::lock_guard lock(mutex);
        if (stopping)
            return;
        tasks.push_back(std::move(task));
    }
    wake.notify_one();
}

void SerialQueue::waitUntilIdle()
{
    if (isCurrentThread())
        return;
    std::unique_lock lock(mutex);
    idle.wait(lock, [this] { return stopping || (tasks.empty() && !busy); });
}

void SerialQueue::run()
{
    std::unique_lock lock(mutex);
    while (true) {
        wake.wait(lock, [this] { return stopping || !tasks.empty(); });
        if (stopping)
            break;
        std::function<void()> task = std::move(tasks.front());
        tasks.pop_front();
        busy = true;
        lock.unlock();
        task();
        task = nullptr; // captured state goes on this thread, before the queue is idle
        lock.lock();
        busy = false;
        if (tasks.empty())
            idle.notify_all();
    }
    idle.notify_all();
}
