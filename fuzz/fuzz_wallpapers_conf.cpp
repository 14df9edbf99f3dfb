// "wallpapers.conf": whatever is read back is written and read back unchanged.
#include "FuzzSupport.h"
#include "content/WallPaper.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzInitialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto conf = WallpaperConf::fromJson(fuzzBytes(data, size));
    if (conf)
        fuzzRequire(WallpaperConf::fromJson(conf->toJson()) == conf);
    return 0;
}
