#include "content/UntrustedHtml.h"

#include <QVariant>

QVariant InertTextDocument::loadResource(int type, const QUrl& name)
{
    Q_UNUSED(type);
    Q_UNUSED(name);
    return {};
}

namespace UntrustedHtml {

QString toPlainText(const QString& html)
{
    InertTextDocument document;
    document.setHtml(html);
    QString text = document.toPlainText();
    // Images leave an object replacement character behind.
    text.remove(QChar::ObjectReplacementCharacter);
    return text.trimmed();
}

} // namespace UntrustedHtml
