#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// One release offered by the feed: an RSS item whose enclosure carries the build version.
struct AppcastItem
{
    QString title;
    QString version;              // the build number it installs
    QString displayVersionString; // the short version, when the feed gives one
    QString fileURL;              // the enclosure's address
    QString infoURL;              // the item's link

    QString description() const;
};

// The update feed: RSS 2.0 with one item per release. The version sits on the enclosure
// (a namespaced "version" attribute) or in a namespaced "version" element of the item.
struct Appcast
{
    QString title;
    QList<AppcastItem> items; // in feed order; items without a version are left out

    // None, with the reason, for anything that is not well-formed RSS.
    static std::optional<Appcast> parse(const QByteArray& xml, QString* error);
    QString description() const;
    // The item with the highest version; none without items.
    std::optional<AppcastItem> newestItem() const;
};

// Orders version texts the way release numbers are read: "1.10" > "1.9", "2" == "2.0",
// numbers above words ("1.0" > "1.0b1"). Negative, zero or positive.
int compareVersions(const QString& a, const QString& b);
