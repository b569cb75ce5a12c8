#include "store/saveset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace store {

namespace {

const QString kNewSuffix = u".vemtor-ny"_s;
const QString kOldSuffix = u".vemtor-gammal"_s;
// The journal of a save going forward, and of one being undone.
const QString kJournal = u"vemtor-sparar"_s;
const QString kUndoJournal = u"vemtor-angrar"_s;

struct Entry
{
    QString name;
    bool existed = false;
    QString newName() const { return name + kNewSuffix; }
    QString oldName() const { return name + kOldSuffix; }
};

bool exists(const QString &name)
{
    return QFileInfo::exists(name) || QFileInfo(name).isSymLink();
}

// The file a save replaces: a symbolic link's target, else the name itself.
QString resolved(const QString &name)
{
    const QFileInfo info(name);
    return info.isSymLink() ? info.symLinkTarget() : name;
}

QString inDirectory(const QString &directory, const QString &name)
{
    return directory == u"."_s ? name : QDir(directory).filePath(name);
}

struct Set
{
    std::vector<Entry> entries;
    QStringList directories;
    QString journal;
    QString undoJournal;
};

Set setOf(const std::vector<Entry> &entries, const QString &journalDirectory)
{
    Set set{entries, {journalDirectory}, inDirectory(journalDirectory, kJournal),
            inDirectory(journalDirectory, kUndoJournal)};
    for (const Entry &entry : entries) {
        const QString directory = QFileInfo(entry.name).path();
        if (!set.directories.contains(directory))
            set.directories << directory;
    }
    return set;
}

QByteArray journalBytes(const std::vector<Entry> &entries)
{
    QByteArray bytes;
    for (const Entry &entry : entries)
        bytes += (entry.existed ? "1 " : "0 ") + entry.name.toUtf8() + '\n';
    return bytes;
}

std::optional<std::vector<Entry>> readJournal(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::vector<Entry> entries;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        if (line.size() < 3 || (line[0] != '0' && line[0] != '1') || line[1] != ' ')
            return std::nullopt;
        entries.push_back({QString::fromUtf8(line.mid(2)), line[0] == '1'});
    }
    if (entries.empty())
        return std::nullopt;
    return entries;
}

// Creates, writes, flushes and closes one file; the step that failed, if any.
std::optional<FsStep> writeWhole(FileSystem &fs, const QString &name, const QByteArray &bytes)
{
    const int fd = fs.create(name);
    if (fd < 0)
        return FsStep::Create;
    std::optional<FsStep> failed;
    if (!fs.write(fd, bytes))
        failed = FsStep::Write;
    else if (!fs.flush(fd))
        failed = FsStep::Flush;
    if (!fs.close(fd) && !failed)
        failed = FsStep::Close;
    return failed;
}

bool syncAll(FileSystem &fs, const Set &set)
{
    return std::all_of(set.directories.begin(), set.directories.end(),
                       [&fs](const QString &directory) { return fs.syncDirectory(directory); });
}

void removeIfThere(FileSystem &fs, const QString &name)
{
    if (exists(name))
        fs.remove(name); // what stays is removed at the next start
}

// Puts every new file in its place. Safe to run again on a set it left halfway.
bool finish(FileSystem &fs, const Set &set)
{
    for (const Entry &entry : set.entries) {
        if (!exists(entry.newName())) {
            if (!exists(entry.name))
                return false; // its new file is gone: the set cannot be finished
            continue;         // in place already
        }
        if (entry.existed && !exists(entry.oldName()) && exists(entry.name) &&
            !fs.rename(entry.name, entry.oldName()))
            return false;
        if (!fs.rename(entry.newName(), entry.name))
            return false;
    }
    if (!syncAll(fs, set) || !fs.remove(set.journal))
        return false;
    for (const Entry &entry : set.entries)
        removeIfThere(fs, entry.oldName());
    return true;
}

// Puts every old file back and removes the new files, from a forward journal renamed to the
// undo journal (so that a later start never finishes a set that was partly undone). Safe to
// run again on a set it left halfway.
bool undo(FileSystem &fs, const Set &set)
{
    for (auto entry = set.entries.rbegin(); entry != set.entries.rend(); ++entry) {
        if (exists(entry->oldName())) {
            if (!fs.rename(entry->oldName(), entry->name))
                return false;
        } else if (!entry->existed && !exists(entry->newName()) && exists(entry->name)) {
            if (!fs.remove(entry->name)) // its new file, renamed in
                return false;
        }
    }
    if (!syncAll(fs, set) || !fs.remove(set.undoJournal))
        return false;
    for (const Entry &entry : set.entries)
        removeIfThere(fs, entry.newName());
    return true;
}

bool startUndo(FileSystem &fs, const Set &set)
{
    return fs.rename(set.journal, set.undoJournal) && syncAll(fs, set) && undo(fs, set);
}

SaveResult failedBeforeCommit(FileSystem &fs, const QStringList &written, const QString &file, FsStep step)
{
    for (const QString &name : written)
        removeIfThere(fs, name);
    return {SetOnDisk::Old, file, step};
}

SaveResult failedAfterCommit(FileSystem &fs, const Set &set, const QString &file, FsStep step)
{
    return {startUndo(fs, set) ? SetOnDisk::Old : SetOnDisk::Interrupted, file, step};
}

QString namesText(const QStringList &names)
{
    if (names.size() < 2)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(u", "_s) + u" och "_s + names.last();
}

} // namespace

SaveResult saveSet(const std::vector<FileContent> &files)
{
    FileSystem &fs = fileSystem();
    if (files.empty())
        return {};
    std::vector<Entry> entries;
    for (const FileContent &file : files) {
        const QString name = resolved(file.name);
        entries.push_back({name, exists(name)});
    }
    const Set set = setOf(entries, QFileInfo(files.front().name).path());
    const QString &first = files.front().name;
    if (exists(set.journal) || exists(set.undoJournal))
        return {SetOnDisk::Old, first, FsStep::Create}; // an interrupted save waits for the next start

    // An old file an earlier save could not remove would be put back by an undo.
    for (std::size_t i = 0; i < files.size(); ++i)
        if (exists(entries[i].oldName()) && !fs.remove(entries[i].oldName()))
            return {SetOnDisk::Old, files[i].name, FsStep::Remove};
    QStringList written;
    for (std::size_t i = 0; i < files.size(); ++i) {
        written << entries[i].newName();
        if (const std::optional<FsStep> failed = writeWhole(fs, entries[i].newName(), files[i].bytes))
            return failedBeforeCommit(fs, written, files[i].name, *failed);
    }
    const QString journalNew = set.journal + kNewSuffix;
    written << journalNew;
    if (const std::optional<FsStep> failed = writeWhole(fs, journalNew, journalBytes(entries)))
        return failedBeforeCommit(fs, written, first, *failed);
    if (!syncAll(fs, set))
        return failedBeforeCommit(fs, written, first, FsStep::SyncDirectory);
    if (!fs.rename(journalNew, set.journal))
        return failedBeforeCommit(fs, written, first, FsStep::Rename);

    // Committed: from here the set is finished or undone.
    if (!syncAll(fs, set))
        return failedAfterCommit(fs, set, first, FsStep::SyncDirectory);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const Entry &entry = entries[i];
        if ((entry.existed && !fs.rename(entry.name, entry.oldName())) || !fs.rename(entry.newName(), entry.name))
            return failedAfterCommit(fs, set, files[i].name, FsStep::Rename);
    }
    if (!syncAll(fs, set))
        return failedAfterCommit(fs, set, first, FsStep::SyncDirectory);
    if (!fs.remove(set.journal))
        return failedAfterCommit(fs, set, first, FsStep::Remove);
    for (const Entry &entry : entries)
        removeIfThere(fs, entry.oldName());
    return {};
}

RecoveryResult recoverInterruptedSave()
{
    FileSystem &fs = fileSystem();
    RecoveryResult result;
    const bool undoing = exists(kUndoJournal);
    if (undoing || exists(kJournal)) {
        const std::optional<std::vector<Entry>> entries = readJournal(undoing ? kUndoJournal : kJournal);
        if (!entries)
            return {Recovery::Failed, {undoing ? kUndoJournal : kJournal}};
        for (const Entry &entry : *entries)
            result.files << entry.name;
        const Set set = setOf(*entries, u"."_s);
        if (undoing)
            result.outcome = undo(fs, set) ? Recovery::Undone : Recovery::Failed;
        else if (finish(fs, set))
            result.outcome = Recovery::Finished;
        else
            result.outcome = startUndo(fs, set) ? Recovery::Undone : Recovery::Failed;
        if (result.outcome == Recovery::Failed)
            return result;
    }
    const QStringList strays = QDir().entryList({u"*"_s + kNewSuffix, u"*"_s + kOldSuffix},
                                                QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &stray : strays)
        fs.remove(stray);
    return result;
}

QString saveFailureText(const SaveResult &result)
{
    if (result.onDisk == SetOnDisk::Interrupted)
        return u"Filen %1 kunde inte sparas, och de gamla filerna kunde inte läggas tillbaka. Avsluta VEMTOR "
               u"och starta det igen, så görs sparandet klart eller ångras."_s.arg(result.file);
    return u"Filen %1 kunde inte sparas. Ingenting har ändrats."_s.arg(result.file);
}

QString recoveryText(const RecoveryResult &result)
{
    const QString names = namesText(result.files);
    switch (result.outcome) {
    case Recovery::NothingPending:
        break;
    case Recovery::Finished:
        return u"Sparandet av %1 avbröts innan det var klart. Det har nu gjorts klart."_s.arg(names);
    case Recovery::Undone:
        return u"Sparandet av %1 avbröts innan det var klart. Det har nu ångrats, och filerna är som före "
               u"sparandet."_s.arg(names);
    case Recovery::Failed:
        return u"Sparandet av %1 avbröts innan det var klart och kan varken göras klart eller ångras. VEMTOR "
               u"avslutas."_s.arg(names);
    }
    return QString();
}

} // namespace store
