#pragma once

#include <QString>

#include <functional>

class QWidget;

// The alerts of a quit request while a break is on screen, as sheets on the break window.
namespace BreakAlerts {

// "Quit <name>?" with Quit and Cancel; reply(true) for Quit.
void showQuittingConfirmAlert(QWidget* window, const QString& appName, std::function<void(bool)> reply);

// The break is locked: the passcode is needed first. dismissed runs when the alert is closed;
// the quit request is refused.
void showPasscodeAlert(QWidget* window, std::function<void()> dismissed);

} // namespace BreakAlerts
