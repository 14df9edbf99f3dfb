#include "records/DBTable.h"

namespace {

void appendClauses(BoundSQL& statement, const std::optional<Condition>& where,
                   const std::vector<Order>& orderBy, std::optional<qint64> limit,
                   std::optional<qint64> offset)
{
    if (where) {
        statement.sql += QStringLiteral(" WHERE ") + where->sql;
        statement.values.insert(statement.values.end(), where->values.begin(), where->values.end());
    }
    if (!orderBy.empty()) {
        QStringList terms;
        for (const Order& order : orderBy)
            terms << order.sql;
        statement.sql += QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
    }
    // SQLite takes an offset only after a limit; -1 means no limit.
    if (limit || offset) {
        statement.sql += QStringLiteral(" LIMIT ?");
        statement.values.emplace_back(limit.value_or(-1));
    }
    if (offset) {
        statement.sql += QStringLiteral(" OFFSET ?");
        statement.values.emplace_back(*offset);
    }
}

QString columnList(const QStringList& on)
{
    QStringList quotedNames;
    for (const QString& column : on)
        quotedNames << MainDB::quoted(column);
    return quotedNames.join(QStringLiteral(", "));
}

} // namespace

Condition Condition::operator&&(const Condition& other) const
{
    Condition both{QLatin1Char('(') + sql + QStringLiteral(") AND (") + other.sql + QLatin1Char(')'), values};
    both.values.insert(both.values.end(), other.values.begin(), other.values.end());
    return both;
}

Condition Column::compare(const char* op, const DBValue& value) const
{
    return {MainDB::quoted(columnName) + QLatin1Char(' ') + QLatin1String(op) + QStringLiteral(" ?"),
            {value}};
}

Order Column::asc() const
{
    return {MainDB::quoted(columnName) + QStringLiteral(" ASC")};
}

Order Column::desc() const
{
    return {MainDB::quoted(columnName) + QStringLiteral(" DESC")};
}

namespace DBStatements {

BoundSQL select(const QString& table, const QStringList& on, const std::optional<Condition>& where,
                const std::vector<Order>& orderBy, std::optional<qint64> limit, std::optional<qint64> offset)
{
    BoundSQL statement{
        QStringLiteral("SELECT ") + columnList(on) + QStringLiteral(" FROM ") + MainDB::quoted(table), {}};
    appendClauses(statement, where, orderBy, limit, offset);
    return statement;
}

BoundSQL update(const QString& table, const QStringList& on, const DBRow& values,
                const std::optional<Condition>& where, const std::vector<Order>& orderBy,
                std::optional<qint64> limit, std::optional<qint64> offset)
{
    QStringList assignments;
    for (const QString& column : on)
        assignments << MainDB::quoted(column) + QStringLiteral(" = ?");
    BoundSQL statement{QStringLiteral("UPDATE ") + MainDB::quoted(table) + QStringLiteral(" SET ") +
                           assignments.join(QStringLiteral(", ")),
                       values};
    if (orderBy.empty() && !limit && !offset) {
        appendClauses(statement, where, {}, std::nullopt, std::nullopt);
        return statement;
    }
    // UPDATE ... ORDER BY/LIMIT needs an optional SQLite build flag; a rowid subquery does not.
    BoundSQL rows = select(table, {QStringLiteral("rowid")}, where, orderBy, limit, offset);
    statement.sql += QStringLiteral(" WHERE rowid IN (") + rows.sql + QLatin1Char(')');
    statement.values.insert(statement.values.end(), rows.values.begin(), rows.values.end());
    return statement;
}

BoundSQL insert(const QString& table, const QStringList& on, const DBRow& values)
{
    QStringList placeholders;
    for (qsizetype i = 0; i < on.size(); ++i)
        placeholders << QStringLiteral("?");
    return {QStringLiteral("INSERT INTO ") + MainDB::quoted(table) + QLatin1Char('(') + columnList(on) +
                QStringLiteral(") VALUES(") + placeholders.join(QStringLiteral(", ")) + QLatin1Char(')'),
            values};
}

} // namespace DBStatements
