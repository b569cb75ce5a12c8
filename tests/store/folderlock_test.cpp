#include "store/folderlock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Taken = store::FolderLock::Taken;

TEST(FolderLock, OneHolderPerFolderAndAnotherFolderIsFree)
{
    QTemporaryDir one;
    QTemporaryDir other;
    store::FolderLock first(one.path());
    ASSERT_EQ(first.take(), Taken::Held);
    store::FolderLock second(one.path());
    EXPECT_EQ(second.take(), Taken::HeldByAnotherCopy);
    store::FolderLock elsewhere(other.path());
    EXPECT_EQ(elsewhere.take(), Taken::Held);
}

// A lock file that names no holder, as a copy leaves it when it ends between making the file
// and writing to it (killed, or the power cut), does not block; one that a live copy holds
// open does, whatever it holds.
TEST(FolderLock, ALockFileWithoutItsHolderIsTakenOverUnlessAHolderHasItOpen)
{
    QTemporaryDir folder;
    const QString lockFile = QDir(folder.path()).filePath(QString::fromUtf16(store::kFolderLockName));
    for (const QByteArray &left : {QByteArray(), QByteArray("not a lock\n")}) {
        SCOPED_TRACE(left.toStdString());
        QFile file(lockFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(left), left.size());
        file.close();
        store::FolderLock next(folder.path());
        EXPECT_EQ(next.take(), Taken::Held);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
                  QStringList{QString::fromUtf16(store::kFolderLockName)});
    }

    store::FolderLock holder(folder.path());
    ASSERT_EQ(holder.take(), Taken::Held);
    ASSERT_TRUE(QFile::resize(lockFile, 0));
    store::FolderLock second(folder.path());
    EXPECT_EQ(second.take(), Taken::HeldByAnotherCopy);
}

// What holds the lock file's name and cannot be a lock file is never taken for a running copy;
// a folder where no lock file can be made is told apart from one that another copy holds.
TEST(FolderLock, ANameThatCannotBeALockFileIsUnusableAndAMissingFolderTakesNone)
{
    QTemporaryDir folder;
    const QString lockFile = QDir(folder.path()).filePath(QString::fromUtf16(store::kFolderLockName));
    ASSERT_TRUE(QDir().mkdir(lockFile));
    EXPECT_EQ(store::FolderLock(folder.path()).take(), Taken::Unusable);
    ASSERT_TRUE(QDir().rmdir(lockFile));
    ASSERT_TRUE(QFile::link(QDir(folder.path()).filePath(QStringLiteral("nowhere")), lockFile));
    EXPECT_EQ(store::FolderLock(folder.path()).take(), Taken::Unusable);
    EXPECT_EQ(store::FolderLock(QDir(folder.path()).filePath(QStringLiteral("no such folder"))).take(),
              Taken::NotMade);
}

// Another process holds the folder until it is killed; the lock it leaves does not block.
TEST(FolderLock, AnotherProcessHoldsTheFolderUntilItIsKilled)
{
    QTemporaryDir folder;
    int held[2];
    int never[2];
    ASSERT_EQ(::pipe(held), 0);
    ASSERT_EQ(::pipe(never), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        store::FolderLock lock(folder.path());
        const char taken = lock.take() == Taken::Held ? 'y' : 'n';
        [[maybe_unused]] const ssize_t told = ::write(held[1], &taken, 1);
        char wait;
        [[maybe_unused]] const ssize_t read = ::read(never[0], &wait, 1); // until killed
        ::_exit(0);
    }
    char taken = 0;
    ASSERT_EQ(::read(held[0], &taken, 1), 1);
    ASSERT_EQ(taken, 'y');
    store::FolderLock mine(folder.path());
    EXPECT_EQ(mine.take(), Taken::HeldByAnotherCopy);

    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(mine.take(), Taken::Held);
    for (const int fd : {held[0], held[1], never[0], never[1]})
        ::close(fd);
}

} // namespace
