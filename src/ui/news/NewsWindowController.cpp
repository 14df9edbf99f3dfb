#include "news/NewsWindowController.h"

#include "content/UntrustedHtml.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "widgets/Localizable.h"

#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

constexpr int maxImages = 12;

} // namespace

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
    openInBrowser = new QLabel(this);
    openInBrowser->setTextFormat(Qt::RichText);
    openInBrowser->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    openInBrowser->setOpenExternalLinks(false);
    auto* column = new QVBoxLayout(this);
    column->addWidget(progressIndicator);
    column->addWidget(webView, 1);
    column->addWidget(openInBrowser, 0, Qt::AlignRight);
    resize(640, 560);
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    connect(webView, &QTextBrowser::anchorClicked, this, &NewsWindowController::followLink);
    connect(openInBrowser, &QLabel::linkActivated, this, [this] { followLink(current.pageUrl()); });
    LOG_INFO(QStringLiteral("News view loaded."));
    track(MREvent::showNews);
}

NewsWindowController::~NewsWindowController()
{
    LOG_INFO(QStringLiteral("Deinit"));
    track(MREvent::newsClosed);
}

void NewsWindowController::showWindow(const News& news)
{
    LOG_INFO(QStringLiteral("Show url: ") + news.url);
    current = news;
    setWindowTitle(news.title);
    // Shown as text, whatever the title holds.
    openInBrowser->setText(
        QStringLiteral("<a href=\"open\">%1</a>").arg(Localizable::text("Open in browser").toHtmlEscaped()));
    openInBrowser->setVisible(news.pageUrl().isValid());
    webView->clear();
    show();
    raise();
    activateWindow();
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
            track(MREvent::loadNewsUrlFailed);
            Q_EMIT weak->pageLoaded(false);
            return;
        }
        const QString html = QString::fromUtf8(result.body);
        weak->webView->setHtml(html);
        weak->loadImages(html, url);
        LOG_INFO(QStringLiteral("Webview loaded successfully."));
        track(MREvent::newsUrlLoaded);
        Q_EMIT weak->pageLoaded(true);
    });
}

void NewsWindowController::loadImages(const QString& html, const QUrl& base)
{
    static const QRegularExpression source(QStringLiteral("<img[^>]*\\ssrc\\s*=\\s*[\"']([^\"']+)[\"']"),
                                           QRegularExpression::CaseInsensitiveOption);
    int fetched = 0;
    auto matches = source.globalMatch(html);
    while (matches.hasNext() && fetched < maxImages) {
        const QString written = matches.next().captured(1);
        const QUrl address = base.resolved(QUrl(written));
        // The page's images from the web only: never a file, never a resource of ours.
        if (!HttpFetch::isWebUrl(address))
            continue;
        ++fetched;
        QPointer<NewsWindowController> weak(this);
        const quint64 requested = page;
        HttpFetch::get(network, address, limits, this, [weak, requested, written](const HttpResult& result) {
            if (!weak || weak->page != requested || !result.succeeded())
                return;
            QImage image;
            if (!image.loadFromData(result.body))
                return;
            QTextDocument* document = weak->webView->document();
            document->addResource(QTextDocument::ImageResource, QUrl(written), image);
            // Lays the page out again with the picture in place.
            document->markContentsDirty(0, document->characterCount());
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
