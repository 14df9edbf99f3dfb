#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include <optional>

// JSON helpers shared by the content services.
namespace JsonValue {

// Reads one JSON value, a bare number, text or literal included; none with an error text
// when the bytes are not exactly one JSON value.
std::optional<QJsonValue> parse(const QByteArray& bytes, QString* error = nullptr);

// An integral JSON number that a double holds exactly (|n| ≤ 2^53); none otherwise.
std::optional<qint64> integer(const QJsonValue& value);

// Compact JSON text of a value, for log lines.
QString describe(const QJsonValue& value);

} // namespace JsonValue
