#include "records/MainDB.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include <sqlite3.h>
#include <unistd.h>

#include <mutex>

namespace {

// Keeps the journal left after a large transaction from growing the folder without bound.
constexpr const char* connectionConfiguration = "PRAGMA journal_size_limit=20971520";

void logDatabaseMessage(void*, int code, const char* message)
{
    const QString description =
        QStringLiteral("Code: %1, Message: %2").arg(code).arg(QString::fromUtf8(message ? message : ""));
    switch (code & 0xff) {
    case SQLITE_WARNING:
        LOG_WARNING(QStringLiteral("[WCDB][WARNING] ") + description);
        break;
    case SQLITE_NOTICE:
        LOG_DEBUG(QStringLiteral("[WCDB][DEBUG] ") + description);
        break;
    default:
        LOG_ERROR(QStringLiteral("[WCDB][ERROR] ") + description);
        break;
    }
}

// A file SQLite would not recognise is refused before SQLite opens it: SQLite may otherwise
// answer "not a database" only after creating a journal beside it or writing into it.
std::optional<ProgramError> refuseForeignFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return ProgramError::db(path + QStringLiteral(" is not a file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ProgramError::db(QStringLiteral("Can't read ") + path + QStringLiteral(": ") +
                                file.errorString());
    // SQLite treats an empty file as an empty database; there is nothing in it to lose.
    if (file.size() == 0)
        return std::nullopt;
    static const QByteArray header("SQLite format 3\0", 16);
    if (file.read(header.size()) != header)
        return ProgramError::db(QStringLiteral("file is not a database: ") + path);
    return std::nullopt;
}

void bindAll(SQLite::Statement& statement, const std::vector<DBValue>& bindings)
{
    int index = 1;
    for (const DBValue& value : bindings) {
        if (const auto* integer = std::get_if<qint64>(&value))
            statement.bind(index, static_cast<int64_t>(*integer));
        else if (const auto* real = std::get_if<double>(&value))
            statement.bind(index, *real);
        else if (const auto* text = std::get_if<QString>(&value))
            statement.bind(index, text->toStdString());
        else
            statement.bind(index);
        ++index;
    }
}

DBValue columnValue(const SQLite::Column& column)
{
    switch (column.getType()) {
    case SQLITE_INTEGER:
        return static_cast<qint64>(column.getInt64());
    case SQLITE_FLOAT:
        return column.getDouble();
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const std::string bytes = column.getString();
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    default:
        return std::monostate{};
    }
}

// SQLite's primary result code of a failed statement; SQLITE_ERROR for any other exception.
int failureCode(const std::exception& e)
{
    const auto* sqliteError = dynamic_cast<const SQLite::Exception*>(&e);
    return sqliteError ? sqliteError->getErrorCode() & 0xff : SQLITE_ERROR;
}

ProgramError notOpen()
{
    return ProgramError::db(QStringLiteral("The database is not open."));
}

} // namespace

MainDB::MainDB(std::optional<QString> databasePath, std::chrono::milliseconds busyTimeout)
    : path(std::move(databasePath)), busyTimeout(busyTimeout)
{}

MainDB::~MainDB() = default;

void MainDB::installTrace()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (sqlite3_config(SQLITE_CONFIG_LOG, &logDatabaseMessage, nullptr) != SQLITE_OK)
            LOG_WARNING(QStringLiteral("SQLite was started before its messages could be routed to the log."));
    });
}

qint64 MainDB::lastInsertRowID() const
{
    return database ? static_cast<qint64>(database->getLastInsertRowid()) : 0;
}

QString MainDB::quoted(const QString& identifier)
{
    QString escaped = identifier;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

std::optional<ProgramError> MainDB::setup(const QString& table, const std::vector<ColumnDef>& columns)
{
    if (ready)
        return std::nullopt;
    installTrace();
    tableName = table;
    tableColumns = columns;
    if (auto error = openAndCreate()) {
        track(UsageEvent::failedToOpenDB);
        LOG_ERROR(QStringLiteral("Failed to open db."));
        return error;
    }
    ready = true;
    return std::nullopt;
}

std::optional<ProgramError> MainDB::openAndCreate()
{
    std::optional<ProgramError> error;
    try {
        error = open();
        if (!error)
            createTable(tableName, tableColumns);
    } catch (const std::exception& e) {
        error = ProgramError::db(QString::fromUtf8(e.what()));
    }
    // Whatever failed, nothing may write to this file any more.
    if (error)
        database.reset();
    return error;
}

bool MainDB::reopenIfUnwritable()
{
    if (tableName.isEmpty())
        return false;
    if (ready && !isReadOnly())
        return true;
    // Statements still open on the old handle would keep it alive: none are, all are local.
    database.reset();
    ready = !openAndCreate();
    if (ready)
        LOG_INFO(QStringLiteral("Reopened db: ") +
                 (isReadOnly() ? QStringLiteral("still read-only.") : QStringLiteral("writable.")));
    return ready && !isReadOnly();
}

bool MainDB::isReadOnly() const
{
    return database && sqlite3_db_readonly(database->getHandle(), "main") == 1;
}

bool MainDB::inTransaction() const
{
    return database && sqlite3_get_autocommit(database->getHandle()) == 0;
}

bool MainDB::fileExists() const
{
    return path && (QFileInfo::exists(*path) || QFileInfo(*path).isSymLink());
}

std::optional<ProgramError> MainDB::open()
{
    if (!path)
        return ProgramError::db(QStringLiteral("No database path: the Data folder could not be made."));
    const QFileInfo info(*path);
    int flags = SQLite::OPEN_READWRITE;
    // A dangling link counts as present: creating through it would write somewhere unexpected.
    if (info.exists() || info.isSymLink()) {
        if (auto refused = refuseForeignFile(*path))
            return refused;
    } else {
        flags |= SQLite::OPEN_CREATE;
    }
    database =
        std::make_unique<SQLite::Database>(path->toStdString(), flags, static_cast<int>(busyTimeout.count()));
    database->exec(connectionConfiguration);
    // Reads the first page: a damaged file fails here, before any statement could write.
    database->execAndGet("PRAGMA schema_version");
    return std::nullopt;
}

void MainDB::createTable(const QString& table, const std::vector<ColumnDef>& columns)
{
    QStringList definitions;
    for (const ColumnDef& column : columns) {
        QString definition = quoted(column.name) + QLatin1Char(' ') + column.type;
        if (!column.constraint.isEmpty())
            definition += QLatin1Char(' ') + column.constraint;
        definitions << definition;
    }
    const QString create = QStringLiteral("CREATE TABLE IF NOT EXISTS ") + quoted(table) + QLatin1Char('(') +
                           definitions.join(QStringLiteral(", ")) + QLatin1Char(')');
    database->exec(create.toStdString());

    QSet<QString> existing;
    const QString listColumns = QStringLiteral("PRAGMA table_info(") + quoted(table) + QLatin1Char(')');
    SQLite::Statement tableInfo(*database, listColumns.toStdString());
    while (tableInfo.executeStep())
        existing.insert(QString::fromStdString(tableInfo.getColumn(1).getString()).toLower());
    for (const ColumnDef& column : columns) {
        if (existing.contains(column.name.toLower()))
            continue;
        const QString addColumn = QStringLiteral("ALTER TABLE ") + quoted(table) +
                                  QStringLiteral(" ADD COLUMN ") + quoted(column.name) + QLatin1Char(' ') +
                                  column.type;
        database->exec(addColumn.toStdString());
    }
}

DBResult<std::vector<DBRow>> MainDB::query(const QString& sql, const std::vector<DBValue>& bindings)
{
    lastFailure = SQLITE_OK;
    if (!database)
        return DBResult<std::vector<DBRow>>::failure(notOpen());
    try {
        SQLite::Statement statement(*database, sql.toStdString());
        bindAll(statement, bindings);
        const int columnCount = statement.getColumnCount();
        std::vector<DBRow> rows;
        while (statement.executeStep()) {
            DBRow row;
            row.reserve(static_cast<std::size_t>(columnCount));
            for (int i = 0; i < columnCount; ++i)
                row.push_back(columnValue(statement.getColumn(i)));
            rows.push_back(std::move(row));
        }
        return {std::move(rows), {}};
    } catch (const std::exception& e) {
        lastFailure = failureCode(e);
        return DBResult<std::vector<DBRow>>::failure(ProgramError::db(QString::fromUtf8(e.what())));
    }
}

DBResult<int> MainDB::execute(const QString& sql, const std::vector<DBValue>& bindings)
{
    lastFailure = SQLITE_OK;
    if (!database)
        return DBResult<int>::failure(notOpen());
    try {
        SQLite::Statement statement(*database, sql.toStdString());
        bindAll(statement, bindings);
        return {statement.exec(), {}};
    } catch (const std::exception& e) {
        lastFailure = failureCode(e);
        return DBResult<int>::failure(ProgramError::db(QString::fromUtf8(e.what())));
    }
}

bool MainDB::lastFailureWasFullDisk() const
{
    return lastFailure == SQLITE_FULL;
}

bool MainDB::lastFailureWasReadOnly() const
{
    // A folder that cannot be written refuses the rollback journal: SQLite cannot open it. A file
    // that became read-only under an open connection fails its writes with a plain I/O error:
    // asking the file system tells it from a disk that went away for a moment.
    if (lastFailure == SQLITE_IOERR && path) {
        const QByteArray file = QFile::encodeName(*path);
        const QByteArray folder = QFile::encodeName(QFileInfo(*path).absolutePath());
        return ::access(file.constData(), W_OK) != 0 || ::access(folder.constData(), W_OK) != 0;
    }
    return lastFailure == SQLITE_READONLY || lastFailure == SQLITE_CANTOPEN;
}

bool MainDB::lastFailureCanPass() const
{
    switch (lastFailure) {
    // Another connection's lock, a full disk, an I/O error of the moment (a disk that went away,
    // a journal that could not be made), a file system that is read-only for a while.
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
        return true;
    default:
        return false;
    }
}

DBValue MainDB::valueOf(const SQLite::Column& column)
{
    return columnValue(column);
}
