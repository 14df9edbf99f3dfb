#include "content/QuoteService.h"
#include "ContentTestSupport.h"
#include "settings/DataFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QSignalSpy>

namespace {
const QString postsPath = QStringLiteral("/wp-json/wp/v2/posts/");
} // namespace

class QuoteServiceTest : public ContentFixture
{
protected:
    QuoteService& service()
    {
        if (!instance)
            instance = std::make_unique<QuoteService>(*prefs, nullptr, quickLimits());
        return *instance;
    }
    void setType(int type) { prefs->setValue(PreferKey::QuotesType, type); }
    QString quotesFile() const { return dataFolder() + QStringLiteral("/quotes.json"); }
    bool fetched()
    {
        QSignalSpy spy(&service(), &QuoteService::quotesFetched);
        return spy.wait(5000);
    }

    std::unique_ptr<QuoteService> instance;
};

TEST_F(QuoteServiceTest, StoredTypeOutsideTheRangeIsDisabled)
{
    for (int stored : {7, -1}) {
        setType(stored);
        log().clear();
        EXPECT_FALSE(service().quotesEnabled()) << stored;
        service().setup();
        EXPECT_TRUE(log().containsAt(Log::Level::info, QStringLiteral("Quotes type: disabled")));
        EXPECT_TRUE(log().contains(QStringLiteral("Quotes disabled. Nothing to do.")));
    }
    EXPECT_EQ(server->requests().size(), 0u);
}

TEST_F(QuoteServiceTest, CustomLinesKeepTheirBlanksAndAreSavedAsAJsonArray)
{
    service().updateCustomQuotes(QStringLiteral("  \n\nA\n \t\nB  "));
    ASSERT_EQ(service().quotes().size(), 2);
    EXPECT_EQ(service().quotes()[0].content->rendered, QStringLiteral("A"));
    EXPECT_EQ(service().quotes()[1].content->rendered, QStringLiteral("B  "));
    EXPECT_TRUE(log().contains(QStringLiteral("custom quotes count: 12")));
    EXPECT_TRUE(log().contains(QStringLiteral("custom quotes count: 2")));
    EXPECT_TRUE(log().contains(QStringLiteral("Successfully saved to file.")));

    const QJsonArray stored = QJsonDocument::fromJson(readFile(quotesFile())).array();
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(
        stored[1].toObject()[QStringLiteral("content")].toObject()[QStringLiteral("rendered")].toString(),
        QStringLiteral("B  "));
    EXPECT_EQ(stored[1].toObject()[QStringLiteral("title")].toObject()[QStringLiteral("rendered")].toString(),
              QString());
    EXPECT_EQ(stored[1].toObject()[QStringLiteral("date")].toString(), QString());
    EXPECT_EQ(service().customQuotesString(), QStringLiteral("A\nB  "));

    service().updateCustomQuotes(QString());
    EXPECT_TRUE(service().quotes().isEmpty());
    EXPECT_EQ(readFile(quotesFile()), QByteArray("[]"));
    // Written aside and renamed: no leftovers next to the file.
    EXPECT_EQ(QDir(dataFolder()).entryList({QStringLiteral("quotes.json*")}, QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("quotes.json")});
}

TEST_F(QuoteServiceTest, QuotesCycleInOrderAndAShorterListStartsOver)
{
    service().updateCustomQuotes(QStringLiteral("one\ntwo\nthree"));
    QStringList served;
    for (int i = 0; i < 4; ++i)
        served << service().nextQuote().value_or(QStringLiteral("none"));
    EXPECT_EQ(served, (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                                   QStringLiteral("one")}));

    QStringList ten;
    for (int i = 0; i < 10; ++i)
        ten << QStringLiteral("q%1").arg(i);
    service().updateCustomQuotes(ten.join(QLatin1Char('\n')));
    while (service().index() < 5)
        service().nextQuote();
    writeFile(quotesFile(),
              R"([{"content":{"rendered":"x"}},{"content":{"rendered":"y"}},{"content":{"rendered":"z"}}])");
    service().loadCustomQuotes();
    const auto next = service().nextQuote();
    ASSERT_TRUE(next);
    EXPECT_TRUE(QStringList({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}).contains(*next));
    EXPECT_EQ(next, service().quotes()[0].content->rendered);
    EXPECT_EQ(service().index(), 1);
}

TEST_F(QuoteServiceTest, EmptyCustomListReloadsFromTheFileForTheNextCall)
{
    setType(3);
    EXPECT_EQ(service().customQuotesString(), QString());
    EXPECT_TRUE(log().contains(QStringLiteral("Quotes.json not exists.")));

    EXPECT_FALSE(service().nextQuote());
    EXPECT_TRUE(log().contains(QStringLiteral("Quotes count == 0, reload from file.")));
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Failed to read quotes file. err: ")));

    writeFile(quotesFile(), R"([{"title":{"rendered":""},"content":{"rendered":"Breathe."},"date":""}])");
    EXPECT_FALSE(service().nextQuote());
    EXPECT_EQ(service().nextQuote(), QStringLiteral("Breathe."));
    EXPECT_EQ(tracker->names().count(QStringLiteral("loadCustomQuotes")), 2);
}

TEST_F(QuoteServiceTest, HandEditedFilesAreReadLeniently)
{
    setType(3);
    struct Case
    {
        QByteArray file;
        QStringList contents; // "-" for a quote without content
    };
    const std::vector<Case> cases{
        {"garbage{", {}},
        {R"({"content":{"rendered":"not a list"}})", {}},
        {R"([{"content":{"rendered":"trunc)", {}},
        {R"([1, "text", null, {"content":{"rendered":"kept"}}, {"content":null}, {"content":{"rendered":5}},
            {"title":7, "content":{"rendered":"also kept"}, "date":{}}])",
         {QStringLiteral("kept"), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("also kept")}},
    };
    for (const Case& c : cases) {
        writeFile(quotesFile(), c.file);
        QStringList lines = service().customQuotesString().split(QLatin1Char('\n'));
        if (c.contents.isEmpty()) {
            EXPECT_EQ(service().customQuotesString(), QString()) << c.file.toStdString();
            continue;
        }
        for (QString& line : lines)
            line = line.isEmpty() ? QStringLiteral("-") : line;
        EXPECT_EQ(lines, c.contents) << c.file.toStdString();
    }
    // A held quote without content is served as no quote, and the cycle goes on.
    writeFile(quotesFile(), R"([{"content":null},{"content":null}])");
    service().loadCustomQuotes();
    EXPECT_FALSE(service().nextQuote());
    EXPECT_FALSE(service().nextQuote());
    EXPECT_FALSE(service().nextQuote());
}

TEST_F(QuoteServiceTest, BuiltInCollectionHasManyShortQuotesSignedByTheirAuthorsOrNone)
{
    setType(2);
    service().setup();
    EXPECT_TRUE(log().contains(QStringLiteral("Loading velmoro quotes from file…")));
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("loadVelmoroQuotes")));
    const QList<Quote>& quotes = service().quotes();
    ASSERT_GE(quotes.size(), 150);
    EXPECT_TRUE(
        log().contains(QStringLiteral("velmoro quotes loaded. Count: ") + QString::number(quotes.size())));
    QSet<QString> distinct;
    for (const Quote& quote : quotes) {
        ASSERT_TRUE(quote.content);
        const QString text = quote.content->rendered;
        distinct.insert(text);
        EXPECT_LE(text.size(), 260) << text.toStdString();
        // An author, where one is known, follows an em dash; a saying of no one's is unsigned,
        // never signed by the program.
        const QStringList parts = text.split(QStringLiteral(" \u2014 "));
        EXPECT_LE(parts.size(), 2) << text.toStdString();
        if (parts.size() == 2) {
            EXPECT_FALSE(parts[1].trimmed().isEmpty()) << text.toStdString();
            EXPECT_NE(parts[1].trimmed(), QStringLiteral("Mirelo")) << text.toStdString();
        }
    }
    EXPECT_EQ(distinct.size(), quotes.size());
}

TEST_F(QuoteServiceTest, RemotePostsAreServedAsPlainText)
{
    server->route(
        postsPath,
        LoopbackHttpServer::Response::json(
            R"([{"title":{"rendered":"T"},"content":{"rendered":"<p>Less is <em>more</em> &amp; calm&#8230;<img src=\"/etc/x.png\"></p>\n"},"date":"2024-01-02T03:04:05"},
                                     {"content":{"rendered":"<ul><li>one</li><li>two</li></ul>"}},
                                     {"title":{"rendered":"no content"}}])"));
    setType(1);
    service().setup();
    EXPECT_TRUE(log().contains(QStringLiteral("Try updating quotes…")));
    EXPECT_TRUE(log().contains(QStringLiteral("Requesting new quotes…")));
    EXPECT_TRUE(service().isRequesting());
    ASSERT_TRUE(fetched());

    ASSERT_EQ(server->requests().size(), 1u);
    EXPECT_EQ(server->requests()[0].method, QByteArray("GET"));
    EXPECT_EQ(server->requests()[0].target, QByteArray("/wp-json/wp/v2/posts/?orderby=rand"));
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("fetchQuotesOnDesign")));
    EXPECT_FALSE(service().isRequesting());

    ASSERT_EQ(service().quotes().size(), 3);
    EXPECT_EQ(service().nextQuote(), QStringLiteral("Less is more & calm\u2026"));
    EXPECT_EQ(service().quotes()[0].title->rendered, QStringLiteral("T"));
    EXPECT_EQ(service().quotes()[1].title, QuoteTitle{QString()});
    EXPECT_EQ(service().quotes()[1].date, QString());
    const QString list = service().nextQuote().value_or(QString());
    EXPECT_TRUE(list.contains(QStringLiteral("one")) && list.contains(QStringLiteral("two")));
    EXPECT_FALSE(list.contains(QLatin1Char('<')));
    EXPECT_FALSE(service().nextQuote()); // passes through without content
    EXPECT_TRUE(log().contains(QStringLiteral("quotes: 3")));
    // Fetched quotes live in memory only.
    EXPECT_FALSE(QFileInfo::exists(quotesFile()));
}

TEST_F(QuoteServiceTest, AnErrorPageFailsToDecodeAndTheNextBreakAsksAgain)
{
    server->route(
        postsPath,
        {LoopbackHttpServer::Response::json(R"([{"content":{"rendered":"<p>Not found</p>"}}])", 404),
         LoopbackHttpServer::Response::text("<html><body>Oops</body></html>", "text/html"),
         LoopbackHttpServer::Response::json(R"([{"content":{"rendered":"<p>Back</p>"}}])")});
    setType(1);
    // An error status is no quote list, even one that decodes.
    service().fetchQuotesFromQuotesDesignIfNeed();
    ASSERT_TRUE(fetched());
    EXPECT_TRUE(log().contains(QStringLiteral("Error: HTTP status 404")));
    EXPECT_TRUE(service().quotes().isEmpty());
    service().fetchQuotesFromQuotesDesignIfNeed();
    ASSERT_TRUE(fetched());
    EXPECT_TRUE(log().anyStartsWith(QStringLiteral("Failed to decode json data. Err: ")));
    EXPECT_TRUE(log().contains(QStringLiteral("Empty quote.")));
    EXPECT_TRUE(tracker->names().contains(QStringLiteral("failedToParseQuote")));
    EXPECT_TRUE(service().quotes().isEmpty());
    EXPECT_FALSE(service().isRequesting());

    // Meanwhile the break shows a built-in quote, not none.
    const auto meanwhile = service().nextQuote();
    ASSERT_TRUE(meanwhile);
    EXPECT_FALSE(meanwhile->isEmpty());
    EXPECT_NE(*meanwhile, QStringLiteral("Back"));
    EXPECT_TRUE(log().contains(QStringLiteral("Quotes count == 0, will fetch new quotes.")));
    ASSERT_TRUE(fetched());
    EXPECT_EQ(service().nextQuote(), QStringLiteral("Back"));
    EXPECT_EQ(server->requestCount(postsPath), 3);
}

TEST_F(QuoteServiceTest, StrictDecodingRejectsTheWholeBody)
{
    struct Case
    {
        QByteArray body;
        bool accepted;
    };
    const std::vector<Case> cases{
        {"", false},
        {"[]", true},
        {R"([{"title":null,"content":null,"date":null}])", true},
        {R"([{"title":{},"content":{"rendered":"a"}}])", false},
        {R"([{"content":{"rendered":1}}])", false},
        {R"([{"content":"plain"}])", false},
        {R"([{"date":5}])", false},
        {R"([{"content":{"rendered":"a"}}, 3])", false},
        {R"({"content":{"rendered":"a"}})", false},
        {R"("just text")", false},
        {"[{\"content\":{\"rendered\":\"a\"}}", false},
    };
    for (const Case& c : cases) {
        tracker = RecordingUsageTracker::install();
        const QList<Quote> quotes = service().parseQuotesFromResponseData(c.body);
        EXPECT_EQ(tracker->names().contains(QStringLiteral("failedToParseQuote")),
                  !c.accepted && !c.body.isEmpty())
            << c.body.toStdString();
        if (!c.accepted) {
            EXPECT_TRUE(quotes.isEmpty()) << c.body.toStdString();
        }
    }
    EXPECT_TRUE(log().contains(QStringLiteral("Invalid response data. len: 0")));
}

TEST_F(QuoteServiceTest, OnlyOneRequestIsInFlight)
{
    LoopbackHttpServer::Response held =
        LoopbackHttpServer::Response::json(R"([{"content":{"rendered":"x"}}])");
    held.held = true;
    server->route(postsPath, held);
    service().fetchQuotesFromQuotesDesignIfNeed();
    ASSERT_TRUE(server->waitForRequests(postsPath, 1));
    log().clear();
    service().fetchQuotesFromQuotesDesignIfNeed();
    EXPECT_TRUE(log().contains(QStringLiteral("Already fetching…")));
    server->releaseHeld();
    ASSERT_TRUE(fetched());
    EXPECT_EQ(server->requestCount(postsPath), 1);
    // Held quotes are not replaced by a fetch.
    service().fetchQuotesFromQuotesDesignIfNeed();
    EXPECT_EQ(server->requestCount(postsPath), 1);
}

TEST_F(QuoteServiceTest, OversizedAndRefusedAnswersLeaveTheQuotesAlone)
{
    LoopbackHttpServer::Response endless;
    endless.mode = LoopbackHttpServer::Response::Mode::endless;
    server->route(postsPath, endless);
    service().fetchQuotesFromQuotesDesignIfNeed();
    ASSERT_TRUE(fetched());
    EXPECT_TRUE(log().contains(QStringLiteral("Error: response body exceeds 65536 bytes")));
    EXPECT_TRUE(service().quotes().isEmpty());
    EXPECT_FALSE(service().isRequesting());

    // A base address that is not a web address is never requested.
    prefs->setValue(EndpointKey::quotes, QStringLiteral("file:///etc"));
    QuoteService local(*prefs);
    QSignalSpy spy(&local, &QuoteService::quotesFetched);
    local.fetchQuotesFromQuotesDesignIfNeed();
    ASSERT_TRUE(spy.wait(2000));
    EXPECT_TRUE(log().anyContains(QStringLiteral("not an http(s) address")));
    EXPECT_TRUE(local.quotes().isEmpty());
}

TEST_F(QuoteServiceTest, ServiceGoneBeforeTheAnswerIsNotTouched)
{
    LoopbackHttpServer::Response late =
        LoopbackHttpServer::Response::json(R"([{"content":{"rendered":"x"}}])");
    late.delayMs = 50;
    server->route(postsPath, late);
    service().fetchQuotesFromQuotesDesignIfNeed();
    ASSERT_TRUE(server->waitForRequests(postsPath, 1));
    instance.reset();
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
    SUCCEED();
}
