#include "content/UntrustedHtml.h"

#include <QImage>
#include <QVariant>

QVariant InertTextDocument::loadResource(int type, const QUrl& name)
{
    Q_UNUSED(name);
    // An image nobody added gets a blank one: given nothing, the text layout would read the
    // image's file itself when it draws the page.
    if (type == QTextDocument::ImageResource) {
        QImage blank(1, 1, QImage::Format_ARGB32_Premultiplied);
        blank.fill(Qt::transparent);
        return blank;
    }
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
