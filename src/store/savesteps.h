#pragma once

#include "store/filesystem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The steps that saveSet and the start-up recovery share: a set's files with their helper
// names, its journal, and the two ways out of a committed save, finishing and undoing. Every
// step goes through the file system of store/filesystem.h. Used by saveset.cpp and
// recovery.cpp only.
namespace store::savesteps {

// One file of a set: the file replaced, whether it was there before the save, and its two
// helper files beside it, numbered (-1 for the names of earlier versions, made after the file).
struct Entry
{
    QString name;
    bool existed = false;
    QString newName;
    QString oldName;
    int number = -1;
};

// A save's files and the directories it must make lasting, with its journal and the name
// the journal takes while the save is undone.
struct Set
{
    std::vector<Entry> entries;
    QStringList directories;
    QString journal;
    QString undoJournal;
};

QString inDirectory(const QString &directory, const QString &name);

// The helper files of a set's file numbered `number` (numbered names).
Entry numberedEntry(const QString &name, bool existed, int number);

Set setOf(const std::vector<Entry> &entries, const QString &journalDirectory);

// The journal of a set: which file had its helpers under which number.
QByteArray journalBytes(const std::vector<Entry> &entries);
// The entries of a journal of this version or an earlier one; nothing when it is not one.
std::optional<std::vector<Entry>> journalEntries(const QByteArray &bytes);

// True when the name is held by anything at all; nothing when the file system cannot tell.
std::optional<bool> present(FileSystem &fs, const QString &name);

// The end of a chain of symbolic links (the name itself when it is no link), the hops bounded
// as the system bounds them; nothing when a step fails.
struct LinkEnd
{
    QString name;
    FileSystem::Kind kind;
};
std::optional<LinkEnd> linkEnd(FileSystem &fs, const QString &name);

bool syncAll(FileSystem &fs, const Set &set);

// The steps after the commit point, for a save and for the start-up check alike: the commit
// made lasting, every new file put in its place, the set checked in place and made lasting,
// and the journal and the old files removed. Safe to run again on a set it left halfway.
// When a step fails: the entry it worked on (0 for the journal and the directories).
std::optional<std::size_t> finish(FileSystem &fs, const Set &set);

enum class Undo {
    Done,       // every file is as before the save
    FilesLost,  // a file that was there before is neither in place nor kept as its old file
    NotPossible // a step failed
};

// Puts every old file back and removes the new files, from a journal already renamed to the
// undo journal (so that a later start never finishes a set that was partly undone). Safe to
// run again on a set it left halfway. When files are lost, the undo journal and the helper
// files stay for the caller.
Undo undo(FileSystem &fs, const Set &set);
// Renames the journal to the undo journal, then undoes.
Undo startUndo(FileSystem &fs, const Set &set);
// The files of a set that was undone that are no longer there, though they were before the
// save; nothing when the file system cannot tell.
std::optional<std::vector<Entry>> lostFiles(FileSystem &fs, const Set &set);

} // namespace store::savesteps
