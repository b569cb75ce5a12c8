#include "store/folderlock.h"

#include <QDir>

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
    return m_file.error() == QLockFile::LockFailedError ? Taken::HeldByAnotherCopy : Taken::NotPossible;
}

} // namespace store
