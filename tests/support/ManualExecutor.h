#pragma once

#include "timer/WorkExecutor.h"

#include <deque>
#include <functional>
#include <utility>

// Holds every piece of work until the test runs it, in any order it likes.
class ManualExecutor final : public WorkExecutor
{
public:
    struct Job
    {
        std::function<void()> work;
        std::function<void()> done;
    };
    std::deque<Job> jobs;

    void run(std::function<void()> work, std::function<void()> done) override
    {
        jobs.push_back({std::move(work), std::move(done)});
    }

    // Runs the job at index (work, then done) and forgets it.
    void finish(std::size_t index)
    {
        Job job = std::move(jobs[index]);
        jobs.erase(jobs.begin() + std::ptrdiff_t(index));
        job.work();
        job.done();
    }
    void finishAll()
    {
        while (!jobs.empty())
            finish(0);
    }
};
