#include "FakeClock.h"
#include "LogCapture.h"
#include "LoopbackHttpServer.h"
#include "PipeWatcher.h"
#include "PrivateBus.h"
#include "RecordingUsageTracker.h"
#include "TestEnvironment.h"
#include "content/NewsService.h"
#include "news/NewsWindowController.h"
#include "settings/Preferences.h"

#include <QBuffer>
#include <QImage>
#include <QNetworkAccessManager>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>

// The news window against a page served on loopback: the page's own words and web images,
// never a local file, links only to the browser and only after a click.
class NewsWindowTest : public TestEnvironment
{
protected:
    QByteArray png()
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

    QNetworkAccessManager network;
    LoopbackHttpServer server;
    FakeClock clock;
    QList<QUrl> opened;
};

TEST_F(NewsWindowTest, APageShowsItsTextAndWebImagesAndLoadsNoLocalFile)
{
    QTemporaryDir dir;
    const QString trap = dir.filePath(QStringLiteral("trap"));
    PipeWatcher watcher(trap);
    const QString page =
        QStringLiteral(
            "<html><head><link rel=\"stylesheet\" href=\"file://%1\"/>"
            "<style>@import url(\"%1\");</style></head><body><h1>Mirelo 2.0</h1>"
            "<p>Breaks on every monitor.<img src=\"%1\"><img src=\"qrc:/images/default-image.jpg\">"
            "<img src=\"shot.png\" width=\"4000\" height=\"3000\"></p><p>Then more pictures than anyone "
            "reads:"
            "<img src=\"2.png\"><img src=\"3.png\"><img src=\"4.png\"><img src=\"5.png\"></p>"
            "<a href=\"file:///etc/passwd\">local</a> "
            "<a href=\"https://example.org/more\">more</a></body></html>")
            .arg(trap);
    server.route(QStringLiteral("/news/8"), LoopbackHttpServer::Response::text(page.toUtf8(), "text/html"));
    for (const char* name : {"shot", "2", "3", "4", "5"})
        server.route(QStringLiteral("/news/%1.png").arg(QLatin1String(name)),
                     LoopbackHttpServer::Response::text(png(), "image/png"));

    Preferences prefs(Preferences::defaultFilePath());
    NewsService news(prefs, clock, &network);
    news.setupConfig();
    auto tracker = RecordingUsageTracker::install();
    NewsWindowController window(network, [&](const News& item) { news.markAsRead(item); });
    window.openUrl = [&](const QUrl& url) { opened << url; };
    QSignalSpy loaded(&window, &NewsWindowController::pageLoaded);
    QSignalSpy images(&window, &NewsWindowController::imageShown);
    const News item{8, QStringLiteral("What's new"), server.baseUrl() + QStringLiteral("/news/8")};
    window.showWindow(item);

    // Read as soon as it shows.
    EXPECT_EQ(news.config().lastReadID, 8);
    NewsService reread(prefs, clock, &network);
    reread.setupConfig();
    EXPECT_EQ(reread.config().lastReadID, 8);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("What's new"));
    EXPECT_EQ(tracker->names().count(QStringLiteral("Mirelo.NewsWindowController")), 1);

    ASSERT_TRUE(loaded.wait(5000));
    EXPECT_TRUE(loaded.first().first().toBool());
    EXPECT_TRUE(window.webView->toPlainText().contains(QStringLiteral("Breaks on every monitor.")));
    EXPECT_TRUE(window.progressIndicator->isHidden());
    // The web pictures arrive, decoded away from the window's thread, at most four of them (the
    // trap's path is one, on the server, where it is not found), each as a block of its own
    // rather than at the size the page claims.
    ASSERT_TRUE(PrivateBus::waitFor([&] { return images.size() == 3; }, 5000));
    EXPECT_TRUE(window.webView->document()
                    ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("news-image:0")))
                    .isValid());
    EXPECT_EQ(server.requestCount(QStringLiteral("/news/3.png")), 1);
    EXPECT_EQ(server.requestCount(QStringLiteral("/news/4.png")), 0);
    EXPECT_FALSE(window.webView->toHtml().contains(QStringLiteral("4000")));
    EXPECT_FALSE(watcher.wasRead());

    // Links: nothing inside the view; the browser only for the web.
    Q_EMIT window.webView->anchorClicked(QUrl(QStringLiteral("file:///etc/passwd")));
    Q_EMIT window.webView->anchorClicked(QUrl(QStringLiteral("qrc:/images/default-image.jpg")));
    EXPECT_TRUE(opened.isEmpty());
    Q_EMIT window.webView->anchorClicked(QUrl(QStringLiteral("https://example.org/more")));
    EXPECT_EQ(opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/more"))});
}

TEST_F(NewsWindowTest, AServerThatNeverAnswersEndsInTheFailureLine)
{
    LoopbackHttpServer::Response silent;
    silent.mode = LoopbackHttpServer::Response::Mode::silent;
    server.route(QStringLiteral("/news/9"), silent);
    NewsWindowController window(
        network, {}, {1024 * 1024, std::chrono::milliseconds{300}, std::chrono::milliseconds{600}});
    QSignalSpy loaded(&window, &NewsWindowController::pageLoaded);
    const QString address = server.baseUrl() + QStringLiteral("/news/9");
    window.showWindow(News{9, QStringLiteral("Late"), address});
    ASSERT_TRUE(loaded.wait(5000));
    EXPECT_FALSE(loaded.first().first().toBool());
    EXPECT_TRUE(log().contains(QStringLiteral("Webview failed to laod url. url: ") + address));
    EXPECT_TRUE(window.progressIndicator->isHidden());
}
