#pragma once

#include "store/format.h"
#include "store/saveset.h"

#include <QString>

#include <optional>
#include <vector>

// The start-up check: first a save that a process left unfinished is finished or undone
// (recoverInterruptedSave). Then all four data files must open. When one does not, its set of
// files is made empty (a file that holds records is kept as NAME.BAK first), the user is
// asked to restart, and the program must end. The window side tells the user each step
// (platform/storemessages.h); these functions show nothing.
namespace store {

struct StartupFinding
{
    enum class Kind { Ready, Unreadable, Missing };
    Kind kind = Kind::Ready;
    QString unreadable{};                 // Unreadable: a file that exists but cannot be read
    DataFile missing = DataFile::Courses; // Missing: the first missing file, whose set is made
    std::vector<FileContent> keep{};      // Missing: the files of the set that hold records
};

// Looks at the four files, and at the set of the first missing one, changing nothing.
StartupFinding inspectDataFiles();

struct Backup
{
    QString original;
    QString copy;
};

struct Creation
{
    std::vector<Backup> backups;
    SaveResult saved; // the backups and the empty files, saved as one set
};

// Makes the set of a Missing finding: the backups of the files kept and every file of the
// set as an empty data file, saved as one set, so a failure leaves no half backup.
Creation createMissingSet(const StartupFinding &finding);

} // namespace store
