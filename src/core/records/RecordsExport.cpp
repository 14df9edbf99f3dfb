#include "records/RecordsExport.h"

#include "records/Interval.h"
#include "records/MainDB.h"
#include "records/TaskExport.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <limits>

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

RecordsExport::RecordsExport(QString databasePath, QObject* parent)
    : QObject(parent), databasePath(std::move(databasePath))
{}

RecordsExport::~RecordsExport()
{
    cancelled = true;
    if (worker.joinable())
        worker.join();
}

bool RecordsExport::start(const QString& csvPath)
{
    if (running)
        return false;
    if (worker.joinable())
        worker.join();
    running = true;
    cancelled = false;
    worker = std::thread([this, csvPath] { run(csvPath); });
    return true;
}

void RecordsExport::cancel()
{
    cancelled = true;
}

void RecordsExport::report(qint64 written, qint64 total)
{
    QMetaObject::invokeMethod(
        this, [this, written, total] { Q_EMIT progressed(written, total); }, Qt::QueuedConnection);
}

void RecordsExport::finish(Outcome outcome, const QString& error)
{
    QMetaObject::invokeMethod(
        this,
        [this, outcome, error] {
            running = false;
            if (worker.joinable())
                worker.join();
            Q_EMIT finished(outcome, error);
        },
        Qt::QueuedConnection);
}

void RecordsExport::run(const QString& csvPath)
{
    QStringList columns = Interval::allColumns();
    QStringList selected;
    for (const QString& column : std::as_const(columns))
        selected << QStringLiteral(R"("WTask".)") + MainDB::quoted(column);
    std::unique_ptr<SQLite::Database> db;
    std::unique_ptr<SQLite::Statement> page;
    qint64 total = 0;
    // Any comparison with a missing end is false: rows still running stay out, as in the store.
    const std::string finishedRows = R"( WHERE "end" >= -9223372036854775807)";
    try {
        if (databasePath.isEmpty() || !QFileInfo(databasePath).isFile())
            throw SQLite::Exception("no database file", SQLITE_CANTOPEN);
        db = std::make_unique<SQLite::Database>(QFile::encodeName(databasePath).toStdString(),
                                                SQLite::OPEN_READONLY, 5000);
        total = db->execAndGet(R"(SELECT COUNT(*) FROM "WTask")" + finishedRows).getInt64();
        const bool pauses = db->tableExists("WTaskPause");
        columns << QStringLiteral("paused");
        selected << (pauses ? QStringLiteral(R"(COALESCE("paused", 0))") : QStringLiteral("0"));
        selected << QStringLiteral(R"("WTask"."start", "WTask".rowid)");
        const QString from = pauses ? QStringLiteral(R"("WTask" LEFT JOIN "WTaskPause" USING("taskID"))")
                                    : QStringLiteral(R"("WTask")");
        // Page by page along the index on the start: each page is a read of its own, so the
        // program's own writes wait at most one page, never the whole export.
        page = std::make_unique<SQLite::Statement>(
            *db, QString(QStringLiteral("SELECT ") + selected.join(QStringLiteral(", ")) +
                         QStringLiteral(" FROM ") + from)
                         .toStdString() +
                     finishedRows +
                     R"( AND "WTask"."start" >= ?1 AND ("WTask"."start" > ?1 OR "WTask".rowid > ?2))"
                     R"( ORDER BY "WTask"."start", "WTask".rowid LIMIT 2000)");
    } catch (const std::exception&) {
        finish(Outcome::unreadable, {});
        return;
    }

    QSaveFile file(csvPath);
    if (!file.open(QIODevice::WriteOnly)) {
        finish(Outcome::notWritten, file.errorString());
        return;
    }
    QByteArray buffer = TaskExport::header();
    qint64 written = 0;
    int reportedPercent = -1;
    double lastStart = -std::numeric_limits<double>::max();
    qint64 lastRow = std::numeric_limits<qint64>::min();
    const int fields = int(columns.size());
    report(0, total);
    try {
        for (bool more = true; more && !cancelled;) {
            page->reset();
            page->bind(1, lastStart);
            page->bind(2, static_cast<int64_t>(lastRow));
            more = false;
            while (page->executeStep()) {
                more = true;
                Interval task;
                for (int i = 0; i < fields; ++i)
                    task.setColumnValue(columns[i], MainDB::valueOf(page->getColumn(i)));
                lastStart = page->getColumn(fields).getDouble();
                lastRow = page->getColumn(fields + 1).getInt64();
                buffer += TaskExport::row(task);
                ++written;
            }
            if (buffer.size() >= 256 * 1024) {
                if (file.write(buffer) != buffer.size())
                    break;
                buffer.clear();
            }
            const int percent = total > 0 ? int(std::min<qint64>(written, total) * 100 / total) : 100;
            if (percent != reportedPercent) {
                reportedPercent = percent;
                report(written, std::max(total, written));
            }
        }
    } catch (const std::exception&) {
        file.cancelWriting();
        finish(Outcome::unreadable, {});
        return;
    }
    page.reset();
    db.reset();
    if (cancelled) {
        file.cancelWriting();
        finish(Outcome::cancelled, {});
        return;
    }
    if (file.write(buffer) != buffer.size() || !file.commit()) {
        const QString error = file.errorString();
        file.cancelWriting();
        finish(Outcome::notWritten, error);
        return;
    }
    finish(Outcome::saved, {});
}
