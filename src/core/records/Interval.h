#pragma once

#include "records/DBTable.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One recorded interval; its fields are the columns of the "WTask" table.
struct Interval
{
    std::optional<qint64> taskID; // assigned by the database on insert
    int type = 0;                 // 1 Pomodoro, 2 short break, 3 long break; 0 only before typing
    QDateTime start;
    std::optional<QDateTime> end; // none while the interval runs
    std::optional<QString> name;
    // Seconds a Pomodoro stood paused. Kept beside the table (see TaskService), not in it, so a
    // reader that knows only the table still reads start and end as they were.
    qint64 paused = 0;

    // Whole seconds: truncated end minus truncated start (seconds since 1970); 0 without an end.
    qint64 duration() const;
    // The duration without the paused seconds: what the statistics count.
    qint64 focusedDuration() const;
    // "Today-Pomodoro", "Today-Short-break", "Today-Long-break" through the "Localizable"
    // table; none for 0 and for anything above 3.
    std::optional<QString> typeTitle() const;
    static std::optional<QString> typeTitle(int type);

    // The table: named after the type, one column per field in field order. Dates are stored
    // as seconds since 1970 (UTC) with the fraction.
    static QString tableName() { return QStringLiteral("WTask"); }
    static std::vector<ColumnDef> columnDefs();
    static QStringList allColumns();
    DBValue columnValue(const QString& column) const;
    void setColumnValue(const QString& column, const DBValue& value);
};
