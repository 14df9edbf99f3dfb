// Export of ten years of records (1,000,000 intervals) while the main loop keeps serving: the
// wall time of the export, the memory it takes above the idle figure (peak resident set, reset
// just before it starts), and the longest wait of a caller on another thread for an answer
// from the main loop — what a D-Bus `Get` of the running program waits for — together with
// the time an interval takes to be recorded in the middle of the export.
#include "records/RecordsExport.h"
#include "records/TaskService.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "timer/Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <thread>

namespace {

constexpr int rowCount = 1'000'000;
constexpr int days = 3'652;

void fill(const QString& path, const QDate& today)
{
    sqlite3* handle = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &handle) != SQLITE_OK)
        std::abort();
    sqlite3_exec(handle, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(handle,
                       R"(INSERT INTO "WTask"("type", "start", "end", "name") VALUES(?, ?, ?, '[reserved]'))",
                       -1, &insert, nullptr);
    sqlite3_stmt* pause = nullptr;
    sqlite3_prepare_v2(handle, R"(INSERT INTO "WTaskPause"("taskID", "paused") VALUES(?, 120))", -1, &pause,
                       nullptr);
    static const int cycle[] = {1, 2, 1, 2, 1, 2, 1, 3};
    int previousDay = -1, slot = 0;
    for (int i = 0; i < rowCount; ++i) {
        const int dayIndex = int(static_cast<long long>(i) * days / rowCount);
        slot = dayIndex == previousDay ? slot + 1 : 0;
        previousDay = dayIndex;
        const QDate date = today.addDays(dayIndex - (days - 1));
        const double start =
            double(QDateTime(date, QTime(6, 0), Qt::LocalTime).toMSecsSinceEpoch()) / 1000.0 + slot * 60.0;
        const int type = cycle[slot % 8];
        sqlite3_bind_int(insert, 1, type);
        sqlite3_bind_double(insert, 2, start);
        sqlite3_bind_double(insert, 3, start + (type == 1 ? 1500.0 : type == 2 ? 300.0 : 900.0));
        sqlite3_step(insert);
        sqlite3_reset(insert);
        if (type == 1 && slot % 3 == 0) {
            sqlite3_bind_int64(pause, 1, sqlite3_last_insert_rowid(handle));
            sqlite3_step(pause);
            sqlite3_reset(pause);
        }
    }
    sqlite3_finalize(insert);
    sqlite3_finalize(pause);
    sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(handle);
}

long statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("XDG_STATE_HOME", dir.filePath(QStringLiteral("state")).toUtf8());
    Preferences preferences(dir.filePath(QStringLiteral("preferences.json")));
    SystemClock clock;
    const QString path = dir.filePath(QStringLiteral("db.v1.sqlite"));
    {
        TaskService creator(preferences, clock, path);
    }
    QElapsedTimer filling;
    filling.start();
    fill(path, clock.now().date());
    std::printf("filled %d intervals in %.1f s\n", rowCount, double(filling.elapsed()) / 1000.0);
    TaskService tasks(preferences, clock, path);

    malloc_trim(0);
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (reset.open(QIODevice::WriteOnly))
        reset.write("5"); // starts the peak resident set afresh
    reset.close();
    const long idle = statusKilobytes("VmRSS:");

    // A caller on another thread asks the main loop every 5 ms and waits for the answer.
    QObject server;
    std::atomic<bool> asking{true};
    std::atomic<qint64> longestAnswerUs{0};
    std::atomic<int> answers{0};
    std::thread caller([&] {
        while (asking) {
            QElapsedTimer waited;
            waited.start();
            int state = 0;
            QMetaObject::invokeMethod(
                &server, [&state] { state = 1; }, Qt::BlockingQueuedConnection);
            const qint64 us = waited.nsecsElapsed() / 1000;
            longestAnswerUs = std::max<qint64>(longestAnswerUs, us);
            ++answers;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });

    RecordsExport exporter(path);
    qint64 exportMs = 0;
    qint64 recordMs = -1;
    bool ok = false;
    QElapsedTimer exporting;
    QObject::connect(&exporter, &RecordsExport::progressed, &app, [&](qint64 written, qint64 total) {
        // Half-way, a Pomodoro ends: it is written while the export reads.
        if (recordMs < 0 && written * 2 >= total) {
            Interval task;
            task.type = 1;
            task.start = clock.now().addSecs(-1500);
            task.end = clock.now();
            QElapsedTimer recording;
            recording.start();
            const bool written = bool(tasks.insert(task));
            recordMs = written ? recording.elapsed() : 99999;
        }
    });
    QObject::connect(&exporter, &RecordsExport::finished, &app,
                     [&](RecordsExport::Outcome outcome, const QString& error) {
                         exportMs = exporting.elapsed();
                         ok = outcome == RecordsExport::Outcome::saved;
                         if (!ok)
                             std::printf("export failed: %s\n", qPrintable(error));
                         app.quit();
                     });
    QTimer::singleShot(0, &app, [&] {
        exporting.start();
        exporter.start(dir.filePath(QStringLiteral("records.csv")));
    });
    app.exec();
    asking = false;
    caller.join();

    const long peak = statusKilobytes("VmHWM:");
    std::printf("export of %d intervals: %.2f s, %lld bytes\n", rowCount, double(exportMs) / 1000.0,
                static_cast<long long>(QFile(dir.filePath(QStringLiteral("records.csv"))).size()));
    std::printf("memory: idle %.1f MB, peak %.1f MB, above idle %.1f MB\n", double(idle) / 1024.0,
                double(peak) / 1024.0, double(peak - idle) / 1024.0);
    std::printf("main loop: %d answers, longest %.1f ms\n", answers.load(), double(longestAnswerUs) / 1000.0);
    std::printf("an interval recorded during the export: %lld ms\n", static_cast<long long>(recordMs));
    return ok ? 0 : 1;
}
