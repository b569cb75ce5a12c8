#pragma once

#include "store/filesystem.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Data files held in memory in place of the disk, for what reads them (the loader): a name
// it holds reads as its bytes, any other cannot be read. Every other step is the real file
// system's. Installs itself for its lifetime.
class MemoryFiles : public store::RealFileSystem
{
public:
    explicit MemoryFiles(QMap<QString, QByteArray> held = {});
    ~MemoryFiles() override;
    MemoryFiles(const MemoryFiles &) = delete;
    MemoryFiles &operator=(const MemoryFiles &) = delete;

    std::optional<QByteArray> read(const QString &name) override;

    QMap<QString, QByteArray> files;
    QStringList asked; // every name read, in order
};
