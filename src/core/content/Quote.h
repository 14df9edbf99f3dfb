#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct QuoteTitle
{
    QString rendered;
    bool operator==(const QuoteTitle&) const = default;
};

struct QuoteContent
{
    QString rendered;
    bool operator==(const QuoteContent&) const = default;
};

// One quote as the posts endpoint, the built-in collection and "quotes.json" hold it. Only
// content.rendered is ever shown.
struct Quote
{
    std::optional<QuoteTitle> title;
    std::optional<QuoteContent> content;
    std::optional<QString> date;

    bool operator==(const Quote&) const = default;

    // A user's line: empty title and date.
    static Quote custom(const QString& line);
};

// The JSON form: [{"title":{"rendered":…},"content":{"rendered":…},"date":…}, …].
namespace QuoteCoding {

// The remote response: a JSON array of quote objects. "title", "content" and "date" may be
// absent or null, but a present "title" or "content" must hold a text "rendered" and a
// present "date" must be text. Any mismatch rejects the whole body (none, with the reason).
std::optional<QList<Quote>> decodeStrict(const QByteArray& data, QString* error);

// The files: anything but an array gives an empty list, elements that are not objects are
// skipped, absent, null or mistyped fields stay absent.
QList<Quote> decodeLenient(const QByteArray& data);

// Compact JSON array; absent fields are left out.
QByteArray encode(const QList<Quote>& quotes);

// For log lines.
QString describe(const QList<Quote>& quotes);

} // namespace QuoteCoding
