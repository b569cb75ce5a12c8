#include "platform/storemessages.h"

#include "platform/services.h"
#include "store/recovery.h"
#include "store/startup.h"

using namespace Qt::StringLiterals;

namespace platform {

namespace {

QString emptyFileText(store::DataFile file)
{
    static const QString texts[] = {
        u"Du har inte registrerat någon bana ännu."_s,
        u"Du har inte registrerat någon runda ännu."_s,
        u"Du har inte registrerat något hål ännu."_s,
        u"Du har inte registrerat någon analys ännu."_s,
    };
    return texts[int(file)];
}

QString firstMessage(store::DataFile missing)
{
    if (missing == store::DataFile::Courses)
        return u"Du saknar en fil som heter VEMTORBF. Jag kommer nu att skapa filerna VEMTORBF, "
               u"VERUNDAR, VERUNDAH och VERUNDAK och lägga dem i samma bibliotek som din .EXE "
               u"fil ligger i."_s;
    return u"Du saknar en fil som heter %1. Jag kommer nu att skapa filerna VERUNDAR, VERUNDAH "
           u"och VERUNDAK och lägga dem i samma bibliotek som din .EXE fil ligger i. Jag "
           u"skriver in -1 på första raden och sparar filerna."_s.arg(store::fileName(missing));
}

QString restartMessage(store::DataFile missing)
{
    const QString text = u"Jag har nu skapat filerna eftersom programmet kräver dessa filer. Var "
                         u"vänlig och starta om programmet"_s;
    return text + (missing == store::DataFile::Courses ? u'!' : u'.');
}

void tellUnreadable(const QString &name)
{
    errorMessage(u"Filen %1 finns men går inte att läsa. Ingenting har ändrats."_s.arg(name));
}

// "en mapp", "en länk", ...: what holds a name a save needs.
QString holderText(store::FileSystem::Kind kind)
{
    switch (kind) {
    case store::FileSystem::Kind::Folder:
        return u"en mapp"_s;
    case store::FileSystem::Kind::Link:
        return u"en länk"_s;
    case store::FileSystem::Kind::File:
        return u"en fil"_s;
    case store::FileSystem::Kind::Missing:
    case store::FileSystem::Kind::Other:
        break;
    }
    return u"något som inte är en fil"_s;
}

QString barredText(store::SavesBarred why)
{
    if (why == store::SavesBarred::FolderNotWritable)
        return u"VEMTOR får inte skriva i mappen"_s;
    return u"låsfilen %1 kunde inte skapas där, kanske för att disken är full"_s.arg(
        QString::fromUtf16(store::kFolderLockName));
}

// Why a set was refused before it was written, as the clause after "eftersom".
QString obstacleText(const store::SaveResult &result)
{
    switch (result.obstacle) {
    case store::Obstacle::None:
        break;
    case store::Obstacle::ReadOnly:
        return u"den är skrivskyddad"_s;
    case store::Obstacle::NotAFile:
        return u"det finns %1 med det namnet"_s.arg(holderText(result.inTheWayKind));
    case store::Obstacle::NameTaken:
        return u"VEMTOR behöver namnet %1 när det sparar, och det finns %2 med det namnet. Flytta den eller byt "
               u"namn på den"_s.arg(result.inTheWay, holderText(result.inTheWayKind));
    case store::Obstacle::SavesBarred:
        return u"ingenting kan sparas i den här mappen: %1"_s.arg(barredText(store::savesBarred()));
    }
    return QString();
}

QString saveFailureText(const store::SaveResult &result)
{
    if (result.onDisk == store::SetOnDisk::Interrupted)
        return u"Filen %1 kunde inte sparas, och de gamla filerna kunde inte läggas tillbaka. Avsluta VEMTOR "
               u"och starta det igen, så görs sparandet klart eller ångras."_s.arg(result.file);
    if (result.obstacle != store::Obstacle::None)
        return u"Filen %1 kunde inte sparas, eftersom %2. Ingenting har ändrats."_s.arg(result.file,
                                                                                      obstacleText(result));
    return u"Filen %1 kunde inte sparas. Ingenting har ändrats."_s.arg(result.file);
}

// "A", "A och B", "A, B och C".
QString namesText(const QStringList &names)
{
    if (names.size() < 2)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(u", "_s) + u" och "_s + names.last();
}

QString outcomeText(const store::RecoveryResult &result)
{
    const QString names = namesText(result.files);
    switch (result.outcome) {
    case store::Recovery::NothingPending:
        break;
    case store::Recovery::Finished:
        return u"Sparandet av %1 avbröts innan det var klart. Det har nu gjorts klart."_s.arg(names);
    case store::Recovery::Undone:
        return u"Sparandet av %1 avbröts innan det var klart. Det har nu ångrats, och filerna är som före "
               u"sparandet."_s.arg(names);
    case store::Recovery::FilesLost:
        return u"Sparandet av %1 avbröts innan det var klart och kunde inte ångras helt."_s.arg(names);
    case store::Recovery::Failed:
        return u"Sparandet av %1 avbröts innan det var klart och kan varken göras klart eller ångras. VEMTOR "
               u"avslutas."_s.arg(names);
    case store::Recovery::CannotTell:
        return u"Det gick inte att se efter om ett sparande avbröts i den här mappen. VEMTOR avslutas."_s;
    }
    return QString();
}

// A file an interrupted save lost, and where its records are, if anywhere.
QString lostText(const store::LostFile &lost)
{
    if (lost.keptAs.isEmpty())
        return u"Filen %1 finns inte längre, och dess poster finns inte kvar."_s.arg(lost.file);
    return u"Filen %1 finns inte längre. Dess poster, med det som skulle sparas, finns i filen %2."_s.arg(
        lost.file, lost.keptAs);
}

// What the start-up check did with an interrupted save, each file it lost and each file it
// put back.
QString recoveryText(const store::RecoveryResult &result)
{
    QStringList sentences;
    if (const QString outcome = outcomeText(result); !outcome.isEmpty())
        sentences << outcome;
    for (const store::LostFile &lost : result.lost)
        sentences << lostText(lost);
    for (const QString &name : result.restored)
        sentences << u"Filen %1 saknades och har lagts tillbaka från sin gamla kopia."_s.arg(name);
    return sentences.join(u' ');
}

// The error message of a file that was missing or damaged when it was read.
QString unreadFileText(const store::FileStatus &status)
{
    if (status.status == store::LoadStatus::Missing)
        return u"Filen %1 saknas och kunde inte läsas."_s.arg(status.name());
    return u"Filen %1 är skadad och kunde inte läsas helt."_s.arg(status.name());
}

} // namespace

void tell(const store::FileStatus &status)
{
    switch (status.status) {
    case store::LoadStatus::Ok:
        break;
    case store::LoadStatus::Empty:
        message(emptyFileText(status.file), u"INFORMATION"_s, kStyleExclamation);
        break;
    case store::LoadStatus::Missing:
    case store::LoadStatus::Damaged:
        errorMessage(unreadFileText(status));
        break;
    }
}

void tellNotSaved(const store::FileStatus &unread, const QString &notSaved)
{
    errorMessage(unreadFileText(unread) + u' ' + notSaved);
}

store::LoadResult loadAndTell(store::Tables &tables, const store::LoadPlan &plan)
{
    store::LoadResult result = store::load(tables, plan);
    for (const store::FileStatus &status : result.toTell)
        tell(status);
    return result;
}

bool guardAllows(store::GuardFiles files)
{
    const std::optional<store::FileStatus> refusal = store::guard(files);
    if (refusal)
        tell(*refusal);
    return !refusal;
}

bool reportSave(const store::SaveResult &result)
{
    if (!result.saved())
        errorMessage(saveFailureText(result));
    return result.saved();
}

bool saveChange(const store::FileChange &change)
{
    switch (change.refusal) {
    case store::Refusal::None:
        return reportSave(store::saveSet(change.files));
    case store::Refusal::RoundFilesDiffer:
        errorMessage(
            u"Filerna VERUNDAR, VERUNDAH och VERUNDAK har olika antal rundor. Ingenting har sparats."_s);
        return false;
    case store::Refusal::RoundLimit:
        errorMessage(
            u"Du kan inte registrera fler än %1 rundor. Rundan sparades inte."_s.arg(store::kMaxRounds));
        return false;
    }
    return false;
}

void tellCourseLimit()
{
    errorMessage(u"Du kan inte registrera fler än %1 banor."_s.arg(store::kMaxCourses));
}

bool holdDataFolder(store::FolderLock &lock)
{
    switch (lock.take()) {
    case store::FolderLock::Taken::Held:
        return true;
    case store::FolderLock::Taken::HeldByAnotherCopy:
        message(u"VEMTOR är redan igång med filerna i den här mappen."_s, u"INFORMATION"_s, kStyleExclamation);
        return false;
    case store::FolderLock::Taken::Unusable:
        errorMessage(u"Filen %1 i den här mappen kan inte användas som lås. Ta bort den och starta VEMTOR igen."_s.arg(
            QString::fromUtf16(store::kFolderLockName)));
        return false;
    case store::FolderLock::Taken::FolderNotWritable:
        store::barSaves(store::SavesBarred::FolderNotWritable);
        break;
    case store::FolderLock::Taken::NotMade:
        store::barSaves(store::SavesBarred::LockNotMade);
        break;
    }
    message(u"Ingenting kan sparas i den här mappen: %1. Filerna kan visas, men inte ändras."_s.arg(
                barredText(store::savesBarred())),
            u"INFORMATION"_s, kStyleExclamation);
    return true;
}

namespace {

// A save that a process left unfinished is finished or undone before anything else; false
// when it could be neither, and the program must end.
bool recoverSave()
{
    const store::RecoveryResult recovery = store::recoverInterruptedSave();
    switch (recovery.outcome) {
    case store::Recovery::NothingPending:
        if (!recovery.restored.isEmpty())
            message(recoveryText(recovery), u"Information"_s, kStyleOkOnly);
        return true;
    case store::Recovery::Finished:
        message(recoveryText(recovery), u"Information"_s, kStyleOkOnly);
        return true;
    case store::Recovery::Undone:
    case store::Recovery::FilesLost:
        errorMessage(recoveryText(recovery));
        return true;
    case store::Recovery::Failed:
    case store::Recovery::CannotTell:
        errorMessage(recoveryText(recovery));
        return false;
    }
    return false;
}

} // namespace

bool startupCheck()
{
    // A copy that may not save leaves an interrupted save to the copy that may.
    if (store::savesBarred() == store::SavesBarred::No && !recoverSave())
        return false;
    const store::StartupFinding finding = store::inspectDataFiles();
    switch (finding.kind) {
    case store::StartupFinding::Kind::Ready:
        return true;
    case store::StartupFinding::Kind::Unreadable:
        tellUnreadable(finding.unreadable);
        return false;
    case store::StartupFinding::Kind::Missing:
        break;
    }
    message(firstMessage(finding.missing), u"INFORMATION     (fil saknas)"_s, kStyleExclamation);
    const store::Creation creation = store::createMissingSet(finding);
    if (creation.saved.onDisk == store::SetOnDisk::Old) {
        errorMessage(u"Filen %1 kunde inte skapas."_s.arg(creation.saved.file));
        return false;
    }
    if (!reportSave(creation.saved))
        return false;
    for (const store::Backup &backup : creation.backups)
        message(u"Den gamla filen %1 har sparats som %2."_s.arg(backup.original, backup.copy),
                u"Information"_s, kStyleOkOnly);
    message(restartMessage(finding.missing), u"Information"_s, kStyleOkOnly);
    return false; // the program is started again after it
}

} // namespace platform
