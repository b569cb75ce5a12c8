#include "store/startup.h"

#include "store/filesystem.h"
#include "store/format.h"
#include "store/items.h"
#include "store/writing.h"

#include <QFile>
#include <QFileInfo>

#include <span>

namespace store {

namespace {

enum class FileState { Present, Missing, Unreadable };

// A file of zero bytes counts as missing: it holds not even line 1.
FileState stateOf(const QString &name)
{
    if (!QFileInfo::exists(name))
        return FileState::Missing;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return FileState::Unreadable;
    return file.size() == 0 ? FileState::Missing : FileState::Present;
}

// Anything but the single line of an empty data file is worth keeping.
bool holdsRecords(const QByteArray &bytes)
{
    ItemReader reader(bytes);
    const std::optional<Held> first = reader.nextHeld();
    const std::optional<int> last = first ? sistaIndexOf(*first) : std::nullopt;
    return !(last && *last == -1 && reader.atEnd());
}

std::span<const DataFile> setOf(DataFile missing)
{
    return missing == DataFile::Courses ? std::span<const DataFile>(kAllFiles)
                                        : std::span<const DataFile>(kRoundFiles);
}

// The set of the missing file: nothing is changed unless every file of it can be judged.
StartupFinding inspectSet(DataFile missing)
{
    StartupFinding finding{.kind = StartupFinding::Kind::Missing, .missing = missing};
    for (const DataFile file : setOf(missing)) {
        const QString name = fileName(file);
        const FileState state = stateOf(name);
        if (state == FileState::Missing)
            continue;
        const std::optional<QByteArray> bytes =
            state == FileState::Unreadable ? std::nullopt : fileSystem().read(name);
        if (!bytes)
            return {.kind = StartupFinding::Kind::Unreadable, .unreadable = name};
        if (holdsRecords(*bytes))
            finding.keep.push_back({name, *bytes});
    }
    return finding;
}

} // namespace

StartupFinding inspectDataFiles()
{
    for (const DataFile file : kAllFiles) {
        const QString name = fileName(file);
        switch (stateOf(name)) {
        case FileState::Present:
            continue;
        case FileState::Unreadable:
            return {.kind = StartupFinding::Kind::Unreadable, .unreadable = name};
        case FileState::Missing:
            return inspectSet(file);
        }
    }
    return {};
}

Creation createMissingSet(const StartupFinding &finding)
{
    Creation creation;
    std::vector<FileContent> made;
    for (const FileContent &content : finding.keep) {
        creation.backups.push_back({content.name, freeBackupName(content.name)});
        made.push_back({creation.backups.back().copy, content.bytes, FileKind::Plain}); // kept as it is
    }
    const bool courses = finding.missing == DataFile::Courses;
    const QByteArray empty = emptyDataFile(courses ? LineOneForm::Number : LineOneForm::Text);
    for (const DataFile file : setOf(finding.missing))
        made.push_back({fileName(file), empty});
    creation.saved = saveSet(made);
    return creation;
}

} // namespace store
