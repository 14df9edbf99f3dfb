#include "break/BreakAlerts.h"

#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "widgets/Localizable.h"
#include "widgets/MessageBox.h"

namespace BreakAlerts {

void showQuittingConfirmAlert(QWidget* window, const QString& appName, std::function<void(bool)> reply)
{
    MessageBox::Alert alert;
    alert.text = Localizable::text("Quit %@?").replace(QStringLiteral("%@"), appName);
    alert.buttons = {Localizable::text("Quit"), Localizable::text("Cancel")};
    MessageBox::show(window, alert, [reply = std::move(reply)](int button) {
        const bool quit = button == 0;
        if (quit)
            LOG_INFO(QStringLiteral("Confirm terminate"));
        if (reply)
            reply(quit);
    });
}

void showPasscodeAlert(QWidget* window, std::function<void()> dismissed)
{
    LOG_INFO(QStringLiteral("showPasscodeAlert"));
    track(UsageEvent::ShowPasscodeAlert);
    MessageBox::Alert alert;
    alert.text = Localizable::text("Passcode Required");
    alert.informativeText = Localizable::text("Please unlock with your passcode.");
    alert.buttons = {Localizable::text("OK")};
    MessageBox::show(window, alert, [dismissed = std::move(dismissed)](int) {
        LOG_INFO(QStringLiteral("Passcode dialog dismissed"));
        if (dismissed)
            dismissed();
    });
}

} // namespace BreakAlerts
