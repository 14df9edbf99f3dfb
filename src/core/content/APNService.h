#pragma once

#include "content/HttpFetch.h"

#include <QList>
#include <QObject>

#include <functional>

class Preferences;
class QNetworkAccessManager;

enum class APNType { pomodoroEnd = 0, breakEnd = 1 };

// Asks the relay server to push a notification to a companion phone. Pushes are queued and
// sent one at a time, in order. Main thread only; nothing is persisted.
class APNService : public QObject
{
    Q_OBJECT
public:
    // network may be null: the service then uses its own manager. The relay address is read
    // once, here, from the "APNBaseURL" preference.
    explicit APNService(Preferences& preferences, QNetworkAccessManager* network = nullptr,
                        ContentLimits limits = {}, QObject* parent = nullptr);
    ~APNService() override;

    static QString message(APNType type);

    const QString apnServer;

    void sendAPNPush(APNType type);
    void checkTaskQueue();
    // One relay request. completion is not called for a reply without a Boolean "result".
    void sendAPN(APNType type, std::function<void(bool)> completion);

    const QList<APNType>& taskQueue() const { return queue; }
    bool isRequesting() const { return requesting; }

Q_SIGNALS:
    // A relay reply (or its failure) has been handled.
    void replyHandled();

private:
    QNetworkAccessManager* network;
    ContentLimits limits;
    QList<APNType> queue;
    bool requesting = false;
};
