#include "news/NewsWindowController.h"

#include "content/UntrustedHtml.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "widgets/Localizable.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QFutureWatcher>
#include <QImage>
#include <QImageReader>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <limits>

namespace {

// A page may name any number of pictures of any size: a few are shown, each bounded.
constexpr int maxImages = 4;
constexpr qint64 maxImageBytes = 8 * 1024 * 1024;
constexpr qint64 maxImagePixels = 6000 * 4000;

QString imageName(int index)
{
    return QStringLiteral("news-image:%1").arg(index);
}

// Decoded on a worker thread: a picture is read only when its header says it is small enough,
// and never wider than the page it goes into.
QImage decodeBounded(const QByteArray& bytes, int width)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > maxImagePixels)
        return {};
    if (width > 0 && size.width() > width)
        reader.setScaledSize(size.scaled(width, std::numeric_limits<int>::max(), Qt::KeepAspectRatio));
    return reader.read();
}

} // namespace

NewsWindowController::PreparedPage NewsWindowController::preparePage(const QString& html, const QUrl& base)
{
    static const QRegularExpression tag(QStringLiteral("<img\\b[^>]*>"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression source(QStringLiteral("\\ssrc\\s*=\\s*[\"']([^\"']+)[\"']"),
                                           QRegularExpression::CaseInsensitiveOption);
    // Each picture becomes a paragraph of its own under a name of ours, with no size of the
    // page's: nothing is reserved before it arrives, and the text never flows around it.
    PreparedPage prepared;
    qsizetype from = 0;
    auto matches = tag.globalMatch(html);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        prepared.html += html.mid(from, match.capturedStart() - from);
        from = match.capturedEnd();
        const QRegularExpressionMatch named = source.match(match.captured());
        if (!named.hasMatch() || prepared.images.size() >= maxImages)
            continue;
        const QUrl address = base.resolved(QUrl(named.captured(1)));
        // The page's images from the web only: never a file, never a resource of ours.
        if (!HttpFetch::isWebUrl(address))
            continue;
        prepared.html += QStringLiteral("<p align=\"center\"><img src=\"%1\"></p>")
                             .arg(imageName(int(prepared.images.size())));
        prepared.images.append(address);
    }
    prepared.html += html.mid(from);
    return prepared;
}

NewsPageView::NewsPageView(QWidget* parent) : QTextBrowser(parent)
{
    // A document that loads nothing by itself: images come only as the window fetched them.
    setDocument(new InertTextDocument(this));
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

NewsWindowController::NewsWindowController(QNetworkAccessManager& network,
                                           std::function<void(const News&)> markAsRead, HttpLimits limits,
                                           QWidget* parent)
    : QWidget(parent, Qt::Window), network(network), markAsRead(std::move(markAsRead)), limits(limits)
{
    setObjectName(QStringLiteral("NewsWindowController"));
    webView = new NewsPageView(this);
    progressIndicator = new QProgressBar(this);
    progressIndicator->setRange(0, 0); // busy
    progressIndicator->setTextVisible(false);
    progressIndicator->setMaximumHeight(6);
    openInBrowser = new QPushButton(tr("Open in &Browser"), this);
    openInBrowser->setAutoDefault(false);
    // Closed as every secondary window is.
    for (const QKeySequence& key : {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(progressIndicator);
    column->addWidget(webView, 1);
    column->addWidget(openInBrowser, 0, Qt::AlignRight);
    resize(640, 560);
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    connect(webView, &QTextBrowser::anchorClicked, this, &NewsWindowController::followLink);
    connect(openInBrowser, &QPushButton::clicked, this, [this] { followLink(current.pageUrl()); });
    LOG_INFO(QStringLiteral("News view loaded."));
    track(UsageEvent::showNews);
}

NewsWindowController::~NewsWindowController()
{
    LOG_INFO(QStringLiteral("Deinit"));
    track(UsageEvent::newsClosed);
}

void NewsWindowController::showWindow(const News& news)
{
    LOG_INFO(QStringLiteral("Show url: ") + news.url);
    current = news;
    setWindowTitle(news.title);
    openInBrowser->setVisible(news.pageUrl().isValid());
    webView->clear();
    show();
    raise();
    activateWindow();
    if (!pageViewReported) {
        pageViewReported = true;
        trackQualifiedClassName(QStringLiteral("NewsWindowController"));
    }
    load(news.pageUrl());
    if (markAsRead)
        markAsRead(news);
}

void NewsWindowController::load(const QUrl& url)
{
    const quint64 requested = ++page;
    if (!url.isValid()) {
        progressIndicator->hide();
        return;
    }
    progressIndicator->show();
    QPointer<NewsWindowController> weak(this);
    HttpFetch::get(network, url, limits, this, [weak, requested, url](const HttpResult& result) {
        if (!weak || weak->page != requested)
            return;
        weak->progressIndicator->hide();
        if (!result.succeeded()) {
            LOG_ERROR(QStringLiteral("Webview failed to laod url. url: ") + url.toString());
            track(UsageEvent::loadNewsUrlFailed);
            Q_EMIT weak->pageLoaded(false);
            return;
        }
        const PreparedPage prepared = preparePage(QString::fromUtf8(result.body), url);
        weak->webView->setHtml(prepared.html);
        weak->loadImages(prepared.images);
        LOG_INFO(QStringLiteral("Webview loaded successfully."));
        track(UsageEvent::newsUrlLoaded);
        Q_EMIT weak->pageLoaded(true);
    });
}

void NewsWindowController::loadImages(const QList<QUrl>& addresses)
{
    HttpLimits imageLimits = limits;
    imageLimits.maxBytes = maxImageBytes;
    for (int index = 0; index < addresses.size(); ++index) {
        QPointer<NewsWindowController> weak(this);
        const quint64 requested = page;
        HttpFetch::get(
            network, addresses[index], imageLimits, this, [weak, requested, index](const HttpResult& result) {
                if (!weak || weak->page != requested || !result.succeeded())
                    return;
                const int width =
                    weak->webView->viewport()->width() - 2 * int(weak->webView->document()->documentMargin());
                auto* decoding = new QFutureWatcher<QImage>(weak);
                connect(
                    decoding, &QFutureWatcher<QImage>::finished, weak, [weak, decoding, requested, index] {
                        decoding->deleteLater();
                        const QImage image = decoding->result();
                        if (weak->page != requested || image.isNull())
                            return;
                        QTextDocument* document = weak->webView->document();
                        document->addResource(QTextDocument::ImageResource, QUrl(imageName(index)), image);
                        // Lays the page out again with the picture in place.
                        document->markContentsDirty(0, document->characterCount());
                        Q_EMIT weak->imageShown(index);
                    });
                decoding->setFuture(QtConcurrent::run(decodeBounded, result.body, width));
            });
    }
}

void NewsWindowController::followLink(const QUrl& link)
{
    const QUrl address = current.pageUrl().resolved(link);
    // Only web pages, only after a click, only in the browser.
    if (!HttpFetch::isWebUrl(address)) {
        LOG_INFO(QStringLiteral("News link ignored: ") + address.scheme());
        return;
    }
    if (openUrl)
        openUrl(address);
}
