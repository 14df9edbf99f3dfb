#include "update/ReleaseStage.h"

#include "diagnostics/Log.h"
#include "settings/PreferKey.h"
#include "settings/Preferences.h"
#include "settings/UserDefaults.h"

QString displayName(ReleaseStage stage)
{
    switch (stage) {
    case ReleaseStage::unset:
        return QStringLiteral("Unknown");
    case ReleaseStage::stable:
        return QStringLiteral("Stable");
    case ReleaseStage::beta:
        return QStringLiteral("Beta");
    case ReleaseStage::nightly:
        return QStringLiteral("Nightly Build");
    case ReleaseStage::debug:
        return QStringLiteral("Debug");
    case ReleaseStage::appStore:
        return QStringLiteral("App Store");
    }
    return QStringLiteral("Unknown");
}

QString feedFile(ReleaseStage stage)
{
    switch (stage) {
    case ReleaseStage::stable:
        return QStringLiteral("appcast.xml");
    case ReleaseStage::nightly:
        return QStringLiteral("appcast-nightly.xml");
    case ReleaseStage::debug:
        return QStringLiteral("appcast-debug.xml");
    case ReleaseStage::unset:
    case ReleaseStage::beta:
    case ReleaseStage::appStore:
        return QStringLiteral("appcast-beta.xml");
    }
    return QStringLiteral("appcast-beta.xml");
}

ReleaseStage storedReleaseStage(const Preferences& preferences)
{
    const int stored = preferences.intValue(PreferKey::checkUpdateForStage);
    if (stored < 0 || stored > 5)
        return ReleaseStage::unset;
    return static_cast<ReleaseStage>(stored);
}

QString xmlURL(const Preferences& preferences)
{
    const ReleaseStage stage = storedReleaseStage(preferences);
    LOG_INFO(QStringLiteral("default stage: ") + displayName(stage));
    LOG_INFO(QStringLiteral("current release stage: ") + Log::buildInfo().releaseStage);
    return UserDefaults::endpoint(preferences, EndpointKey::update) + QLatin1Char('/') + feedFile(stage);
}
