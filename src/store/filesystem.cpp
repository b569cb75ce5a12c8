#include "store/filesystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
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

std::optional<FileSystem::Kind> RealFileSystem::kindOf(const QString &name)
{
    struct stat status;
    if (::lstat(pathOf(name).constData(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? std::optional(Kind::Missing) : std::nullopt;
    if (S_ISREG(status.st_mode))
        return Kind::File;
    if (S_ISLNK(status.st_mode))
        return Kind::Link;
    return S_ISDIR(status.st_mode) ? Kind::Folder : Kind::Other;
}

std::optional<QString> RealFileSystem::linkTarget(const QString &link)
{
    char target[PATH_MAX];
    const ssize_t length = ::readlink(pathOf(link).constData(), target, sizeof target);
    if (length < 0 || length == ssize_t(sizeof target))
        return std::nullopt;
    const QString path = QFile::decodeName(QByteArray(target, length));
    return QDir::cleanPath(QDir(QFileInfo(link).absolutePath()).absoluteFilePath(path));
}

std::optional<bool> RealFileSystem::mayWrite(const QString &name)
{
    if (::access(pathOf(name).constData(), W_OK) == 0)
        return true;
    if (errno == EACCES || errno == EROFS || errno == EPERM || errno == ETXTBSY)
        return false;
    return std::nullopt;
}

std::optional<QStringList> RealFileSystem::entries(const QString &directory)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(pathOf(directory).constData()), ::closedir);
    if (!dir)
        return std::nullopt;
    QStringList names;
    errno = 0;
    while (const dirent *entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << QFile::decodeName(name);
    }
    if (errno != 0)
        return std::nullopt;
    return names;
}

std::optional<QByteArray> RealFileSystem::read(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

int RealFileSystem::create(const QString &name)
{
    int fd;
    do
        fd = ::open(pathOf(name).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}

bool RealFileSystem::takeAccess(int fd, const QString &from)
{
    struct stat status;
    if (::stat(pathOf(from).constData(), &status) != 0)
        return false;
    // A group the user does not belong to cannot be given; the file then keeps the user's. The
    // bits come after the group, which may clear some of them.
    [[maybe_unused]] const int grouped = ::fchown(fd, uid_t(-1), status.st_gid);
    return ::fchmod(fd, status.st_mode & 07777) == 0;
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
