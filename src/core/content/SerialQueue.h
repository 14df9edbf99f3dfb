#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// One worker thread running posted tasks strictly one at a time, in order. Destroying the
// queue lets the running task finish, drops the ones still waiting and joins the thread.
class SerialQueue
{
public:
    explicit SerialQueue(std::string label);
    ~SerialQueue();
    SerialQueue(const SerialQueue&) = delete;
    SerialQueue& operator=(const SerialQueue&) = delete;

    const std::string& label() const { return name; }

    void async(std::function<void()> task);
    // Blocks until every task posted before this call has run. For tests and shutdown paths.
    void waitUntilIdle();
    bool isCurrentThread() const { return std::this_thread::get_id() == worker.get_id(); }

private:
    void run();

    std::string name;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<std::function<void()>> tasks;
    bool busy = false;
    bool stopping = false;
    std::thread worker;
};
