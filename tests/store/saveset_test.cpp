#include "store/saveset.h"

#include "kit/datafiles.h"
#include "kit/faultyfs.h"
#include "kit/testenv.h"
#include "platform/storemessages.h"
#include "store/startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
int stepOf(const QString &action)
{
    ScopedDataDir counting;
    writeEkbacken();
    FaultyFileSystem fs;
    store::saveSet(newContents());
    const auto found = std::find(fs.log.begin(), fs.log.end(), action);
    return found == fs.log.end() ? 0 : int(found - fs.log.begin()) + 1;
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
    const int step = stepOf(u"rename VERUNDAH VERUNDAH.vemtor-gammal"_s);
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
    const int step = stepOf(u"rename VERUNDAK.vemtor-ny VERUNDAK"_s);
    ASSERT_GT(step, 0);
    {
        FaultyFileSystem fs;
        fs.failing = {step};
        // After the failure: the undo journal, a sync, then the renames back from the last
        // file; VERUNDAH is back, VERUNDAR not yet.
        fs.dieAt = step + 5;
        EXPECT_THROW(store::saveSet(newContents()), SimulatedDeath);
        EXPECT_EQ(fs.log.back(), u"rename VERUNDAR.vemtor-gammal VERUNDAR"_s);
    }
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{errorMessage(
                  u"Sparandet av VERUNDAR, VERUNDAH, VERUNDAK och RAPPORT.TXT avbröts innan det var klart. Det "
                  u"har nu ångrats, och filerna är som före sparandet."_s)}));
}

TEST(SaveSet, TheStartRemovesTemporaryFilesOfAKilledSave)
{
    writeEkbacken();
    const DirectoryBytes before = directoryBytes();
    writeFile(u"VERUNDAH.vemtor-ny"_s, "half a file");
    writeFile(u"vemtor-sparar.vemtor-ny"_s, "1 VERUN");
    writeFile(u"VERUNDAR.vemtor-gammal"_s, "an old file");
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_TRUE(recorder().messages.empty());
}

TEST(SaveSet, ALinkedFileIsReplacedAtItsTarget)
{
    writeEkbacken();
    ASSERT_TRUE(QDir().mkdir(u"elsewhere"_s));
    ASSERT_TRUE(QFile::rename(u"VERUNDAR"_s, u"elsewhere/VERUNDAR"_s));
    ASSERT_TRUE(QFile::link(u"elsewhere/VERUNDAR"_s, u"VERUNDAR"_s));
    ASSERT_TRUE(store::saveSet({{u"VERUNDAR"_s, "-1\r\n"}}).saved());
    EXPECT_TRUE(QFileInfo(u"VERUNDAR"_s).isSymLink());
    EXPECT_EQ(readFile(u"elsewhere/VERUNDAR"_s), QByteArray("-1\r\n"));
}

} // namespace

namespace {

// A journal naming a file that is neither in place nor waiting as a new file (removed by
// hand, or lost by the disk): the save cannot be finished, and the old file kept beside it
// is put back rather than removed.
TEST(SaveSet, AJournalWhoseNewFileIsGoneIsUndoneNotFinished)
{
    writeEkbacken();
    const DirectoryBytes before = directoryBytes();
    ASSERT_TRUE(QFile::rename(u"VERUNDAR"_s, u"VERUNDAR.vemtor-gammal"_s));
    writeFile(u"vemtor-sparar"_s, "1 VERUNDAR\n1 VERUNDAH\n");
    writeFile(u"VERUNDAH.vemtor-ny"_s, "0\r\n\"new strokes\"\r\n");
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{errorMessage(
                  u"Sparandet av VERUNDAR och VERUNDAH avbröts innan det var klart. Det har nu ångrats, och "
                  u"filerna är som före sparandet."_s)}));
}

} // namespace

namespace {

// An old file that a finished save could not remove (its removal failed) is never taken for
// the old file of the next save: undoing that save puts back what is in place, not the file
// from before the earlier save.
TEST(SaveSet, AnUndoNeverPutsBackAnOldFileLeftByAnEarlierSave)
{
    const auto prepare = [] {
        writeEkbacken();
        writeFile(u"VERUNDAK.vemtor-gammal"_s, "0\r\n\"extended before the last save\"\r\n");
    };
    const QString failingStep = u"rename VERUNDAH.vemtor-ny VERUNDAH"_s;
    int step = 0;
    {
        ScopedDataDir counting;
        prepare();
        FaultyFileSystem fs;
        store::saveSet(newContents());
        step = int(std::find(fs.log.begin(), fs.log.end(), failingStep) - fs.log.begin()) + 1;
        ASSERT_LE(step, int(fs.log.size()));
    }
    prepare();
    DirectoryBytes before = directoryBytes();
    before.erase(u"VERUNDAK.vemtor-gammal"_s);
    {
        FaultyFileSystem fs;
        fs.failing = {step};
        EXPECT_FALSE(platform::reportSave(store::saveSet(newContents())));
    }
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{errorMessage(u"Filen VERUNDAH kunde inte sparas. Ingenting har ändrats."_s)}));
}

} // namespace
