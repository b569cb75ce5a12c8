#include "kit/memoryfiles.h"

MemoryFiles::MemoryFiles(QMap<QString, QByteArray> held) : files(std::move(held))
{
    store::setFileSystem(this);
}

MemoryFiles::~MemoryFiles()
{
    store::setFileSystem(nullptr);
}

std::optional<QByteArray> MemoryFiles::read(const QString &name)
{
    asked.append(name);
    const auto file = files.constFind(name);
    if (file == files.constEnd())
        return std::nullopt;
    return *file;
}
