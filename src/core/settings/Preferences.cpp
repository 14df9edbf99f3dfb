#include "settings/Preferences.h"

#include "diagnostics/Log.h"
#include "settings/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QJsonDocument>
#include <QSaveFile>
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
} // namespace

Preferences::Preferences(QString filePath) : path(std::move(filePath))
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
    QFileInfo info(path);
    if (!info.exists())
        return;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        keepAside(QStringLiteral("it cannot be read"));
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (bytes.trimmed().isEmpty()) {
        lastSeenOnDisk = bytes;
        return;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        keepAside(error.error != QJsonParseError::NoError ? error.errorString()
                                                          : QStringLiteral("it does not hold a JSON object"));
        return;
    }
    persisted = document.object();
    lastSeenOnDisk = bytes;
}

void Preferences::keepAside(const QString& reason)
{
    QString aside = path + QStringLiteral(".corrupt");
    for (int n = 1; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".corrupt.") + QString::number(n);
    if (QFile::rename(path, aside)) {
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

void Preferences::setValue(const QString& key, const QJsonValue& value)
{
    change(key, value);
}

void Preferences::removeValue(const QString& key)
{
    change(key, QJsonValue(QJsonValue::Undefined));
}

void Preferences::change(const QString& key, const QJsonValue& value)
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
    synchronize();
    notify(key);
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
    if (writeBlocked)
        return false;
    if (readOutsideChanges() == DiskRead::Unusable) {
        // Written over, a broken hand edit would be lost; kept aside, it can be mended.
        keepAside(QStringLiteral("it was changed outside Mirelo and cannot be read"));
        if (writeBlocked)
            return false;
        lastSeenOnDisk.clear();
        for (auto it = persisted.constBegin(); it != persisted.constEnd(); ++it)
            unwritten.insert(it.key());
    }
    if (unwritten.isEmpty())
        return true;
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        LOG_ERROR(QStringLiteral("Failed to save preferences: cannot create ") + info.absolutePath());
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        LOG_ERROR(QStringLiteral("Failed to save preferences: ") + file.errorString());
        return false;
    }
    const QByteArray bytes = QJsonDocument(persisted).toJson(QJsonDocument::Indented);
    file.write(bytes);
    if (!file.commit()) {
        LOG_ERROR(QStringLiteral("Failed to save preferences: ") + file.errorString());
        return false;
    }
    lastSeenOnDisk = bytes;
    unwritten.clear();
    return true;
}

Preferences::DiskRead Preferences::readOutsideChanges()
{
    if (writeBlocked)
        return DiskRead::Unchanged;
    const QFileInfo info(path);
    // A missing file is an editor between removing and renaming, or nothing written yet:
    // what is in memory stands and is written again with the next change.
    if (!info.exists())
        return DiskRead::Unchanged;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return DiskRead::Unusable;
    const QByteArray bytes = file.readAll();
    // An empty file is one being written; like a missing one it leaves memory as it is.
    if (bytes == lastSeenOnDisk || bytes.trimmed().isEmpty())
        return DiskRead::Unchanged;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return DiskRead::Unusable;
    QJsonObject outside = document.object();
    lastSeenOnDisk = bytes;
    for (const QString& key : std::as_const(unwritten)) {
        if (persisted.contains(key))
            outside.insert(key, persisted.value(key));
        else
            outside.remove(key);
    }
    QStringList changed;
    for (auto it = outside.constBegin(); it != outside.constEnd(); ++it) {
        if (!persisted.contains(it.key()) || persisted.value(it.key()) != it.value())
            changed.append(it.key());
    }
    for (auto it = persisted.constBegin(); it != persisted.constEnd(); ++it) {
        if (!outside.contains(it.key()))
            changed.append(it.key());
    }
    persisted = outside;
    if (changed.isEmpty())
        return DiskRead::Unchanged;
    LOG_INFO(QStringLiteral("Preferences file changed outside Mirelo; took in: ") +
             changed.join(QStringLiteral(", ")));
    for (const QString& key : std::as_const(changed))
        notify(key);
    return DiskRead::Changed;
}

bool Preferences::reload()
{
    return readOutsideChanges() == DiskRead::Changed;
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
