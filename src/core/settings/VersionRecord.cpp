#include "settings/VersionRecord.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "settings/DataFolder.h"
#include "settings/Preferences.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

namespace {
std::optional<qlonglong> decimalInteger(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (QChar c : text) {
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    return ok ? std::optional<qlonglong>(value) : std::nullopt;
}
} // namespace

VersionRecord::VersionRecord(Preferences& preferences, QString runningBuild)
    : preferences(preferences), runningBuild(std::move(runningBuild))
{
}

AppInfo& VersionRecord::appInfo()
{
    if (!record)
        record = loadAppInfo().value_or(AppInfo{});
    return *record;
}

bool VersionRecord::isBrandNewInstalled()
{
    const QString version = appInfo().version;
    const auto number = decimalInteger(version);
    if (!number) {
        LOG_INFO(QStringLiteral("Can't read old version. appInfo.version: ") + version);
        return true;
    }
    return *number == 0;
}

bool VersionRecord::isUpgraded()
{
    const QString oldVersion = appInfo().version;
    const auto oldNumber = decimalInteger(oldVersion);
    if (!oldNumber) {
        LOG_INFO(QStringLiteral("Can't read old version. appInfo.version: ") + oldVersion);
        return true;
    }
    const auto newNumber = decimalInteger(runningBuild);
    if (!newNumber) {
        LOG_INFO(QStringLiteral("Can't read new version. appInfo.version: ") + runningBuild);
        return true;
    }
    LOG_INFO(QStringLiteral("newVersion: ") + runningBuild + QStringLiteral(" oldVersion: ") + oldVersion);
    if (*oldNumber < *newNumber) {
        LOG_INFO(QStringLiteral("Upgraded."));
        return true;
    }
    return false;
}

void VersionRecord::upgradeIfNeeded(const std::function<void()>& completed)
{
    if (isBrandNewInstalled()) {
        LOG_INFO(QStringLiteral("Brand new install."));
        track(UsageEvent::appBrandNewInstalled);
        convertQuoteSetting();
    } else if (isUpgraded()) {
        LOG_INFO(QStringLiteral("Upgraded from Optional(\"%1\").").arg(appInfo().version));
        track(UsageEvent::appUpgraded);
    } else {
        LOG_INFO(QStringLiteral("Nothing to do."));
    }
    record = AppInfo{runningBuild};
    const bool ok = saveAppInfo();
    LOG_INFO(QStringLiteral("Save app info result: ") + (ok ? QStringLiteral("true") : QStringLiteral("false")));
    if (completed)
        completed();
}

void VersionRecord::convertQuoteSetting()
{
    const QString legacyKey = keyText(PreferKey::QuoteEnabled);
    if (!preferences.hasPersistedValue(legacyKey))
        return;
    preferences.setValue(PreferKey::QuotesType, preferences.boolValue(legacyKey) ? 1 : 0);
}

bool VersionRecord::saveAppInfo()
{
    if (!record) {
        LOG_ERROR(QStringLiteral("App info is nil!"));
        return false;
    }
    const auto path = DataFolder::appInfoPath();
    if (!path) {
        LOG_ERROR(QStringLiteral("Can't find appInfoFilePath!"));
        return false;
    }
    const QByteArray bytes = toJson(*record);
    if (bytes.isEmpty()) {
        LOG_ERROR(QStringLiteral("Data is nil."));
        return false;
    }
    QFile file(*path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        LOG_ERROR(QStringLiteral("Error: ") + file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        LOG_ERROR(QStringLiteral("Error: ") + file.errorString());
        return false;
    }
    return true;
}

std::optional<AppInfo> VersionRecord::loadAppInfo()
{
    const auto path = DataFolder::appInfoPath();
    if (!path) {
        LOG_ERROR(QStringLiteral("Can't find appInfoFilePath!"));
        return std::nullopt;
    }
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        LOG_INFO(QStringLiteral("App Info file not found."));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        LOG_INFO(QStringLiteral("App Info file not found."));
        return std::nullopt;
    }
    bool isObject = false;
    AppInfo info = appInfoFromJson(text.toUtf8(), &isObject);
    if (!isObject)
        return std::nullopt;
    return info;
}

AppInfo VersionRecord::appInfoFromJson(const QByteArray& json, bool* isObject)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (isObject)
        *isObject = document.isObject();
    AppInfo info;
    const QJsonValue version = document.object().value(QStringLiteral("version"));
    if (version.isString())
        info.version = version.toString();
    return info;
}

QByteArray VersionRecord::toJson(const AppInfo& info)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("version"), info.version}}).toJson(QJsonDocument::Compact);
}
