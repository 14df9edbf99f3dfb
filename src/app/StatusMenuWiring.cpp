#include "StatusMenuWiring.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "statusitem/FeedbackMail.h"
#include "update/AppcastUpdater.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPointer>
#include <QUrl>

StatusMenuCommands StatusMenuWiring::commands(StatusMenuTargets targets, AppcastUpdater& updater)
{
    StatusMenuCommands commands;
    QPointer<AppcastUpdater> appcast(&updater);
    commands.showStatistics = std::move(targets.showStatistics);
    commands.showPreferences = std::move(targets.showPreferences);
    commands.checkForUpdates = [appcast] {
        track(UsageEvent::checkForUpdatesManualy);
        if (appcast)
            appcast->checkForUpdates();
        else
            LOG_ERROR(QStringLiteral("Failed to get AppDelegate"));
    };
    commands.sendFeedback = [tell = targets.tell] { sendFeedback(tell); };
    commands.rateUs = [tell = targets.tell] { rateUs(tell); };
    commands.showAbout = std::move(targets.showAbout);
    commands.terminate = [terminate = std::move(targets.terminate)] {
        track(UsageEvent::Terminate);
        if (terminate)
            terminate();
    };
    return commands;
}

void StatusMenuWiring::sendFeedback(const std::function<void(const QString&, const QString&)>& tell)
{
    track(UsageEvent::SendFeedback);
    const Log::BuildInfo build = Log::buildInfo();
    const QUrl url = FeedbackMail::link(FeedbackMail::body(FeedbackMail::collect(), build.shortVersion,
                                                           build.buildNumber, build.releaseStage));
    if (!url.isValid()) {
        LOG_ERROR(QStringLiteral("Mail link url init failed."));
        return;
    }
    if (QDesktopServices::openUrl(url))
        return;
    LOG_ERROR(QStringLiteral("Can't send feed bak email."));
    // Without a mail program the address is the way: on the clipboard, ready to paste.
    QGuiApplication::clipboard()->setText(QLatin1String(FeedbackMail::supportAddress));
    if (tell)
        tell(QCoreApplication::translate("Localizable", "No mail program"),
             QCoreApplication::translate("Localizable",
                                         "Write to %1 from your mail. The address is on the clipboard.")
                 .arg(QLatin1String(FeedbackMail::supportAddress)));
}

void StatusMenuWiring::rateUs(const std::function<void(const QString&, const QString&)>& tell)
{
    track(UsageEvent::RateUs);
    // No "//": QUrl would lower-case the id as a host name.
    const QUrl url(QStringLiteral("appstream:org.mirelo.Mirelo"));
    if (!url.isValid()) {
        LOG_ERROR(QStringLiteral("App Store Url nil!"));
        return;
    }
    if (QDesktopServices::openUrl(url) ||
        QDesktopServices::openUrl(QUrl(QStringLiteral("https://mirelo.org"))))
        return;
    LOG_ERROR(QStringLiteral("Can't open app store url"));
    if (tell)
        tell(QCoreApplication::translate("Localizable", "No software centre"),
             QCoreApplication::translate("Localizable",
                                         "Rate Mirelo in your software centre, or at https://mirelo.org."));
}
