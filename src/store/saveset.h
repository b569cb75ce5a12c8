#pragma once

#include "store/filesystem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Saving a set of files so that the directory holds the complete old set or the complete
// new set, never a mix, whatever fails and wherever the process ends.
//
// The n-th file of a set (from 0) is written and flushed as vemtor-ny-n beside the file it
// replaces. When all are complete a journal listing the set is written and renamed into
// place: that rename is the commit point. Then each old file is renamed to vemtor-gammal-n
// and its new file into its place, in the given order; the journal is removed when the
// last rename is on the disk, then the old files. The helper names do not grow with the
// file's, so any name the file system takes can be saved. A failure before the commit point
// removes what was written; a failure after it is undone at once. A process that ended
// midway leaves the journal, and the start-up check finishes the save (or undoes it) before
// anything else. The start-up check runs only while the program holds the data folder
// (folderlock.h), so it never takes a live save of another copy for an interrupted one.
// Saving returns statuses and shows nothing: the window side tells the user what they mean
// (platform/storemessages.h).
namespace store {

// The names of the helper files above: kNewPrefix + n and kOldPrefix + n beside the n-th
// file, the journal kJournal (written as kJournal + kNewSuffix) and, while a save is undone,
// kUndoJournal. The helper files of earlier versions, which the start-up check still meets,
// are named after their file: name + kNewSuffix, name + kOldSuffix.
namespace savenames {
inline const QString kNewPrefix = QStringLiteral("vemtor-ny-");
inline const QString kOldPrefix = QStringLiteral("vemtor-gammal-");
inline const QString kNewSuffix = QStringLiteral(".vemtor-ny");
inline const QString kOldSuffix = QStringLiteral(".vemtor-gammal");
inline const QString kJournal = QStringLiteral("vemtor-sparar");
inline const QString kUndoJournal = QStringLiteral("vemtor-angrar");
} // namespace savenames

enum class FileKind {
    // A data file: a symbolic link is followed (its target is replaced), and every line must
    // be one the loader reads whole, else the set is not saved.
    Data,
    // Any bytes (a report, a backup): a symbolic link of that name is itself replaced, never
    // followed.
    Plain,
};

struct FileContent
{
    QString name;
    QByteArray bytes;
    FileKind kind = FileKind::Data;
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
    bool saved() const { return onDisk == SetOnDisk::New; }
};

// Saves the files in the given order. The journal lives in the directory of the first
// file (the start-up check looks in the current directory).
SaveResult saveSet(const std::vector<FileContent> &files);

enum class Recovery { NothingPending, Finished, Undone, Failed };

struct RecoveryResult
{
    Recovery outcome = Recovery::NothingPending;
    QStringList files;    // the set of the interrupted save
    QStringList restored; // files that were missing and were put back from their old copy
};

// Finishes (or, when that fails, undoes) a save in the current directory that a process
// left unfinished, then removes the helper files a killed save left there and beside the
// targets of linked data files. An old copy whose file is missing is put back, never removed.
RecoveryResult recoverInterruptedSave();

} // namespace store
