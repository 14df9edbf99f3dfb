#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class LoginItems;
class NotificationCenter;
class Preferences;

// The registered defaults and the small queries several features share.
namespace UserDefaults {

// Asks the login-item service to add or remove the program; logs the outcome. Does not
// write the preference.
bool launchAtLogin(LoginItems& loginItems, bool enabled);

// Registers every default in a fixed order, then applies the first-start rule for
// LaunchAtLogin. Registering again only replaces the in-memory defaults.
void setupUserDefaultsValues(Preferences& preferences, LoginItems& loginItems);

// Tells the user, once per start that found one, that an unusable preferences file was kept
// aside and where.
void tellAboutKeptAsidePreferences(const Preferences& preferences, NotificationCenter& notifications);

enum class PreferencesPane
{
    general,
    wallpaper,
    advanced
};

// The keys a pane's "Restore defaults" resets: every setting shown on that pane, and only
// those, except launch at login (it changes the desktop's autostart, not a Mirelo setting)
// and what the user wrote (the passcode itself, their own quotes).
QStringList restorableKeys(PreferencesPane pane);
// Removes the written values of the pane's keys in one write, so their defaults show again.
void restoreDefaults(Preferences& preferences, PreferencesPane pane);

// Stores the passcode as the digest of its lower-case text; the text itself is never kept.
void storePasscode(Preferences& preferences, const QString& passcode);
// The stored passcode digest, or none when the lock is off or no usable digest is stored
// (none chosen yet, a hand-edited value): a lock nobody can open counts as off.
std::optional<QString> passcodeForBreakviewUnlocking(const Preferences& preferences);

bool shouldShowBreakOptions(const Preferences& preferences);

// The compiled-in base address of each hidden endpoint key.
QString defaultEndpoint(const QString& endpointKey);
// The endpoint's base address: the preference when set, else the compiled-in default;
// a trailing "/" is dropped.
QString endpoint(const Preferences& preferences, const QString& endpointKey);

} // namespace UserDefaults
