#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <thread>

// Writes every finished record to a CSV file (TaskExport's columns) on a thread of its own,
// reading through a connection of its own a row at a time: ten years of history take the
// same memory as one day, and the timer and the bus keep answering meanwhile. The file is
// written whole or not at all.
class RecordsExport : public QObject
{
    Q_OBJECT
public:
    enum class Outcome
    {
        saved,
        cancelled,
        // The database cannot be opened or read; nothing was written.
        unreadable,
        // The file could not be written; error says why.
        notWritten
    };
    Q_ENUM(Outcome)

    explicit RecordsExport(QString databasePath, QObject* parent = nullptr);
    // Cancels a running export and waits for its thread.
    ~RecordsExport() override;

    // False while another export runs.
    bool start(const QString& csvPath);
    // Ends a running export without touching the chosen file; no effect once it has been saved.
    void cancel();
    bool isRunning() const { return running; }

Q_SIGNALS:
    // Rows written of all rows, at most a hundred times per export.
    void progressed(qint64 written, qint64 total);
    void finished(RecordsExport::Outcome outcome, const QString& error);

private:
    void run(const QString& csvPath);
    void report(qint64 written, qint64 total);
    void finish(Outcome outcome, const QString& error);

    QString databasePath;
    std::thread worker;
    std::atomic<bool> running{false};
    std::atomic<bool> cancelled{false};
};
