#include "widgets/Localizable.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace Localizable {

QString text(const char* key)
{
    return QCoreApplication::translate("Localizable", key);
}

bool install(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(), QStringLiteral("mirelo"), QStringLiteral("_"),
                         QStringLiteral(":/i18n")) ||
        translator->load(QStringLiteral(":/i18n/mirelo_en.qm"))) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace Localizable
