#include "content/UntrustedHtml.h"
#include "PipeWatcher.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(UntrustedHtmlTest, MarkupThatNamesLocalFilesReadsNoneOfThem)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("trap"));
    PipeWatcher watcher(pipe);
    const QString url = QStringLiteral("file://") + pipe;

    const QStringList hostile = {
        QStringLiteral("<link rel=\"stylesheet\" href=\"%1\"/><p>One</p>").arg(pipe),
        QStringLiteral("<p>One</p><link rel=\"stylesheet\" href=\"%1\">").arg(url),
        QStringLiteral("<style>@import url(\"%1\");</style><p>One</p>").arg(url),
        QStringLiteral("<style>@import \"%1\";</style><p>One</p>").arg(pipe),
        QStringLiteral("<p>One<img src=\"%1\"></p>").arg(pipe),
        QStringLiteral("<p>One<img src=\"%1\" width=\"10\"></p>").arg(url),
        QStringLiteral("<link rel=\"stylesheet\" href=\"qrc:/quotes/velmoro.json\"/><p>One<img "
                       "src=\"qrc:/images/default-image.jpg\"></p>"),
    };
    for (const QString& html : hostile)
        EXPECT_EQ(UntrustedHtml::toPlainText(html), QStringLiteral("One")) << html.toStdString();
    EXPECT_FALSE(watcher.wasRead());

    // The inert document is the piece the news window reuses: an image it is asked for is a
    // blank one (given nothing, the text layout would read the file itself when drawing).
    InertTextDocument document;
    document.setHtml(QStringLiteral("<img src=\"%1\">").arg(pipe));
    const QVariant image = document.resource(QTextDocument::ImageResource, QUrl::fromLocalFile(pipe));
    EXPECT_EQ(image.value<QImage>().size(), QSize(1, 1));
    EXPECT_FALSE(document.resource(QTextDocument::StyleSheetResource, QUrl::fromLocalFile(pipe)).isValid());
    EXPECT_FALSE(watcher.wasRead());
}

TEST(UntrustedHtmlTest, AHugeInlineStyleStillGivesTheText)
{
    const QString style = QStringLiteral("color: red; ").repeated(200000);
    const QString html = QStringLiteral("<p style=\"%1\">Rest &amp; quiet</p><p>Two</p>").arg(style);
    EXPECT_EQ(UntrustedHtml::toPlainText(html), QStringLiteral("Rest & quiet\nTwo"));
}
