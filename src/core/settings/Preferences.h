#pragma once

#include "reactive/DisposeBag.h"
#include "settings/PreferKey.h"

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// The per-user preferences store: a JSON object in
// $XDG_CONFIG_HOME/org.mirelo.Mirelo/preferences.json over an in-memory layer of registered
// defaults. Reads look at written values first, then at the defaults. Every write replaces
// the file atomically. A file that cannot be parsed is kept aside, never overwritten.
// Someone else may edit the file while the program runs (the README invites hand edits):
// before every write the file is read again and its changes are taken in, so a write only
// ever changes the keys the program itself changed.
class Preferences
{
public:
    // Opens (or starts) the store at filePath.
    explicit Preferences(QString filePath);
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    // $XDG_CONFIG_HOME/org.mirelo.Mirelo/preferences.json
    static QString defaultFilePath();

    // The process-wide store at defaultFilePath(), created on first use.
    static Preferences& standard();
    // For tests: drops the process-wide store so the next standard() reopens it.
    static void resetStandard();

    QString filePath() const { return path; }

    // What went wrong reading the file at start, empty when nothing did. The store is opened
    // before the logger exists, so the application logs this once logging is up.
    QString loadProblem() const { return problem; }

    void registerDefault(const QString& key, const QJsonValue& value);

    // The written value, else the registered default, else undefined.
    QJsonValue value(const QString& key) const;
    // True when a value written by the program (not a default) exists.
    bool hasPersistedValue(const QString& key) const;

    // Typed reads: absent or mistyped values read as false, 0 and none.
    bool boolValue(const QString& key) const;
    int intValue(const QString& key) const;
    std::optional<QString> stringValue(const QString& key) const;

    void setValue(const QString& key, const QJsonValue& value);
    void removeValue(const QString& key);

    bool boolValue(PreferKey key) const { return boolValue(keyText(key)); }
    int intValue(PreferKey key) const { return intValue(keyText(key)); }
    std::optional<QString> stringValue(PreferKey key) const { return stringValue(keyText(key)); }
    void setValue(PreferKey key, const QJsonValue& value) { setValue(keyText(key), value); }

    // Removes the written value of each key, in order, so its default shows through again.
    void removeValues(const std::vector<PreferKey>& keys);
    void removeValues(const QStringList& keys);

    // Writes the store to disk when a value changed since the last write; false when that
    // failed (the values stay in memory and are written with the next change).
    bool synchronize();

    // Takes in the file's changes made by someone else and publishes each changed key to its
    // observers. A file that does not parse is left alone (an editor may be half-way through
    // saving it). True when something changed.
    bool reload();
    // Reloads whenever the file changes on disk; needs a running event loop.
    void watchForOutsideEdits();

    // Delivers the key's current value at once and again after every write or removal.
    [[nodiscard]] Subscription observe(const QString& key, std::function<void(const QJsonValue&)> observer);

private:
    enum class DiskRead
    {
        Unchanged,
        Changed,
        Unusable
    };
    void load();
    void keepAside(const QString& reason);
    void notify(const QString& key);
    // Reads the file and, when it differs from what was last read or written, makes it the
    // base under the keys changed here and not yet written.
    DiskRead readOutsideChanges();
    void change(const QString& key, const QJsonValue& value);

    QString path;
    QJsonObject persisted;
    // The file's bytes as last read or written here: anything else on disk is someone's edit.
    QByteArray lastSeenOnDisk;
    // Keys changed in memory and not yet on disk (a write that failed keeps them here).
    QSet<QString> unwritten;
    std::unique_ptr<QObject> watcher;
    QHash<QString, QJsonValue> registered;
    // Set when the file on disk could not be kept aside: writing would destroy it.
    bool writeBlocked = false;
    QString problem;

    struct Observers
    {
        std::uint64_t nextId = 0;
        std::map<std::uint64_t, std::pair<QString, std::shared_ptr<std::function<void(const QJsonValue&)>>>> byId;
    };
    std::shared_ptr<Observers> observers = std::make_shared<Observers>();
};
