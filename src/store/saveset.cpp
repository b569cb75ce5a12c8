#include "store/saveset.h"

#include "store/format.h"
#include "store/items.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace store {

using namespace savenames;

namespace {

// The first line of a journal whose helper files are numbered; earlier journals have none.
const QByteArray kNumberedJournal = "2";

bool exists(const QString &name)
{
    return QFileInfo::exists(name) || QFileInfo(name).isSymLink();
}

QString inDirectory(const QString &directory, const QString &name)
{
    return directory == u"."_s ? name : QDir(directory).filePath(name);
}

enum class HelperNames { Numbered, AfterTheFile };

struct Entry
{
    QString name;
    bool existed = false;
    QString newName;
    QString oldName;
};

Entry entryOf(const QString &name, bool existed, std::size_t index, HelperNames helpers)
{
    if (helpers == HelperNames::AfterTheFile)
        return {name, existed, name + kNewSuffix, name + kOldSuffix};
    const QString directory = QFileInfo(name).path();
    const QString number = QString::number(index);
    return {name, existed, inDirectory(directory, kNewPrefix + number),
            inDirectory(directory, kOldPrefix + number)};
}

// The file at the end of a chain of symbolic links (the name itself when it is none). The
// hops are bounded as the system bounds them, so a loop of links ends.
QString linkEnd(const QString &name)
{
    QString end = name;
    for (int hop = 0; hop < 40 && QFileInfo(end).isSymLink(); ++hop)
        end = QFileInfo(end).symLinkTarget();
    return end;
}

// The file a save replaces: a data file's symbolic links are followed to their end.
QString replaced(const FileContent &file)
{
    return file.kind == FileKind::Data ? linkEnd(file.name) : file.name;
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
    Set set{entries,
            {journalDirectory},
            inDirectory(journalDirectory, kJournal),
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
    QByteArray bytes = kNumberedJournal + '\n';
    for (const Entry &entry : entries)
        bytes += (entry.existed ? "1 " : "0 ") + entry.name.toUtf8() + '\n';
    return bytes;
}

std::optional<std::vector<Entry>> readJournal(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QList<QByteArray> lines = file.readAll().split('\n');
    const HelperNames helpers = !lines.isEmpty() && lines.front() == kNumberedJournal
                                    ? HelperNames::Numbered
                                    : HelperNames::AfterTheFile;
    if (helpers == HelperNames::Numbered)
        lines.removeFirst();
    std::vector<Entry> entries;
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        if (line.size() < 3 || (line[0] != '0' && line[0] != '1') || line[1] != ' ')
            return std::nullopt;
        entries.push_back(entryOf(QString::fromUtf8(line.mid(2)), line[0] == '1', entries.size(), helpers));
    }
    if (entries.empty())
        return std::nullopt;
    return entries;
}

// Creates, writes, flushes and closes one file; true when every step succeeded.
bool writeWhole(FileSystem &fs, const QString &name, const QByteArray &bytes)
{
    const int fd = fs.create(name);
    if (fd < 0)
        return false;
    const bool written = fs.write(fd, bytes) && fs.flush(fd);
    return fs.close(fd) && written;
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

// The steps after the commit point, for a save and for the start-up check alike: the commit
// made lasting, then every new file put in its place, made lasting, and the journal and the
// old files removed. Safe to run again on a set it left halfway. When a step fails: the entry
// it worked on (0 for the journal and the directories).
std::optional<std::size_t> finish(FileSystem &fs, const Set &set)
{
    if (!syncAll(fs, set))
        return 0;
    for (std::size_t i = 0; i < set.entries.size(); ++i) {
        const Entry &entry = set.entries[i];
        if (!exists(entry.newName)) {
            if (!exists(entry.name))
                return i; // its new file is gone: the set cannot be finished
            continue;     // in place already
        }
        if (entry.existed && !exists(entry.oldName) && exists(entry.name) &&
            !fs.rename(entry.name, entry.oldName))
            return i;
        if (!fs.rename(entry.newName, entry.name))
            return i;
    }
    if (!syncAll(fs, set))
        return 0;
    if (!fs.remove(set.journal))
        return 0;
    for (const Entry &entry : set.entries)
        removeIfThere(fs, entry.oldName);
    return std::nullopt;
}

// Puts every old file back and removes the new files, from a forward journal renamed to the
// undo journal (so that a later start never finishes a set that was partly undone). Safe to
// run again on a set it left halfway.
bool undo(FileSystem &fs, const Set &set)
{
    for (auto entry = set.entries.rbegin(); entry != set.entries.rend(); ++entry) {
        if (exists(entry->oldName)) {
            if (!fs.rename(entry->oldName, entry->name))
                return false;
        } else if (!entry->existed && !exists(entry->newName) && exists(entry->name)) {
            if (!fs.remove(entry->name)) // its new file, renamed in
                return false;
        }
    }
    if (!syncAll(fs, set) || !fs.remove(set.undoJournal))
        return false;
    for (const Entry &entry : set.entries)
        removeIfThere(fs, entry.newName);
    return true;
}

bool startUndo(FileSystem &fs, const Set &set)
{
    return fs.rename(set.journal, set.undoJournal) && syncAll(fs, set) && undo(fs, set);
}

SaveResult failedBeforeCommit(FileSystem &fs, const QStringList &written, const QString &file)
{
    for (const QString &name : written)
        removeIfThere(fs, name);
    return {SetOnDisk::Old, file};
}

// Where a save left helper files: the current directory and the directories of the targets
// of linked data files.
QStringList helperDirectories()
{
    QStringList directories{u"."_s};
    QStringList seen{QDir().canonicalPath()};
    for (const DataFile file : kAllFiles) {
        const QString name = fileName(file);
        if (!QFileInfo(name).isSymLink())
            continue;
        const QString directory = QFileInfo(linkEnd(name)).path();
        const QString canonical = QDir(directory).canonicalPath();
        if (!canonical.isEmpty() && !seen.contains(canonical)) {
            seen << canonical;
            directories << directory;
        }
    }
    return directories;
}

bool isNumberedHelper(const QString &name)
{
    for (const QString &prefix : {kNewPrefix, kOldPrefix}) {
        if (name.size() > prefix.size() && name.startsWith(prefix) &&
            std::all_of(name.begin() + prefix.size(), name.end(),
                        [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return true;
    }
    return false;
}

// Removes the helper files no save needs any more. An old copy named after its file whose
// file is missing is the only copy left: it is put back.
void sweep(FileSystem &fs, const QString &directory, QStringList &restored)
{
    const QDir dir(directory);
    const QDir::Filters files = QDir::Files | QDir::Hidden | QDir::System;
    for (const QString &stray :
         dir.entryList({kNewPrefix + u'*', kOldPrefix + u'*', u'*' + kNewSuffix}, files))
        if (stray.endsWith(kNewSuffix) || isNumberedHelper(stray))
            fs.remove(inDirectory(directory, stray));
    for (const QString &old : dir.entryList({u'*' + kOldSuffix}, files)) {
        const QString name = old.chopped(kOldSuffix.size());
        if (name.isEmpty())
            continue;
        if (!exists(inDirectory(directory, name))) {
            if (fs.rename(inDirectory(directory, old), inDirectory(directory, name)))
                restored << inDirectory(directory, name);
        } else {
            fs.remove(inDirectory(directory, old));
        }
    }
}

} // namespace

SaveResult saveSet(const std::vector<FileContent> &files)
{
    FileSystem &fs = fileSystem();
    if (files.empty())
        return {};
    // A line the loader would not read whole would make the saved file damaged.
    for (const FileContent &file : files)
        if (file.kind == FileKind::Data && !readableWhole(file.bytes))
            return {SetOnDisk::Old, file.name};
    std::vector<Entry> entries;
    for (const FileContent &file : files) {
        const QString name = replaced(file);
        entries.push_back(entryOf(name, exists(name), entries.size(), HelperNames::Numbered));
    }
    const Set set = setOf(entries, QFileInfo(files.front().name).path());
    const QString &first = files.front().name;
    if (exists(set.journal) || exists(set.undoJournal))
        return {SetOnDisk::Old, first}; // an interrupted save waits for the next start

    // An old file an earlier save could not remove would be put back by an undo.
    for (std::size_t i = 0; i < files.size(); ++i)
        if (exists(entries[i].oldName) && !fs.remove(entries[i].oldName))
            return {SetOnDisk::Old, files[i].name};
    QStringList written;
    for (std::size_t i = 0; i < files.size(); ++i) {
        written << entries[i].newName;
        if (!writeWhole(fs, entries[i].newName, files[i].bytes))
            return failedBeforeCommit(fs, written, files[i].name);
    }
    const QString journalNew = set.journal + kNewSuffix;
    written << journalNew;
    if (!writeWhole(fs, journalNew, journalBytes(entries)) || !syncAll(fs, set) ||
        !fs.rename(journalNew, set.journal))
        return failedBeforeCommit(fs, written, first);

    // Committed: from here the set is finished or undone.
    if (const std::optional<std::size_t> failed = finish(fs, set))
        return {startUndo(fs, set) ? SetOnDisk::Old : SetOnDisk::Interrupted, files[*failed].name};
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
            return {Recovery::Failed, {undoing ? kUndoJournal : kJournal}, {}};
        for (const Entry &entry : *entries)
            result.files << entry.name;
        const Set set = setOf(*entries, u"."_s);
        if (undoing)
            result.outcome = undo(fs, set) ? Recovery::Undone : Recovery::Failed;
        else if (!finish(fs, set))
            result.outcome = Recovery::Finished;
        else
            result.outcome = startUndo(fs, set) ? Recovery::Undone : Recovery::Failed;
        if (result.outcome == Recovery::Failed)
            return result;
    }
    for (const QString &directory : helperDirectories())
        sweep(fs, directory, result.restored);
    return result;
}

} // namespace store
