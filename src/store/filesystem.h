#pragma once

#include <QByteArray>
#include <QString>

// The file-system steps of a save, behind one interface so that tests can make any single
// step fail, or stop a save at a step as if the process had died there.
namespace store {

class FileSystem
{
public:
    virtual ~FileSystem() = default;
    // Opens name for writing, made empty (created when missing). -1 on failure.
    virtual int create(const QString &name) = 0;
    // Writes all of bytes; a short write is a failure.
    virtual bool write(int fd, const QByteArray &bytes) = 0;
    // Flushes the file's data to the disk.
    virtual bool flush(int fd) = 0;
    virtual bool close(int fd) = 0;
    virtual bool rename(const QString &from, const QString &to) = 0;
    // Makes the directory's entries (made, renamed, removed files) last on the disk.
    virtual bool syncDirectory(const QString &directory) = 0;
    virtual bool remove(const QString &name) = 0;
};

// The file system every save uses: the real one unless a test put its own in place.
FileSystem &fileSystem();
// nullptr puts the real one back.
void setFileSystem(FileSystem *replacement);

// POSIX calls, every result checked.
class RealFileSystem : public FileSystem
{
public:
    int create(const QString &name) override;
    bool write(int fd, const QByteArray &bytes) override;
    bool flush(int fd) override;
    bool close(int fd) override;
    bool rename(const QString &from, const QString &to) override;
    bool syncDirectory(const QString &directory) override;
    bool remove(const QString &name) override;
};

} // namespace store
