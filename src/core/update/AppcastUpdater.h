#pragma once

#include "content/HttpFetch.h"
#include "timer/Scheduler.h"
#include "update/Appcast.h"

#include <QObject>
#include <QUrl>

#include <chrono>

class NotificationCenter;
class Preferences;
class QNetworkAccessManager;

// Reads the update feed of the stored release stage every twelve hours and on the menu's
// "Check for Updates…", and tells the user through a notification when a newer build is
// offered. Installing it is the package manager's business. Main thread only.
class AppcastUpdater : public QObject
{
    Q_OBJECT
public:
    static constexpr int updateCheckInterval = 43200; // seconds
    // The first automatic check waits until start-up has settled.
    static constexpr std::chrono::milliseconds firstCheckDelay{60'000};
    // Hidden preference: the feed version an automatic check last told the user about, so a
    // new build is mentioned once, not after every start.
    static inline const QString lastNotifiedVersionKey = QStringLiteral("LastNotifiedUpdateVersion");

    struct BuildVersion
    {
        QString version;      // the build number the feed's versions are compared with
        QString shortVersion; // for the notification text
    };

    // network may be null: the updater then uses its own manager. build defaults to this build.
    AppcastUpdater(Preferences& preferences, Scheduler& scheduler, NotificationCenter& notifications,
                   QNetworkAccessManager* network = nullptr, ContentLimits limits = {},
                   std::optional<BuildVersion> build = std::nullopt, QObject* parent = nullptr);
    ~AppcastUpdater() override;

    // Once at launch: reads the feed address and starts the automatic checks.
    void setupUpdater();
    // The menu's check: the user hears about the outcome whatever it is.
    void checkForUpdates();
    void checkForUpdatesInBackground();

    // The user is never asked before automatic checks.
    bool updaterShouldPromptForPermissionToCheckForUpdates() const { return false; }

    QUrl feedURL() const { return feed; }
    bool automaticallyChecksForUpdates() const { return automatic; }
    bool isChecking() const { return checking; }

Q_SIGNALS:
    // A check has ended, with or without an update.
    void checkFinished();

private:
    void check(bool userInitiated);
    void scheduleNextCheck(std::chrono::milliseconds delay);
    void handleResponse(const HttpResult& result);
    void didFinishLoading(const Appcast& appcast);
    void didFindValidUpdate(const AppcastItem& item);
    void updaterDidNotFindUpdate();
    // unreachable: no answer came at all (offline, no such host), which the user can act on.
    void didFail(const QString& error, bool unreachable = false);

    Preferences& preferences;
    Scheduler& scheduler;
    NotificationCenter& notifications;
    QNetworkAccessManager* network;
    ContentLimits limits;
    BuildVersion build;
    QUrl feed;
    bool automatic = false;
    bool checking = false;
    bool userInitiated = false;
    Scheduler::Token nextCheck = 0;
};
