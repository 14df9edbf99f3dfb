#include "break/QuitRequest.h"

#include "break/BorderlessWindow.h"
#include "break/BreakAlerts.h"
#include "break/BreakViewController.h"
#include "break/BreakWindowController.h"
#include "settings/UserDefaults.h"

namespace QuitRequest {

TerminateReply applicationShouldTerminate(BreakWindowController* breakWindowCon,
                                          const Preferences& preferences, const QString& appName,
                                          std::function<void()> terminate)
{
    if (!breakWindowCon || !breakWindowCon->window() || !breakWindowCon->window()->isVisible())
        return TerminateReply::now;
    QWidget* window = breakWindowCon->window();
    auto confirm = [&] {
        BreakAlerts::showQuittingConfirmAlert(window, appName, [terminate = std::move(terminate)](bool quit) {
            if (quit && terminate)
                terminate();
        });
        return TerminateReply::later;
    };
    // The lock is on even while no passcode was chosen yet (an empty one).
    if (UserDefaults::passcodeForBreakviewUnlocking(preferences)) {
        if (breakWindowCon->contentViewController().didUnlock)
            return confirm();
        BreakAlerts::showPasscodeAlert(window, {});
        return TerminateReply::cancel;
    }
    return confirm();
}

} // namespace QuitRequest
