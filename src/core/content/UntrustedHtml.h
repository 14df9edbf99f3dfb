#pragma once

#include <QString>
#include <QTextDocument>

// A text document for markup that comes from elsewhere. A plain QTextDocument loads the style
// sheets (<link>, @import) and images (<img>) that the markup names, from local paths and qrc:
// resources too; one naming /dev/zero never returns. This one loads nothing at all: images are
// blank unless added to it with addResource().
class InertTextDocument : public QTextDocument
{
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

namespace UntrustedHtml {

// The text of outside markup, loading no resource it names; images leave nothing behind.
QString toPlainText(const QString& html);

} // namespace UntrustedHtml
