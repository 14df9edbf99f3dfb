#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

// The preferences file on disk, shared with whoever edits it by hand. Every replacement is
// one atomic swap that hands back the file it displaced: when that is not the file the
// caller read, an editor saved in between, and the caller merges that save instead of
// losing it.
class PreferencesFile
{
public:
    struct Content
    {
        enum class State
        {
            missing,
            present,
            unreadable
        };
        State state = State::missing;
        QByteArray bytes;
        bool operator==(const Content& other) const { return state == other.state && bytes == other.bytes; }
    };

    struct Replaced
    {
        bool written = false;
        QString error;
        // What stood at the path the instant before the swap; none where the file system
        // cannot swap and the file was simply replaced.
        std::optional<Content> displaced;
    };

    explicit PreferencesFile(QString path) : path(std::move(path)) {}

    Content read() const;
    // Puts bytes in place of the file, flushed to the disk first.
    Replaced replace(const QByteArray& bytes) const;
    // Moves the file to <path>.corrupt (or .corrupt.N when taken); the new name, empty when
    // the move failed.
    QString keepAside() const;
    // Keeps bytes beside the file under the next free .corrupt name; that name, empty on failure.
    QString keepAside(const QByteArray& bytes) const;
    // True when a file was kept aside at some earlier start.
    bool hasKeptAside() const;

    // The object a file holds; none when it is missing, empty (an editor half-way through
    // writing it) or holds something else (error says what).
    static std::optional<QJsonObject> objectIn(const Content& content, QString* error = nullptr);
    // Unreadable, or holding text that is not a JSON object.
    static bool isUnusable(const Content& content);

private:
    QString path;
};
