#include "settings/Preferences.h"

#include "diagnostics/Log.h"
#include "settings/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QJsonDocument>
#include <QStandardPaths>

#include <cmath>
#include <mutex>

namespace {
std::mutex standardMutex;
std::unique_ptr<Preferences>& standardInstance()
{
    static std::unique_ptr<Preferences> instance;
    return instance;
}
using Content = PreferencesFile::Content;
} // namespace

Preferences::Preferences(QString filePath) : path(std::move(filePath)), file(path)
{
    load();
}

QString Preferences::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QLatin1String(DataFolder::bundleIdentifier) + QStringLiteral("/preferences.json");
}

Preferences& Preferences::standard()
{
    std::lock_guard lock(standardMutex);
    auto& instance = standardInstance();
    if (!instance)
        instance = std::make_unique<Preferences>(defaultFilePath());
    return *instance;
}

void Preferences::resetStandard()
{
    std::lock_guard lock(standardMutex);
    standardInstance().reset();
}

void Preferences::load()
{
    const Content content = file.read();
    firstStart = content.state == Content::State::missing && !file.hasKeptAside();
    if (content.state == Content::State::missing)
        return;
    if (content.state == Content::State::unreadable) {
        keepAside(QStringLiteral("it cannot be read"));
        return;
    }
    QString error;
    const std::optional<QJsonObject> object = PreferencesFile::objectIn(content, &error);
    if (!object && !content.bytes.trimmed().isEmpty()) {
        keepAside(error);
        return;
    }
    persisted = object.value_or(QJsonObject());
    onDisk = content;
}

void Preferences::keepAside(const QString& reason)
{
    const QString aside = file.keepAside();
    if (!aside.isEmpty()) {
        keptAside = aside;
        problem = QStringLiteral("Preferences file %1 is unusable (%2); kept it as %3 and started with defaults.")
                      .arg(path, reason, aside);
    } else {
        writeBlocked = true;
        problem = QStringLiteral("Preferences file %1 is unusable (%2) and could not be moved aside; "
                                 "changes will not be saved this session.")
                      .arg(path, reason);
    }
    LOG_ERROR(problem);
}

void Preferences::registerDefault(const QString& key, const QJsonValue& value)
{
    registered.insert(key, value);
    if (!persisted.contains(key))
        notify(key);
}

QJsonValue Preferences::value(const QString& key) const
{
    auto it = persisted.constFind(key);
    if (it != persisted.constEnd())
        return *it;
    return registered.value(key, QJsonValue(QJsonValue::Undefined));
}

bool Preferences::hasPersistedValue(const QString& key) const
{
    return persisted.contains(key);
}

bool Preferences::boolValue(const QString& key) const
{
    const QJsonValue v = value(key);
    return v.isBool() ? v.toBool() : false;
}

int Preferences::intValue(const QString& key) const
{
    const QJsonValue v = value(key);
    if (!v.isDouble())
        return 0;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::trunc(d) || d < INT_MIN || d > INT_MAX)
        return 0;
    return static_cast<int>(d);
}

std::optional<QString> Preferences::stringValue(const QString& key) const
{
    const QJsonValue v = value(key);
    if (!v.isString())
        return std::nullopt;
    return v.toString();
}

void Preferences::change(const QString& key, const QJsonValue& value, bool settle)
{
    // A hand edit of this very key since the last look must not make a real change look
    // like no change.
    readOutsideChanges();
    const bool same = value.isUndefined() ? !persisted.contains(key)
                                          : persisted.contains(key) && persisted.value(key) == value;
    if (same) {
        // Observers still hear every write; the file is only written for a change.
        if (!value.isUndefined())
            notify(key);
        return;
    }
    if (value.isUndefined())
        persisted.remove(key);
    else
        persisted.insert(key, value);
    unwritten.insert(key);
    if (settle && settleScheduler)
        writeWhenSettled();
    else
        synchronize();
    notify(key);
}

void Preferences::writeWhenSettled()
{
    if (settleToken)
        settleScheduler->cancel(settleToken);
    std::weak_ptr<Observers> alive = observers;
    settleToken = settleScheduler->schedule(settleDelay, [this, alive] {
        if (alive.expired())
            return;
        settleToken = 0;
        synchronize();
    });
}

void Preferences::writeSettledValuesWith(Scheduler* scheduler)
{
    if (settleToken) {
        settleScheduler->cancel(settleToken);
        settleToken = 0;
        synchronize();
    }
    settleScheduler = scheduler;
}

void Preferences::removeValues(const std::vector<PreferKey>& keys)
{
    QStringList texts;
    for (PreferKey key : keys)
        texts.append(keyText(key));
    removeValues(texts);
}

void Preferences::removeValues(const QStringList& keys)
{
    // One write for the whole set: a reset is one action.
    readOutsideChanges();
    QStringList removed;
    for (const QString& key : keys) {
        if (!persisted.contains(key))
            continue;
        persisted.remove(key);
        unwritten.insert(key);
        removed.append(key);
    }
    if (removed.isEmpty())
        return;
    synchronize();
    for (const QString& key : std::as_const(removed))
        notify(key);
}

bool Preferences::synchronize()
{
    if (settleToken) {
        settleScheduler->cancel(settleToken);
        settleToken = 0;
    }
    // Each round that finds an editor's save displaced merges it and writes again; a few
    // rounds settle any real editing, the limit only guards against a file rewritten nonstop.
    for (int round = 0; round < 50 && !writeBlocked; ++round) {
        if (readOutsideChanges() == DiskRead::Unusable) {
            // Written over, a broken hand edit would be lost; kept aside, it can be mended.
            keepAside(QStringLiteral("it was changed outside Mirelo and cannot be read"));
            if (writeBlocked)
                return false;
            onDisk = {};
            for (auto it = persisted.constBegin(); it != persisted.constEnd(); ++it)
                unwritten.insert(it.key());
        }
        if (!needsWrite())
            return true;
        const QByteArray bytes = QJsonDocument(persisted).toJson(QJsonDocument::Indented);
        const PreferencesFile::Replaced replaced = file.replace(bytes);
        if (!replaced.written) {
            LOG_ERROR(QStringLiteral("Failed to save preferences: ") + replaced.error);
            return false;
        }
        lastWritten = bytes;
        const Content before = onDisk;
        onDisk = Content{Content::State::present, bytes};
        if (!replaced.displaced || *replaced.displaced == before) {
            unwritten.clear();
            return true;
        }
        // An editor saved between our read and the swap: take their save in and write again.
        LOG_INFO(QStringLiteral(
            "Preferences file was saved outside Mirelo while Mirelo wrote it; merging again."));
        if (const std::optional<QJsonObject> theirs = PreferencesFile::objectIn(*replaced.displaced)) {
            const QStringList changed =
                takeIn(PreferencesFile::objectIn(before).value_or(QJsonObject()), *theirs, false);
            for (const QString& key : changed) {
                if (theirs->contains(key))
                    carried.insert(key);
            }
            notifyTakenIn(changed);
        } else if (PreferencesFile::isUnusable(*replaced.displaced)) {
            const QString aside = file.keepAside(replaced.displaced->bytes);
            LOG_ERROR(QStringLiteral("An unreadable preferences file saved outside Mirelo was kept as ") +
                      aside);
        }
    }
    return !writeBlocked && !needsWrite();
}

bool Preferences::needsWrite() const
{
    if (!unwritten.isEmpty())
        return true;
    // Keys we keep for an editor that its file lost; a missing file stays missing until the
    // next change of ours.
    const std::optional<QJsonObject> current = PreferencesFile::objectIn(onDisk);
    return current && *current != persisted;
}

QStringList Preferences::takeIn(const QJsonObject& before, const QJsonObject& after, bool afterIsOurs)
{
    QSet<QString> keys;
    for (auto it = before.constBegin(); it != before.constEnd(); ++it)
        keys.insert(it.key());
    for (auto it = after.constBegin(); it != after.constEnd(); ++it)
        keys.insert(it.key());
    QStringList changed;
    for (const QString& key : std::as_const(keys)) {
        const QJsonValue now = after.value(key);
        // An editor's own save that holds the key was made from a file that held it: from here
        // on, its absence means the editor removed it.
        if (!afterIsOurs && !now.isUndefined() && carried.contains(key))
            carried.remove(key);
        if (before.value(key) == now || unwritten.contains(key))
            continue;
        if (now.isUndefined() && carried.contains(key))
            continue;
        if (persisted.value(key) == now)
            continue;
        if (now.isUndefined())
            persisted.remove(key);
        else
            persisted.insert(key, now);
        changed.append(key);
    }
    changed.sort();
    return changed;
}

void Preferences::notifyTakenIn(const QStringList& keys)
{
    if (keys.isEmpty())
        return;
    LOG_INFO(QStringLiteral("Preferences file changed outside Mirelo; took in: ") +
             keys.join(QStringLiteral(", ")));
    for (const QString& key : keys)
        notify(key);
}

Preferences::DiskRead Preferences::readOutsideChanges()
{
    if (writeBlocked)
        return DiskRead::Unchanged;
    const Content now = file.read();
    if (now == onDisk)
        return DiskRead::Unchanged;
    // A missing file is an editor between removing and renaming, or nothing written yet; an
    // empty one is being written: what is in memory stands.
    if (now.state == Content::State::missing)
        return DiskRead::Unchanged;
    if (PreferencesFile::isUnusable(now))
        return DiskRead::Unusable;
    const std::optional<QJsonObject> after = PreferencesFile::objectIn(now);
    if (!after)
        return DiskRead::Unchanged;
    const QStringList changed =
        takeIn(PreferencesFile::objectIn(onDisk).value_or(QJsonObject()), *after, now.bytes == lastWritten);
    onDisk = now;
    notifyTakenIn(changed);
    return changed.isEmpty() ? DiskRead::Unchanged : DiskRead::Changed;
}

bool Preferences::reload()
{
    const DiskRead read = readOutsideChanges();
    // A file that lost keys of an earlier hand edit gets them back.
    if (read != DiskRead::Unusable && !settleToken && unwritten.isEmpty() && needsWrite())
        synchronize();
    return read == DiskRead::Changed;
}

void Preferences::watchForOutsideEdits()
{
    auto* files = new QFileSystemWatcher;
    watcher.reset(files);
    // Editors and this store itself replace the file by renaming, which ends a watch on the
    // file: the folder is watched too, and the file again whenever it reappears.
    const QString folder = QFileInfo(path).absolutePath();
    QDir().mkpath(folder);
    files->addPath(folder);
    auto look = [this, files] {
        if (QFileInfo::exists(path) && !files->files().contains(path))
            files->addPath(path);
        reload();
    };
    look();
    QObject::connect(files, &QFileSystemWatcher::fileChanged, files, look);
    QObject::connect(files, &QFileSystemWatcher::directoryChanged, files, look);
}

Subscription Preferences::observe(const QString& key, std::function<void(const QJsonValue&)> observer)
{
    const std::uint64_t id = observers->nextId++;
    auto shared = std::make_shared<std::function<void(const QJsonValue&)>>(std::move(observer));
    observers->byId.emplace(id, std::make_pair(key, shared));
    std::weak_ptr<Observers> weak = observers;
    Subscription subscription([weak, id] {
        if (auto o = weak.lock())
            o->byId.erase(id);
    });
    (*shared)(value(key));
    return subscription;
}

void Preferences::notify(const QString& key)
{
    std::vector<std::pair<std::uint64_t, std::shared_ptr<std::function<void(const QJsonValue&)>>>> matching;
    for (const auto& [id, entry] : observers->byId) {
        if (entry.first == key)
            matching.emplace_back(id, entry.second);
    }
    const QJsonValue current = value(key);
    for (const auto& [id, fn] : matching) {
        if (observers->byId.count(id))
            (*fn)(current);
    }
}
