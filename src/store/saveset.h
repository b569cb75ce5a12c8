#pragma once

#include "store/filesystem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Saving a set of files so that the directory holds the complete old set or the complete
// new set, never a mix, whatever fails and wherever the process ends.
//
// Each new content goes to NAME.vemtor-ny, written and flushed. When all are complete a
// journal listing the set is written and renamed into place: that rename is the commit
// point. Then each old file is renamed to NAME.vemtor-gammal and its new file into its
// place, in the given order; the journal is removed when the last rename is on the disk,
// then the old files. A failure before the commit point removes what was written; a
// failure after it is undone at once. A process that ended midway leaves the journal,
// and the start-up check finishes the save (or undoes it) before anything else.
namespace store {

struct FileContent
{
    QString name;
    QByteArray bytes;
};

enum class SetOnDisk {
    New,         // saved
    Old,         // nothing changed
    Interrupted, // neither finished nor undone: the journal is left for the next start
};

struct SaveResult
{
    SetOnDisk onDisk = SetOnDisk::New;
    QString file; // the file whose step failed
    FsStep step = FsStep::Create;
    bool saved() const { return onDisk == SetOnDisk::New; }
};

// Saves the files in the given order. The journal lives in the directory of the first
// file (the start-up check looks in the current directory). A symbolic link is followed:
// its target is replaced.
SaveResult saveSet(const std::vector<FileContent> &files);

enum class Recovery { NothingPending, Finished, Undone, Failed };

struct RecoveryResult
{
    Recovery outcome = Recovery::NothingPending;
    QStringList files; // the set of the interrupted save
};

// Finishes (or, when that fails, undoes) a save in the current directory that a process
// left unfinished, then removes the temporary files a killed save left there.
RecoveryResult recoverInterruptedSave();

// The messages, for the window side to show.
QString saveFailureText(const SaveResult &result);
QString recoveryText(const RecoveryResult &result);

} // namespace store
