#include "ContentTestSupport.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <algorithm>
#include <cstring>

namespace {

// A reply whose whole body is still buffered when it says it has finished, no readyRead before.
class BufferedReply final : public QNetworkReply
{
public:
    BufferedReply(QByteArray body, QObject* parent) : QNetworkReply(parent), content(std::move(body))
    {
        setOpenMode(QIODevice::ReadOnly);
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, 200);
        QMetaObject::invokeMethod(
            this, [this] { setFinished(true), Q_EMIT finished(); }, Qt::QueuedConnection);
    }
    void abort() override {}
    qint64 bytesAvailable() const override { return content.size() + QNetworkReply::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = std::min(maxSize, qint64(content.size()));
        std::memcpy(data, content.constData(), size_t(count));
        content.remove(0, count);
        return count;
    }

private:
    QByteArray content;
};

struct BufferingNetwork final : QNetworkAccessManager
{
    QByteArray body;
    QNetworkReply* createRequest(Operation, const QNetworkRequest&, QIODevice*) override
    {
        return new BufferedReply(body, this);
    }
};

} // namespace

class ContentHttpFetchTest : public ContentFixture
{
protected:
    HttpResult fetch(const QUrl& url, const HttpLimits& limits = ContentLimits{}.list)
    {
        std::optional<HttpResult> result;
        HttpFetch::get(network, url, limits, &context, [&result](const HttpResult& r) { result = r; });
        EXPECT_TRUE(waitUntil([&] { return result.has_value(); }, 10000)) << url.toString().toStdString();
        return result.value_or(HttpResult{});
    }

    QNetworkAccessManager network;
    QObject context;
};

TEST_F(ContentHttpFetchTest, StatusAndBodyPassThroughAndErrorsAreTold)
{
    server->route(QStringLiteral("/ok"), LoopbackHttpServer::Response::json("[1]"));
    server->route(QStringLiteral("/error"), LoopbackHttpServer::Response::text("<p>no</p>", "text/html", 500));
    LoopbackHttpServer::Response truncated = LoopbackHttpServer::Response::json(QByteArray(1000, 'a'));
    truncated.mode = LoopbackHttpServer::Response::Mode::truncated;
    server->route(QStringLiteral("/truncated"), truncated);

    const HttpResult ok = fetch(server->url(QStringLiteral("/ok")));
    EXPECT_TRUE(ok.succeeded());
    EXPECT_EQ(ok.body, QByteArray("[1]"));

    const HttpResult error = fetch(server->url(QStringLiteral("/error")));
    EXPECT_TRUE(error.answered());
    EXPECT_FALSE(error.succeeded());
    EXPECT_EQ(error.status, 500);
    EXPECT_EQ(error.body, QByteArray("<p>no</p>"));

    EXPECT_EQ(fetch(server->url(QStringLiteral("/truncated"))).outcome, HttpResult::Outcome::transport);
    EXPECT_EQ(fetch(QUrl(QStringLiteral("http://127.0.0.1:1/"))).outcome, HttpResult::Outcome::transport);
}

TEST_F(ContentHttpFetchTest, BodiesAreCappedAtTheDefaultSizes)
{
    LoopbackHttpServer::Response endless;
    endless.mode = LoopbackHttpServer::Response::Mode::endless;
    server->route(QStringLiteral("/endless"), endless);
    // A body of exactly the cap is whole; one byte more is refused.
    const QByteArray full(ContentLimits{}.list.maxBytes, ' ');
    server->route(QStringLiteral("/full"), LoopbackHttpServer::Response::json(full));
    server->route(QStringLiteral("/big"), LoopbackHttpServer::Response::json(full + ' '));

    const HttpResult list = fetch(server->url(QStringLiteral("/endless")));
    EXPECT_EQ(list.outcome, HttpResult::Outcome::tooLarge);
    EXPECT_EQ(list.error, QStringLiteral("response body exceeds 4194304 bytes"));
    EXPECT_TRUE(list.body.isEmpty());
    const HttpResult atTheCap = fetch(server->url(QStringLiteral("/full")));
    EXPECT_TRUE(atTheCap.succeeded()) << atTheCap.error.toStdString();
    EXPECT_EQ(atTheCap.body, full);
    EXPECT_EQ(fetch(server->url(QStringLiteral("/big"))).outcome, HttpResult::Outcome::tooLarge);

    const HttpResult image = fetch(server->url(QStringLiteral("/endless")), ContentLimits{}.image);
    EXPECT_EQ(image.error, QStringLiteral("response body exceeds 67108864 bytes"));
}

TEST_F(ContentHttpFetchTest, OnlyWebAddressesAreEverRequested)
{
    LoopbackHttpServer::Response toFile = LoopbackHttpServer::Response::text("", "text/plain", 302);
    toFile.headers = {{"Location", "file:///etc/passwd"}};
    server->route(QStringLiteral("/to-file"), toFile);
    LoopbackHttpServer::Response toWeb = LoopbackHttpServer::Response::text("", "text/plain", 302);
    toWeb.headers = {{"Location", "/ok"}};
    server->route(QStringLiteral("/to-web"), toWeb);
    server->route(QStringLiteral("/ok"), LoopbackHttpServer::Response::json("{}"));

    for (const char* address : {"file:///etc/passwd", "qrc:/quotes/velmoro.json", "ftp://127.0.0.1/x", "data:,x", "http://",
                                "/relative"}) {
        const HttpResult result = fetch(QUrl(QString::fromLatin1(address)));
        EXPECT_EQ(result.outcome, HttpResult::Outcome::refused) << address;
    }
    const HttpResult refused = fetch(server->url(QStringLiteral("/to-file")));
    EXPECT_FALSE(refused.answered());
    EXPECT_TRUE(refused.body.isEmpty());
    const HttpResult followed = fetch(server->url(QStringLiteral("/to-web")));
    EXPECT_TRUE(followed.succeeded());
    EXPECT_EQ(followed.body, QByteArray("{}"));
}

TEST_F(ContentHttpFetchTest, SilentAndDrippingServersTimeOut)
{
    LoopbackHttpServer::Response silent;
    silent.mode = LoopbackHttpServer::Response::Mode::silent;
    server->route(QStringLiteral("/silent"), silent);
    LoopbackHttpServer::Response drip;
    drip.mode = LoopbackHttpServer::Response::Mode::drip;
    server->route(QStringLiteral("/drip"), drip);
    const HttpLimits limits{1024, std::chrono::milliseconds(200), std::chrono::milliseconds(800)};

    const HttpResult quiet = fetch(server->url(QStringLiteral("/silent")), limits);
    EXPECT_EQ(quiet.outcome, HttpResult::Outcome::timedOut);
    EXPECT_EQ(quiet.error, QStringLiteral("no data received for 200 ms"));
    const HttpResult slow = fetch(server->url(QStringLiteral("/drip")), limits);
    EXPECT_EQ(slow.outcome, HttpResult::Outcome::timedOut);
    EXPECT_EQ(slow.error, QStringLiteral("no complete response within 800 ms"));
}

TEST_F(ContentHttpFetchTest, BytesStillBufferedAtTheEndAreReadAndCapped)
{
    BufferingNetwork buffering;
    std::optional<HttpResult> small, full, large;
    const QUrl url(QStringLiteral("http://127.0.0.1:9/list"));
    const HttpLimits limits{16, std::chrono::milliseconds(1000), std::chrono::milliseconds(2000)};
    buffering.body = "[1,2,3]";
    HttpFetch::get(buffering, url, limits, &context, [&small](const HttpResult& r) { small = r; });
    buffering.body = QByteArray(16, 'x');
    HttpFetch::get(buffering, url, limits, &context, [&full](const HttpResult& r) { full = r; });
    buffering.body = QByteArray(17, 'x');
    HttpFetch::get(buffering, url, limits, &context, [&large](const HttpResult& r) { large = r; });
    ASSERT_TRUE(waitUntil([&] { return small && full && large; }));
    EXPECT_TRUE(small->succeeded());
    EXPECT_EQ(small->body, QByteArray("[1,2,3]"));
    EXPECT_TRUE(full->succeeded());
    EXPECT_EQ(full->body, QByteArray(16, 'x'));
    EXPECT_EQ(large->outcome, HttpResult::Outcome::tooLarge);
}
