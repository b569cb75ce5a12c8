#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The start-up recovery of saves (saveset.h): a save that a process left unfinished is
// finished, or undone, before anything else, and the helper files that killed saves left
// are removed. It runs only while the program holds its data folder (folderlock.h), so it
// never takes a live save of another copy for an interrupted one; beside a linked data
// file's target, in another folder, it removes helper files only while it holds that folder
// too and no save waits there.
namespace store {

enum class Recovery {
    NothingPending,
    Finished,
    Undone,
    FilesLost, // undone, but a file of the set is gone: neither in place nor kept as its old file
    Failed,     // neither finished nor undone: the journal stays
    CannotTell, // the file system could not say whether a save waits
};

// A file of an interrupted save that is gone, and where the records it was to be saved with
// are kept (empty: nowhere).
struct LostFile
{
    QString file;
    QString keptAs;
    friend bool operator==(const LostFile &, const LostFile &) = default;
};

struct RecoveryResult
{
    Recovery outcome = Recovery::NothingPending;
    QStringList files;          // the set of the interrupted save
    std::vector<LostFile> lost; // FilesLost
    QStringList restored;       // files that were missing and were put back from their old copy
};

// Finishes (or, when that fails, undoes) a save in the current directory that a process
// left unfinished, then removes the helper files killed saves left there and beside the
// targets of linked data files. An old copy whose file is missing is put back, never
// removed; only files are removed, never a folder or a link of that name.
RecoveryResult recoverInterruptedSave();

} // namespace store
