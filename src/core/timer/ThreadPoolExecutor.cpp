#include "timer/ThreadPoolExecutor.h"

#include <QCoreApplication>
#include <QThreadPool>

ThreadPoolExecutor::ThreadPoolExecutor(QThreadPool* pool) : pool(pool ? pool : QThreadPool::globalInstance())
{}

ThreadPoolExecutor::~ThreadPoolExecutor()
{
    *alive = false;
}

void ThreadPoolExecutor::run(std::function<void()> work, std::function<void()> done)
{
    pool->start([alive = alive, work = std::move(work), done = std::move(done)]() mutable {
        work();
        // The application object outlives every executor; the flag is checked where it is written.
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app,
                [alive = std::move(alive), done = std::move(done)] {
                    if (*alive && done)
                        done();
                },
                Qt::QueuedConnection);
    });
}
