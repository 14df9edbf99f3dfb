#include "widgets/Localizable.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace Localizable {

namespace {
const QString tablesFolder = QStringLiteral(":/i18n");
QString shown = QStringLiteral("en");
// English without a region of the user's: the English the texts are written in.
const QLocale textsLocale(QLocale::English, QLocale::UnitedStates);
QLocale shownLocale = textsLocale;
// Guarded: whoever else removes and deletes a translator must not leave us a dangling one.
QList<QPointer<QTranslator>> installed;

QString plainName(QString entry)
{
    // language[_territory][.codeset][@modifier]
    entry = entry.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0).trimmed();
    entry.replace(QLatin1Char('-'), QLatin1Char('_'));
    return entry;
}

bool meansEnglishOnly(const QString& name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

QTranslator* loaded(QCoreApplication& application, const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(file, folder))
        return translator;
    delete translator;
    return nullptr;
}
} // namespace

QString text(const char* key)
{
    return QCoreApplication::translate("Localizable", key);
}

QStringList preferredLanguages(const std::function<QString(const char*)>& environment)
{
    QStringList wanted;
    for (const QString& entry : environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString name = plainName(entry);
        if (meansEnglishOnly(name))
            return wanted;
        if (!name.isEmpty() && !wanted.contains(name))
            wanted << name;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString name = plainName(environment(variable));
        if (name.isEmpty())
            continue;
        if (!meansEnglishOnly(name) && !wanted.contains(name))
            wanted << name;
        break;
    }
    return wanted;
}

QStringList availableLanguages()
{
    QStringList languages;
    const QStringList files = QDir(tablesFolder).entryList({QStringLiteral("mirelo_*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages << file.mid(7, file.size() - 10);
    return languages;
}

QString tableFor(const QString& wanted, const QStringList& available)
{
    if (available.contains(wanted))
        return wanted;
    const QString language = wanted.section(QLatin1Char('_'), 0, 0);
    if (language == QLatin1String("zh"))
        return {};
    if (available.contains(language))
        return language;
    for (const QString& name : available) {
        if (name.section(QLatin1Char('_'), 0, 0) == language)
            return name;
    }
    return {};
}

bool install(QCoreApplication& application)
{
    return install(application, preferredLanguages([](const char* name) { return qEnvironmentVariable(name); }));
}

bool install(QCoreApplication& application, const QStringList& languages)
{
    for (const QPointer<QTranslator>& translator : std::as_const(installed)) {
        if (!translator)
            continue;
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed.clear();
    const auto use = [](QTranslator* translator) {
        QCoreApplication::installTranslator(translator);
        installed << translator;
    };

    QTranslator* english = loaded(application, QStringLiteral("mirelo_en"), tablesFolder);
    if (english)
        use(english);

    const QStringList available = availableLanguages();
    QStringList tables;
    shownLocale = textsLocale;
    for (const QString& wanted : languages) {
        const QString table = tableFor(wanted, available);
        if (table.isEmpty() || tables.contains(table))
            continue;
        if (tables.isEmpty())
            shownLocale = QLocale(wanted);
        if (table == QLatin1String("en"))
            break; // English is always below; nothing after it would be seen.
        tables << table;
    }
    shown = tables.isEmpty() ? QStringLiteral("en") : tables.first();

    // Qt asks the last installed translator first.
    for (auto table = tables.crbegin(); table != tables.crend(); ++table) {
        if (QTranslator* translator = loaded(application, QStringLiteral("mirelo_") + *table, tablesFolder))
            use(translator);
    }
    if (!tables.isEmpty()) {
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const QString& catalog : {QStringLiteral("qtbase_"), QStringLiteral("qt_")}) {
            QTranslator* qt = loaded(application, catalog + tables.first(), qtFolder);
            if (!qt && tables.first().contains(QLatin1Char('_')))
                qt = loaded(application, catalog + tables.first().section(QLatin1Char('_'), 0, 0), qtFolder);
            if (qt) {
                use(qt);
                break;
            }
        }
    }
    return english != nullptr;
}

QString shownLanguage()
{
    return shown;
}

QLocale locale()
{
    return shownLocale;
}

} // namespace Localizable
