#include "content/PushRelayClient.h"
#include "ContentTestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>

namespace {
const QString relayPath = QStringLiteral("/sendapn");

LoopbackHttpServer::Response heldJson(const QByteArray& body)
{
    LoopbackHttpServer::Response response = LoopbackHttpServer::Response::json(body);
    response.held = true;
    return response;
}
} // namespace

class PushRelayClientTest : public ContentFixture
{
protected:
    void SetUp() override
    {
        ContentFixture::SetUp();
        service = std::make_unique<PushRelayClient>(*prefs, nullptr, quickLimits());
    }
    bool replied()
    {
        QSignalSpy spy(service.get(), &PushRelayClient::replyHandled);
        return spy.wait(5000);
    }
    QString messageOf(int request) const
    {
        return QJsonDocument::fromJson(server->requests().at(request).body)
            .object()
            .value(QStringLiteral("message"))
            .toString();
    }

    std::unique_ptr<PushRelayClient> service;
};

TEST_F(PushRelayClientTest, PushesLeaveOneAtATimeInOrder)
{
    server->route(relayPath, heldJson(R"({"result": true})"));
    service->sendPush(PushEvent::pomodoroEnd);
    service->sendPush(PushEvent::breakEnd);
    EXPECT_EQ(log().count(QStringLiteral("Add apn push task in queue")), 2);
    ASSERT_TRUE(server->waitForRequests(relayPath, 1));
    // The second waits for the first reply.
    QEventLoop settle;
    QTimer::singleShot(50, &settle, &QEventLoop::quit);
    settle.exec();
    EXPECT_EQ(server->requestCount(relayPath), 1);
    EXPECT_EQ(service->taskQueue().size(), 2);

    const auto& first = server->requests().at(0);
    EXPECT_EQ(first.method, QByteArray("POST"));
    EXPECT_EQ(first.headers.value("content-type"), QByteArray("application/json"));
    EXPECT_EQ(QJsonDocument::fromJson(first.body).object(),
              (QJsonObject{{QStringLiteral("id"), QStringLiteral("test id")},
                           {QStringLiteral("devicetoken"), QStringLiteral("token")},
                           {QStringLiteral("message"), QStringLiteral("Take a break")}}));

    server->releaseHeld();
    ASSERT_TRUE(server->waitForRequests(relayPath, 2));
    EXPECT_EQ(service->taskQueue(), QList<PushEvent>{PushEvent::breakEnd});
    EXPECT_EQ(messageOf(1), QStringLiteral("Back to work!"));
    server->releaseHeld();
    ASSERT_TRUE(waitUntil([this] { return service->taskQueue().isEmpty() && !service->isRequesting(); }));
    EXPECT_TRUE(log().contains(QStringLiteral("No task left.")));
}

TEST_F(PushRelayClientTest, RefusedAndUnreadableRepliesStillRemoveTheirPush)
{
    server->route(relayPath, {LoopbackHttpServer::Response::json(R"({"result": false})"),
                              LoopbackHttpServer::Response::json(R"("accepted")"),
                              LoopbackHttpServer::Response::text("<html>busy</html>", "text/html", 503),
                              LoopbackHttpServer::Response::json(R"({"result": true})")});
    for (int i = 0; i < 4; ++i)
        service->sendPush(PushEvent::pomodoroEnd);
    ASSERT_TRUE(waitUntil([this] { return service->taskQueue().isEmpty() && !service->isRequesting(); }));
    EXPECT_EQ(server->requestCount(relayPath), 4);
    EXPECT_EQ(log().count(QStringLiteral("Result value in response is nil")), 2);
}

TEST_F(PushRelayClientTest, AReplyWithoutResultKeepsItsPushUntilTheNextIsQueued)
{
    server->route(relayPath, {LoopbackHttpServer::Response::json(R"({"status": "ok"})"),
                              LoopbackHttpServer::Response::json(R"({"result": true})")});
    service->checkTaskQueue();
    EXPECT_TRUE(log().contains(QStringLiteral("No task left.")));

    service->sendPush(PushEvent::breakEnd);
    ASSERT_TRUE(replied());
    EXPECT_EQ(service->taskQueue(), QList<PushEvent>{PushEvent::breakEnd});
    EXPECT_FALSE(service->isRequesting());
    EXPECT_TRUE(log().contains(QStringLiteral("{\"status\":\"ok\"}")));

    service->sendPush(PushEvent::pomodoroEnd);
    ASSERT_TRUE(waitUntil([this] { return service->taskQueue().isEmpty() && !service->isRequesting(); }));
    // The stuck head went first, then the new one.
    ASSERT_EQ(server->requestCount(relayPath), 3);
    EXPECT_EQ(messageOf(1), QStringLiteral("Back to work!"));
    EXPECT_EQ(messageOf(2), QStringLiteral("Take a break"));
}
