#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// Alerts shown as window-modal sheets on a window. A test can answer the next alert in advance;
// the answer then arrives at once and nothing is shown.
namespace MessageBox {

struct Alert
{
    QString text;
    QString informativeText;
    QStringList buttons; // the first is the default
    QMessageBox::Icon icon = QMessageBox::Warning;
};

// Shows the alert on window (application-modal when there is none) and reports the index of
// the button pressed, or -1 when it was closed otherwise. Returns the box, or null when a
// preset answer was used.
QMessageBox* show(QWidget* window, const Alert& alert, std::function<void(int)> answered);

// The next show() answers with this button index instead of showing anything.
void setNextAnswer(int buttonIndex);
void clearNextAnswer();
// Every alert's text, as shown or answered in advance (tests).
QStringList shownTexts();

} // namespace MessageBox
