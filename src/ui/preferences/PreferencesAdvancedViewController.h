#pragma once

#include "preferences/MRPreferViewController.h"

// The Advanced pane's place in the window; its settings come with the passcode and shortcut
// work.
class PreferencesAdvancedViewController : public MRPreferViewController
{
    Q_OBJECT
public:
    explicit PreferencesAdvancedViewController(QWidget* parent = nullptr);
};
