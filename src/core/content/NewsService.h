#pragma once

#include "content/HttpFetch.h"
#include "content/News.h"
#include "content/ServiceError.h"

#include <QObject>

#include <functional>
#include <optional>

class Clock;
class Preferences;
class QNetworkAccessManager;

// Polls the product's news feed at most once a day and remembers the last announcement the
// user has read, in "news.conf". Main thread only.
class NewsService : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 updateInterval = 86401; // one day and one second

    // Completes with none, or fails with an error.
    using Completion = std::function<void(std::optional<ServiceError>)>;

    // network may be null: the service then uses its own manager. The feed address is read
    // once, here, from the "NewsBaseURL" preference.
    NewsService(Preferences& preferences, const Clock& clock, QNetworkAccessManager* network = nullptr,
                ContentLimits limits = {}, QObject* parent = nullptr);
    ~NewsService() override;

    const QString kLatestNewsUrl;

    void setupConfig();
    void saveConfig();
    // Fetches when forced or when the last successful fetch is a day and a second old.
    void checkNewsIfNeeded(bool forceUpdate, Completion done);
    void fetchLatestNews(Completion done);

    // The start-up news check: logs the outcome and hands an unread announcement to
    // showNews (which may be empty until there is a news window).
    void checkNews(std::function<void(const News&)> showNews);
    // The news window shows an announcement: it is read from now on.
    void markAsRead(const News& news);

    const NewsConf& config() const { return conf; }
    const std::optional<News>& latestNews() const { return latest; }
    bool isFetching() const { return fetching; }

private:
    void handleResponse(const HttpResult& result, const Completion& done);

    const Clock& clock;
    QNetworkAccessManager* network;
    ContentLimits limits;
    NewsConf conf;
    bool fetching = false;
    std::optional<News> latest;
};
