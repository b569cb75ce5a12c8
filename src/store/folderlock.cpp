#include "store/folderlock.h"

#include <QDir>
#include <QFileInfo>

namespace store {

FolderLock::FolderLock(const QString &directory)
    : m_file(QDir(directory).filePath(QString::fromUtf16(kFolderLockName)))
{
    // A lock is stale only when the copy that holds it has ended: a copy that runs for hours
    // keeps its folder.
    m_file.setStaleLockTime(0);
}

FolderLock::Taken FolderLock::take()
{
    if (m_file.tryLock(0))
        return Taken::Held;
    switch (m_file.error()) {
    case QLockFile::NoError:
    case QLockFile::LockFailedError:
        break;
    case QLockFile::PermissionError:
        return Taken::FolderNotWritable;
    case QLockFile::UnknownError:
        return Taken::NotMade;
    }
    // Only a file can hold a copy's name; what else holds the lock file's name blocks every start
    // until it is removed, and is never taken for a running copy.
    const QFileInfo lock(m_file.fileName());
    if (lock.isSymLink() || !lock.isFile())
        return Taken::Unusable;
    // A lock file that names no holder was left by a copy that ended before it wrote its name
    // there (killed, or the power cut), and no age makes it stale. It is removed unless a
    // live copy still holds it open, which the removal checks; one starting copy at a time
    // looks, as Qt does for its own stale locks, so none removes the lock another just took.
    const auto namesNoHolder = [this] { return !m_file.getLockInfo(nullptr, nullptr, nullptr); };
    if (namesNoHolder()) {
        QLockFile removing(m_file.fileName() + QStringLiteral(".rmlock"));
        if (removing.tryLock(0) && namesNoHolder()) {
            m_file.removeStaleLockFile();
            if (m_file.tryLock(0))
                return Taken::Held;
        }
    }
    return Taken::HeldByAnotherCopy;
}

} // namespace store
