#include "FaultyDisk.h"

#include <sqlite3.h>

namespace {

struct Layer
{
    sqlite3_vfs vfs{};
    sqlite3_vfs* base = nullptr;
    bool full = false;
    bool dead = false;
} layer;

// Our file, followed in memory by the real VFS's file.
struct File
{
    sqlite3_file file;
    sqlite3_file* real;
};

sqlite3_file* real(sqlite3_file* f)
{
    return reinterpret_cast<File*>(f)->real;
}
const sqlite3_io_methods& io(sqlite3_file* f)
{
    return *real(f)->pMethods;
}

int fileClose(sqlite3_file* f)
{
    return io(f).xClose(real(f));
}
int fileRead(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset)
{
    return io(f).xRead(real(f), buffer, amount, offset);
}
int fileWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset)
{
    if (layer.dead)
        return SQLITE_IOERR_WRITE;
    if (layer.full)
        return SQLITE_FULL;
    return io(f).xWrite(real(f), buffer, amount, offset);
}
int fileTruncate(sqlite3_file* f, sqlite3_int64 size)
{
    return layer.dead ? SQLITE_IOERR_TRUNCATE : io(f).xTruncate(real(f), size);
}
int fileSync(sqlite3_file* f, int flags)
{
    return layer.dead ? SQLITE_IOERR_FSYNC : io(f).xSync(real(f), flags);
}
int fileSize(sqlite3_file* f, sqlite3_int64* size)
{
    return io(f).xFileSize(real(f), size);
}
int fileLock(sqlite3_file* f, int level)
{
    return layer.dead ? SQLITE_IOERR_LOCK : io(f).xLock(real(f), level);
}
int fileUnlock(sqlite3_file* f, int level)
{
    return io(f).xUnlock(real(f), level);
}
int fileCheckReserved(sqlite3_file* f, int* out)
{
    return io(f).xCheckReservedLock(real(f), out);
}
int fileControl(sqlite3_file* f, int op, void* arg)
{
    return io(f).xFileControl(real(f), op, arg);
}
int fileSectorSize(sqlite3_file* f)
{
    return io(f).xSectorSize(real(f));
}
int fileCharacteristics(sqlite3_file* f)
{
    return io(f).xDeviceCharacteristics(real(f));
}
int fileShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out)
{
    return io(f).xShmMap(real(f), region, size, extend, out);
}
int fileShmLock(sqlite3_file* f, int offset, int n, int flags)
{
    return layer.dead ? SQLITE_IOERR_SHMLOCK : io(f).xShmLock(real(f), offset, n, flags);
}
void fileShmBarrier(sqlite3_file* f)
{
    io(f).xShmBarrier(real(f));
}
int fileShmUnmap(sqlite3_file* f, int deleteFlag)
{
    return io(f).xShmUnmap(real(f), deleteFlag);
}
int fileFetch(sqlite3_file* f, sqlite3_int64 offset, int amount, void** out)
{
    return io(f).xFetch(real(f), offset, amount, out);
}
int fileUnfetch(sqlite3_file* f, sqlite3_int64 offset, void* page)
{
    return io(f).xUnfetch(real(f), offset, page);
}

const sqlite3_io_methods methods = {
    3,
    fileClose,
    fileRead,
    fileWrite,
    fileTruncate,
    fileSync,
    fileSize,
    fileLock,
    fileUnlock,
    fileCheckReserved,
    fileControl,
    fileSectorSize,
    fileCharacteristics,
    fileShmMap,
    fileShmLock,
    fileShmBarrier,
    fileShmUnmap,
    fileFetch,
    fileUnfetch,
};

int vfsOpen(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags)
{
    auto* file = reinterpret_cast<File*>(f);
    file->real = reinterpret_cast<sqlite3_file*>(file + 1);
    file->real->pMethods = nullptr;
    const int rc = layer.base->xOpen(layer.base, name, file->real, flags, outFlags);
    // SQLite closes a file only when its methods are set: the real one's must be there too.
    f->pMethods = file->real->pMethods && file->real->pMethods->iVersion >= 3 ? &methods : nullptr;
    if (!f->pMethods && file->real->pMethods)
        file->real->pMethods->xClose(file->real);
    return f->pMethods || rc != SQLITE_OK ? rc : SQLITE_CANTOPEN;
}

} // namespace

namespace FaultyDisk {

void install()
{
    if (layer.base)
        return;
    layer.base = sqlite3_vfs_find("unix");
    layer.vfs = *layer.base;
    layer.vfs.pNext = nullptr;
    layer.vfs.zName = "mirelo-faulty-disk";
    layer.vfs.szOsFile = int(sizeof(File)) + layer.base->szOsFile;
    layer.vfs.xOpen = vfsOpen;
    sqlite3_vfs_register(&layer.vfs, 1);
}

void setFull(bool full)
{
    layer.full = full;
}

void setDead(bool dead)
{
    layer.dead = dead;
}

} // namespace FaultyDisk
