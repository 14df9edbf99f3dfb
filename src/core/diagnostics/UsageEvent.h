#pragma once

#include <QString>

#include <array>

// The usage-event vocabulary. Names are the case names exactly as declared, misspellings
// included, because existing reports are keyed by them.
enum class UsageEvent
{
    AppLaunched,
    SetPomodoro,
    SetShortBreak,
    SetLongBreak,
    readImageFailed,
    SendFeedback,
    RateUs,
    ShowAbout,
    ShowStatistics,
    ShowPreferences,
    Terminate,
    ShowPasscodeAlert,
    EnabledPasscode,
    DisabledPasscode,
    ShowPasscode,
    PasscodeNotMatched,
    PasscodeFailed,
    RevealLogFile,
    ExportWrokflow,
    RaycastExtension,
    WorkflowInvoked,
    WorkflowPomodoro,
    WorkflowStop,
    WorkflowShortBreak,
    WorkflowLongBreak,
    tapLaunchAtLoginButton,
    launchAtLoginEnabled,
    launchAtLoginDisabled,
    setLaunchAtLoginFailed,
    tapCountDownPieButton,
    appleInterfaceThemeChanged,
    prefCheckBoxTapped,
    willShowTopOptions,
    freeUpDiskSpace,
    showBreakOptions,
    noCancellationDuringTheBreak,
    appUpgraded,
    appBrandNewInstalled,
    checkNewsFailed,
    showNews,
    newsClosed,
    loadNewsUrlFailed,
    newsUrlLoaded,
    downloadWallpaperCompleted,
    startPomodoro,
    stopPomodoro,
    postponePomodoro,
    stopPostponePomodoro,
    startShortBreak,
    startLongBreak,
    stopBreak,
    autoLongBreak,
    pomodoroCompleted,
    failedToParseQuote,
    quotesOptionUpdate,
    fetchQuotesOnDesign,
    loadCustomQuotes,
    loadVelmoroQuotes,
    invalidQuoteResponse,
    contentView,
    failedToSetLaunchAtLogin,
    checkForUpdates,
    checkForUpdatesManualy,
    CFUDidFindValidUpdate,
    CFUWillInstallUpdate,
    CFUWillRelaunchApplication,
    CFUDidCancelInstallUpdateOnQuit,
    unlockWithTouchIDShow,
    unlockWithTouchIDSuccess,
    unlockWithTouchIDFailed,
    playSound,
    clickAuthorLink,
    clickHomepageLink,
    stepperAction,
    valueTextFieldAction,
    prefsWindowClose,
    breakStopPopover,
    breakPopoverShow,
    breakPopoverClose,
    failedToOpenDB,
    failedToSaveTask,
    userAway,
    userReturned,
};

inline constexpr int usageEventCount = 83;

// Every case in declaration order.
const std::array<UsageEvent, usageEventCount>& allEvents();

QString eventName(UsageEvent event);

// 2 (critical) for failedToOpenDB, 1 (normal) for every other event.
int eventFlags(UsageEvent event);
