#include "store/saveset.h"

#include "store/items.h"
#include "store/savesteps.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace store {

using namespace savenames;
using namespace savesteps;
using Kind = FileSystem::Kind;

namespace {

SavesBarred g_barred = SavesBarred::No;

// How many numbers a file of a set tries for its helper files before the save gives up.
constexpr int kHelperTries = 64;

// What a save found out before it writes: the set, or why there is none.
struct Plan
{
    std::vector<Entry> entries;
    QStringList accessFrom; // per file: the file whose permission bits its new copy takes, or none
    SaveResult refusal;
};

SaveResult failedStep(const QString &file)
{
    return {SetOnDisk::Old, file};
}

SaveResult obstacle(Obstacle why, const QString &file, const QString &inTheWay = {}, Kind kind = Kind::Missing)
{
    return {SetOnDisk::Old, file, why, inTheWay, kind};
}

// The file a save replaces and what it is there now: a data file's links are followed to
// their end; a report's link is replaced itself. Nothing with `refusal` set when the file
// cannot be replaced.
struct Target
{
    QString name;
    Kind kind = Kind::Missing;
};

std::optional<Target> targetOf(FileSystem &fs, const FileContent &file, SaveResult &refusal)
{
    std::optional<Target> target;
    if (file.kind == FileKind::Data) {
        if (const std::optional<LinkEnd> end = linkEnd(fs, file.name))
            target = Target{end->name, end->kind};
    } else if (const std::optional<Kind> kind = fs.kindOf(file.name)) {
        target = Target{file.name, *kind};
    }
    if (!target) {
        refusal = failedStep(file.name);
        return std::nullopt;
    }
    const bool replaceable = target->kind == Kind::Missing || target->kind == Kind::File ||
                             (target->kind == Kind::Link && file.kind == FileKind::Plain);
    if (!replaceable) {
        refusal = obstacle(Obstacle::NotAFile, file.name, target->name, target->kind);
        return std::nullopt;
    }
    if (target->kind == Kind::File) {
        const std::optional<bool> writable = fs.mayWrite(target->name);
        if (!writable || !*writable) {
            refusal = writable ? obstacle(Obstacle::ReadOnly, file.name) : failedStep(file.name);
            return std::nullopt;
        }
    }
    return target;
}

// The entry of `file`, whose target is `target`: the first number from `first` on, in steps
// of `step`, whose two helper names beside the target nothing holds. A name held by anything
// (a folder, a link, a file an earlier save could not remove) is never written over nor taken
// for a save's own.
std::optional<Entry> freeHelpers(FileSystem &fs, const QString &file, const Target &target, int first, int step,
                                 SaveResult &refusal)
{
    const bool existed = target.kind != Kind::Missing;
    for (int n = first, tries = 0; tries < kHelperTries; n += step, ++tries) {
        const Entry entry = numberedEntry(target.name, existed, n);
        const std::optional<bool> newTaken = present(fs, entry.newName);
        const std::optional<bool> oldTaken = newTaken && !*newTaken ? present(fs, entry.oldName) : newTaken;
        if (!oldTaken) {
            refusal = failedStep(file);
            return std::nullopt;
        }
        if (!*oldTaken)
            return entry;
    }
    refusal = obstacle(Obstacle::NameTaken, file, numberedEntry(target.name, existed, first).newName, Kind::File);
    return std::nullopt;
}

Plan planOf(FileSystem &fs, const std::vector<FileContent> &files)
{
    Plan plan;
    const int count = int(files.size());
    for (int i = 0; i < count; ++i) {
        const std::optional<Target> target = targetOf(fs, files[i], plan.refusal);
        if (!target)
            return plan;
        const std::optional<Entry> entry = freeHelpers(fs, files[i].name, *target, i, count, plan.refusal);
        if (!entry)
            return plan;
        plan.entries.push_back(*entry);
        plan.accessFrom << (target->kind == Kind::File ? target->name : QString());
    }
    return plan;
}

// The journal's names must be free for this save: a journal file is an interrupted save
// that waits for the next start; anything else there is in the way.
SaveResult journalRefusal(FileSystem &fs, const Set &set, const QString &first)
{
    for (const QString &name : {set.journal, set.undoJournal, set.journal + kNewSuffix}) {
        const std::optional<Kind> kind = fs.kindOf(name);
        if (!kind)
            return failedStep(first);
        if (*kind == Kind::File && name != set.journal + kNewSuffix)
            return failedStep(first); // an interrupted save waits for the next start
        if (*kind != Kind::Missing && *kind != Kind::File)
            return obstacle(Obstacle::NameTaken, first, name, *kind);
    }
    return {};
}

// Creates, writes, flushes and closes one file, with the permission bits of `accessFrom`
// when it is set; true when every step succeeded.
bool writeWhole(FileSystem &fs, const QString &name, const QByteArray &bytes, const QString &accessFrom = {})
{
    const int fd = fs.create(name);
    if (fd < 0)
        return false;
    const bool written =
        (accessFrom.isEmpty() || fs.takeAccess(fd, accessFrom)) && fs.write(fd, bytes) && fs.flush(fd);
    return fs.close(fd) && written;
}

SaveResult failedBeforeCommit(FileSystem &fs, const QStringList &written, const QString &file)
{
    for (const QString &name : written)
        fs.remove(name); // what stays is removed at the next start
    return failedStep(file);
}

} // namespace

SaveResult saveSet(const std::vector<FileContent> &files)
{
    FileSystem &fs = fileSystem();
    if (files.empty())
        return {};
    const QString &first = files.front().name;
    if (g_barred != SavesBarred::No)
        return obstacle(Obstacle::SavesBarred, first);
    // A line the loader would not read whole would make the saved file damaged.
    for (const FileContent &file : files)
        if (file.kind == FileKind::Data && !readableWhole(file.bytes))
            return failedStep(file.name);
    const Plan plan = planOf(fs, files);
    if (plan.entries.size() != files.size())
        return plan.refusal;
    const Set set = setOf(plan.entries, QFileInfo(first).path());
    if (const SaveResult refusal = journalRefusal(fs, set, first); !refusal.saved())
        return refusal;

    QStringList written;
    for (std::size_t i = 0; i < files.size(); ++i) {
        written << plan.entries[i].newName;
        if (!writeWhole(fs, plan.entries[i].newName, files[i].bytes, plan.accessFrom[qsizetype(i)]))
            return failedBeforeCommit(fs, written, files[i].name);
    }
    const QString journalNew = set.journal + kNewSuffix;
    written << journalNew;
    if (!writeWhole(fs, journalNew, journalBytes(plan.entries)) || !syncAll(fs, set) ||
        !fs.rename(journalNew, set.journal))
        return failedBeforeCommit(fs, written, first);

    // Committed: from here the set is finished or undone.
    if (const std::optional<std::size_t> failed = finish(fs, set)) {
        const SetOnDisk onDisk = startUndo(fs, set) == Undo::Done ? SetOnDisk::Old : SetOnDisk::Interrupted;
        return {onDisk, files[*failed].name};
    }
    return {};
}

QString freeBackupName(const QString &name)
{
    const auto taken = [](const QString &candidate) {
        return QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink();
    };
    QString candidate = name + u".BAK"_s;
    for (int n = 2; taken(candidate); ++n)
        candidate = name + u".BAK"_s + QString::number(n);
    return candidate;
}

void barSaves(SavesBarred why)
{
    g_barred = why;
}

SavesBarred savesBarred()
{
    return g_barred;
}

} // namespace store
