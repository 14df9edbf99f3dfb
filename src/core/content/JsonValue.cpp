#include "content/JsonValue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace JsonValue {

std::optional<QJsonValue> parse(const QByteArray& bytes, QString* error)
{
    // QJsonDocument only takes an object or an array at the top: wrap the bytes in one
    // array and insist on exactly one element, so "1,2" or "1] [2" stay errors.
    QByteArray wrapped;
    wrapped.reserve(bytes.size() + 2);
    wrapped.append('[').append(bytes).append(']');
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(wrapped, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = parseError.errorString() + QStringLiteral(" at offset ") +
                     QString::number(std::max(0, parseError.offset - 1));
        return std::nullopt;
    }
    const QJsonArray array = document.array();
    if (array.size() != 1) {
        if (error)
            *error = array.isEmpty() ? QStringLiteral("no JSON value") : QStringLiteral("more than one JSON value");
        return std::nullopt;
    }
    return array.first();
}

std::optional<qint64> integer(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    constexpr double limit = 9007199254740992.0; // 2^53
    if (!std::isfinite(number) || std::trunc(number) != number || std::fabs(number) > limit)
        return std::nullopt;
    return static_cast<qint64>(number);
}

QString describe(const QJsonValue& value)
{
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    // A scalar: reuse the array form and drop the brackets.
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

} // namespace JsonValue
