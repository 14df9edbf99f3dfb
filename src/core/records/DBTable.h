#pragma once

#include "diagnostics/Log.h"
#include "records/MainDB.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <concepts>
#include <optional>
#include <utility>
#include <vector>

// A condition: SQL with "?" placeholders and the values bound to them, in order.
struct Condition
{
    QString sql;
    std::vector<DBValue> values;

    Condition operator&&(const Condition& other) const;
};

struct Order
{
    QString sql;
};

// A column by name, quoted in the SQL it makes ("end" is a keyword).
class Column
{
public:
    explicit Column(QString name) : columnName(std::move(name)) {}

    Condition operator==(const DBValue& value) const { return compare("=", value); }
    Condition operator>=(const DBValue& value) const { return compare(">=", value); }
    Condition operator<=(const DBValue& value) const { return compare("<=", value); }
    Order asc() const;
    Order desc() const;

private:
    Condition compare(const char* op, const DBValue& value) const;

    QString columnName;
};

// SQL text with the values bound to its placeholders.
struct BoundSQL
{
    QString sql;
    std::vector<DBValue> values;
};

// The statement builders behind the generic operations; limit and offset are bound too.
namespace DBStatements {
BoundSQL select(const QString& table, const QStringList& on, const std::optional<Condition>& where,
                const std::vector<Order>& orderBy, std::optional<qint64> limit, std::optional<qint64> offset);
BoundSQL update(const QString& table, const QStringList& on, const DBRow& values,
                const std::optional<Condition>& where, const std::vector<Order>& orderBy,
                std::optional<qint64> limit, std::optional<qint64> offset);
BoundSQL insert(const QString& table, const QStringList& on, const DBRow& values);
} // namespace DBStatements

// What a record type provides to be stored: the table named after it, its columns, and each
// column's value read from or written into a record.
template <typename Record>
concept DBRecord = std::default_initializable<Record> &&
    requires(const Record& stored, Record& loaded, const QString& column, const DBValue& value)
{
    {
        Record::tableName()
        } -> std::convertible_to<QString>;
    {
        Record::columnDefs()
        } -> std::convertible_to<std::vector<ColumnDef>>;
    {
        stored.columnValue(column)
        } -> std::convertible_to<DBValue>;
    loaded.setColumnValue(column, value);
};

// The generic operations on the record type's table. Each logs a failure as "Error: " and the
// error's description under its own name, and answers with the neutral result instead of
// raising.
template <DBRecord Record> class DBTable
{
public:
    // The first row of the selection (limit 1); none when nothing matches or on failure.
    static std::optional<Record> findOne(MainDB& db, const QStringList& on,
                                         const std::optional<Condition>& where = std::nullopt,
                                         const std::vector<Order>& orderBy = {},
                                         std::optional<qint64> offset = std::nullopt)
    {
        auto rows = select(db, on, where, orderBy, 1, offset);
        if (!rows.value) {
            LOG_ERROR(QStringLiteral("Error: ") + rows.error.description());
            return std::nullopt;
        }
        if (rows.value->empty())
            return std::nullopt;
        return record(on, rows.value->front());
    }

    // Matching rows in the given order; empty on failure.
    static std::vector<Record> find(MainDB& db, const QStringList& on,
                                    const std::optional<Condition>& where = std::nullopt,
                                    const std::vector<Order>& orderBy = {},
                                    std::optional<qint64> limit = std::nullopt,
                                    std::optional<qint64> offset = std::nullopt)
    {
        auto rows = select(db, on, where, orderBy, limit, offset);
        if (!rows.value) {
            LOG_ERROR(QStringLiteral("Error: ") + rows.error.description());
            return {};
        }
        std::vector<Record> records;
        records.reserve(rows.value->size());
        for (const DBRow& row : *rows.value)
            records.push_back(record(on, row));
        return records;
    }

    // Writes the given columns of object into every matching row; false on failure.
    static bool update(MainDB& db, const Record& object, const QStringList& on,
                       const std::optional<Condition>& where = std::nullopt,
                       const std::vector<Order>& orderBy = {}, std::optional<qint64> limit = std::nullopt,
                       std::optional<qint64> offset = std::nullopt)
    {
        const BoundSQL statement =
            DBStatements::update(Record::tableName(), on, values(object, on), where, orderBy, limit, offset);
        const auto changed = db.execute(statement.sql, statement.values);
        if (!changed.value) {
            LOG_ERROR(QStringLiteral("Error: ") + changed.error.description());
            return false;
        }
        return true;
    }

    // Inserts object as a new row; a NULL key lets the database assign one. False on failure.
    static bool insert(MainDB& db, const Record& object, const QStringList& on)
    {
        const BoundSQL statement = DBStatements::insert(Record::tableName(), on, values(object, on));
        const auto changed = db.execute(statement.sql, statement.values);
        if (!changed.value) {
            LOG_ERROR(QStringLiteral("Error: ") + changed.error.description());
            return false;
        }
        return true;
    }

private:
    static DBResult<std::vector<DBRow>> select(MainDB& db, const QStringList& on,
                                               const std::optional<Condition>& where,
                                               const std::vector<Order>& orderBy, std::optional<qint64> limit,
                                               std::optional<qint64> offset)
    {
        const BoundSQL statement =
            DBStatements::select(Record::tableName(), on, where, orderBy, limit, offset);
        return db.query(statement.sql, statement.values);
    }

    static Record record(const QStringList& on, const DBRow& row)
    {
        Record loaded;
        const auto count = std::min(static_cast<std::size_t>(on.size()), row.size());
        for (std::size_t i = 0; i < count; ++i)
            loaded.setColumnValue(on[static_cast<qsizetype>(i)], row[i]);
        return loaded;
    }

    static DBRow values(const Record& object, const QStringList& on)
    {
        DBRow row;
        row.reserve(static_cast<std::size_t>(on.size()));
        for (const QString& column : on)
            row.push_back(object.columnValue(column));
        return row;
    }
};
