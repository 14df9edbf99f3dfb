#include "LoopbackHttpServer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

struct LoopbackHttpServer::Connection
{
    QPointer<QTcpSocket> socket;
    QByteArray buffer;
    QTimer* dripTimer = nullptr;
};

LoopbackHttpServer::Response LoopbackHttpServer::Response::json(const QByteArray& body, int status)
{
    Response r;
    r.status = status;
    r.body = body;
    return r;
}

LoopbackHttpServer::Response LoopbackHttpServer::Response::text(const QByteArray& body, const QByteArray& contentType,
                                                               int status)
{
    Response r;
    r.status = status;
    r.contentType = contentType;
    r.body = body;
    return r;
}

QString LoopbackHttpServer::Request::path() const
{
    const qsizetype query = target.indexOf('?');
    return QString::fromLatin1(query < 0 ? target : target.left(query));
}

LoopbackHttpServer::LoopbackHttpServer(QObject* parent) : QObject(parent)
{
    fallback = Response::text("not found", "text/plain", 404);
    connect(&server, &QTcpServer::newConnection, this, [this] { accept(); });
    server.listen(QHostAddress::LocalHost, 0);
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    for (Connection* connection : connections) {
        if (connection->socket) {
            connection->socket->disconnect(this);
            connection->socket->abort();
            delete connection->socket;
        }
        delete connection->dripTimer;
        delete connection;
    }
}

QString LoopbackHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:") + QString::number(server.serverPort());
}

QUrl LoopbackHttpServer::url(const QString& pathAndQuery) const
{
    return QUrl(baseUrl() + pathAndQuery);
}

void LoopbackHttpServer::route(const QString& path, const Response& response)
{
    routes[path] = {response};
}

void LoopbackHttpServer::route(const QString& path, const QList<Response>& responses)
{
    routes[path] = responses;
}

int LoopbackHttpServer::requestCount(const QString& path) const
{
    int count = 0;
    for (const Request& request : received)
        count += request.path() == path ? 1 : 0;
    return count;
}

int LoopbackHttpServer::heldCount() const
{
    return int(held.size());
}

void LoopbackHttpServer::releaseHeld()
{
    auto pending = std::move(held);
    held.clear();
    for (auto& [socket, response] : pending) {
        if (!socket)
            continue;
        for (Connection* connection : connections) {
            if (connection->socket == socket) {
                response.held = false;
                respond(connection, response);
                break;
            }
        }
    }
}

bool LoopbackHttpServer::waitForRequests(const QString& path, int count, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (requestCount(path) < count) {
        if (elapsed.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        connect(this, &LoopbackHttpServer::requestReceived, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

void LoopbackHttpServer::accept()
{
    while (QTcpSocket* socket = server.nextPendingConnection()) {
        auto* connection = new Connection{socket, {}, nullptr};
        connections.push_back(connection);
        connect(socket, &QTcpSocket::readyRead, this, [this, connection] { readFrom(connection); });
    }
}

void LoopbackHttpServer::readFrom(Connection* connection)
{
    if (!connection->socket)
        return;
    connection->buffer += connection->socket->readAll();
    while (true) {
        const qsizetype end = connection->buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = connection->buffer.left(end).split('\n');
        Request request;
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        const qint64 length = request.headers.value("content-length", "0").toLongLong();
        if (connection->buffer.size() < end + 4 + length)
            return;
        request.body = connection->buffer.mid(end + 4, length);
        connection->buffer.remove(0, end + 4 + length);
        received.push_back(request);

        const QString path = request.path();
        Response response = fallback;
        auto it = routes.find(path);
        if (it != routes.end() && !it->isEmpty())
            response = it->size() > 1 ? it->takeFirst() : it->first();
        Q_EMIT requestReceived(path);
        respond(connection, response);
    }
}

QByteArray LoopbackHttpServer::head(const Response& response, qint64 contentLength)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    out += "Content-Type: " + response.contentType + "\r\n";
    if (contentLength >= 0)
        out += "Content-Length: " + QByteArray::number(contentLength) + "\r\n";
    for (const auto& [name, value] : response.headers)
        out += name + ": " + value + "\r\n";
    out += "Connection: close\r\n\r\n";
    return out;
}

void LoopbackHttpServer::respond(Connection* connection, const Response& response)
{
    if (response.held) {
        held.emplace_back(connection->socket, response);
        return;
    }
    if (response.delayMs > 0) {
        QPointer<QTcpSocket> socket = connection->socket;
        QTimer::singleShot(response.delayMs, this, [this, connection, socket, response] {
            if (socket)
                sendNow(connection, response);
        });
        return;
    }
    sendNow(connection, response);
}

void LoopbackHttpServer::sendNow(Connection* connection, const Response& response)
{
    QTcpSocket* socket = connection->socket;
    if (!socket)
        return;
    using Mode = Response::Mode;
    switch (response.mode) {
    case Mode::complete:
        socket->write(head(response, response.body.size()) + response.body);
        socket->disconnectFromHost();
        return;
    case Mode::silent:
        return;
    case Mode::hangUp:
        socket->abort();
        return;
    case Mode::truncated:
        socket->write(head(response, response.body.size()) + response.body.left(response.body.size() / 2));
        socket->disconnectFromHost();
        return;
    case Mode::endless: {
        socket->write(head(response, -1));
        // Paced by a timer, not by bytesWritten: the client shares this thread, and a
        // writer that refills on every write would starve it.
        connection->dripTimer = new QTimer;
        QPointer<QTcpSocket> guard = socket;
        connect(connection->dripTimer, &QTimer::timeout, connection->dripTimer,
                [guard, connection, block = QByteArray(256 * 1024, 'z')] {
                    if (!guard || guard->state() != QAbstractSocket::ConnectedState) {
                        connection->dripTimer->stop();
                        return;
                    }
                    if (guard->bytesToWrite() < qint64(block.size()))
                        guard->write(block);
                });
        connection->dripTimer->start(1);
        return;
    }
    case Mode::drip: {
        socket->write(head(response, response.dripCount < 0 ? -1 : response.dripChunk.size() * response.dripCount));
        connection->dripTimer = new QTimer;
        int remaining = response.dripCount;
        QPointer<QTcpSocket> guard = socket;
        connect(connection->dripTimer, &QTimer::timeout, connection->dripTimer,
                [guard, connection, chunk = response.dripChunk, remaining]() mutable {
                    if (!guard || guard->state() != QAbstractSocket::ConnectedState) {
                        connection->dripTimer->stop();
                        return;
                    }
                    guard->write(chunk);
                    if (remaining > 0 && --remaining == 0) {
                        connection->dripTimer->stop();
                        guard->disconnectFromHost();
                    }
                });
        connection->dripTimer->start(response.dripIntervalMs);
        return;
    }
    }
}
