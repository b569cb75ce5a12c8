#pragma once

#include <QLockFile>
#include <QString>

// One copy of the program per data folder: a copy holds the folder for its whole run, so no
// other copy takes its live save for an interrupted one or saves over what it saves.
namespace store {

// The lock file in the data folder, beside the data files; no save or sweep touches it.
inline constexpr char16_t kFolderLockName[] = u"vemtor-igang";

class FolderLock
{
public:
    enum class Taken {
        Held,
        HeldByAnotherCopy, // a running copy holds it
        Unusable,          // the lock file's name holds a folder, a link or anything but a file
        FolderNotWritable, // no lock file can be made: the folder takes no new file from this user
        NotMade,           // no lock file could be made otherwise (a full disk, for example)
    };

    explicit FolderLock(const QString &directory = QStringLiteral("."));
    // Takes the folder; a lock left by a copy that ended without giving it back (killed, also
    // before it wrote its name in the lock file) is taken over.
    Taken take();

private:
    QLockFile m_file;
};

} // namespace store
