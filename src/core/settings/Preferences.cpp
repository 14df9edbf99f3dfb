#include "settings/Preferences.h"

#include "diagnostics/Log.h"
#include "settings/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    if (bytes.trimmed().isEmpty())
        return;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        keepAside(error.error != QJsonParseError::NoError ? error.errorString()
                                                          : QStringLiteral("it does not hold a JSON object"));
        return;
    }
    persisted = document.object();
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
    if (value.isUndefined()) {
        removeValue(key);
        return;
    }
    persisted.insert(key, value);
    synchronize();
    notify(key);
}

void Preferences::removeValue(const QString& key)
{
    if (!persisted.contains(key))
        return;
    persisted.remove(key);
    synchronize();
    notify(key);
}

void Preferences::removeValues(const std::vector<PreferKey>& keys)
{
    for (PreferKey key : keys)
        removeValue(keyText(key));
}

bool Preferences::synchronize()
{
    if (writeBlocked)
        return false;
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
    file.write(QJsonDocument(persisted).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        LOG_ERROR(QStringLiteral("Failed to save preferences: ") + file.errorString());
        return false;
    }
    return true;
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
