#include "store/startup.h"

#include "platform/services.h"
#include "store/format.h"
#include "store/items.h"
#include "store/loading.h"
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

void showUnreadable(const QString &name)
{
    platform::errorMessage(
        QStringLiteral("Filen %1 finns men går inte att läsa. Ingenting har ändrats.").arg(name));
}

void showNotCreated(const QString &name)
{
    platform::errorMessage(QStringLiteral("Filen %1 kunde inte skapas.").arg(name));
}

// Anything but the single line of an empty data file is worth keeping.
bool holdsRecords(const QByteArray &bytes)
{
    ItemReader reader(bytes);
    const std::optional<Held> first = reader.nextHeld();
    const std::optional<int> last = first ? sistaIndexOf(*first) : std::nullopt;
    return !(last && *last < 0 && reader.atEnd());
}

QString freeBackupName(const QString &name)
{
    QString candidate = name + QStringLiteral(".BAK");
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = name + QStringLiteral(".BAK") + QString::number(n);
    return candidate;
}

struct Backup
{
    QString original;
    QString copy;
};

QString firstMessage(DataFile missing)
{
    if (missing == DataFile::Courses)
        return QStringLiteral(
            "Du saknar en fil som heter VEMTORBF. Jag kommer nu att skapa filerna VEMTORBF, "
            "VERUNDAR, VERUNDAH och VERUNDAK och lägga dem i samma bibliotek som din .EXE "
            "fil ligger i.");
    return QStringLiteral("Du saknar en fil som heter %1. Jag kommer nu att skapa filerna VERUNDAR, VERUNDAH "
                          "och VERUNDAK och lägga dem i samma bibliotek som din .EXE fil ligger i. Jag "
                          "skriver in -1 på första raden och sparar filerna.")
        .arg(fileName(missing));
}

QString restartMessage(DataFile missing)
{
    const QString text =
        QStringLiteral("Jag har nu skapat filerna eftersom programmet kräver dessa filer. Var "
                       "vänlig och starta om programmet");
    return text + (missing == DataFile::Courses ? u'!' : u'.');
}

// Makes the set of files that belongs to the missing one, each an empty data file. A file
// of the set that holds records is copied to a free NAME.BAK name first.
void createSet(DataFile missing)
{
    const bool courses = missing == DataFile::Courses;
    const std::span<const DataFile> set =
        courses ? std::span<const DataFile>(kAllFiles) : std::span<const DataFile>(kRoundFiles);
    // Nothing is changed unless every file of the set can be judged.
    std::vector<FileContent> keep;
    for (const DataFile file : set) {
        const QString name = fileName(file);
        const FileState state = stateOf(name);
        if (state == FileState::Unreadable) {
            showUnreadable(name);
            return;
        }
        if (state == FileState::Missing)
            continue;
        const std::optional<QByteArray> bytes = readDataFile(name);
        if (!bytes) {
            showUnreadable(name);
            return;
        }
        if (holdsRecords(*bytes))
            keep.push_back({name, *bytes});
    }

    platform::message(firstMessage(missing), QStringLiteral("INFORMATION     (fil saknas)"),
                      platform::kStyleExclamation);

    // The backups and the new files are one set: a failure leaves no half backup.
    std::vector<Backup> backups;
    std::vector<FileContent> made;
    for (const FileContent &content : keep) {
        backups.push_back({content.name, freeBackupName(content.name)});
        made.push_back({backups.back().copy, content.bytes});
    }
    const QByteArray empty = emptyDataFile(courses ? LineOneForm::Number : LineOneForm::Text);
    for (const DataFile file : set)
        made.push_back({fileName(file), empty});
    const SaveResult saved = saveSet(made);
    if (saved.onDisk == SetOnDisk::Old) {
        showNotCreated(saved.file);
        return;
    }
    if (!saved.saved()) {
        platform::errorMessage(saveFailureText(saved));
        return;
    }

    for (const Backup &backup : backups)
        platform::message(
            QStringLiteral("Den gamla filen %1 har sparats som %2.").arg(backup.original, backup.copy),
            QStringLiteral("Information"), platform::kStyleOkOnly);
    platform::message(restartMessage(missing), QStringLiteral("Information"), platform::kStyleOkOnly);
}

// A save that a process left unfinished is finished or undone before anything else.
bool recoverSave()
{
    const RecoveryResult recovery = recoverInterruptedSave();
    switch (recovery.outcome) {
    case Recovery::NothingPending:
        return true;
    case Recovery::Finished:
        platform::message(recoveryText(recovery), QStringLiteral("Information"), platform::kStyleOkOnly);
        return true;
    case Recovery::Undone:
        platform::errorMessage(recoveryText(recovery));
        return true;
    case Recovery::Failed:
        platform::errorMessage(recoveryText(recovery));
        return false;
    }
    return false;
}

} // namespace

bool startupCheck()
{
    if (!recoverSave())
        return false;
    for (const DataFile file : kAllFiles) {
        const QString name = fileName(file);
        switch (stateOf(name)) {
        case FileState::Present:
            continue;
        case FileState::Unreadable:
            showUnreadable(name);
            return false;
        case FileState::Missing:
            createSet(file); // the program is started again after it
            return false;
        }
    }
    return true;
}

} // namespace store
