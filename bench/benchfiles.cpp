#include "benchfiles.h"

#include <QFile>

#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

QByteArray contentOf(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

void restore(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

void writeFlushRename(const QString &name, const QByteArray &bytes)
{
    const QByteArray temporary = QFile::encodeName(name + QStringLiteral(".tmp"));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, bytes.constData(), std::size_t(bytes.size())) != bytes.size() ||
        ::fdatasync(fd) != 0 || ::close(fd) != 0 ||
        ::rename(temporary.constData(), QFile::encodeName(name).constData()) != 0)
        std::abort();
}
