#include "content/QuoteService.h"

#include "content/UntrustedHtml.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>

QString quotesTypeName(PreferQuotesType type)
{
    switch (type) {
    case PreferQuotesType::disabled:
        return QStringLiteral("disabled");
    case PreferQuotesType::quotesDesign:
        return QStringLiteral("quotesDesign");
    case PreferQuotesType::velmoro:
        return QStringLiteral("velmoro");
    case PreferQuotesType::custom:
        return QStringLiteral("custom");
    }
    return QStringLiteral("disabled");
}

QuoteService::QuoteService(Preferences& preferences, QNetworkAccessManager* network, ContentLimits limits,
                           QObject* parent)
    : QObject(parent), url(UserDefaults::endpoint(preferences, EndpointKey::quotes) +
                           QStringLiteral("/wp-json/wp/v2/posts/?orderby=rand")),
      preferences(preferences), network(network ? network : new QNetworkAccessManager(this)), limits(limits)
{}

QuoteService::~QuoteService() = default;

PreferQuotesType QuoteService::quotesType() const
{
    const int stored = preferences.intValue(PreferKey::QuotesType);
    if (stored < 0 || stored > 3)
        return PreferQuotesType::disabled;
    return static_cast<PreferQuotesType>(stored);
}

void QuoteService::setup()
{
    const PreferQuotesType type = quotesType();
    LOG_INFO(QStringLiteral("Quotes type: ") + quotesTypeName(type));
    switch (type) {
    case PreferQuotesType::disabled:
        LOG_INFO(QStringLiteral("Quotes disabled. Nothing to do."));
        return;
    case PreferQuotesType::quotesDesign:
        LOG_INFO(QStringLiteral("Try updating quotes…"));
        fetchQuotesFromQuotesDesignIfNeed();
        return;
    case PreferQuotesType::velmoro:
        LOG_INFO(QStringLiteral("Loading velmoro quotes from file…"));
        loadVelmoroQuotes();
        return;
    case PreferQuotesType::custom:
        LOG_INFO(QStringLiteral("Loading quotes from file…"));
        loadCustomQuotes();
        return;
    }
}

std::optional<QString> QuoteService::nextQuote()
{
    if (!quoteList.isEmpty()) {
        if (position >= quoteList.size())
            position = 0;
        const Quote& quote = quoteList.at(position);
        ++position;
        // A hand-edited file or a post may lack content: no quote this time.
        if (!quote.content)
            return std::nullopt;
        return quote.content->rendered;
    }
    const PreferQuotesType type = quotesType();
    LOG_INFO(QStringLiteral("quotesType: ") + quotesTypeName(type));
    if (type == PreferQuotesType::quotesDesign) {
        LOG_INFO(QStringLiteral("Quotes count == 0, will fetch new quotes."));
        fetchQuotesFromQuotesDesignIfNeed();
        // Offline, or before the first answer: a built-in quote rather than none.
        if (builtInQuotes.isEmpty())
            builtInQuotes = shuffled(QuoteCoding::decodeLenient(
                customQuotesJSONString(QString::fromLatin1(velmoroResource)).toUtf8()));
        if (!builtInQuotes.isEmpty()) {
            LOG_INFO(QStringLiteral("Using a built-in quote until the remote ones arrive."));
            const Quote& quote = builtInQuotes.at(builtInPosition++ % builtInQuotes.size());
            if (quote.content)
                return quote.content->rendered;
        }
    } else if (type == PreferQuotesType::custom) {
        LOG_INFO(QStringLiteral("Quotes count == 0, reload from file."));
        loadCustomQuotes();
    }
    return std::nullopt;
}

void QuoteService::fetchQuotesFromQuotesDesignIfNeed()
{
    if (!quoteList.isEmpty() || requesting) {
        LOG_INFO(QStringLiteral("Already fetching…"));
        return;
    }
    LOG_INFO(QStringLiteral("Requesting new quotes…"));
    track(UsageEvent::fetchQuotesOnDesign);
    requesting = true;
    // The handler runs with this object as context: nothing happens once the service is gone.
    HttpFetch::get(*network, QUrl(url), limits.list, this, [this](const HttpResult& result) {
        requesting = false;
        if (!result.answered()) {
            LOG_ERROR(QStringLiteral("Error: ") + result.error);
        } else if (!result.succeeded()) {
            // An error page is not a quote list: the quotes at hand stay.
            LOG_ERROR(QStringLiteral("Error: HTTP status ") + QString::number(result.status));
        } else {
            quoteList = parseQuotesFromResponseData(result.body);
            if (quoteList.isEmpty())
                LOG_INFO(QStringLiteral("Empty quote."));
            LOG_DEBUG(QStringLiteral("quotes: ") + QString::number(quoteList.size()));
        }
        Q_EMIT quotesFetched();
    });
}

QList<Quote> QuoteService::parseQuotesFromResponseData(const QByteArray& data)
{
    if (data.isEmpty()) {
        LOG_ERROR(QStringLiteral("Invalid response data. len: ") + QString::number(data.size()));
        return {};
    }
    QString error;
    const auto decoded = QuoteCoding::decodeStrict(data, &error);
    if (!decoded) {
        LOG_ERROR(QStringLiteral("Failed to decode json data. Err: ") + error);
        track(UsageEvent::failedToParseQuote);
        return {};
    }
    LOG_DEBUG(QStringLiteral("quotes: ") + QuoteCoding::describe(*decoded));
    QList<Quote> mapped;
    mapped.reserve(decoded->size());
    for (const Quote& quote : *decoded) {
        if (!quote.content) {
            mapped.append(quote);
            continue;
        }
        Quote plain;
        plain.content = QuoteContent{UntrustedHtml::toPlainText(quote.content->rendered)};
        plain.title = quote.title ? *quote.title : QuoteTitle{QString()};
        plain.date = quote.date.value_or(QString());
        mapped.append(plain);
    }
    return mapped;
}

void QuoteService::loadVelmoroQuotes()
{
    LOG_INFO(QStringLiteral("loadVelmoroQuotes…"));
    track(UsageEvent::loadVelmoroQuotes);
    const QString path = QString::fromLatin1(velmoroResource);
    if (!QFileInfo::exists(path)) {
        LOG_ERROR(QStringLiteral("Failed to get custom quotes file path."));
        return;
    }
    quoteList = shuffled(QuoteCoding::decodeLenient(customQuotesJSONString(path).toUtf8()));
    LOG_INFO(QStringLiteral("velmoro quotes loaded. Count: ") + QString::number(quoteList.size()));
}

void QuoteService::loadCustomQuotes()
{
    LOG_INFO(QStringLiteral("loadCustomQuotes…"));
    track(UsageEvent::loadCustomQuotes);
    const auto path = DataFolder::quotesPath();
    if (!path) {
        LOG_ERROR(QStringLiteral("Failed to get custom quotes file path."));
        return;
    }
    quoteList = shuffled(QuoteCoding::decodeLenient(customQuotesJSONString(*path).toUtf8()));
    LOG_INFO(QStringLiteral("custom quotes loaded. Count: ") + QString::number(quoteList.size()));
}

void QuoteService::updateCustomQuotes(const QString& text)
{
    LOG_INFO(QStringLiteral("custom quotes count: ") + QString::number(text.size()));
    QList<Quote> quotes;
    for (const QString& piece : text.split(QLatin1Char('\n'))) {
        // Kept untrimmed: a carriage return or surrounding blanks stay part of the quote.
        if (!piece.trimmed().isEmpty())
            quotes.append(Quote::custom(piece));
    }
    quoteList = quotes;
    LOG_INFO(QStringLiteral("custom quotes count: ") + QString::number(quoteList.size()));

    const auto path = DataFolder::quotesPath();
    if (!path) {
        LOG_ERROR(QStringLiteral("Failed to get custom quotes file path or failed to convert to json."));
        return;
    }
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QuoteCoding::encode(quoteList)) < 0 ||
        !file.commit()) {
        LOG_ERROR(QStringLiteral("Error: ") + file.errorString());
        return;
    }
    LOG_INFO(QStringLiteral("Successfully saved to file."));
}

QString QuoteService::customQuotesString()
{
    const auto path = DataFolder::quotesPath();
    if (!path)
        return QString();
    if (!QFileInfo::exists(*path)) {
        LOG_INFO(QStringLiteral("Quotes.json not exists."));
        return QString();
    }
    QStringList lines;
    for (const Quote& quote : QuoteCoding::decodeLenient(customQuotesJSONString(*path).toUtf8()))
        lines << (quote.content ? quote.content->rendered : QString());
    return lines.join(QLatin1Char('\n'));
}

QString QuoteService::customQuotesJSONString(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LOG_ERROR(QStringLiteral("Failed to read quotes file. err: ") + file.errorString());
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

QList<Quote> QuoteService::shuffled(QList<Quote> quotes)
{
    std::shuffle(quotes.begin(), quotes.end(), *QRandomGenerator::global());
    return quotes;
}
