#include "store/filesystem.h"

#include <QFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace store {

namespace {

FileSystem *g_replacement = nullptr;

QByteArray pathOf(const QString &name)
{
    return QFile::encodeName(name);
}

} // namespace

FileSystem &fileSystem()
{
    static RealFileSystem real;
    return g_replacement ? *g_replacement : real;
}

void setFileSystem(FileSystem *replacement)
{
    g_replacement = replacement;
}

int RealFileSystem::create(const QString &name)
{
    int fd;
    do
        fd = ::open(pathOf(name).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}

bool RealFileSystem::write(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

bool RealFileSystem::flush(int fd)
{
    return ::fdatasync(fd) == 0;
}

bool RealFileSystem::close(int fd)
{
    // After a close that fails the descriptor is gone all the same; it is never retried.
    return ::close(fd) == 0;
}

bool RealFileSystem::rename(const QString &from, const QString &to)
{
    return std::rename(pathOf(from).constData(), pathOf(to).constData()) == 0;
}

bool RealFileSystem::syncDirectory(const QString &directory)
{
    const int fd = ::open(pathOf(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

bool RealFileSystem::remove(const QString &name)
{
    return ::unlink(pathOf(name).constData()) == 0;
}

} // namespace store
