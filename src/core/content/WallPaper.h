#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>

// One listed photo: its full-size address, the MD5 of that address (its cache file name)
// and the photographer's name.
struct WallPaper
{
    QString url;
    QString urlHash;
    QString author;

    bool operator==(const WallPaper&) const = default;
};

// "wallpapers.conf": {"lastTime": seconds since 1970, "wallpapers": [{"url", "urlHash", "author"}]}.
struct WallpaperConf
{
    qint64 lastTime = 0;
    QList<WallPaper> wallpapers;

    bool operator==(const WallpaperConf&) const = default;

    QByteArray toJson() const;
    // None when the bytes are not such an object or a value has the wrong type; a missing
    // key reads as its initial value ("" for a photo's texts).
    static std::optional<WallpaperConf> fromJson(const QByteArray& bytes);
};

// The photo service's list: an array of objects, each with "urls" → "full" and "user" → "name".
struct PhotoList
{
    enum class Status {
        notJson,       // the body is no JSON at all
        notObjectList, // JSON, but not an array of objects
        parsed,
    };
    Status status = Status::notJson;
    QString error;         // why the body is not JSON
    int elementCount = 0;  // array elements, valid or not
    QList<WallPaper> photos;
    // The elements skipped (no text "full" with an http(s) address, or no text "name"), as JSON.
    QStringList skipped;

    static PhotoList parse(const QByteArray& body);
};
