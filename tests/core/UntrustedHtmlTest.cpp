#include "content/UntrustedHtml.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// A named pipe that notices being opened for reading: a reader blocks in open() until a writer
// comes, so the watcher keeps trying a non-blocking write-open, which succeeds only once
// someone reads. It then hands over a little text and closes, so that the reader never hangs.
class PipeWatcher
{
public:
    explicit PipeWatcher(QString path) : path(std::move(path))
    {
        ::mkfifo(QFile::encodeName(this->path).constData(), 0600);
        worker = std::thread([this] {
            while (!stopping) {
                const int fd = ::open(QFile::encodeName(this->path).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    opened = true;
                    const char text[] = "p { color: red }";
                    [[maybe_unused]] const auto written = ::write(fd, text, sizeof text - 1);
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    ~PipeWatcher()
    {
        stopping = true;
        worker.join();
    }
    bool wasRead() const { return opened; }

private:
    QString path;
    std::atomic<bool> stopping{false};
    std::atomic<bool> opened{false};
    std::thread worker;
};

} // namespace

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

    // The inert document is the piece the news window reuses: asking it for a resource gives none.
    InertTextDocument document;
    document.setHtml(QStringLiteral("<img src=\"%1\">").arg(pipe));
    EXPECT_FALSE(document.resource(QTextDocument::ImageResource, QUrl::fromLocalFile(pipe)).isValid());
    EXPECT_FALSE(watcher.wasRead());
}

TEST(UntrustedHtmlTest, AHugeInlineStyleStillGivesTheText)
{
    const QString style = QStringLiteral("color: red; ").repeated(200000);
    const QString html = QStringLiteral("<p style=\"%1\">Rest &amp; quiet</p><p>Two</p>").arg(style);
    EXPECT_EQ(UntrustedHtml::toPlainText(html), QStringLiteral("Rest & quiet\nTwo"));
}
