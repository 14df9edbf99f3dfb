#include "records/Interval.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

std::optional<double> number(const DBValue& value)
{
    if (const auto* integer = std::get_if<qint64>(&value))
        return static_cast<double>(*integer);
    if (const auto* real = std::get_if<double>(&value))
        return *real;
    return std::nullopt;
}

// Hand-edited files may hold anything; values outside the range read as none.
std::optional<qint64> integer(const DBValue& value, qint64 lowest, qint64 highest)
{
    if (const auto* stored = std::get_if<qint64>(&value))
        return *stored >= lowest && *stored <= highest ? std::optional<qint64>(*stored) : std::nullopt;
    if (const auto* real = std::get_if<double>(&value)) {
        if (std::isfinite(*real) && *real >= static_cast<double>(lowest) &&
            *real < static_cast<double>(highest))
            return static_cast<qint64>(*real);
    }
    return std::nullopt;
}

DBValue secondsSince1970(const QDateTime& date)
{
    if (!date.isValid())
        return std::monostate{};
    return static_cast<double>(date.toMSecsSinceEpoch()) / 1000.0;
}

std::optional<QDateTime> dateFrom(const DBValue& value)
{
    // About 30 million years either side of 1970: the milliseconds stay within 64 bits.
    constexpr double limit = 1e15;
    const auto seconds = number(value);
    if (!seconds || !std::isfinite(*seconds) || std::abs(*seconds) > limit)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(std::llround(*seconds * 1000.0));
}

} // namespace

qint64 Interval::duration() const
{
    if (!end)
        return 0;
    // Integer division truncates each side on its own, as the stored rule asks.
    return end->toMSecsSinceEpoch() / 1000 - start.toMSecsSinceEpoch() / 1000;
}

qint64 Interval::focusedDuration() const
{
    return std::max<qint64>(0, duration() - std::max<qint64>(0, paused));
}

std::optional<QString> Interval::typeTitle() const
{
    return typeTitle(type);
}

std::optional<QString> Interval::typeTitle(int type)
{
    switch (type) {
    case 1:
        return QCoreApplication::translate("Localizable", "Today-Pomodoro");
    case 2:
        return QCoreApplication::translate("Localizable", "Today-Short-break");
    case 3:
        return QCoreApplication::translate("Localizable", "Today-Long-break");
    default:
        return std::nullopt;
    }
}

std::vector<ColumnDef> Interval::columnDefs()
{
    return {
        {QStringLiteral("taskID"), QStringLiteral("INTEGER"), QStringLiteral("PRIMARY KEY AUTOINCREMENT")},
        {QStringLiteral("type"), QStringLiteral("INTEGER"), {}},
        {QStringLiteral("start"), QStringLiteral("REAL"), {}},
        {QStringLiteral("end"), QStringLiteral("REAL"), {}},
        {QStringLiteral("name"), QStringLiteral("TEXT"), {}},
    };
}

QStringList Interval::allColumns()
{
    QStringList names;
    for (const ColumnDef& column : columnDefs())
        names << column.name;
    return names;
}

DBValue Interval::columnValue(const QString& column) const
{
    if (column == QLatin1String("taskID"))
        return taskID ? DBValue(*taskID) : DBValue();
    if (column == QLatin1String("type"))
        return static_cast<qint64>(type);
    if (column == QLatin1String("start"))
        return secondsSince1970(start);
    if (column == QLatin1String("end"))
        return end ? secondsSince1970(*end) : DBValue();
    if (column == QLatin1String("name"))
        return name ? DBValue(*name) : DBValue();
    if (column == QLatin1String("paused"))
        return paused;
    return {};
}

void Interval::setColumnValue(const QString& column, const DBValue& value)
{
    if (column == QLatin1String("taskID")) {
        taskID = integer(value, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
    } else if (column == QLatin1String("type")) {
        type = static_cast<int>(
            integer(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()).value_or(0));
    } else if (column == QLatin1String("start")) {
        start = dateFrom(value).value_or(QDateTime());
    } else if (column == QLatin1String("end")) {
        end = dateFrom(value);
    } else if (column == QLatin1String("name")) {
        const auto* text = std::get_if<QString>(&value);
        name = text ? std::optional<QString>(*text) : std::nullopt;
    } else if (column == QLatin1String("paused")) {
        paused = integer(value, 0, std::numeric_limits<int>::max()).value_or(0);
    }
}
