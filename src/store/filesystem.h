#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Every file-system step of a save, of the start-up recovery and of the sweep of helper
// files, behind one interface, so that a test can make any single step fail, or stop a save
// at a step as if the process had died there. A question the file system cannot answer
// gives nothing, and the caller treats it as a failed step.
namespace store {

class FileSystem
{
public:
    // What a name is, the name itself (a symbolic link is not followed).
    enum class Kind { Missing, File, Link, Folder, Other };

    virtual ~FileSystem() = default;

    virtual std::optional<Kind> kindOf(const QString &name) = 0;
    // The absolute path a symbolic link points to.
    virtual std::optional<QString> linkTarget(const QString &link) = 0;
    // Whether this user may write the file (a link is followed), as the system's access check says.
    virtual std::optional<bool> mayWrite(const QString &name) = 0;
    // The names in a directory, hidden ones too.
    virtual std::optional<QStringList> entries(const QString &directory) = 0;
    virtual std::optional<QByteArray> read(const QString &name) = 0;

    // Opens name for writing, made empty (created when missing), never through a symbolic
    // link. -1 on failure.
    virtual int create(const QString &name) = 0;
    // Gives the open file the permission bits of `from`, and its group where this user may.
    virtual bool takeAccess(int fd, const QString &from) = 0;
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
    std::optional<Kind> kindOf(const QString &name) override;
    std::optional<QString> linkTarget(const QString &link) override;
    std::optional<bool> mayWrite(const QString &name) override;
    std::optional<QStringList> entries(const QString &directory) override;
    std::optional<QByteArray> read(const QString &name) override;
    int create(const QString &name) override;
    bool takeAccess(int fd, const QString &from) override;
    bool write(int fd, const QByteArray &bytes) override;
    bool flush(int fd) override;
    bool close(int fd) override;
    bool rename(const QString &from, const QString &to) override;
    bool syncDirectory(const QString &directory) override;
    bool remove(const QString &name) override;
};

} // namespace store
