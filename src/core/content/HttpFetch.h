#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>

class QNetworkAccessManager;

// How long and how large one exchange with a web endpoint may be. Every body we read comes
// from a server we do not control: nothing is read without a bound.
struct HttpLimits
{
    qint64 maxBytes = 4 * 1024 * 1024;
    // No byte for this long ends the exchange.
    std::chrono::milliseconds transferTimeout{30'000};
    // A server that drips a byte now and then still has to finish within this.
    std::chrono::milliseconds totalTimeout{60'000};
};

// The limits every content service works with: lists and feeds, images, and the photo cache.
struct ContentLimits
{
    HttpLimits list{4 * 1024 * 1024, std::chrono::milliseconds{30'000}, std::chrono::milliseconds{60'000}};
    HttpLimits image{64 * 1024 * 1024, std::chrono::milliseconds{30'000}, std::chrono::milliseconds{600'000}};
    // A photo list may name any number of photos: only the first ones are kept.
    int photosPerList = 30;
    // The photo cache's size; the oldest photos go first.
    qint64 photoCacheBytes = 500LL * 1000 * 1000;
};

struct HttpResult
{
    enum class Outcome {
        response,  // the server answered; any HTTP status
        transport, // connection refused, reset, truncated, TLS, …
        tooLarge,  // the body passed HttpLimits::maxBytes
        timedOut,  // one of the two time-outs
        refused,   // not an http(s) address; nothing was sent
    };

    Outcome outcome = Outcome::transport;
    int status = 0; // HTTP status when the server answered
    QByteArray body;
    QString error; // what went wrong, for the log

    bool answered() const { return outcome == Outcome::response; }
    bool succeeded() const { return answered() && status >= 200 && status < 300; }
};

// GET and POST with a transfer time-out, an overall deadline, a body cap and http/https only
// (redirects included). The result is delivered on the context's thread, never when the
// context is gone; deleting the context aborts the exchange.
namespace HttpFetch {

bool isWebUrl(const QUrl& url);

using Completion = std::function<void(const HttpResult&)>;

void get(QNetworkAccessManager& manager, const QUrl& url, const HttpLimits& limits, QObject* context,
         Completion done);
void postJson(QNetworkAccessManager& manager, const QUrl& url, const QByteArray& body, const HttpLimits& limits,
              QObject* context, Completion done);

} // namespace HttpFetch
