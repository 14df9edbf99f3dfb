#pragma once

#include "records/ProgramError.h"

#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace SQLite {
class Column;
class Database;
}

// A value as SQLite stores it: NULL, INTEGER, REAL or TEXT.
using DBValue = std::variant<std::monostate, qint64, double, QString>;
using DBRow = std::vector<DBValue>;

// One column of a table as created: its SQL type and any constraint (kept apart because a
// column added to an older table cannot carry a key constraint).
struct ColumnDef
{
    QString name;
    QString type;
    QString constraint;
};

// The outcome of one statement: the value, or the error that stopped it.
template <typename T> struct DBResult
{
    std::optional<T> value;
    ProgramError error;

    static DBResult failure(ProgramError error) { return {std::nullopt, std::move(error)}; }
};

// Holder of the one database handle. A file that exists but cannot be read as a SQLite
// database is never written to: it is refused before SQLite may touch it, and the handle is
// dropped, so every later statement fails without reaching the file.
class MainDB
{
public:
    // Long enough for another reader (the sqlite3 tool, a backup) to finish; short enough not
    // to stall the timer on the main thread.
    static constexpr std::chrono::milliseconds defaultBusyTimeout{1000};

    // databasePath none: the Data folder could not be made.
    explicit MainDB(std::optional<QString> databasePath,
                    std::chrono::milliseconds busyTimeout = defaultBusyTimeout);
    ~MainDB();
    MainDB(const MainDB&) = delete;
    MainDB& operator=(const MainDB&) = delete;

    // Opens the file and creates the table when it is missing, adding the columns an older
    // file lacks. On failure reports failedToOpenDB and returns the error.
    std::optional<ProgramError> setup(const QString& table, const std::vector<ColumnDef>& columns);
    // True once the table exists.
    bool initilaized() const { return ready; }
    // Tries again to open a database that could not be opened, and reopens one that SQLite
    // opened read-only (it stays so after the file becomes writable). Quiet: the first failure
    // was reported. True when the table is there on a connection that can write.
    bool reopenIfUnwritable();
    // Whether the connection can only read (the file or its file system was read-only).
    bool isReadOnly() const;
    // Whether a transaction is open (SQLite ends one itself after some failures).
    bool inTransaction() const;
    // Whether a file stands at the path (when setup failed: it is there and cannot be read).
    bool fileExists() const;

    // A column of the current row as SQLite stored it.
    static DBValue valueOf(const SQLite::Column& column);

    // Runs a statement that returns rows, every column of each.
    DBResult<std::vector<DBRow>> query(const QString& sql, const std::vector<DBValue>& bindings);
    // Runs a statement that writes; the number of rows it changed.
    DBResult<int> execute(const QString& sql, const std::vector<DBValue>& bindings);
    // Whether the last statement failed for a reason that can pass: another connection's lock,
    // a full disk, a passing I/O error or read-only file system. The write is worth trying again.
    bool lastFailureCanPass() const;
    // Whether the last statement failed, for any reason.
    bool lastStatementFailed() const { return lastFailure != 0; }
    // Whether the last statement failed because the file or its folder cannot be written.
    bool lastFailureWasReadOnly() const;
    // Whether the last statement failed for want of disk space.
    bool lastFailureWasFullDisk() const;
    // The key the last successful INSERT gave its row.
    qint64 lastInsertRowID() const;

    static QString quoted(const QString& identifier);

    // Routes SQLite's own messages to the log. Works only before SQLite starts, so it runs
    // once per process, as early as the first store; later calls do nothing.
    static void installTrace();

private:
    std::optional<ProgramError> open();
    std::optional<ProgramError> openAndCreate();
    void createTable(const QString& table, const std::vector<ColumnDef>& columns);

    std::optional<QString> path;
    std::chrono::milliseconds busyTimeout;
    std::unique_ptr<SQLite::Database> database;
    bool ready = false;
    QString tableName;
    std::vector<ColumnDef> tableColumns;
    // SQLite's primary result code of the last failed statement, 0 after a success.
    int lastFailure = 0;
};
