#pragma once

#include "reactive/DisposeBag.h"
#include "settings/PreferKey.h"
#include "settings/PreferencesFile.h"
#include "timer/Scheduler.h"

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <chrono>
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
// ever changes the keys the program itself changed. An editor's save that lands between that
// read and the write comes back from the swap (PreferencesFile) and is merged and written
// again; keys of such a save are put back whenever a later save made from the file it
// briefly lacked them in drops them.
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
    // Where an unusable file found at start was moved, empty when none was.
    QString keptAsidePath() const { return keptAside; }
    // No file at start and none ever kept aside: the user's very first start.
    bool isFirstStart() const { return firstStart; }

    void registerDefault(const QString& key, const QJsonValue& value);

    // The written value, else the registered default, else undefined.
    QJsonValue value(const QString& key) const;
    // True when a value written by the program (not a default) exists.
    bool hasPersistedValue(const QString& key) const;

    // Typed reads: absent or mistyped values read as false, 0 and none.
    bool boolValue(const QString& key) const;
    int intValue(const QString& key) const;
    std::optional<QString> stringValue(const QString& key) const;

    void setValue(const QString& key, const QJsonValue& value) { change(key, value, false); }
    void removeValue(const QString& key) { change(key, QJsonValue(QJsonValue::Undefined), false); }
    // For values that come in bursts (a slider dragged, a number typed): memory and observers
    // change at once, the file once the value has rested for settleDelay. Without a scheduler
    // the file is written at once.
    void setValueWhenSettled(const QString& key, const QJsonValue& value) { change(key, value, true); }
    static constexpr std::chrono::milliseconds settleDelay{300};
    // The scheduler that times settled writes; nullptr writes whatever waits and stops
    // deferring (call it before the scheduler goes).
    void writeSettledValuesWith(Scheduler* scheduler);

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
    // observers; writes back keys of an earlier hand edit that the new file lost. A file that
    // does not parse is left alone (an editor may be half-way through saving it). True when
    // something changed.
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
    void notifyTakenIn(const QStringList& keys);
    // Reads the file and, when it differs from what was last read or written, takes in what
    // changed on disk since then, except keys changed here and not yet written.
    DiskRead readOutsideChanges();
    // Applies to memory every key that differs between two states of the file; the changed keys.
    QStringList takeIn(const QJsonObject& before, const QJsonObject& after, bool afterIsOurs);
    bool needsWrite() const;
    // Merges an editor's save that a swap displaced; false when it could not be read.
    void mergeDisplaced(const PreferencesFile::Content& displaced);
    void change(const QString& key, const QJsonValue& value, bool settle);
    void writeWhenSettled();

    QString path;
    PreferencesFile file;
    QJsonObject persisted;
    // The file as last read or written here: anything else on disk is someone's edit.
    PreferencesFile::Content onDisk;
    QByteArray lastWritten;
    // Keys changed in memory and not yet on disk (a write that failed keeps them here).
    QSet<QString> unwritten;
    // Keys of an editor's save that one of our swaps displaced: the file we put in lacked
    // them, so a save made from that file drops them without meaning to.
    QSet<QString> carried;
    std::unique_ptr<QObject> watcher;
    QHash<QString, QJsonValue> registered;
    // Set when the file on disk could not be kept aside: writing would destroy it.
    bool writeBlocked = false;
    bool firstStart = false;
    QString problem;
    QString keptAside;
    Scheduler* settleScheduler = nullptr;
    Scheduler::Token settleToken = 0;

    struct Observers
    {
        std::uint64_t nextId = 0;
        std::map<std::uint64_t, std::pair<QString, std::shared_ptr<std::function<void(const QJsonValue&)>>>> byId;
    };
    std::shared_ptr<Observers> observers = std::make_shared<Observers>();
};
