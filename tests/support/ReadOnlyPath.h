#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

// Makes a file or folder unwritable, for root too, until destroyed or release()d: root ignores
// permissions, not the immutable flag (ext4, tmpfs on newer kernels). Others get the permission
// bits taken away. active() is false where neither works.
class ReadOnlyPath
{
public:
    explicit ReadOnlyPath(QString path) : path(std::move(path))
    {
        if (::geteuid() == 0) {
            immutable = setImmutable(true);
            return;
        }
        permissions = QFile::permissions(this->path);
        bitsTaken = QFile::setPermissions(this->path, permissions & ~(QFile::WriteOwner | QFile::WriteUser |
                                                                      QFile::WriteGroup | QFile::WriteOther));
    }
    ~ReadOnlyPath() { release(); }
    ReadOnlyPath(const ReadOnlyPath&) = delete;
    ReadOnlyPath& operator=(const ReadOnlyPath&) = delete;

    bool active() const { return immutable || bitsTaken; }

    void release()
    {
        if (immutable)
            immutable = !setImmutable(false);
        if (bitsTaken)
            bitsTaken = !QFile::setPermissions(path, permissions);
    }

private:
    bool setImmutable(bool on) const
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }

    QString path;
    QFile::Permissions permissions;
    bool immutable = false;
    bool bitsTaken = false;
};
