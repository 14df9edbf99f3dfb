#include "content/News.h"

#include "content/HttpFetch.h"
#include "content/JsonValue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QUrl News::pageUrl() const
{
    const QUrl page(url, QUrl::StrictMode);
    return HttpFetch::isWebUrl(page) ? page : QUrl();
}

QString News::description() const
{
    return QStringLiteral("News(id: %1, title: %2, url: %3)").arg(id).arg(title, url);
}

std::optional<NewsResult> NewsResult::decode(const QByteArray& data, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QString parseError;
    const auto root = JsonValue::parse(data, &parseError);
    if (!root)
        return fail(QStringLiteral("dataCorrupted: ") + parseError);
    if (!root->isObject())
        return fail(QStringLiteral("typeMismatch: expected an object"));
    const QJsonValue list = root->toObject().value(QStringLiteral("news"));
    if (list.isUndefined() || list.isNull())
        return fail(QStringLiteral("keyNotFound: news"));
    if (!list.isArray())
        return fail(QStringLiteral("typeMismatch: news is not an array"));
    NewsResult result;
    const QJsonArray array = list.toArray();
    for (int i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("news[%1]").arg(i);
        if (!array.at(i).isObject())
            return fail(QStringLiteral("typeMismatch: ") + where + QStringLiteral(" is not an object"));
        const QJsonObject item = array.at(i).toObject();
        News news;
        for (const char* key : {"id", "title", "url"}) {
            const QJsonValue value = item.value(QLatin1String(key));
            if (value.isUndefined() || value.isNull())
                return fail(QStringLiteral("keyNotFound: ") + where + QLatin1Char('.') + QLatin1String(key));
        }
        const auto id = JsonValue::integer(item.value(QStringLiteral("id")));
        if (!id)
            return fail(QStringLiteral("typeMismatch: ") + where + QStringLiteral(".id is not an integer"));
        const QJsonValue title = item.value(QStringLiteral("title"));
        const QJsonValue url = item.value(QStringLiteral("url"));
        if (!title.isString())
            return fail(QStringLiteral("typeMismatch: ") + where + QStringLiteral(".title is not text"));
        if (!url.isString())
            return fail(QStringLiteral("typeMismatch: ") + where + QStringLiteral(".url is not text"));
        news.id = *id;
        news.title = title.toString();
        news.url = url.toString();
        result.news.append(news);
    }
    return result;
}

QString NewsResult::description() const
{
    QStringList items;
    for (const News& item : news)
        items << item.description();
    return QStringLiteral("NewsResult(news: [") + items.join(QStringLiteral(", ")) + QStringLiteral("])");
}

QByteArray NewsConf::toJson() const
{
    const QJsonObject root{{QStringLiteral("lastTime"), static_cast<double>(lastTime)},
                           {QStringLiteral("lastReadID"), static_cast<double>(lastReadID)},
                           {QStringLiteral("newsResult"), newsResult}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<NewsConf> NewsConf::fromJson(const QByteArray& bytes)
{
    const auto root = JsonValue::parse(bytes);
    if (!root || !root->isObject())
        return std::nullopt;
    const QJsonObject object = root->toObject();
    NewsConf conf;
    for (const auto& [key, field] : {std::pair{"lastTime", &conf.lastTime}, std::pair{"lastReadID", &conf.lastReadID}}) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            continue;
        const auto number = JsonValue::integer(value);
        if (!number)
            return std::nullopt;
        *field = *number;
    }
    const QJsonValue text = object.value(QStringLiteral("newsResult"));
    if (!text.isUndefined()) {
        if (!text.isString())
            return std::nullopt;
        conf.newsResult = text.toString();
    }
    return conf;
}
