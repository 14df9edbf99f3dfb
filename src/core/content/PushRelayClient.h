#pragma once

#include "content/HttpFetch.h"

#include <QList>
#include <QObject>

#include <functional>

class Preferences;
class QNetworkAccessManager;

enum class PushEvent
{
    pomodoroEnd = 0,
    breakEnd = 1
};

// Asks the relay server to push a notification to a companion phone. Pushes are queued and
// sent one at a time, in order. Main thread only; nothing is persisted.
class PushRelayClient : public QObject
{
    Q_OBJECT
public:
    // network may be null: the service then uses its own manager. The relay address is read
    // once, here, from the "APNBaseURL" preference.
    explicit PushRelayClient(Preferences& preferences, QNetworkAccessManager* network = nullptr,
                             ContentLimits limits = {}, QObject* parent = nullptr);
    ~PushRelayClient() override;

    static QString message(PushEvent type);

    const QString apnServer;

    void sendPush(PushEvent type);
    void checkTaskQueue();
    // One relay request. completion is not called for a reply without a Boolean "result".
    void sendPushRequest(PushEvent type, std::function<void(bool)> completion);

    const QList<PushEvent>& taskQueue() const { return queue; }
    bool isRequesting() const { return requesting; }

Q_SIGNALS:
    // A relay reply (or its failure) has been handled.
    void replyHandled();

private:
    QNetworkAccessManager* network;
    ContentLimits limits;
    QList<PushEvent> queue;
    bool requesting = false;
};
