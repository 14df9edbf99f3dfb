// The news feed: a decoded feed keeps its order, and its page addresses are web addresses
// or nothing.
#include "FuzzSupport.h"
#include "content/HttpFetch.h"
#include "content/News.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzInitialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString error;
    const auto result = NewsResult::decode(fuzzBytes(data, size), &error);
    fuzzRequire(result.has_value() || !error.isEmpty());
    if (!result)
        return 0;
    for (const News& news : result->news) {
        const QUrl page = news.pageUrl();
        fuzzRequire(page.isEmpty() || HttpFetch::isWebUrl(page));
    }
    (void)result->description();
    return 0;
}
