#include "store/saveset.h"

#include "kit/datafiles.h"
#include "kit/faultyfs.h"
#include "kit/testenv.h"
#include "platform/storemessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kRefused = u"Filen %1 kunde inte sparas, eftersom %2. Ingenting har ändrats."_s;

std::vector<store::FileContent> roundsAndReport()
{
    return {{u"VERUNDAR"_s, "0\r\n\"new rounds\"\r\n"},
            {u"VERUNDAH"_s, "0\r\n\"new strokes\"\r\n"},
            {u"RAPPORT"_s, "a report\r\n", store::FileKind::Plain}};
}

bool changesTheDisk(const QString &step)
{
    return !(step.startsWith(u"kind "_s) || step.startsWith(u"link "_s) || step.startsWith(u"writable "_s));
}

// A folder holding a file of the user's, at `name`.
void makeFolder(const QString &name)
{
    ASSERT_TRUE(QDir().mkpath(name));
    writeFile(name + u"/inside"_s, "the user's file");
}

// A name held by a folder, or by a link to one, is no file a save may replace: the whole set
// is refused before anything is written or moved, and says why.
TEST(SaveObstacles, AFolderInAFilesPlaceRefusesTheSetBeforeAnythingIsWritten)
{
    struct Case
    {
        QString folder; // made at this name
        QString link;   // and, when set, this name links to it
        QString named;  // the file the message names
    };
    const Case cases[] = {
        {u"RAPPORT"_s, {}, u"RAPPORT"_s},
        {u"VERUNDAH"_s, {}, u"VERUNDAH"_s},
        {u"elsewhere"_s, u"VERUNDAH"_s, u"VERUNDAH"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.folder.toStdString());
        ScopedDataDir dir;
        recorder().clear();
        writeEkbacken();
        const QString replaced = c.link.isEmpty() ? c.folder : c.link;
        ASSERT_TRUE(!fileExists(replaced) || QFile::remove(replaced));
        ASSERT_NO_FATAL_FAILURE(makeFolder(c.folder));
        ASSERT_TRUE(c.link.isEmpty() || QFile::link(c.folder, c.link));
        const DirectoryBytes before = directoryBytes();
        FaultyFileSystem fs;
        EXPECT_FALSE(platform::reportSave(store::saveSet(roundsAndReport())));
        EXPECT_TRUE(std::ranges::none_of(fs.log, changesTheDisk));
        EXPECT_EQ(directoryBytes(), before);
        EXPECT_EQ(readFile(c.folder + u"/inside"_s), QByteArray("the user's file"));
        EXPECT_EQ(recorder().messageTexts(), QStringList{kRefused.arg(c.named, u"det finns en mapp med det namnet"_s)});
    }
}

// Helper names that something else holds (a folder, a link to a file elsewhere, a named
// pipe) are passed over, never written through, moved or removed, also by the next start;
// and saves go on.
TEST(SaveObstacles, HelperNamesHeldByOthersArePassedOverAndKept)
{
    writeEkbacken();
    ASSERT_NO_FATAL_FAILURE(makeFolder(u"vemtor-gammal-0"_s));
    ASSERT_NO_FATAL_FAILURE(makeFolder(u"elsewhere"_s));
    ASSERT_TRUE(QFile::link(u"elsewhere/inside"_s, u"vemtor-ny-1"_s));
    ASSERT_EQ(::mkfifo("vemtor-ny-2", 0644), 0);
    const auto othersAreThere = [] {
        EXPECT_TRUE(QFileInfo(u"vemtor-gammal-0"_s).isDir());
        EXPECT_EQ(readFile(u"vemtor-gammal-0/inside"_s), QByteArray("the user's file"));
        EXPECT_EQ(QFileInfo(u"vemtor-ny-1"_s).symLinkTarget(), QFileInfo(u"elsewhere/inside"_s).absoluteFilePath());
        EXPECT_EQ(readFile(u"elsewhere/inside"_s), QByteArray("the user's file"));
        EXPECT_EQ(QFileInfo(u"vemtor-ny-2"_s).isFile(), false);
        EXPECT_TRUE(QFileInfo::exists(u"vemtor-ny-2"_s));
    };
    const std::vector<store::FileContent> files = roundsAndReport();
    for (int save = 0; save < 2; ++save) {
        SCOPED_TRACE(save);
        EXPECT_TRUE(platform::reportSave(store::saveSet(files)));
        for (const store::FileContent &file : files)
            EXPECT_EQ(readFile(file.name), file.bytes);
        othersAreThere();
        EXPECT_TRUE(platform::startupCheck());
        othersAreThere();
    }
    EXPECT_TRUE(recorder().messages.empty());
}

// The journal's name is one the save cannot pass over: what holds it is named, and the start
// does not take it for an interrupted save.
TEST(SaveObstacles, AFolderWithTheJournalsNameIsNamedAndNeverTakenForASave)
{
    writeEkbacken();
    ASSERT_NO_FATAL_FAILURE(makeFolder(u"vemtor-sparar"_s));
    const DirectoryBytes before = directoryBytes();
    EXPECT_FALSE(platform::reportSave(store::saveSet(roundsAndReport())));
    EXPECT_EQ(recorder().messageTexts(),
              QStringList{kRefused.arg(u"VERUNDAR"_s,
                                       u"VEMTOR behöver namnet vemtor-sparar när det sparar, och det finns en mapp "
                                       u"med det namnet. Flytta den eller byt namn på den"_s)});
    recorder().clear();
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_TRUE(recorder().messages.empty());
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_EQ(readFile(u"vemtor-sparar/inside"_s), QByteArray("the user's file"));
}

// A file this user may not write (root may write any, so the file system's answer is the
// seam's) refuses the whole set before anything is written.
TEST(SaveObstacles, AFileTheUserMayNotWriteRefusesTheSet)
{
    writeEkbacken();
    const DirectoryBytes before = directoryBytes();
    FaultyFileSystem fs;
    fs.readOnly = {u"VERUNDAH"_s};
    EXPECT_FALSE(platform::reportSave(store::saveSet(roundsAndReport())));
    EXPECT_TRUE(std::ranges::none_of(fs.log, changesTheDisk));
    EXPECT_EQ(directoryBytes(), before);
    EXPECT_EQ(recorder().messageTexts(), QStringList{kRefused.arg(u"VERUNDAH"_s, u"den är skrivskyddad"_s)});
}

mode_t modeOf(const QString &name)
{
    struct stat status;
    EXPECT_EQ(::stat(QFile::encodeName(name).constData(), &status), 0);
    return status.st_mode & 07777;
}

// A replaced file keeps the permission bits it had, a linked data file's target too; a new
// file takes the folder's usual ones.
TEST(SaveObstacles, AReplacedFileKeepsItsPermissionBits)
{
    writeEkbacken();
    ASSERT_TRUE(QDir().mkdir(u"elsewhere"_s));
    ASSERT_TRUE(QFile::rename(u"VERUNDAH"_s, u"elsewhere/VERUNDAH"_s));
    ASSERT_TRUE(QFile::link(u"elsewhere/VERUNDAH"_s, u"VERUNDAH"_s));
    ASSERT_EQ(::chmod("VERUNDAR", 0640), 0);
    ASSERT_EQ(::chmod("elsewhere/VERUNDAH", 0444), 0);
    const mode_t umask = ::umask(022);
    ASSERT_TRUE(store::saveSet(roundsAndReport()).saved());
    ::umask(umask);
    EXPECT_EQ(modeOf(u"VERUNDAR"_s), 0640u);
    EXPECT_EQ(modeOf(u"elsewhere/VERUNDAH"_s), 0444u);
    EXPECT_EQ(modeOf(u"RAPPORT"_s), 0644u);
    EXPECT_EQ(readFile(u"elsewhere/VERUNDAH"_s), roundsAndReport()[1].bytes);
}

// A copy that does not hold its folder saves nothing: every save is refused with the reason
// before the file system is asked anything.
TEST(SaveObstacles, BarredSavesAreRefusedWithTheirReasonBeforeAnyStep)
{
    writeEkbacken();
    const DirectoryBytes before = directoryBytes();
    const struct
    {
        store::SavesBarred why;
        QString reason;
    } cases[] = {
        {store::SavesBarred::FolderNotWritable, u"VEMTOR får inte skriva i mappen"_s},
        {store::SavesBarred::LockNotMade,
         u"låsfilen vemtor-igang kunde inte skapas där, kanske för att disken är full"_s},
    };
    for (const auto &c : cases) {
        recorder().clear();
        store::barSaves(c.why);
        FaultyFileSystem fs;
        EXPECT_FALSE(platform::reportSave(store::saveSet(roundsAndReport())));
        EXPECT_TRUE(fs.log.empty());
        EXPECT_EQ(directoryBytes(), before);
        EXPECT_EQ(recorder().messageTexts(),
                  QStringList{kRefused.arg(u"VERUNDAR"_s, u"ingenting kan sparas i den här mappen: "_s + c.reason)});
    }
}

} // namespace
