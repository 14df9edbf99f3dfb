#include "preferences/PreferencesAdvancedViewModel.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "integration/LauncherActions.h"
#include "integration/Workspace.h"
#include "settings/Preferences.h"

#include <QCoreApplication>

namespace {
constexpr int delays[PreferencesAdvancedViewModel::delayCount] = {0, 5, 10, 60};
} // namespace

const QString PreferencesAdvancedViewModel::launcherPageAddress =
    QStringLiteral("https://mirelo.org/launchers?ref=preferences");

PreferencesAdvancedViewModel::PreferencesAdvancedViewModel(Preferences& preferences, Workspace* workspace,
                                                           LauncherActions* launcher)
    : preferences(preferences), workspace(workspace), launcher(launcher)
{}

int PreferencesAdvancedViewModel::timeSelectionIndex(int seconds)
{
    for (int index = 1; index < delayCount; ++index) {
        if (delays[index] == seconds)
            return index;
    }
    return 0;
}

int PreferencesAdvancedViewModel::seconds(int index)
{
    return index >= 0 && index < delayCount ? delays[index] : -1;
}

int PreferencesAdvancedViewModel::storedTimeSelectionIndex() const
{
    return timeSelectionIndex(preferences.intValue(PreferKey::PasscodeTimeOut));
}

void PreferencesAdvancedViewModel::timeSelected(int index)
{
    if (seconds(index) >= 0)
        preferences.setValue(PreferKey::PasscodeTimeOut, seconds(index));
    preferences.synchronize();
}

bool PreferencesAdvancedViewModel::passcodeIsEmpty() const
{
    // No value at all is not an empty passcode: only a stored empty text asks for one.
    const auto passcode = preferences.stringValue(PreferKey::Passcode);
    return passcode && passcode->isEmpty();
}

bool PreferencesAdvancedViewModel::passcodeSwitch(bool on)
{
    track(on ? UsageEvent::EnabledPasscode : UsageEvent::DisabledPasscode);
    preferences.setValue(PreferKey::PasscodeEnabled, on);
    return on && passcodeIsEmpty();
}

bool PreferencesAdvancedViewModel::passcodeDialogCancelled()
{
    if (!passcodeIsEmpty())
        return false;
    passcodeSwitch(false);
    return true;
}

void PreferencesAdvancedViewModel::touchIDSwitch(bool on)
{
    preferences.setValue(PreferKey::TouchIDEnabled, on);
    preferences.synchronize();
}

void PreferencesAdvancedViewModel::onRevealLogClicked()
{
    track(UsageEvent::RevealLogFile);
    // The file being written: a name built from today's date misses it after midnight or
    // when the date was read differently.
    QString path = Log::currentLogFilePath();
    if (path.isEmpty()) {
        const QString folder = Log::logDirectory();
        if (folder.isEmpty()) {
            LOG_ERROR(QStringLiteral("Can't create the log folder."));
            return;
        }
        path = folder + QLatin1Char('/') + Log::logFileName(QDate::currentDate());
    }
    LOG_DEBUG(QStringLiteral("logFileURL: ") + QUrl::fromLocalFile(path).toString());
    if (workspace)
        workspace->revealFile(path);
}

QString PreferencesAdvancedViewModel::onAlfredWorkflowClicked()
{
    track(UsageEvent::ExportWrokflow);
    const QString failure =
        launcher ? launcher->install() : QStringLiteral("no launcher entry on this desktop");
    if (!failure.isEmpty()) {
        LOG_ERROR(QStringLiteral("Can't write the launcher entry: ") + failure);
        return QCoreApplication::translate("Localizable", "Could not add Mirelo to your launcher: %1").arg(failure);
    }
    return QCoreApplication::translate("Localizable", "Added to your launcher");
}

void PreferencesAdvancedViewModel::onRaycastClicked()
{
    track(UsageEvent::RaycastExtension);
    const QUrl url(launcherPageAddress, QUrl::StrictMode);
    if (!url.isValid()) {
        LOG_ERROR(QStringLiteral("URL error: ") + launcherPageAddress);
        return;
    }
    if (!workspace || !workspace->openUrl(url))
        LOG_ERROR(QStringLiteral("open URL error"));
}
