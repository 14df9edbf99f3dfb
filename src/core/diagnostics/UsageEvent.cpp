#include "diagnostics/UsageEvent.h"

namespace {

struct EventEntry
{
    UsageEvent event;
    const char* name;
};

#define MR_EVENT(name)                                                                                       \
    EventEntry                                                                                               \
    {                                                                                                        \
        UsageEvent::name, #name                                                                              \
    }
constexpr std::array<EventEntry, usageEventCount> entries{{
    MR_EVENT(AppLaunched),
    MR_EVENT(SetPomodoro),
    MR_EVENT(SetShortBreak),
    MR_EVENT(SetLongBreak),
    MR_EVENT(readImageFailed),
    MR_EVENT(SendFeedback),
    MR_EVENT(RateUs),
    MR_EVENT(ShowAbout),
    MR_EVENT(ShowStatistics),
    MR_EVENT(ShowPreferences),
    MR_EVENT(Terminate),
    MR_EVENT(ShowPasscodeAlert),
    MR_EVENT(EnabledPasscode),
    MR_EVENT(DisabledPasscode),
    MR_EVENT(ShowPasscode),
    MR_EVENT(PasscodeNotMatched),
    MR_EVENT(PasscodeFailed),
    MR_EVENT(RevealLogFile),
    MR_EVENT(ExportWrokflow),
    MR_EVENT(RaycastExtension),
    MR_EVENT(WorkflowInvoked),
    MR_EVENT(WorkflowPomodoro),
    MR_EVENT(WorkflowStop),
    MR_EVENT(WorkflowShortBreak),
    MR_EVENT(WorkflowLongBreak),
    MR_EVENT(tapLaunchAtLoginButton),
    MR_EVENT(launchAtLoginEnabled),
    MR_EVENT(launchAtLoginDisabled),
    MR_EVENT(setLaunchAtLoginFailed),
    MR_EVENT(tapCountDownPieButton),
    MR_EVENT(appleInterfaceThemeChanged),
    MR_EVENT(prefCheckBoxTapped),
    MR_EVENT(willShowTopOptions),
    MR_EVENT(freeUpDiskSpace),
    MR_EVENT(showBreakOptions),
    MR_EVENT(noCancellationDuringTheBreak),
    MR_EVENT(appUpgraded),
    MR_EVENT(appBrandNewInstalled),
    MR_EVENT(checkNewsFailed),
    MR_EVENT(showNews),
    MR_EVENT(newsClosed),
    MR_EVENT(loadNewsUrlFailed),
    MR_EVENT(newsUrlLoaded),
    MR_EVENT(downloadWallpaperCompleted),
    MR_EVENT(startPomodoro),
    MR_EVENT(stopPomodoro),
    MR_EVENT(postponePomodoro),
    MR_EVENT(stopPostponePomodoro),
    MR_EVENT(startShortBreak),
    MR_EVENT(startLongBreak),
    MR_EVENT(stopBreak),
    MR_EVENT(autoLongBreak),
    MR_EVENT(pomodoroCompleted),
    MR_EVENT(failedToParseQuote),
    MR_EVENT(quotesOptionUpdate),
    MR_EVENT(fetchQuotesOnDesign),
    MR_EVENT(loadCustomQuotes),
    MR_EVENT(loadVelmoroQuotes),
    MR_EVENT(invalidQuoteResponse),
    MR_EVENT(contentView),
    MR_EVENT(failedToSetLaunchAtLogin),
    MR_EVENT(checkForUpdates),
    MR_EVENT(checkForUpdatesManualy),
    MR_EVENT(CFUDidFindValidUpdate),
    MR_EVENT(CFUWillInstallUpdate),
    MR_EVENT(CFUWillRelaunchApplication),
    MR_EVENT(CFUDidCancelInstallUpdateOnQuit),
    MR_EVENT(unlockWithTouchIDShow),
    MR_EVENT(unlockWithTouchIDSuccess),
    MR_EVENT(unlockWithTouchIDFailed),
    MR_EVENT(playSound),
    MR_EVENT(clickAuthorLink),
    MR_EVENT(clickHomepageLink),
    MR_EVENT(stepperAction),
    MR_EVENT(valueTextFieldAction),
    MR_EVENT(prefsWindowClose),
    MR_EVENT(breakStopPopover),
    MR_EVENT(breakPopoverShow),
    MR_EVENT(breakPopoverClose),
    MR_EVENT(failedToOpenDB),
    MR_EVENT(failedToSaveTask),
    MR_EVENT(userAway),
    MR_EVENT(userReturned),
}};
#undef MR_EVENT

} // namespace

const std::array<UsageEvent, usageEventCount>& allEvents()
{
    static const auto events = [] {
        std::array<UsageEvent, usageEventCount> list{};
        for (std::size_t i = 0; i < entries.size(); ++i)
            list[i] = entries[i].event;
        return list;
    }();
    return events;
}

QString eventName(UsageEvent event)
{
    const auto index = static_cast<std::size_t>(event);
    if (index >= entries.size())
        return {};
    return QString::fromLatin1(entries[index].name);
}

int eventFlags(UsageEvent event)
{
    return event == UsageEvent::failedToOpenDB ? 2 : 1;
}

namespace {
constexpr bool entriesFollowDeclarationOrder()
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (static_cast<std::size_t>(entries[i].event) != i)
            return false;
    }
    return true;
}
static_assert(entriesFollowDeclarationOrder(), "event names must follow the enumeration's order");
} // namespace
