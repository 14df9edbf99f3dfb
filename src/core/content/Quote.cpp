#include "content/Quote.h"

#include "content/JsonValue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

Quote Quote::custom(const QString& line)
{
    return Quote{QuoteTitle{QString()}, QuoteContent{line}, QString()};
}

namespace QuoteCoding {

namespace {

// Strict reading of {"rendered": text}; absent or null is fine, anything else is an error.
bool readRendered(const QJsonObject& object, const QString& key, int index, std::optional<QString>& out,
                  QString* error)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    const auto fail = [&](const QString& what) {
        if (error)
            *error = QStringLiteral("[%1].%2: %3").arg(index).arg(key, what);
        return false;
    };
    if (!value.isObject())
        return fail(QStringLiteral("expected an object"));
    const QJsonValue rendered = value.toObject().value(QStringLiteral("rendered"));
    if (rendered.isUndefined() || rendered.isNull())
        return fail(QStringLiteral("key \"rendered\" not found"));
    if (!rendered.isString())
        return fail(QStringLiteral("\"rendered\" is not text"));
    out = rendered.toString();
    return true;
}

std::optional<QString> lenientRendered(const QJsonObject& object, const QString& key)
{
    const QJsonValue rendered = object.value(key).toObject().value(QStringLiteral("rendered"));
    if (!rendered.isString())
        return std::nullopt;
    return rendered.toString();
}

} // namespace

std::optional<QList<Quote>> decodeStrict(const QByteArray& data, QString* error)
{
    const auto root = JsonValue::parse(data, error);
    if (!root)
        return std::nullopt;
    if (!root->isArray()) {
        if (error)
            *error = QStringLiteral("expected an array of quotes");
        return std::nullopt;
    }
    const QJsonArray array = root->toArray();
    QList<Quote> quotes;
    quotes.reserve(array.size());
    for (int i = 0; i < array.size(); ++i) {
        const QJsonValue element = array.at(i);
        if (!element.isObject()) {
            if (error)
                *error = QStringLiteral("[%1]: expected an object").arg(i);
            return std::nullopt;
        }
        const QJsonObject object = element.toObject();
        Quote quote;
        std::optional<QString> title, content;
        if (!readRendered(object, QStringLiteral("title"), i, title, error) ||
            !readRendered(object, QStringLiteral("content"), i, content, error))
            return std::nullopt;
        const QJsonValue date = object.value(QStringLiteral("date"));
        if (!date.isUndefined() && !date.isNull()) {
            if (!date.isString()) {
                if (error)
                    *error = QStringLiteral("[%1].date: expected text").arg(i);
                return std::nullopt;
            }
            quote.date = date.toString();
        }
        if (title)
            quote.title = QuoteTitle{*title};
        if (content)
            quote.content = QuoteContent{*content};
        quotes.append(quote);
    }
    return quotes;
}

QList<Quote> decodeLenient(const QByteArray& data)
{
    const auto root = JsonValue::parse(data);
    if (!root || !root->isArray())
        return {};
    QList<Quote> quotes;
    for (const QJsonValue& element : root->toArray()) {
        if (!element.isObject())
            continue;
        const QJsonObject object = element.toObject();
        Quote quote;
        if (auto title = lenientRendered(object, QStringLiteral("title")))
            quote.title = QuoteTitle{*title};
        if (auto content = lenientRendered(object, QStringLiteral("content")))
            quote.content = QuoteContent{*content};
        if (const QJsonValue date = object.value(QStringLiteral("date")); date.isString())
            quote.date = date.toString();
        quotes.append(quote);
    }
    return quotes;
}

QByteArray encode(const QList<Quote>& quotes)
{
    QJsonArray array;
    for (const Quote& quote : quotes) {
        QJsonObject object;
        if (quote.title)
            object.insert(QStringLiteral("title"),
                          QJsonObject{{QStringLiteral("rendered"), quote.title->rendered}});
        if (quote.content)
            object.insert(QStringLiteral("content"),
                          QJsonObject{{QStringLiteral("rendered"), quote.content->rendered}});
        if (quote.date)
            object.insert(QStringLiteral("date"), *quote.date);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QString describe(const QList<Quote>& quotes)
{
    return QString::fromUtf8(encode(quotes));
}

} // namespace QuoteCoding
