#pragma once

#include "content/HttpFetch.h"
#include "content/Quote.h"
#include "settings/PreferKey.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Preferences;
class QNetworkAccessManager;

QString quotesTypeName(PreferQuotesType type);

// The quote under the break's countdown, from the source chosen in "QuotesType": none, the
// remote posts list (memory only), the built-in collection or the user's "quotes.json".
// Main thread only; no failure here can stop or delay a timer.
class QuoteService : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* velmoroResource = ":/quotes/velmoro.json";

    // network may be null: the service then uses its own manager. The remote address is
    // read once, here, from the "QuotesBaseURL" preference.
    explicit QuoteService(Preferences& preferences, QNetworkAccessManager* network = nullptr,
                          ContentLimits limits = {}, QObject* parent = nullptr);
    ~QuoteService() override;

    // Anything outside 0...3 reads as disabled.
    PreferQuotesType quotesType() const;
    bool quotesEnabled() const { return quotesType() != PreferQuotesType::disabled; }

    // At start-up and on every change of the source.
    void setup();
    // The next held quote's content, cycling; none (and a reload or fetch) on an empty list.
    std::optional<QString> nextQuote();
    void fetchQuotesFromQuotesDesignIfNeed();
    // The custom-quotes text box: one quote per non-blank line, saved atomically.
    void updateCustomQuotes(const QString& text);
    QString customQuotesString();
    void loadCustomQuotes();
    void loadVelmoroQuotes();
    // The whole file as UTF-8 text, "" on failure.
    QString customQuotesJSONString(const QString& path);
    QList<Quote> parseQuotesFromResponseData(const QByteArray& data);

    const QString url;
    const QList<Quote>& quotes() const { return quoteList; }
    bool isRequesting() const { return requesting; }
    int index() const { return position; }

Q_SIGNALS:
    // A remote response (or its failure) has been handled.
    void quotesFetched();

private:
    static QList<Quote> shuffled(QList<Quote> quotes);

    Preferences& preferences;
    QNetworkAccessManager* network;
    ContentLimits limits;
    QList<Quote> quoteList;
    bool requesting = false;
    int position = 0;
    // Served while the remote quotes cannot be had.
    QList<Quote> builtInQuotes;
    int builtInPosition = 0;
};
