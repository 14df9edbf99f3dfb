#pragma once

#include "timer/WorkExecutor.h"

#include <memory>

class QThreadPool;

// Work on a thread pool, done queued back to the main thread. A done whose executor is gone by
// then is dropped.
class ThreadPoolExecutor final : public WorkExecutor
{
public:
    explicit ThreadPoolExecutor(QThreadPool* pool = nullptr);
    ~ThreadPoolExecutor() override;

    void run(std::function<void()> work, std::function<void()> done) override;

private:
    QThreadPool* pool;
    // Read and cleared on the main thread only.
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};
