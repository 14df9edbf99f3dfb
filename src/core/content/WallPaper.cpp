#include "content/WallPaper.h"

#include "content/HttpFetch.h"
#include "content/JsonValue.h"
#include "settings/DataFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {

// A stored text field: absent or null reads as "", anything but text spoils the file.
bool readText(const QJsonObject& object, const QString& key, QString& out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull()) {
        out.clear();
        return true;
    }
    if (!value.isString())
        return false;
    out = value.toString();
    return true;
}

} // namespace

QByteArray WallpaperConf::toJson() const
{
    QJsonArray list;
    for (const WallPaper& photo : wallpapers) {
        list.append(QJsonObject{{QStringLiteral("url"), photo.url},
                                {QStringLiteral("urlHash"), photo.urlHash},
                                {QStringLiteral("author"), photo.author}});
    }
    QJsonObject root{{QStringLiteral("lastTime"), static_cast<double>(lastTime)},
                     {QStringLiteral("wallpapers"), list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<WallpaperConf> WallpaperConf::fromJson(const QByteArray& bytes)
{
    const auto root = JsonValue::parse(bytes);
    if (!root || !root->isObject())
        return std::nullopt;
    const QJsonObject object = root->toObject();
    WallpaperConf conf;
    if (const QJsonValue lastTime = object.value(QStringLiteral("lastTime")); !lastTime.isUndefined()) {
        const auto seconds = JsonValue::integer(lastTime);
        if (!seconds)
            return std::nullopt;
        conf.lastTime = *seconds;
    }
    if (const QJsonValue list = object.value(QStringLiteral("wallpapers")); !list.isUndefined()) {
        if (!list.isArray())
            return std::nullopt;
        for (const QJsonValue& element : list.toArray()) {
            if (!element.isObject())
                return std::nullopt;
            const QJsonObject item = element.toObject();
            WallPaper photo;
            if (!readText(item, QStringLiteral("url"), photo.url) ||
                !readText(item, QStringLiteral("urlHash"), photo.urlHash) ||
                !readText(item, QStringLiteral("author"), photo.author))
                return std::nullopt;
            conf.wallpapers.append(photo);
        }
    }
    return conf;
}

PhotoList PhotoList::parse(const QByteArray& body)
{
    PhotoList list;
    const auto root = JsonValue::parse(body, &list.error);
    if (!root) {
        list.status = Status::notJson;
        return list;
    }
    if (!root->isArray()) {
        list.status = Status::notObjectList;
        return list;
    }
    const QJsonArray array = root->toArray();
    for (const QJsonValue& element : array) {
        if (!element.isObject()) {
            list.status = Status::notObjectList;
            return list;
        }
    }
    list.status = Status::parsed;
    list.elementCount = array.size();
    for (const QJsonValue& element : array) {
        const QJsonObject item = element.toObject();
        const QJsonValue full = item.value(QStringLiteral("urls")).toObject().value(QStringLiteral("full"));
        const QJsonValue name = item.value(QStringLiteral("user")).toObject().value(QStringLiteral("name"));
        // Only web addresses: a list must never make us copy a local or resource file.
        if (!full.isString() || !name.isString() || !HttpFetch::isWebUrl(QUrl(full.toString(), QUrl::StrictMode))) {
            list.skipped << JsonValue::describe(item);
            continue;
        }
        const QString url = full.toString();
        list.photos.append(WallPaper{url, md5(url), name.toString()});
    }
    return list;
}
