#include "store/saveset.h"

#include "kit/datafiles.h"
#include "kit/faultyfs.h"
#include "kit/testenv.h"
#include "platform/storemessages.h"
#include "store/startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

RecordedMessage errorMessage(const QString &text)
{
    return {text, u"FELMEDDELANDE"_s, 48};
}

// Three files that exist and one that the save makes, as the report window will.
const QStringList kSet{u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s, u"RAPPORT.TXT"_s};

std::vector<store::FileContent> newContents()
{
    return {{kSet[0], "0\r\n\"new rounds\"\r\n"},
            {kSet[1], "0\r\n\"new strokes\"\r\n"},
            {kSet[2], "0\r\n\"new extended\"\r\n"},
            {kSet[3], "a report\r\n"}};
}

DirectoryBytes savedBytes(DirectoryBytes files)
{
    for (const store::FileContent &content : newContents())
        files[content.name] = content.bytes;
    return files;
}

// The number of a step of the save of newContents() over the worked example.
int stepOfTheSave(const QString &action)
{
    ScopedDataDir counting;
    writeEkbacken();
    FaultyFileSystem fs;
    store::saveSet(newContents());
    return stepOf(fs.log, action);
}

TEST(SaveSet, WritesEveryFileWholeAndLeavesNoHelperFile)
{
    writeEkbacken();
    const DirectoryBytes before = directoryBytes();
    const store::SaveResult result = store::saveSet(newContents());
    EXPECT_TRUE(result.saved());
    EXPECT_EQ(directoryBytes(), savedBytes(before));
}

TEST(SaveSet, EveryStepFailingOrDyingLeavesTheOldOrTheNewSet)
{
    DirectoryBytes old;
    walkEveryStep(
        [&old] {
            writeEkbacken();
            old = directoryBytes();
        },
        [] { platform::reportSave(store::saveSet(newContents())); },
        [&old](const WalkStep &walk, bool died) { expectOldOrNewSet(walk, died, old, savedBytes(old), kSet); });
}

// A rename that fails after the commit point, and the undo's first rename too: the truth is
// that neither set is whole; the next start finishes the save.
TEST(SaveSet, ASaveNeitherFinishedNorUndoneIsFinishedAtTheNextStart)
{
    writeEkbacken();
    const DirectoryBytes before = directoryBytes();
    const int step = stepOfTheSave(u"rename VERUNDAH vemtor-gammal-1"_s);
    ASSERT_GT(step, 0);
    {
        FaultyFileSystem fs;
        fs.failing = {step, step + 1};
        EXPECT_FALSE(platform::reportSave(store::saveSet(newContents())));
    }
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{errorMessage(
                  u"Filen VERUNDAH kunde inte sparas, och de gamla filerna kunde inte läggas tillbaka. Avsluta "
                  u"VEMTOR och starta det igen, så görs sparandet klart eller ångras."_s)}));
    recorder().clear();
    EXPECT_FALSE(store::saveSet(newContents()).saved()) << "no save while one is pending";
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_EQ(directoryBytes(), savedBytes(before));
    EXPECT_EQ(recorder().messageTexts(),
              QStringList{u"Sparandet av VERUNDAR, VERUNDAH, VERUNDAK och RAPPORT.TXT avbröts innan det var "
                          u"klart. Det har nu gjorts klart."_s});
}

// A save being undone when the process ended is undone at the next start, never finished.
TEST(SaveSet, AnUndoThatWasCutShortIsUndoneAtTheNextStart)
{
    writeEkbacken();
    const DirectoryBytes before = directoryBytes();
    const int step = stepOfTheSave(u"rename vemtor-ny-2 VERUNDAK"_s);
    ASSERT_GT(step, 0);
    {
        FaultyFileSystem fs;
        fs.failing = {step};
        // After the failure the renames back go from the last file: VERUNDAH is back,
        // VERUNDAR not yet.
        fs.dieAtFirst = u"rename vemtor-gammal-0 VERUNDAR"_s;
        EXPECT_THROW(store::saveSet(newContents()), SimulatedDeath);
        EXPECT_GT(stepOf(fs.log, u"rename vemtor-gammal-1 VERUNDAH"_s), step);
    }
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{errorMessage(
                  u"Sparandet av VERUNDAR, VERUNDAH, VERUNDAK och RAPPORT.TXT avbröts innan det var klart. Det "
                  u"har nu ångrats, och filerna är som före sparandet."_s)}));
}

// Helper files of a killed save, with numbered names and with the names of earlier versions:
// every one is removed, except an old copy whose file is missing, which is the only copy and
// is put back. The lock file of the folder and files of other names stay.
TEST(SaveSet, TheStartRemovesHelperFilesOfAKilledSaveAndPutsBackALoneOldCopy)
{
    writeEkbacken();
    writeFile(u"vemtor-igang"_s, "the lock file");
    writeFile(u"vemtor-ny-anteckningar"_s, "a file of the user's");
    const DirectoryBytes before = directoryBytes();
    writeFile(u"vemtor-ny-1"_s, "half a file");
    writeFile(u"vemtor-gammal-0"_s, "an old file");
    writeFile(u"VERUNDAH.vemtor-ny"_s, "half a file");
    writeFile(u"vemtor-sparar.vemtor-ny"_s, "1 VERUN");
    writeFile(u"VERUNDAR.vemtor-gammal"_s, "an old file");
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_TRUE(recorder().messages.empty());

    ASSERT_TRUE(QFile::rename(u"VERUNDAK"_s, u"VERUNDAK.vemtor-gammal"_s));
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{
                  {u"Filen VERUNDAK saknades och har lagts tillbaka från sin gamla kopia."_s, u"Information"_s, 0}}));
}

// The order that makes a set whole: every new file and the journal on the disk, and the
// directory's entries of them too, before the commit rename; then the replacements.
TEST(SaveSet, TakesItsStepsInTheOrderThatKeepsTheSetWhole)
{
    writeEkbacken();
    FaultyFileSystem fs;
    ASSERT_TRUE(store::saveSet(newContents()).saved());
    std::vector<QString> changes; // the steps that change the disk, without the questions
    std::ranges::copy_if(fs.log, std::back_inserter(changes), [](const QString &step) {
        return !QRegularExpression(u"^(kind|link|writable|list|read) "_s).match(step).hasMatch();
    });
    std::vector<QString> expected;
    const auto writeWhole = [&expected](const QString &name, bool replaces) {
        for (const char16_t *step : {u"create ", u"access ", u"write ", u"flush ", u"close "})
            if (replaces || step != std::u16string_view(u"access "))
                expected.push_back(QString::fromUtf16(step) + name);
    };
    for (int i = 0; i < 4; ++i)
        writeWhole(u"vemtor-ny-%1"_s.arg(i), i < 3); // RAPPORT.TXT is new
    writeWhole(u"vemtor-sparar.vemtor-ny"_s, false);
    expected.push_back(u"sync ."_s);
    expected.push_back(u"rename vemtor-sparar.vemtor-ny vemtor-sparar"_s);
    expected.push_back(u"sync ."_s);
    for (int i = 0; i < 4; ++i) {
        if (i < 3) // RAPPORT.TXT is new
            expected.push_back(u"rename %1 vemtor-gammal-%2"_s.arg(kSet[i]).arg(i));
        expected.push_back(u"rename vemtor-ny-%1 %2"_s.arg(i).arg(kSet[i]));
    }
    expected.push_back(u"sync ."_s);
    expected.push_back(u"remove vemtor-sparar"_s);
    for (int i = 0; i < 3; ++i)
        expected.push_back(u"remove vemtor-gammal-%1"_s.arg(i));
    EXPECT_EQ(changes, expected);
}

// elsewhere/VERUNDAR with the link VERUNDAR to it, and RAPPORT.TXT a link to elsewhere/RAPPORT.TXT.
void writeLinkedFiles()
{
    writeEkbacken();
    ASSERT_TRUE(QDir().mkdir(u"elsewhere"_s));
    ASSERT_TRUE(QFile::rename(u"VERUNDAR"_s, u"elsewhere/VERUNDAR"_s));
    ASSERT_TRUE(QFile::link(u"elsewhere/VERUNDAR"_s, u"VERUNDAR"_s));
    writeFile(u"elsewhere/RAPPORT.TXT"_s, "not a report");
    ASSERT_TRUE(QFile::link(u"elsewhere/RAPPORT.TXT"_s, u"RAPPORT.TXT"_s));
}

// A data file's link is followed, its helper files beside the target; a report's link is
// replaced itself, so a report never writes outside the folder.
TEST(SaveSet, ADataFileFollowsItsLinkAndAReportReplacesItsLink)
{
    ASSERT_NO_FATAL_FAILURE(writeLinkedFiles());
    FaultyFileSystem fs;
    ASSERT_TRUE(store::saveSet({{u"VERUNDAR"_s, "-1\r\n"}, {u"RAPPORT.TXT"_s, "a report\r\n", store::FileKind::Plain}})
                    .saved());
    EXPECT_TRUE(QFileInfo(u"VERUNDAR"_s).isSymLink());
    EXPECT_EQ(readFile(u"elsewhere/VERUNDAR"_s), QByteArray("-1\r\n"));
    EXPECT_FALSE(QFileInfo(u"RAPPORT.TXT"_s).isSymLink());
    EXPECT_EQ(readFile(u"RAPPORT.TXT"_s), QByteArray("a report\r\n"));
    EXPECT_EQ(readFile(u"elsewhere/RAPPORT.TXT"_s), QByteArray("not a report"));
    const QString target = QFileInfo(u"VERUNDAR"_s).symLinkTarget();
    const QString elsewhere = QFileInfo(target).path();
    for (const QString &step : {u"rename %1/vemtor-ny-0 %2"_s.arg(elsewhere, target), u"sync "_s + elsewhere})
        EXPECT_NE(std::find(fs.log.begin(), fs.log.end(), step), fs.log.end()) << step.toStdString();
}

// A chain of links is followed to the file at its end; the links in between stay links.
TEST(SaveSet, ADataFileFollowsAChainOfLinksToItsEnd)
{
    ASSERT_NO_FATAL_FAILURE(writeLinkedFiles());
    ASSERT_TRUE(QDir().mkdir(u"hop"_s));
    ASSERT_TRUE(QFile::remove(u"VERUNDAR"_s));
    ASSERT_TRUE(QFile::link(QFileInfo(u"elsewhere/VERUNDAR"_s).absoluteFilePath(), u"hop/VERUNDAR"_s));
    ASSERT_TRUE(QFile::link(u"hop/VERUNDAR"_s, u"VERUNDAR"_s));
    ASSERT_TRUE(store::saveSet({{u"VERUNDAR"_s, "-1\r\n"}}).saved());
    EXPECT_TRUE(QFileInfo(u"VERUNDAR"_s).isSymLink());
    EXPECT_TRUE(QFileInfo(u"hop/VERUNDAR"_s).isSymLink());
    EXPECT_EQ(readFile(u"elsewhere/VERUNDAR"_s), QByteArray("-1\r\n"));
    EXPECT_EQ(QDir(u"hop"_s).entryList(QDir::Files | QDir::System), QStringList{u"VERUNDAR"_s});
}

// A save killed before its commit point leaves its new file beside a linked file's target;
// the next start removes it there too, with the helper files of earlier versions.
TEST(SaveSet, TheStartRemovesHelperFilesBesideTheTargetOfALinkedFile)
{
    ASSERT_NO_FATAL_FAILURE(writeLinkedFiles());
    const DirectoryBytes before = directoryBytes();
    const QByteArray target = readFile(u"elsewhere/VERUNDAR"_s);
    {
        FaultyFileSystem fs;
        fs.dieAtFirst = u"flush "_s; // of the new file
        EXPECT_THROW(store::saveSet({{u"VERUNDAR"_s, "-1\r\n"}}), SimulatedDeath);
    }
    ASSERT_TRUE(fileExists(u"elsewhere/vemtor-ny-0"_s));
    writeFile(u"elsewhere/VERUNDAR.vemtor-ny"_s, "half a file");
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_EQ(QDir(u"elsewhere"_s).entryList(QDir::Files), (QStringList{u"RAPPORT.TXT"_s, u"VERUNDAR"_s}));
    EXPECT_EQ(readFile(u"elsewhere/VERUNDAR"_s), target);
    EXPECT_TRUE(recorder().messages.empty());
}

// The helper names do not grow with the file's: a name as long as the file system takes saves.
TEST(SaveSet, SavesAFileWhoseNameIsAsLongAsTheFileSystemTakes)
{
    const QString longest(255, u'r');
    ASSERT_TRUE(store::saveSet({{longest, "a report\r\n", store::FileKind::Plain}}).saved());
    EXPECT_EQ(readFile(longest), QByteArray("a report\r\n"));
    EXPECT_EQ(directoryBytes().size(), 1u);
}

// A data file whose line the loader would not read whole is not written, nor is any other
// file of its set.
TEST(SaveSet, RefusesADataFileTheLoaderWouldNotReadWholeBeforeWriting)
{
    writeEkbacken();
    const DirectoryBytes before = directoryBytes();
    const QByteArray tooLong = "0\r\n\"" + QByteArray(32766, 'x') + "\"\r\n";
    FaultyFileSystem fs;
    EXPECT_FALSE(platform::reportSave(store::saveSet({{u"VERUNDAR"_s, "0\r\n\"new\"\r\n"}, {u"VERUNDAH"_s, tooLong}})));
    EXPECT_TRUE(fs.log.empty());
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_EQ(recorder().messageTexts(), QStringList{u"Filen VERUNDAH kunde inte sparas. Ingenting har ändrats."_s});
    EXPECT_TRUE(store::saveSet({{u"RAPPORT.TXT"_s, tooLong, store::FileKind::Plain}}).saved());
}

} // namespace

namespace {

// A save killed after its commit point, as this version leaves it and as earlier versions
// (helper files named after their file) left it. Where the journal names a file that is
// neither in place nor waiting as a new file (removed by hand, or lost by the disk), the save
// cannot be finished, and the old file kept beside it is put back rather than removed.
TEST(SaveSet, AJournalLeftByAKilledSaveIsFinishedOrUndone)
{
    struct Case
    {
        const char *journal;
        QString oldRounds;
        QString newStrokes;
        QString newRounds; // empty: lost
    };
    const Case cases[] = {
        {"2\n1 VERUNDAR\n1 VERUNDAH\n", u"vemtor-gammal-0"_s, u"vemtor-ny-1"_s, u"vemtor-ny-0"_s},
        {"2\n1 VERUNDAR\n1 VERUNDAH\n", u"vemtor-gammal-0"_s, u"vemtor-ny-1"_s, {}},
        {"1 VERUNDAR\n1 VERUNDAH\n", u"VERUNDAR.vemtor-gammal"_s, u"VERUNDAH.vemtor-ny"_s, u"VERUNDAR.vemtor-ny"_s},
        {"1 VERUNDAR\n1 VERUNDAH\n", u"VERUNDAR.vemtor-gammal"_s, u"VERUNDAH.vemtor-ny"_s, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.journal + c.newRounds.toStdString());
        ScopedDataDir dir;
        writeEkbacken();
        const DirectoryBytes before = directoryBytes();
        DirectoryBytes saved = before;
        saved[u"VERUNDAR"_s] = "0\r\n\"new rounds\"\r\n";
        saved[u"VERUNDAH"_s] = "0\r\n\"new strokes\"\r\n";
        ASSERT_TRUE(QFile::rename(u"VERUNDAR"_s, c.oldRounds));
        writeFile(u"vemtor-sparar"_s, c.journal);
        writeFile(c.newStrokes, saved[u"VERUNDAH"_s]);
        if (!c.newRounds.isEmpty())
            writeFile(c.newRounds, saved[u"VERUNDAR"_s]);
        EXPECT_TRUE(platform::startupCheck());
        const QString text = u"Sparandet av VERUNDAR och VERUNDAH avbröts innan det var klart. "_s;
        if (c.newRounds.isEmpty()) {
            EXPECT_EQ(directoryBytes(), before);
            EXPECT_EQ(recorder().messages,
                      (std::vector<RecordedMessage>{
                          errorMessage(text + u"Det har nu ångrats, och filerna är som före sparandet."_s)}));
        } else {
            EXPECT_EQ(directoryBytes(), saved);
            EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{
                                               {text + u"Det har nu gjorts klart."_s, u"Information"_s, 0}}));
        }
        recorder().clear();
    }
}

} // namespace

namespace {

// An old file that a finished save could not remove (its removal failed) is never taken for
// the old file of the next save: that save passes over its name, and undoing it puts back
// what is in place, not the file from before the earlier save. The next start removes it.
TEST(SaveSet, AnUndoNeverPutsBackAnOldFileLeftByAnEarlierSave)
{
    const auto prepare = [] {
        writeEkbacken();
        writeFile(u"vemtor-gammal-2"_s, "0\r\n\"extended before the last save\"\r\n");
    };
    const QString failingStep = u"rename vemtor-ny-1 VERUNDAH"_s;
    int step = 0;
    {
        ScopedDataDir counting;
        prepare();
        FaultyFileSystem fs;
        store::saveSet(newContents());
        step = stepOf(fs.log, failingStep);
        ASSERT_GT(step, 0);
    }
    prepare();
    DirectoryBytes before = directoryBytes();
    {
        FaultyFileSystem fs;
        fs.failing = {step};
        EXPECT_FALSE(platform::reportSave(store::saveSet(newContents())));
    }
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{errorMessage(u"Filen VERUNDAH kunde inte sparas. Ingenting har ändrats."_s)}));
    recorder().clear();
    EXPECT_TRUE(platform::startupCheck());
    before.erase(u"vemtor-gammal-2"_s);
    EXPECT_EQ(directoryBytes(), before);
}

} // namespace
