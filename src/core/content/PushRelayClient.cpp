#include "content/PushRelayClient.h"

#include "content/JsonValue.h"
#include "diagnostics/Log.h"
#include "settings/PreferKey.h"
#include "settings/UserDefaults.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QPointer>

PushRelayClient::PushRelayClient(Preferences& preferences, QNetworkAccessManager* network,
                                 ContentLimits limits, QObject* parent)
    : QObject(parent), apnServer(UserDefaults::endpoint(preferences, EndpointKey::apn)),
      network(network ? network : new QNetworkAccessManager(this)), limits(limits)
{}

PushRelayClient::~PushRelayClient() = default;

QString PushRelayClient::message(PushEvent type)
{
    return type == PushEvent::pomodoroEnd ? QStringLiteral("Take a break") : QStringLiteral("Back to work!");
}

void PushRelayClient::sendPush(PushEvent type)
{
    LOG_INFO(QStringLiteral("Add apn push task in queue"));
    queue.append(type);
    checkTaskQueue();
}

void PushRelayClient::checkTaskQueue()
{
    // The push in flight continues the queue when it completes.
    if (requesting)
        return;
    if (queue.isEmpty()) {
        LOG_INFO(QStringLiteral("No task left."));
        return;
    }
    QPointer<PushRelayClient> weak(this);
    sendPushRequest(queue.first(), [weak](bool) {
        if (!weak)
            return;
        if (!weak->queue.isEmpty())
            weak->queue.removeFirst();
        weak->checkTaskQueue();
    });
}

void PushRelayClient::sendPushRequest(PushEvent type, std::function<void(bool)> completion)
{
    requesting = true;
    const QJsonObject body{{QStringLiteral("id"), QStringLiteral("test id")},
                           {QStringLiteral("devicetoken"), QStringLiteral("token")},
                           {QStringLiteral("message"), message(type)}};
    const QUrl url(apnServer + QStringLiteral("/%1").arg(QStringLiteral("sendapn")));
    HttpFetch::postJson(*network, url, QJsonDocument(body).toJson(QJsonDocument::Compact), limits.list, this,
                        [this, completion = std::move(completion)](const HttpResult& result) {
                            requesting = false;
                            const auto reply =
                                result.answered() ? JsonValue::parse(result.body) : std::nullopt;
                            if (!reply || !reply->isObject()) {
                                LOG_ERROR(QStringLiteral("Result value in response is nil"));
                                if (!result.answered())
                                    LOG_DEBUG(QStringLiteral("Error: ") + result.error);
                                if (completion)
                                    completion(false);
                            } else {
                                LOG_DEBUG(JsonValue::describe(*reply));
                                const QJsonValue accepted = reply->toObject().value(QStringLiteral("result"));
                                if (accepted.isBool() && completion)
                                    completion(accepted.toBool());
                            }
                            Q_EMIT replyHandled();
                        });
}
