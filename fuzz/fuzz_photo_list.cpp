// The photo service's list: only http(s) photos with an author come out, each named by the
// MD5 of its address.
#include "FuzzSupport.h"
#include "content/HttpFetch.h"
#include "content/WallPaper.h"
#include "settings/DataFolder.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzInitialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const PhotoList list = PhotoList::parse(fuzzBytes(data, size));
    if (list.status != PhotoList::Status::parsed) {
        fuzzRequire(list.photos.isEmpty());
        return 0;
    }
    fuzzRequire(list.photos.size() + list.skipped.size() == list.elementCount);
    for (const WallPaper& photo : list.photos) {
        fuzzRequire(HttpFetch::isWebUrl(QUrl(photo.url, QUrl::StrictMode)));
        fuzzRequire(photo.urlHash == md5(photo.url) && photo.urlHash.size() == 32);
    }
    return 0;
}
