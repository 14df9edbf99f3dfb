// The remote posts list: strict decoding, then the HTML of every content to plain text.
#include "FuzzSupport.h"
#include "content/QuoteService.h"
#include "settings/Preferences.h"

#include <QDir>

#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzInitialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Preferences preferences(QDir::tempPath() + QStringLiteral("/mirelo-fuzz-preferences.json"));
    static QuoteService service(preferences);
    const QList<Quote> quotes = service.parseQuotesFromResponseData(fuzzBytes(data, size));
    for (const Quote& quote : quotes) {
        // Images leave nothing behind in the text.
        if (quote.content)
            fuzzRequire(!quote.content->rendered.contains(QChar::ObjectReplacementCharacter));
    }
    return 0;
}
