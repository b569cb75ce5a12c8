#include "store/savesteps.h"

#include "store/saveset.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace store::savesteps {

using namespace savenames;
using Kind = FileSystem::Kind;

namespace {

// The first line of a journal: this version names each file's helper number; version 2
// numbered the helpers by the file's place in the set; earlier journals have no first line
// and helpers named after their file.
const QByteArray kJournalWithNumbers = "3";
const QByteArray kJournalInSetOrder = "2";

Entry afterTheFile(const QString &name, bool existed)
{
    return {name, existed, name + kNewSuffix, name + kOldSuffix};
}

// "E NAME" (version 2 and earlier) or "E N NAME" (version 3), E being 1 when the file existed.
std::optional<Entry> entryOfLine(const QByteArray &line, bool numbered, std::size_t index, bool inSetOrder)
{
    if (line.size() < 3 || (line[0] != '0' && line[0] != '1') || line[1] != ' ')
        return std::nullopt;
    const bool existed = line[0] == '1';
    QByteArray rest = line.mid(2);
    if (!numbered) {
        const QString name = QString::fromUtf8(rest);
        return inSetOrder ? numberedEntry(name, existed, int(index)) : afterTheFile(name, existed);
    }
    const qsizetype blank = rest.indexOf(' ');
    bool isNumber = false;
    const int number = blank > 0 ? rest.left(blank).toInt(&isNumber) : -1;
    if (!isNumber || number < 0 || blank + 1 >= rest.size())
        return std::nullopt;
    return numberedEntry(QString::fromUtf8(rest.mid(blank + 1)), existed, number);
}

// Moves a file aside as its old file, unless that was done already or the file is gone;
// false when a step fails.
bool moveAside(FileSystem &fs, const Entry &entry)
{
    const std::optional<bool> kept = present(fs, entry.oldName);
    if (!kept || *kept)
        return kept.has_value();
    const std::optional<bool> there = present(fs, entry.name);
    return there && (!*there || fs.rename(entry.name, entry.oldName));
}

// Removes the new file of a file that was not there before the save, once it was renamed
// into place; false when a step fails.
bool removeRenamedIn(FileSystem &fs, const Entry &entry)
{
    const std::optional<bool> waiting = present(fs, entry.newName);
    if (!waiting || *waiting)
        return waiting.has_value();
    const std::optional<bool> there = present(fs, entry.name);
    return there && (!*there || fs.remove(entry.name));
}

} // namespace

QString inDirectory(const QString &directory, const QString &name)
{
    return directory == u"."_s ? name : QDir(directory).filePath(name);
}

Entry numberedEntry(const QString &name, bool existed, int number)
{
    const QString directory = QFileInfo(name).path();
    const QString n = QString::number(number);
    return {name, existed, inDirectory(directory, kNewPrefix + n), inDirectory(directory, kOldPrefix + n), number};
}

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
    QByteArray bytes = kJournalWithNumbers + '\n';
    for (const Entry &entry : entries)
        bytes += (entry.existed ? "1 " : "0 ") + QByteArray::number(entry.number) + ' ' + entry.name.toUtf8() + '\n';
    return bytes;
}

std::optional<std::vector<Entry>> journalEntries(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    const QByteArray version = lines.isEmpty() ? QByteArray() : lines.front();
    const bool numbered = version == kJournalWithNumbers;
    const bool inSetOrder = version == kJournalInSetOrder;
    if (numbered || inSetOrder)
        lines.removeFirst();
    std::vector<Entry> entries;
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        const std::optional<Entry> entry = entryOfLine(line, numbered, entries.size(), inSetOrder);
        if (!entry)
            return std::nullopt;
        entries.push_back(*entry);
    }
    if (entries.empty())
        return std::nullopt;
    return entries;
}

std::optional<bool> present(FileSystem &fs, const QString &name)
{
    const std::optional<Kind> kind = fs.kindOf(name);
    if (!kind)
        return std::nullopt;
    return *kind != Kind::Missing;
}

std::optional<LinkEnd> linkEnd(FileSystem &fs, const QString &name)
{
    LinkEnd end{name, Kind::Missing};
    for (int hop = 0; hop <= 40; ++hop) {
        const std::optional<Kind> kind = fs.kindOf(end.name);
        if (!kind)
            return std::nullopt;
        end.kind = *kind;
        if (end.kind != Kind::Link || hop == 40)
            return end;
        const std::optional<QString> target = fs.linkTarget(end.name);
        if (!target)
            return std::nullopt;
        end.name = *target;
    }
    return end;
}

bool syncAll(FileSystem &fs, const Set &set)
{
    return std::all_of(set.directories.begin(), set.directories.end(),
                       [&fs](const QString &directory) { return fs.syncDirectory(directory); });
}

std::optional<std::size_t> finish(FileSystem &fs, const Set &set)
{
    if (!syncAll(fs, set))
        return 0;
    for (std::size_t i = 0; i < set.entries.size(); ++i) {
        const Entry &entry = set.entries[i];
        const std::optional<bool> waiting = present(fs, entry.newName);
        if (!waiting)
            return i;
        if (!*waiting)
            continue; // in place already, as the check below makes sure
        if ((entry.existed && !moveAside(fs, entry)) || !fs.rename(entry.newName, entry.name))
            return i;
    }
    // Each file of the set is in place; one that is gone (its new file lost) cannot be finished.
    for (std::size_t i = 0; i < set.entries.size(); ++i)
        if (fs.kindOf(set.entries[i].name) != Kind::File)
            return i;
    if (!syncAll(fs, set) || !fs.remove(set.journal))
        return 0;
    for (const Entry &entry : set.entries)
        if (entry.existed)
            fs.remove(entry.oldName); // what stays is removed at the next start
    return std::nullopt;
}

std::optional<std::vector<Entry>> lostFiles(FileSystem &fs, const Set &set)
{
    std::vector<Entry> lost;
    for (const Entry &entry : set.entries) {
        if (!entry.existed)
            continue;
        const std::optional<bool> there = present(fs, entry.name);
        if (!there)
            return std::nullopt;
        if (!*there)
            lost.push_back(entry);
    }
    return lost;
}

Undo undo(FileSystem &fs, const Set &set)
{
    for (auto entry = set.entries.rbegin(); entry != set.entries.rend(); ++entry) {
        const std::optional<bool> kept = present(fs, entry->oldName);
        if (!kept)
            return Undo::NotPossible;
        if (*kept) {
            if (!fs.rename(entry->oldName, entry->name))
                return Undo::NotPossible;
        } else if (!entry->existed && !removeRenamedIn(fs, *entry)) {
            return Undo::NotPossible;
        }
    }
    if (!syncAll(fs, set))
        return Undo::NotPossible;
    const std::optional<std::vector<Entry>> lost = lostFiles(fs, set);
    if (!lost)
        return Undo::NotPossible;
    if (!lost->empty())
        return Undo::FilesLost;
    if (!fs.remove(set.undoJournal))
        return Undo::NotPossible;
    for (const Entry &entry : set.entries)
        fs.remove(entry.newName); // what stays is removed at the next start
    return Undo::Done;
}

Undo startUndo(FileSystem &fs, const Set &set)
{
    if (!fs.rename(set.journal, set.undoJournal) || !syncAll(fs, set))
        return Undo::NotPossible;
    return undo(fs, set);
}

} // namespace store::savesteps
