#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

// The "Localizable" table: short keys such as "Popover-Stop" and English-text keys, shown
// through the translations installed at start-up (the key itself when none is installed).
namespace Localizable {

QString text(const char* key);

// The user's languages, most wanted first, as the desktop gives them: every entry of LANGUAGE
// (a colon-separated list), then the first of LC_ALL, LC_MESSAGES and LANG that is set.
// "de_DE.UTF-8@euro" becomes "de_DE"; "C" and "POSIX" mean English and end the list.
QStringList preferredLanguages(const std::function<QString(const char*)>& environment);

// The languages Mirelo has a table for ("de", "pt_BR", …), English included.
QStringList availableLanguages();

// The table to use for one wanted language: the same name, the language alone ("de" for
// "de_AT"), or the one region we have for it ("pt_BR" for "pt"); empty when there is none.
// Chinese is matched by region only: a Traditional Chinese reader is not given Simplified.
QString tableFor(const QString& wanted, const QStringList& available);

// Installs English and, above it, the tables for the user's languages, so that a text missing
// in one falls back to the next language and finally to English; Qt's own texts (standard
// buttons, dialogs) in the first of them that Qt has. Call before anything is shown. False
// when not even the English table could be loaded.
bool install(QCoreApplication& application);

// The same for the languages given, in place of the tables installed before; windows made
// afterwards show the new language.
bool install(QCoreApplication& application, const QStringList& languages);

// The language shown, "en" when none of the user's languages has a table.
QString shownLanguage();

// The locale of the language shown, with the user's own region ("de_AT" when that chose the
// German table), so that dates and week starts agree with the texts around them.
QLocale locale();

} // namespace Localizable
