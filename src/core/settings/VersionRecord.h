#pragma once

#include <QString>

#include <functional>
#include <optional>

class Preferences;

// The build that last ran, kept in Data/appInfo.dat as {"version":"<build>"}.
struct AppInfo
{
    QString version = QStringLiteral("0");
};

// Tells a fresh install from an upgrade from an unchanged start, converts the legacy
// quote switch and records the running build.
class VersionRecord
{
public:
    VersionRecord(Preferences& preferences, QString runningBuild);

    // The record, loaded from the file on first access ("0" when there is none).
    AppInfo& appInfo();

    bool isBrandNewInstalled();
    bool isUpgraded();
    bool saveAppInfo();
    std::optional<AppInfo> loadAppInfo();

    // Runs the check, writes the running build and then calls completed once.
    void upgradeIfNeeded(const std::function<void()>& completed);

    static AppInfo appInfoFromJson(const QByteArray& json, bool* isObject = nullptr);
    static QByteArray toJson(const AppInfo& info);

private:
    void convertQuoteSetting();

    Preferences& preferences;
    QString runningBuild;
    std::optional<AppInfo> record;
};
