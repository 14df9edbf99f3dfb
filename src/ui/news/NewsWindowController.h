#pragma once

#include "content/HttpFetch.h"
#include "content/News.h"

#include <QTextBrowser>
#include <QWidget>

#include <functional>

class QNetworkAccessManager;
class QPushButton;
class QProgressBar;

// The announcement's page as text and the page's own web images, nothing else: the markup
// loads no style sheet, no local file and no qrc: resource, and a link does nothing inside
// the view.
class NewsPageView : public QTextBrowser
{
    Q_OBJECT
public:
    explicit NewsPageView(QWidget* parent = nullptr);
};

// The news window: shows an unread announcement's page, fetched with the same limits as
// every other fetch (60 s at most), and marks the announcement read when it opens.
class NewsWindowController : public QWidget
{
    Q_OBJECT
public:
    NewsWindowController(QNetworkAccessManager& network, std::function<void(const News&)> markAsRead,
                         HttpLimits limits = {4 * 1024 * 1024, std::chrono::milliseconds{60'000},
                                              std::chrono::milliseconds{60'000}},
                         QWidget* parent = nullptr);
    ~NewsWindowController() override;

    void showWindow(const News& news);

    NewsPageView* webView = nullptr;
    QProgressBar* progressIndicator = nullptr;
    QPushButton* openInBrowser = nullptr;
    // Opens an address in the desktop's browser; the default asks the desktop.
    std::function<void(const QUrl&)> openUrl;

Q_SIGNALS:
    void pageLoaded(bool ok);
    // The page's index-th picture arrived, was decoded and is in place.
    void imageShown(int index);

private:
    void load(const QUrl& url);
    struct PreparedPage
    {
        QString html;
        // The web pictures shown, in order; the markup names them "news-image:<index>".
        QList<QUrl> images;
    };
    static PreparedPage preparePage(const QString& html, const QUrl& base);
    void loadImages(const QList<QUrl>& addresses);
    void followLink(const QUrl& link);

    QNetworkAccessManager& network;
    std::function<void(const News&)> markAsRead;
    HttpLimits limits;
    News current;
    // Counts pages, so that an answer for an earlier page never lands on the next one.
    quint64 page = 0;
    bool pageViewReported = false;
};
