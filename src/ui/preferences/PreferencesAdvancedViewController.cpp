#include "preferences/PreferencesAdvancedViewController.h"

PreferencesAdvancedViewController::PreferencesAdvancedViewController(QWidget* parent)
    : MRPreferViewController(QStringLiteral("PreferencesAdvancedViewController"), parent)
{
    setMinimumSize(480, 240);
}
