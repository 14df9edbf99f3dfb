#pragma once

#include <QString>

#include <optional>

class LoginItems;
class Preferences;

// The registered defaults and the small queries several features share.
namespace UserDefaults {

// Asks the login-item service to add or remove the program; logs the outcome. Does not
// write the preference.
bool launchAtLogin(LoginItems& loginItems, bool enabled);

// Registers every default in a fixed order, then applies the first-start rule for
// LaunchAtLogin. Registering again only replaces the in-memory defaults.
void setupUserDefaultsValues(Preferences& preferences, LoginItems& loginItems);

// "Restore defaults": the durations and five switches go back to their defaults; the
// long-break count, the pie, the break options, wallpaper, passcode and shortcuts stay.
void restoreDefaults(Preferences& preferences, LoginItems& loginItems);

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
