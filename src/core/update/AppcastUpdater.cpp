#include "update/AppcastUpdater.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "settings/Preferences.h"
#include "timer/NotificationCenter.h"
#include "update/ReleaseStage.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QPointer>

using namespace std::chrono_literals;

AppcastUpdater::AppcastUpdater(Preferences& preferences, Scheduler& scheduler, NotificationCenter& notifications,
                               QNetworkAccessManager* network, ContentLimits limits,
                               std::optional<BuildVersion> build, QObject* parent)
    : QObject(parent), preferences(preferences), scheduler(scheduler), notifications(notifications),
      network(network ? network : new QNetworkAccessManager(this)), limits(limits),
      build(build.value_or(BuildVersion{Log::buildInfo().buildNumber, Log::buildInfo().shortVersion}))
{
}

AppcastUpdater::~AppcastUpdater()
{
    if (nextCheck)
        scheduler.cancel(nextCheck);
}

void AppcastUpdater::setupUpdater()
{
    LOG_INFO(QStringLiteral("setupUpdater"));
    const QString address = xmlURL(preferences);
    LOG_INFO(QStringLiteral("Update info url: ") + address);
    const QUrl url(address, QUrl::StrictMode);
    feed = url.isValid() ? url : QUrl();
    automatic = true;
    scheduleNextCheck(firstCheckDelay);
}

void AppcastUpdater::scheduleNextCheck(std::chrono::milliseconds delay)
{
    if (nextCheck)
        scheduler.cancel(nextCheck);
    QPointer<AppcastUpdater> weak(this);
    nextCheck = scheduler.schedule(delay, [weak] {
        if (!weak)
            return;
        weak->nextCheck = 0;
        weak->checkForUpdatesInBackground();
        weak->scheduleNextCheck(std::chrono::seconds(updateCheckInterval));
    });
}

void AppcastUpdater::checkForUpdates()
{
    check(true);
}

void AppcastUpdater::checkForUpdatesInBackground()
{
    check(false);
}

void AppcastUpdater::check(bool byUser)
{
    // A menu check during an automatic one takes over its outcome.
    userInitiated = userInitiated || byUser;
    if (checking)
        return;
    if (feed.isEmpty()) {
        didFail(QStringLiteral("no feed address"));
        return;
    }
    checking = true;
    HttpFetch::get(*network, feed, limits.list, this, [this](const HttpResult& result) { handleResponse(result); });
}

void AppcastUpdater::handleResponse(const HttpResult& result)
{
    checking = false;
    if (!result.succeeded()) {
        didFail(result.answered() ? QStringLiteral("HTTP status ") + QString::number(result.status)
                                  : result.error,
                !result.answered());
        return;
    }
    QString error;
    const auto appcast = Appcast::parse(result.body, &error);
    if (!appcast) {
        didFail(error);
        return;
    }
    didFinishLoading(*appcast);
    const auto newest = appcast->newestItem();
    if (newest && compareVersions(newest->version, build.version) > 0)
        didFindValidUpdate(*newest);
    else
        updaterDidNotFindUpdate();
}

void AppcastUpdater::didFinishLoading(const Appcast& appcast)
{
    LOG_INFO(QStringLiteral("didFinishLoading appcast: ") + appcast.description());
}

void AppcastUpdater::didFindValidUpdate(const AppcastItem& item)
{
    LOG_INFO(QStringLiteral("didFindValidUpdate item: ") + item.description() + QStringLiteral(" fileURL: ") +
             (item.fileURL.isEmpty() ? QStringLiteral("none") : item.fileURL));
    track(UsageEvent::CFUDidFindValidUpdate);
    // Automatic checks mention a version once; the user asking always gets an answer.
    if (userInitiated || preferences.stringValue(lastNotifiedVersionKey) != item.version) {
        const QString shown = item.displayVersionString.isEmpty() ? item.version : item.displayVersionString;
        notifications.postNotification(
            QCoreApplication::translate("Localizable", "A new version of Mirelo is available"),
            QCoreApplication::translate("Localizable", "Mirelo %1 is ready to install; you have %2.").arg(shown, build.shortVersion));
        preferences.setValue(lastNotifiedVersionKey, item.version);
    }
    userInitiated = false;
    Q_EMIT checkFinished();
}

void AppcastUpdater::updaterDidNotFindUpdate()
{
    LOG_INFO(QStringLiteral("updaterDidNotFindUpdate"));
    if (userInitiated) {
        notifications.postNotification(QCoreApplication::translate("Localizable", "You're up to date!"),
                                       QCoreApplication::translate("Localizable", "Mirelo %1 is the newest version available.").arg(build.shortVersion));
    }
    userInitiated = false;
    Q_EMIT checkFinished();
}

void AppcastUpdater::didFail(const QString& error, bool unreachable)
{
    LOG_ERROR(QStringLiteral("Update check failed: ") + error);
    if (userInitiated) {
        notifications.postNotification(
            QCoreApplication::translate("Localizable", "Update Error!"),
            unreachable ? QCoreApplication::translate(
                              "Localizable",
                              "The update server could not be reached. Check the connection and try again.")
                        : QCoreApplication::translate("Localizable",
                                                      "An error occurred in retrieving update information."));
    }
    userInitiated = false;
    Q_EMIT checkFinished();
}
