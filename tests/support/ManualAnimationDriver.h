#pragma once

#include <QAnimationDriver>
#include <QCoreApplication>

// Qt's animations on virtual time: while installed, they move only when advance(ms) is called.
class ManualAnimationDriver final : public QAnimationDriver
{
public:
    ManualAnimationDriver() { install(); }
    ~ManualAnimationDriver() override { uninstall(); }

    qint64 elapsed() const override { return now; }

    void advanceBy(qint64 ms)
    {
        // In frames, with the event loop between them as on a display: Qt starts and stops
        // its animation timers through queued calls.
        for (qint64 step = 0; step < ms; step += 16) {
            QCoreApplication::processEvents();
            now += std::min<qint64>(16, ms - step);
            advance();
        }
        QCoreApplication::processEvents();
    }

protected:
    // Qt adds the time the driver reports to the moment it started it.
    void start() override
    {
        now = 0;
        QAnimationDriver::start();
    }

private:
    qint64 now = 0;
};
