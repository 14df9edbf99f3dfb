#include "content/HttpFetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

#include <optional>

namespace HttpFetch {

namespace {

// The server answered: a status line and headers, whatever the status (content errors are
// 2xx of the enumeration, server errors 4xx).
bool isHttpLevel(QNetworkReply::NetworkError error)
{
    const int code = static_cast<int>(error);
    return code == 0 || (code >= 201 && code <= 299) || (code >= 401 && code <= 499);
}

class Exchange final : public QObject
{
public:
    Exchange(QNetworkReply* reply, const HttpLimits& limits, Completion done, QObject* context)
        : QObject(context), reply(reply), limits(limits), done(std::move(done))
    {
        // The reply stays the manager's child: a manager that goes first takes it along.
        connect(reply, &QObject::destroyed, this, [this] {
            fail(HttpResult::Outcome::transport, QStringLiteral("the network access manager is gone"));
        });
        connect(reply, &QNetworkReply::metaDataChanged, this, [this] { checkDeclaredLength(); });
        connect(reply, &QNetworkReply::readyRead, this, [this] { drain(); });
        connect(reply, &QNetworkReply::redirected, this, [this](const QUrl& target) { redirected(target); });
        connect(reply, &QNetworkReply::finished, this, [this] { finish(); });
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, this, [this] {
            fail(HttpResult::Outcome::timedOut, QStringLiteral("no complete response within %1 ms")
                                                    .arg(this->limits.totalTimeout.count()));
        });
        deadline.start(limits.totalTimeout);
    }

    ~Exchange() override
    {
        // Deleting the context ends the exchange silently: nothing is delivered any more.
        if (reply) {
            reply->disconnect(this);
            if (!finished)
                reply->abort();
            reply->deleteLater();
        }
    }

private:
    void checkDeclaredLength()
    {
        if (!reply)
            return;
        bool ok = false;
        const qint64 declared = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&ok);
        if (ok && declared > limits.maxBytes)
            failTooLarge();
    }

    void drain()
    {
        if (finished || failure || !reply)
            return;
        const QByteArray chunk = reply->readAll();
        if (body.size() + chunk.size() > limits.maxBytes) {
            failTooLarge();
            return;
        }
        body += chunk;
    }

    void redirected(const QUrl& target)
    {
        if (isWebUrl(target))
            Q_EMIT reply->redirectAllowed();
        else
            fail(HttpResult::Outcome::refused, QStringLiteral("redirect to a non-web address refused: ") +
                                                   target.toString());
    }

    void failTooLarge()
    {
        fail(HttpResult::Outcome::tooLarge, QStringLiteral("response body exceeds %1 bytes").arg(limits.maxBytes));
    }

    void fail(HttpResult::Outcome outcome, const QString& error)
    {
        if (finished || failure)
            return;
        failure = outcome;
        failureText = error;
        if (reply)
            reply->abort();
        finish();
    }

    void finish()
    {
        if (finished)
            return;
        // Bytes still buffered belong to the body and count against the cap; draining may
        // itself end the exchange as too large.
        if (!failure && reply)
            drain();
        if (finished)
            return;
        finished = true;
        deadline.stop();

        HttpResult result;
        const QVariant status = reply ? reply->attribute(QNetworkRequest::HttpStatusCodeAttribute) : QVariant();
        result.status = status.isValid() ? status.toInt() : 0;
        if (!failure && !reply) {
            failure = HttpResult::Outcome::transport;
            failureText = QStringLiteral("the reply is gone");
        }
        if (failure) {
            result.outcome = *failure;
            result.error = failureText;
        } else {
            const QNetworkReply::NetworkError error = reply->error();
            if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError) {
                // Only the transfer time-out cancels a reply we did not abort ourselves.
                result.outcome = HttpResult::Outcome::timedOut;
                result.error = QStringLiteral("no data received for %1 ms").arg(limits.transferTimeout.count());
            } else if (status.isValid() && isHttpLevel(error)) {
                result.outcome = HttpResult::Outcome::response;
                result.body = std::move(body);
                if (error != QNetworkReply::NoError)
                    result.error = reply->errorString();
            } else {
                result.outcome = HttpResult::Outcome::transport;
                result.error = reply->errorString();
            }
        }
        body.clear();

        // Delivered from the event loop, so a handler that deletes the context does not pull
        // the reply away from under its own signal.
        QObject* context = parent();
        if (context) {
            QMetaObject::invokeMethod(
                context, [done = std::move(done), result] { done(result); }, Qt::QueuedConnection);
        }
        deleteLater();
    }

    QPointer<QNetworkReply> reply;
    HttpLimits limits;
    Completion done;
    QTimer deadline;
    QByteArray body;
    std::optional<HttpResult::Outcome> failure;
    QString failureText;
    bool finished = false;
};

void send(QNetworkAccessManager& manager, const QUrl& url, const QByteArray* postBody, const HttpLimits& limits,
          QObject* context, Completion done)
{
    if (!context)
        return;
    if (!isWebUrl(url)) {
        HttpResult result;
        result.outcome = HttpResult::Outcome::refused;
        result.error = QStringLiteral("not an http(s) address: ") + url.toString();
        QMetaObject::invokeMethod(
            context, [done = std::move(done), result] { done(result); }, Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(static_cast<int>(limits.transferTimeout.count()));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply* reply = nullptr;
    if (postBody) {
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        reply = manager.post(request, *postBody);
    } else {
        reply = manager.get(request);
    }
    new Exchange(reply, limits, std::move(done), context);
}

} // namespace

bool isWebUrl(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

void get(QNetworkAccessManager& manager, const QUrl& url, const HttpLimits& limits, QObject* context,
         Completion done)
{
    send(manager, url, nullptr, limits, context, std::move(done));
}

void postJson(QNetworkAccessManager& manager, const QUrl& url, const QByteArray& body, const HttpLimits& limits,
              QObject* context, Completion done)
{
    send(manager, url, &body, limits, context, std::move(done));
}

} // namespace HttpFetch
