#include "content/NewsService.h"

#include "content/ConfFile.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "settings/DataFolder.h"
#include "settings/PreferKey.h"
#include "settings/UserDefaults.h"
#include "timer/Clock.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QSaveFile>
#include <QStringDecoder>

NewsService::NewsService(Preferences& preferences, const Clock& clock, QNetworkAccessManager* network,
                         ContentLimits limits, QObject* parent)
    : QObject(parent),
      kLatestNewsUrl(UserDefaults::endpoint(preferences, EndpointKey::news) + QStringLiteral("/latestnews.json")),
      clock(clock), network(network ? network : new QNetworkAccessManager(this)), limits(limits)
{
    setupConfig();
}

NewsService::~NewsService() = default;

void NewsService::setupConfig()
{
    const auto path = DataFolder::newsConfPath();
    if (!path)
        return;
    conf = loadConfFile<NewsConf>(*path);
}

void NewsService::saveConfig()
{
    const auto path = DataFolder::newsConfPath();
    QSaveFile file(path.value_or(QString()));
    if (!path || !file.open(QIODevice::WriteOnly) || file.write(conf.toJson()) < 0 || !file.commit())
        LOG_ERROR(QStringLiteral("Save news config failed."));
}

void NewsService::checkNewsIfNeeded(bool forceUpdate, Completion done)
{
    if (forceUpdate) {
        LOG_INFO(QStringLiteral("Force check news."));
        fetchLatestNews(std::move(done));
        return;
    }
    const qint64 now = clock.now().toSecsSinceEpoch();
    if (now - conf.lastTime < updateInterval) {
        LOG_INFO(QStringLiteral("No need to auto update"));
        done(std::nullopt);
        return;
    }
    fetchLatestNews(std::move(done));
}

void NewsService::fetchLatestNews(Completion done)
{
    if (fetching) {
        LOG_INFO(QStringLiteral("Already fetching news."));
        done(std::nullopt);
        return;
    }
    LOG_INFO(QStringLiteral("Will fetch news."));
    fetching = true;
    HttpFetch::get(*network, QUrl(kLatestNewsUrl), limits.list, this,
                   [this, done = std::move(done)](const HttpResult& result) { handleResponse(result, done); });
}

void NewsService::handleResponse(const HttpResult& result, const Completion& done)
{
    fetching = false;
    LOG_INFO(QStringLiteral("Fetch news finished."));
    if (!result.answered()) {
        LOG_ERROR(QStringLiteral("response data nil."));
        LOG_DEBUG(QStringLiteral("Error: ") + result.error);
        done(ServiceError::unknown);
        return;
    }
    // An error page is not news, whatever it holds.
    if (!result.succeeded()) {
        LOG_ERROR(QStringLiteral("Error: HTTP status ") + QString::number(result.status));
        done(ServiceError::unknown);
        return;
    }
    LOG_INFO(QStringLiteral("data length: ") + QString::number(result.body.size()));
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(result.body);
    LOG_DEBUG(QStringLiteral("json: ") + (decoder.hasError() ? QString() : text));
    QString error;
    const auto decoded = NewsResult::decode(result.body, &error);
    if (!decoded) {
        LOG_ERROR(QStringLiteral("Decode json error: ") + error);
        done(ServiceError::unknown);
        return;
    }
    LOG_DEBUG(QStringLiteral("result: ") + decoded->description());
    latest = decoded->news.isEmpty() ? std::nullopt : std::optional<News>(decoded->news.first());
    conf.newsResult = decoder.hasError() ? QString() : text;
    conf.lastTime = clock.now().toSecsSinceEpoch();
    saveConfig();
    done(std::nullopt);
}

void NewsService::checkNews(std::function<void(const News&)> showNews)
{
    LOG_INFO(QStringLiteral("Checking news…"));
    QPointer<NewsService> weak(this);
    checkNewsIfNeeded(false, [weak, showNews = std::move(showNews)](std::optional<ServiceError> error) {
        if (error) {
            LOG_ERROR(QStringLiteral("Check news failed."));
            track(UsageEvent::checkNewsFailed);
            return;
        }
        LOG_INFO(QStringLiteral("News checked."));
        if (weak && weak->latest && weak->conf.lastReadID < weak->latest->id) {
            LOG_INFO(QStringLiteral("Has unread news."));
            if (showNews)
                showNews(*weak->latest);
        } else {
            LOG_INFO(QStringLiteral("No unread news."));
        }
    });
}

void NewsService::markAsRead(const News& news)
{
    conf.lastReadID = news.id;
    saveConfig();
}
