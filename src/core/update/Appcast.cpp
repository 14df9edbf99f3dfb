#include "update/Appcast.h"

#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

// "sparkle:version" and the like: the namespace prefix is not checked, only the local part.
bool hasLocalName(QStringView qualified, QLatin1String local)
{
    const qsizetype colon = qualified.lastIndexOf(QLatin1Char(':'));
    return qualified.mid(colon + 1) == local;
}

bool isNamespaced(QStringView qualified)
{
    return qualified.contains(QLatin1Char(':'));
}

QString attribute(const QXmlStreamAttributes& attributes, QLatin1String local, bool namespaced)
{
    for (const QXmlStreamAttribute& attribute : attributes) {
        const QStringView name = attribute.qualifiedName();
        if (isNamespaced(name) == namespaced && hasLocalName(name, local))
            return attribute.value().toString().trimmed();
    }
    return QString();
}

struct Segment
{
    bool number;
    QString text;
};

QList<Segment> segments(const QString& version)
{
    static const QRegularExpression pattern(QStringLiteral("(\\d+)|([^\\d.\\-_+ ]+)"));
    QList<Segment> out;
    auto it = pattern.globalMatch(version);
    while (it.hasNext()) {
        const auto match = it.next();
        if (match.hasCaptured(1)) {
            QString digits = match.captured(1);
            while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
                digits.remove(0, 1);
            out.append({true, digits});
        } else {
            out.append({false, match.captured(2)});
        }
    }
    return out;
}

int compareNumbers(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

} // namespace

QString AppcastItem::description() const
{
    return QStringLiteral("AppcastItem(title: %1, version: %2, displayVersion: %3)")
        .arg(title, version, displayVersionString.isEmpty() ? version : displayVersionString);
}

QString Appcast::description() const
{
    QStringList versions;
    for (const AppcastItem& item : items)
        versions << item.version;
    return QStringLiteral("Appcast(title: %1, items: [%2])").arg(title, versions.join(QStringLiteral(", ")));
}

std::optional<AppcastItem> Appcast::newestItem() const
{
    std::optional<AppcastItem> newest;
    for (const AppcastItem& item : items) {
        if (!newest || compareVersions(item.version, newest->version) > 0)
            newest = item;
    }
    return newest;
}

std::optional<Appcast> Appcast::parse(const QByteArray& bytes, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QXmlStreamReader xml(bytes);
    // Prefixes are matched by their local part; an undeclared prefix is not an error here.
    xml.setNamespaceProcessing(false);
    Appcast appcast;
    QStringList stack;
    bool sawChannel = false;
    std::optional<AppcastItem> item;
    QString elementVersion, elementShortVersion;

    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QString name = xml.qualifiedName().toString();
            const int depth = int(stack.size());
            if (depth == 0 && name != QLatin1String("rss"))
                return fail(QStringLiteral("not an RSS document (root element %1)").arg(name));
            if (depth == 1 && name == QLatin1String("channel"))
                sawChannel = true;
            if (depth == 2 && stack.at(1) == QLatin1String("channel")) {
                if (name == QLatin1String("item")) {
                    item = AppcastItem{};
                    elementVersion.clear();
                    elementShortVersion.clear();
                } else if (name == QLatin1String("title")) {
                    appcast.title = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                    continue;
                }
            }
            if (depth == 3 && item && stack.at(2) == QLatin1String("item")) {
                if (name == QLatin1String("enclosure")) {
                    const QXmlStreamAttributes attributes = xml.attributes();
                    item->fileURL = attribute(attributes, QLatin1String("url"), false);
                    item->version = attribute(attributes, QLatin1String("version"), true);
                    item->displayVersionString = attribute(attributes, QLatin1String("shortVersionString"), true);
                } else if (name == QLatin1String("title")) {
                    item->title = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                    continue;
                } else if (name == QLatin1String("link")) {
                    item->infoURL = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                    continue;
                } else if (isNamespaced(name) && hasLocalName(name, QLatin1String("version"))) {
                    elementVersion = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                    continue;
                } else if (isNamespaced(name) && hasLocalName(name, QLatin1String("shortVersionString"))) {
                    elementShortVersion = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                    continue;
                }
            }
            stack.append(name);
        } else if (token == QXmlStreamReader::EndElement) {
            if (stack.isEmpty())
                break;
            const QString closed = stack.takeLast();
            if (closed == QLatin1String("item") && stack.size() == 2 && item) {
                if (item->version.isEmpty())
                    item->version = elementVersion;
                if (item->displayVersionString.isEmpty())
                    item->displayVersionString = elementShortVersion;
                if (!item->version.isEmpty())
                    appcast.items.append(*item);
                item.reset();
            }
        }
    }
    if (xml.hasError())
        return fail(QStringLiteral("%1 (line %2, column %3)")
                        .arg(xml.errorString())
                        .arg(xml.lineNumber())
                        .arg(xml.columnNumber()));
    if (!sawChannel)
        return fail(QStringLiteral("no channel in the feed"));
    return appcast;
}

int compareVersions(const QString& a, const QString& b)
{
    const QList<Segment> left = segments(a), right = segments(b);
    const qsizetype count = std::max(left.size(), right.size());
    for (qsizetype i = 0; i < count; ++i) {
        // A missing part counts as 0: "2" equals "2.0", and "1.0" is above "1.0b1".
        const Segment l = i < left.size() ? left.at(i) : Segment{true, QStringLiteral("0")};
        const Segment r = i < right.size() ? right.at(i) : Segment{true, QStringLiteral("0")};
        int order = 0;
        if (l.number && r.number)
            order = compareNumbers(l.text, r.text);
        else if (l.number != r.number)
            order = l.number ? 1 : -1;
        else
            order = l.text.compare(r.text);
        if (order != 0)
            return order < 0 ? -1 : 1;
    }
    return 0;
}
