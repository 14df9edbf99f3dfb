#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// One announcement of the news feed; every field is required.
struct News
{
    qint64 id = 0;
    QString title;
    QString url;

    bool operator==(const News&) const = default;

    // The page to show: only an http(s) address, else an empty URL.
    QUrl pageUrl() const;
    QString description() const;
};

// The feed document {"news": [News, …]}; the first element is the latest announcement.
struct NewsResult
{
    QList<News> news;

    // None, with the reason, when a key is missing or has the wrong type.
    static std::optional<NewsResult> decode(const QByteArray& data, QString* error);
    QString description() const;
};

// "news.conf": {"lastTime": seconds since 1970, "lastReadID": id, "newsResult": text}.
struct NewsConf
{
    qint64 lastTime = 0;
    qint64 lastReadID = 0;
    QString newsResult;

    bool operator==(const NewsConf&) const = default;

    QByteArray toJson() const;
    // None when the bytes are not such an object or a value has the wrong type; a missing
    // key reads as its initial value.
    static std::optional<NewsConf> fromJson(const QByteArray& bytes);
};
