#include "store/recovery.h"

#include "kit/datafiles.h"
#include "kit/faultyfs.h"
#include "kit/testenv.h"
#include "platform/storemessages.h"
#include "store/folderlock.h"
#include "store/saveset.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kNewRounds = "0\r\n\"new rounds\"\r\n";

std::vector<store::FileContent> newRoundFiles()
{
    return {{u"VERUNDAR"_s, kNewRounds},
            {u"VERUNDAH"_s, "0\r\n\"new strokes\"\r\n"},
            {u"VERUNDAK"_s, "0\r\n\"new extended\"\r\n"}};
}

// The names in a folder and the bytes of its files.
DirectoryBytes folderBytes(const QString &folder)
{
    DirectoryBytes files;
    for (const QString &name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        files[name] = readFile(QDir(folder).filePath(name));
    return files;
}

// Folder X's course file links into folder Y. Y's round save was killed after its VERUNDAR
// was moved aside, so Y holds its journal and helper files. X's start leaves them to Y (and
// leaves a stray helper of Y's while a copy holds Y), and Y's start then finishes its save.
TEST(Recovery, AnotherFoldersHelperFilesStayWhileItsSaveWaitsOrACopyHoldsIt)
{
    const QString x = QDir::current().absoluteFilePath(u"X"_s);
    const QString y = QDir::current().absoluteFilePath(u"Y"_s);
    ASSERT_TRUE(QDir().mkdir(x) && QDir().mkdir(y));
    ASSERT_TRUE(QDir::setCurrent(y));
    writeEkbacken();
    {
        FaultyFileSystem fs;
        fs.dieAtFirst = u"rename vemtor-ny-0 VERUNDAR"_s;
        EXPECT_THROW(store::saveSet(newRoundFiles()), SimulatedDeath);
    }
    ASSERT_TRUE(fileExists(u"vemtor-gammal-0"_s) && !fileExists(u"VERUNDAR"_s));
    const DirectoryBytes killed = folderBytes(y);

    ASSERT_TRUE(QDir::setCurrent(x));
    writeEkbacken();
    ASSERT_TRUE(QFile::remove(u"VEMTORBF"_s));
    ASSERT_TRUE(QFile::link(u"../Y/VEMTORBF"_s, u"VEMTORBF"_s));
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_EQ(folderBytes(y), killed);

    ASSERT_TRUE(QDir::setCurrent(y));
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_EQ(recorder().messageTexts(),
              QStringList{u"Sparandet av VERUNDAR, VERUNDAH och VERUNDAK avbröts innan det var klart. Det har nu "
                          u"gjorts klart."_s});
    for (const store::FileContent &file : newRoundFiles())
        EXPECT_EQ(readFile(file.name), file.bytes);

    writeFile(u"vemtor-ny-7"_s, "a stray of Y's");
    {
        store::FolderLock copyOnY(y);
        ASSERT_EQ(copyOnY.take(), store::FolderLock::Taken::Held);
        ASSERT_TRUE(QDir::setCurrent(x));
        EXPECT_TRUE(platform::startupCheck());
        EXPECT_TRUE(QFile::exists(y + u"/vemtor-ny-7"_s));
    }
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_FALSE(QFile::exists(y + u"/vemtor-ny-7"_s));
    EXPECT_FALSE(QFile::exists(y + u"/vemtor-igang"_s));
}

// A save whose file is gone, neither in place nor kept as its old file, cannot be undone to
// what was before: the start says which file is gone and where its records are, if anywhere,
// and never that the files are as before the save.
TEST(Recovery, AnUndoThatFindsAFileGoneNamesItAndWhereItsRecordsAre)
{
    const QString journal = u"3\n1 0 VERUNDAR\n1 1 VERUNDAH\n1 2 VERUNDAK\n"_s;
    const QString text = u"Sparandet av VERUNDAR, VERUNDAH och VERUNDAK avbröts innan det var klart och kunde inte "
                         u"ångras helt. "_s;
    const struct
    {
        QString journalName;
        bool newRoundsKept;
        QString told;
    } cases[] = {
        {u"vemtor-sparar"_s, false, text + u"Filen VERUNDAR finns inte längre, och dess poster finns inte kvar."_s},
        {u"vemtor-angrar"_s, true,
         text + u"Filen VERUNDAR finns inte längre. Dess poster, med det som skulle sparas, finns i filen "
                u"VERUNDAR.BAK."_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.journalName.toStdString());
        ScopedDataDir dir;
        recorder().clear();
        writeEkbacken();
        ASSERT_TRUE(QFile::remove(u"VERUNDAR"_s));
        writeFile(c.journalName, journal.toUtf8());
        writeFile(u"vemtor-ny-1"_s, newRoundFiles()[1].bytes);
        writeFile(u"vemtor-ny-2"_s, newRoundFiles()[2].bytes);
        if (c.newRoundsKept)
            writeFile(u"vemtor-ny-0"_s, kNewRounds);

        EXPECT_FALSE(platform::startupCheck()); // the round files are made again
        ASSERT_FALSE(recorder().messages.empty());
        EXPECT_EQ(recorder().messages.front(), (RecordedMessage{c.told, u"FELMEDDELANDE"_s, 48}));
        for (const QString &told : recorder().messageTexts())
            EXPECT_FALSE(told.contains(u"som före sparandet"_s) || told.contains(u"gjorts klart"_s));
        EXPECT_EQ(readFile(u"VERUNDAR.BAK"_s), c.newRoundsKept ? kNewRounds : QByteArray());
        for (const QString &helper : {u"vemtor-ny-0"_s, u"vemtor-ny-1"_s, u"vemtor-ny-2"_s, c.journalName})
            EXPECT_FALSE(fileExists(helper)) << helper.toStdString();
    }
}

} // namespace
