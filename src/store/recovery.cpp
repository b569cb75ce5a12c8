#include "store/recovery.h"

#include "store/folderlock.h"
#include "store/format.h"
#include "store/saveset.h"
#include "store/savesteps.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace store {

using namespace savenames;
using namespace savesteps;
using Kind = FileSystem::Kind;

namespace {

// The records of a lost file that an undo still holds in its new file are kept under the
// first free backup name beside it, where no sweep removes them.
LostFile keepRecords(FileSystem &fs, const Entry &entry)
{
    if (fs.kindOf(entry.newName) != Kind::File)
        return {entry.name, {}};
    const QString backup = freeBackupName(entry.name);
    return {entry.name, fs.rename(entry.newName, backup) ? backup : entry.newName};
}

// An undo that found files of its set gone: what is left of them is kept, the undo journal
// removed, and the rest of the helper files with it.
std::optional<std::vector<LostFile>> endWithLostFiles(FileSystem &fs, const Set &set)
{
    const std::optional<std::vector<Entry>> lost = lostFiles(fs, set);
    if (!lost)
        return std::nullopt;
    std::vector<LostFile> told;
    for (const Entry &entry : *lost)
        told.push_back(keepRecords(fs, entry));
    if (!syncAll(fs, set) || !fs.remove(set.undoJournal))
        return std::nullopt;
    for (const Entry &entry : set.entries)
        if (std::ranges::none_of(told, [&entry](const LostFile &file) { return file.keptAs == entry.newName; }))
            fs.remove(entry.newName);
    return told;
}

// The journal of an interrupted save in the current directory, when one waits there: only a
// file is a journal; anything else of that name is none of a save's.
std::optional<QString> waitingJournal(FileSystem &fs, bool &failed)
{
    for (const QString &name : {kUndoJournal, kJournal}) {
        const std::optional<Kind> kind = fs.kindOf(name);
        failed = failed || !kind;
        if (kind == Kind::File)
            return name;
    }
    return std::nullopt;
}

void recoverFromJournal(FileSystem &fs, const QString &journal, RecoveryResult &result)
{
    const std::optional<QByteArray> bytes = fs.read(journal);
    const std::optional<std::vector<Entry>> entries = bytes ? journalEntries(*bytes) : std::nullopt;
    if (!entries) {
        result = {Recovery::Failed, {journal}, {}, {}};
        return;
    }
    for (const Entry &entry : *entries)
        result.files << entry.name;
    const Set set = setOf(*entries, u"."_s);
    Undo undone = Undo::Done;
    if (journal == kUndoJournal) {
        undone = undo(fs, set);
    } else if (!finish(fs, set)) {
        result.outcome = Recovery::Finished;
        return;
    } else {
        undone = startUndo(fs, set);
    }
    result.outcome = undone == Undo::Done ? Recovery::Undone : Recovery::Failed;
    if (undone == Undo::FilesLost) {
        if (const std::optional<std::vector<LostFile>> lost = endWithLostFiles(fs, set)) {
            result.outcome = Recovery::FilesLost;
            result.lost = *lost;
        }
    }
}

// The directory a name lies in, as an absolute path, so that two spellings of one are one.
QString absoluteDirectoryOf(const QString &name)
{
    return QDir::cleanPath(QFileInfo(name).absolutePath());
}

// The directories beside the targets of linked data files, other than the current one.
QStringList linkedDirectories(FileSystem &fs)
{
    QStringList directories;
    const QString current = QDir::cleanPath(QDir::currentPath());
    for (const DataFile file : kAllFiles) {
        const QString name = fileName(file);
        if (fs.kindOf(name) != Kind::Link)
            continue;
        const std::optional<LinkEnd> end = linkEnd(fs, name);
        const QString directory = end ? absoluteDirectoryOf(end->name) : QString();
        if (!directory.isEmpty() && directory != current && !directories.contains(directory))
            directories << directory;
    }
    return directories;
}

bool isNumberedHelper(const QString &name)
{
    for (const QString &prefix : {kNewPrefix, kOldPrefix}) {
        if (name.size() > prefix.size() && name.startsWith(prefix) &&
            std::all_of(name.begin() + prefix.size(), name.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return true;
    }
    return false;
}

// Removes the helper files no save needs any more, files only. An old copy named after its
// file whose file is missing is the only copy left: it is put back.
void sweep(FileSystem &fs, const QString &directory, const QStringList &names, QStringList &restored)
{
    const auto isFile = [&](const QString &name) { return fs.kindOf(inDirectory(directory, name)) == Kind::File; };
    for (const QString &name : names) {
        if ((isNumberedHelper(name) || name.endsWith(kNewSuffix)) && isFile(name))
            fs.remove(inDirectory(directory, name));
    }
    for (const QString &old : names) {
        if (!old.endsWith(kOldSuffix) || old.size() == kOldSuffix.size() || !isFile(old))
            continue;
        const QString name = inDirectory(directory, old.chopped(kOldSuffix.size()));
        const std::optional<bool> there = present(fs, name);
        if (there == false) {
            if (fs.rename(inDirectory(directory, old), name))
                restored << name;
        } else if (there == true) {
            fs.remove(inDirectory(directory, old));
        }
    }
}

// Another folder's helper files are its own while a save waits there or a copy holds it:
// they are swept only under that folder's lock, when no journal is there.
void sweepLinkedDirectory(FileSystem &fs, const QString &directory, QStringList &restored)
{
    const std::optional<QStringList> names = fs.entries(directory);
    if (!names || names->contains(kJournal) || names->contains(kUndoJournal))
        return;
    FolderLock lock(directory);
    if (lock.take() == FolderLock::Taken::Held)
        sweep(fs, directory, *names, restored);
}

} // namespace

RecoveryResult recoverInterruptedSave()
{
    FileSystem &fs = fileSystem();
    RecoveryResult result;
    bool failed = false;
    const std::optional<QString> journal = waitingJournal(fs, failed);
    if (failed)
        return {Recovery::CannotTell, {}, {}, {}};
    if (journal) {
        recoverFromJournal(fs, *journal, result);
        if (result.outcome == Recovery::Failed)
            return result;
    }
    if (const std::optional<QStringList> names = fs.entries(u"."_s))
        sweep(fs, u"."_s, *names, result.restored);
    for (const QString &directory : linkedDirectories(fs))
        sweepLinkedDirectory(fs, directory, result.restored);
    return result;
}

} // namespace store
