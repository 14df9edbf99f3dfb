#pragma once

#include <QString>

class QCoreApplication;

// The "Localizable" table: short keys such as "Popover-Stop" and English-text keys, shown
// through the translation installed at start-up (the key itself when none is installed).
namespace Localizable {

QString text(const char* key);

// Installs the table for the user's languages, English when none matches. Call before
// anything is shown. False when no table could be loaded.
bool install(QCoreApplication& application);

} // namespace Localizable
