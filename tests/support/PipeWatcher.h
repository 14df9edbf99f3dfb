#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// A named pipe that notices being opened for reading: a reader blocks in open() until a writer
// comes, so the watcher keeps trying a non-blocking write-open, which succeeds only once
// someone reads. It then hands over a little text and closes, so that the reader never hangs.
class PipeWatcher
{
public:
    explicit PipeWatcher(QString path) : path(std::move(path))
    {
        ::mkfifo(QFile::encodeName(this->path).constData(), 0600);
        worker = std::thread([this] {
            while (!stopping) {
                const int fd = ::open(QFile::encodeName(this->path).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    opened = true;
                    const char text[] = "p { color: red }";
                    [[maybe_unused]] const auto written = ::write(fd, text, sizeof text - 1);
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    ~PipeWatcher()
    {
        stopping = true;
        worker.join();
    }
    bool wasRead() const { return opened; }

private:
    QString path;
    std::atomic<bool> stopping{false};
    std::atomic<bool> opened{false};
    std::thread worker;
};
