#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QVariantMap>

#include <optional>
#include <stdexcept>

// Raised by Path::mkdir() for failures other than "already exists".
class PathError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A path held both as text and as a file URL.
class Path
{
public:
    explicit Path(QString string);

    QString string;
    QUrl url;

    QString debugDescription() const { return string; }

    // The data root ($XDG_DATA_HOME/org.mirelo.Mirelo), created when missing. A failure to
    // create it is logged and the path is returned anyway.
    static Path root();
    // The per-user data folder ($XDG_DATA_HOME, default ~/.local/share).
    static Path applicationSupport();

    Path operator+(const QString& component) const;

    // Creates the folder with its parents unless something exists at the path.
    // Throws PathError for failures other than "already exists".
    Path& mkdir();

    // Size, dates and type; none on failure.
    std::optional<QVariantMap> readAttributes() const;

    // Direct children of a folder; empty for a file, a missing path or a listing failure.
    QList<QUrl> fileURLList(bool skipsHiddenFiles) const;
    QList<Path> children() const;

    static void remove(const QUrl& url);

    bool operator==(const Path& other) const { return string == other.string; }
};
