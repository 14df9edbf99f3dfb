// "quotes.json": the lenient reader never fails, and what it reads survives a save.
#include "FuzzSupport.h"
#include "content/Quote.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzInitialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<Quote> quotes = QuoteCoding::decodeLenient(fuzzBytes(data, size));
    fuzzRequire(QuoteCoding::decodeLenient(QuoteCoding::encode(quotes)) == quotes);
    return 0;
}
