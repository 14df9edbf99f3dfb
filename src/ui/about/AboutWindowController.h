#pragma once

#include <QWidget>

class AboutViewController;

// The menu's About window: the About view in a small fixed-size window.
class AboutWindowController : public QWidget
{
    Q_OBJECT
public:
    explicit AboutWindowController(QWidget* parent = nullptr);

    AboutViewController* contentViewController() const { return content; }
    // Shows the window in front, centred on the screen under the pointer.
    void showWindow();

private:
    AboutViewController* content = nullptr;
};
