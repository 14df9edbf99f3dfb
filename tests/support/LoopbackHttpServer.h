#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QUrl>

#include <functional>
#include <vector>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for tests of the web clients. Each path answers with
// a canned response (status, headers, body), optionally late, dripped slowly, endless, never,
// or held until the test releases it. Every request is recorded.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Response
    {
        enum class Mode {
            complete, // the whole response at once (after delayMs)
            drip,     // headers, then dripChunk every dripIntervalMs, dripCount times (-1: forever)
            endless,  // headers without a length, then data as fast as the client takes it
            silent,   // read the request, never answer
            hangUp,   // close the connection without answering
            truncated // announce the body's length, send half of it, close
        };
        int status = 200;
        QByteArray contentType = "application/json";
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        Mode mode = Mode::complete;
        int delayMs = 0;
        QByteArray dripChunk = "x";
        int dripIntervalMs = 20;
        int dripCount = -1;
        bool held = false; // answered only by releaseHeld()

        static Response json(const QByteArray& body, int status = 200);
        static Response text(const QByteArray& body, const QByteArray& contentType, int status = 200);
    };

    struct Request
    {
        QByteArray method;
        QByteArray target; // path and query as sent
        QHash<QByteArray, QByteArray> headers; // names lower-cased
        QByteArray body;
        QString path() const;
    };

    explicit LoopbackHttpServer(QObject* parent = nullptr);
    ~LoopbackHttpServer() override;

    // http://127.0.0.1:<port>, no trailing "/".
    QString baseUrl() const;
    QUrl url(const QString& pathAndQuery) const;

    // Answers for a path (query ignored). Several responses are given in turn; the last stays.
    void route(const QString& path, const Response& response);
    void route(const QString& path, const QList<Response>& responses);
    // Answered when no route matches: 404.
    void setFallback(const Response& response) { fallback = response; }

    const std::vector<Request>& requests() const { return received; }
    int requestCount(const QString& path) const;
    // Answers every held request.
    void releaseHeld();
    int heldCount() const;

    // Runs the event loop until count requests for path have arrived or timeoutMs passed.
    bool waitForRequests(const QString& path, int count, int timeoutMs = 5000);

Q_SIGNALS:
    void requestReceived(const QString& path);

private:
    struct Connection;
    void accept();
    void readFrom(Connection* connection);
    void respond(Connection* connection, const Response& response);
    void sendNow(Connection* connection, const Response& response);
    static QByteArray head(const Response& response, qint64 contentLength);

    QTcpServer server;
    QHash<QString, QList<Response>> routes;
    Response fallback;
    std::vector<Request> received;
    std::vector<Connection*> connections;
    std::vector<std::pair<QPointer<QTcpSocket>, Response>> held;
};
