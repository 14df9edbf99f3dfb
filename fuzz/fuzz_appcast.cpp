// The update feed: any bytes either parse or give a reason; versions order consistently.
#include "FuzzSupport.h"
#include "update/Appcast.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzInitialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString error;
    const auto appcast = Appcast::parse(fuzzBytes(data, size), &error);
    fuzzRequire(appcast.has_value() || !error.isEmpty());
    if (!appcast)
        return 0;
    const auto newest = appcast->newestItem();
    fuzzRequire(newest.has_value() == !appcast->items.isEmpty());
    for (const AppcastItem& item : appcast->items) {
        fuzzRequire(!item.version.isEmpty());
        fuzzRequire(compareVersions(item.version, newest->version) <= 0);
        fuzzRequire(compareVersions(newest->version, item.version) >= 0);
        fuzzRequire(compareVersions(item.version, item.version) == 0);
    }
    (void)appcast->description();
    return 0;
}
