#include "platform/storemessages.h"

#include "kit/datafiles.h"
#include "kit/faultyfs.h"
#include "kit/testenv.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList kNames{u"VEMTORBF"_s, u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s};
const QByteArray kNumberEmpty = "-1\r\n";
const QByteArray kTextEmpty = "\"-1\"\r\n";

const RecordedMessage kCourseFirst{
    u"Du saknar en fil som heter VEMTORBF. Jag kommer nu att skapa filerna VEMTORBF, VERUNDAR, VERUNDAH och "
    u"VERUNDAK och lägga dem i samma bibliotek som din .EXE fil ligger i."_s,
    u"INFORMATION     (fil saknas)"_s, 48};
const RecordedMessage kCourseSecond{
    u"Jag har nu skapat filerna eftersom programmet kräver dessa filer. Var vänlig "
    u"och starta om programmet!"_s,
    u"Information"_s, 0};
const RecordedMessage kRoundSecond{
    u"Jag har nu skapat filerna eftersom programmet kräver dessa filer. Var vänlig "
    u"och starta om programmet."_s,
    u"Information"_s, 0};

RecordedMessage roundFirst(const QString &name)
{
    return {
        u"Du saknar en fil som heter %1. Jag kommer nu att skapa filerna VERUNDAR, VERUNDAH och VERUNDAK och "
        u"lägga dem i samma bibliotek som din .EXE fil ligger i. Jag skriver in -1 på första raden och "
        u"sparar "
        u"filerna."_s.arg(name),
        u"INFORMATION     (fil saknas)"_s, 48};
}

RecordedMessage keptMessage(const QString &name, const QString &copy)
{
    return {u"Den gamla filen %1 har sparats som %2."_s.arg(name, copy), u"Information"_s, 0};
}

RecordedMessage errorMessage(const QString &text)
{
    return {text, u"FELMEDDELANDE"_s, 48};
}

std::vector<QByteArray> allFiles()
{
    std::vector<QByteArray> files;
    for (const QString &name : kNames)
        files.push_back(fileExists(name) ? readFile(name) : QByteArray("(missing)"));
    return files;
}

TEST(Startup, AllFilesPresentShowsTheMainWindow)
{
    writeEkbacken();
    const std::vector<QByteArray> before = allFiles();
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_TRUE(recorder().messages.empty());
    EXPECT_EQ(allFiles(), before);
    EXPECT_EQ(recorder().ends, 0);
}

// Each start with a missing file runs the creation of the first missing one only.
TEST(Startup, CreationRowsMakeTheirSetWithExactBytesAndMessages)
{
    const QByteArray n = kNumberEmpty;
    const QByteArray t = kTextEmpty;
    const QByteArray missing = "(missing)";
    const struct
    {
        const char *name;
        QStringList absent;
        bool zeroBytes;
        std::vector<QByteArray> after;
        std::vector<RecordedMessage> messages;
    } cases[] = {
        {"first start", kNames, false, {n, n, n, n}, {kCourseFirst, kCourseSecond}},
        {"course file of zero bytes", {u"VEMTORBF"_s}, true, {n, n, n, n}, {kCourseFirst, kCourseSecond}},
        {"round file", {u"VERUNDAR"_s}, false, {n, t, t, t}, {roundFirst(u"VERUNDAR"_s), kRoundSecond}},
        {"stroke file", {u"VERUNDAH"_s}, false, {n, t, t, t}, {roundFirst(u"VERUNDAH"_s), kRoundSecond}},
        {"extended file", {u"VERUNDAK"_s}, true, {n, t, t, t}, {roundFirst(u"VERUNDAK"_s), kRoundSecond}},
        {"course and stroke files",
         {u"VEMTORBF"_s, u"VERUNDAH"_s},
         false,
         {n, n, n, n},
         {kCourseFirst, kCourseSecond}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScopedDataDir dir;
        recorder().clear();
        writeEmptyFiles();
        for (const QString &name : c.absent) {
            QFile::remove(name);
            if (c.zeroBytes)
                writeFile(name, QByteArray());
        }
        EXPECT_FALSE(platform::startupCheck());
        EXPECT_EQ(allFiles(), c.after);
        EXPECT_EQ(recorder().messages, c.messages);
        EXPECT_EQ(QDir().entryList(QDir::Files).size(), 4) << "no backup of an empty file";
    }
}

TEST(Startup, CreationKeepsFilesWithRecordsAsBackups)
{
    writeEkbacken();
    QFile::remove(u"VERUNDAK"_s);
    writeFile(u"VERUNDAR.BAK"_s, "taken");
    const QByteArray rounds = readFile(u"VERUNDAR"_s);
    writeFile(u"VERUNDAH"_s, "not a data file\r\n");
    EXPECT_FALSE(platform::startupCheck());
    EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{
                                       roundFirst(u"VERUNDAK"_s),
                                       keptMessage(u"VERUNDAR"_s, u"VERUNDAR.BAK2"_s),
                                       keptMessage(u"VERUNDAH"_s, u"VERUNDAH.BAK"_s),
                                       kRoundSecond,
                                   }));
    EXPECT_EQ(readFile(u"VERUNDAR.BAK"_s), QByteArray("taken"));
    EXPECT_EQ(readFile(u"VERUNDAR.BAK2"_s), rounds);
    EXPECT_EQ(readFile(u"VERUNDAH.BAK"_s), QByteArray("not a data file\r\n"));
    EXPECT_EQ(readFile(u"VEMTORBF"_s), fileBytes(ekbackenCourseLines()));
    EXPECT_EQ(allFiles()[1], kTextEmpty);
    EXPECT_EQ(allFiles()[2], kTextEmpty);
    EXPECT_EQ(allFiles()[3], kTextEmpty);
}

TEST(Startup, CreationOfTheCourseSetKeepsTheRoundFiles)
{
    writeEkbacken();
    QFile::remove(u"VEMTORBF"_s);
    writeFile(u"VERUNDAK"_s, kTextEmpty);
    EXPECT_FALSE(platform::startupCheck());
    EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{
                                       kCourseFirst,
                                       keptMessage(u"VERUNDAR"_s, u"VERUNDAR.BAK"_s),
                                       keptMessage(u"VERUNDAH"_s, u"VERUNDAH.BAK"_s),
                                       kCourseSecond,
                                   }));
    EXPECT_EQ(allFiles(), (std::vector<QByteArray>{kNumberEmpty, kNumberEmpty, kNumberEmpty, kNumberEmpty}));
    EXPECT_FALSE(fileExists(u"VERUNDAK.BAK"_s));
}

TEST(Startup, FileThatExistsButCannotBeReadChangesNothing)
{
    const struct
    {
        const char *name;
        QString missing;
        QString unreadable;
    } cases[] = {
        {"checked file", QString(), u"VERUNDAR"_s},
        {"sibling of a missing file", u"VEMTORBF"_s, u"VERUNDAK"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScopedDataDir dir;
        recorder().clear();
        writeEkbacken();
        if (!c.missing.isEmpty())
            QFile::remove(c.missing);
        QFile::remove(c.unreadable);
        ASSERT_TRUE(QDir().mkdir(c.unreadable)); // exists, cannot be read even by root
        const QStringList before = QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        EXPECT_FALSE(platform::startupCheck());
        EXPECT_EQ(recorder().messages,
                  (std::vector<RecordedMessage>{errorMessage(
                      u"Filen %1 finns men går inte att läsa. Ingenting har ändrats."_s.arg(c.unreadable))}));
        EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }
}

TEST(Startup, FailedCreationIsReportedInsteadOfSuccess)
{
    writeEkbacken();
    QFile::remove(u"VERUNDAK"_s);
    // A link into a directory that does not exist: missing, and no file can be made there.
    ASSERT_TRUE(QFile::link(u"nowhere/VERUNDAK"_s, u"VERUNDAK"_s));
    const QByteArray strokes = readFile(u"VERUNDAH"_s);
    EXPECT_FALSE(platform::startupCheck());
    const std::vector<RecordedMessage> expected{roundFirst(u"VERUNDAK"_s),
                                                errorMessage(u"Filen VERUNDAK kunde inte skapas."_s)};
    EXPECT_EQ(recorder().messages, expected);
    EXPECT_EQ(readFile(u"VERUNDAH"_s), strokes);
    EXPECT_FALSE(fileExists(u"VERUNDAH.BAK"_s)) << "the backups and the new files are made together or not at all";
}

// The creation with its backups, every step failing and dying: right after, the old set or
// the new set with a true message; after the next start, the new set with each backup once.
TEST(Startup, CreationIsWholeWhereverItFailsOrStops)
{
    const QByteArray rounds = fileBytes(ekbackenRoundLines());
    const QByteArray strokes = fileBytes(ekbackenStrokeLines());
    DirectoryBytes old;
    const auto prepare = [&old] {
        writeEkbacken();
        QFile::remove(u"VERUNDAK"_s);
        writeFile(u"VERUNDAR.BAK"_s, "taken");
        old = directoryBytes();
    };
    const auto created = [&] {
        DirectoryBytes files = old;
        files[u"VERUNDAR.BAK2"_s] = rounds;
        files[u"VERUNDAH.BAK"_s] = strokes;
        for (const QString &name : {u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s})
            files[name] = kTextEmpty;
        return files;
    };
    const std::vector<RecordedMessage> success{
        roundFirst(u"VERUNDAK"_s),
        keptMessage(u"VERUNDAR"_s, u"VERUNDAR.BAK2"_s),
        keptMessage(u"VERUNDAH"_s, u"VERUNDAH.BAK"_s),
        kRoundSecond,
    };
    const QStringList set{u"VERUNDAR.BAK2"_s, u"VERUNDAH.BAK"_s, u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s};
    const RecordedMessage cannotTell = errorMessage(
        u"Det gick inte att se efter om ett sparande avbröts i den här mappen. VEMTOR avslutas."_s);
    walkEveryStep(prepare, [] { platform::startupCheck(); },
                  [&](const WalkStep &walk, bool died) {
                      const int done = doneStep(walk.actions);
                      const int commit = commitStep(walk.actions);
                      ASSERT_GT(commit, 0);
                      ASSERT_GT(done, commit);
                      // Before the creation's save: the look for an interrupted save, whose
                      // failure ends the program, the sweep, whose failure leaves a stray, and
                      // the reading of the files to keep, whose failure ends it too.
                      const int saveStart = stepOf(walk.actions, u"kind VERUNDAR.BAK2"_s);
                      ASSERT_GT(saveStart, 0);
                      const bool before = walk.step < saveStart;
                      const bool lookedForAJournal =
                          before &&
                          QRegularExpression(u"^kind vemtor-(sparar|angrar)$"_s).match(walk.action).hasMatch();
                      const bool readAFileToKeep = before && walk.action.startsWith(u"read "_s);
                      const bool madeBeforeTheFault =
                          walk.step > done || (before && !lookedForAJournal && !readAFileToKeep && !died);
                      const QString failed = fileOfStep(walk.action, set);
                      std::vector<RecordedMessage> told{roundFirst(u"VERUNDAK"_s)};
                      if (died)
                          told = before ? std::vector<RecordedMessage>{} : told;
                      else if (lookedForAJournal)
                          told = {cannotTell};
                      else if (readAFileToKeep)
                          told = {errorMessage(u"Filen %1 finns men går inte att läsa. Ingenting har ändrats."_s.arg(
                              walk.action.mid(5)))};
                      else if (madeBeforeTheFault)
                          told = success;
                      else
                          told.push_back(errorMessage(u"Filen %1 kunde inte skapas."_s.arg(failed)));
                      EXPECT_EQ(recorder().messages, told);
                      const bool strayMayStay = died || walk.action.startsWith(u"remove "_s);
                      EXPECT_TRUE(strayMayStay || directoryBytes() == (madeBeforeTheFault ? created() : old));

                      recorder().clear();
                      const bool finishedAtStart = died && walk.step > commit && walk.step <= done;
                      const bool whole = finishedAtStart || madeBeforeTheFault;
                      EXPECT_EQ(platform::startupCheck(), whole);
                      EXPECT_EQ(directoryBytes(), created());
                      QStringList toldAtStart;
                      if (finishedAtStart)
                          toldAtStart << u"Sparandet av VERUNDAR.BAK2, VERUNDAH.BAK, VERUNDAR, VERUNDAH och "
                                         u"VERUNDAK avbröts innan det var klart. Det har nu gjorts klart."_s;
                      else if (!whole)
                          for (const RecordedMessage &message : success)
                              toldAtStart << message.text;
                      EXPECT_EQ(recorder().messageTexts(), toldAtStart);
                  });
}

} // namespace

namespace {

// A second copy on a folder that a copy holds says so and goes no further; a copy on another
// folder starts.
TEST(Startup, ASecondCopyOnTheSameFolderOnlyTells)
{
    store::FolderLock first;
    ASSERT_TRUE(platform::holdDataFolder(first));
    EXPECT_TRUE(recorder().messages.empty());
    store::FolderLock second;
    EXPECT_FALSE(platform::holdDataFolder(second));
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{
                  {u"VEMTOR är redan igång med filerna i den här mappen."_s, u"INFORMATION"_s, 48}}));

    recorder().clear();
    ScopedDataDir otherFolder;
    store::FolderLock elsewhere;
    EXPECT_TRUE(platform::holdDataFolder(elsewhere));
    EXPECT_TRUE(recorder().messages.empty());
}

} // namespace

namespace {

// A lock file's name held by a folder stops the start with a message that names it, not with
// the message of a running copy; nothing is read or written.
TEST(Startup, ALockNameThatCannotBeALockFileIsNamedAndEndsTheStart)
{
    ASSERT_TRUE(QDir().mkdir(u"vemtor-igang"_s));
    store::FolderLock lock;
    EXPECT_FALSE(platform::holdDataFolder(lock));
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{errorMessage(u"Filen vemtor-igang i den här mappen kan inte användas som "
                                                         u"lås. Ta bort den och starta VEMTOR igen."_s)}));
}

// A copy that cannot make its lock file says once that nothing can be saved and why, shows the
// files, leaves an interrupted save to a copy that may save, and refuses every save.
TEST(Startup, ACopyWithoutItsLockSaysSoOnceAndSavesNothing)
{
    writeEkbacken();
    writeFile(u"vemtor-sparar"_s, "3\n1 0 VERUNDAR\n");
    const DirectoryBytes before = directoryBytes();
    store::FolderLock lock(u"no such folder"_s);
    EXPECT_TRUE(platform::holdDataFolder(lock));
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{
                  {u"Ingenting kan sparas i den här mappen: låsfilen vemtor-igang kunde inte skapas där, kanske för "
                   u"att disken är full. Filerna kan visas, men inte ändras."_s,
                   u"INFORMATION"_s, 48}}));
    recorder().clear();
    EXPECT_FALSE(platform::reportSave(store::saveSet({{u"VERUNDAR"_s, "-1\r\n"}})));
    EXPECT_EQ(recorder().messages.size(), 1u);
    EXPECT_EQ(directoryBytes(), before);
}

} // namespace
