#pragma once

#include "store/filesystem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Saving a set of files so that the directory holds the complete old set or the complete
// new set, never a mix, whatever fails and wherever the process ends.
//
// The n-th file of a set (from 0) is written and flushed as vemtor-ny-n beside the file it
// replaces (n + the set's size, n + twice its size, ... when something holds that name); a
// replaced file's new copy takes its permission bits. When all are complete a journal listing
// the set and its numbers is written and renamed into place: that rename is the commit point.
// Then each old file is renamed to vemtor-gammal-n and its new file into its place, in the
// given order; the set is checked in place, the journal is removed when the last rename is on
// the disk, then the old files. The helper names do not grow with the file's, so any name the
// file system takes can be saved. A failure before the commit point removes what was
// written; a failure after it is undone at once. A process that ended midway leaves the
// journal, and the start-up check (recovery.h) finishes the save or undoes it before
// anything else. Saving returns statuses and shows nothing: the window side tells the user
// what they mean (platform/storemessages.h).
namespace store {

// The names of the helper files above: kNewPrefix + n and kOldPrefix + n beside a file, the journal kJournal (written as kJournal + kNewSuffix) and, while a save is undone,
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

// Why a set was refused before anything was written, when it was not a failed step.
enum class Obstacle {
    None,        // a step of the save failed (or a line the loader would not read whole)
    ReadOnly,    // the file exists and this user may not write it
    NotAFile,    // the file's name is held by something that is not a file (a folder)
    NameTaken,   // a name the save needs for its journal is held by something no save made
    SavesBarred, // this copy may save nothing in its data folder (savesBarred() says why)
};

struct SaveResult
{
    SetOnDisk onDisk = SetOnDisk::New;
    QString file; // the file of the set whose step failed or that was refused
    Obstacle obstacle = Obstacle::None;
    // NotAFile, NameTaken: the name that is held, and what holds it.
    QString inTheWay{};
    FileSystem::Kind inTheWayKind = FileSystem::Kind::Missing;
    bool saved() const { return onDisk == SetOnDisk::New; }
};

// Saves the files in the given order. The journal lives in the directory of the first
// file (the start-up check looks in the current directory). Before anything is written the
// set is refused when a file may not be written, when its name is held by a folder, or when
// saves are barred; helper names held by anything else are passed over for free ones.
SaveResult saveSet(const std::vector<FileContent> &files);

// The first of NAME.BAK, NAME.BAK2, NAME.BAK3, ... that nothing holds, for a copy kept
// whole beside its file. Looking for a name changes nothing, so it is no step of a save.
QString freeBackupName(const QString &name);

// A copy that does not hold its data folder (folderlock.h) saves nothing there, so that two
// copies never save over each other: it bars every save once, at start, and tells why.
enum class SavesBarred {
    No,
    FolderNotWritable, // the folder takes no new file from this user
    LockNotMade,       // the lock file could not be made (a full disk, for example)
};
void barSaves(SavesBarred why);
SavesBarred savesBarred();

} // namespace store
