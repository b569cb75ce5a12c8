#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"
#include "platform/storemessages.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Two nine-hole courses, D and E, with a round each on 2004-05-01.
void writeTwoCourses()
{
    writeLines(u"VEMTORBF"_s, fileLines({courseRecordLines(u"D"_s, QList<CourseHole>(9, {100, 1, 3})),
                                         courseRecordLines(u"E"_s, QList<CourseHole>(9, {100, 1, 3}))}));
    writeRoundFiles({{.date = u"2004-05-01"_s, .course = u"D"_s, .strokes = QList<int>(9, 4)},
                     {.date = u"2004-05-01"_s, .course = u"E"_s, .strokes = QList<int>(9, 5)}});
}

RecordedMessage reportWritten(const QString &name)
{
    return {u"Har skapat information om banan till datafilen "_s + name, {}, 0};
}

struct HeldName
{
    QString folder;                       // made, holding a file, at this name
    std::vector<RecordedMessage> toldForD; // at the report of D
};

const QString kReportOfD = u"D  from  2004 tom  2004"_s;

class NamesHeld : public testing::TestWithParam<HeldName>
{
};

// A folder of the user's, holding a file, where the report of D is to be written or where a
// save puts its first old file. The report of D is refused in the first place and written in
// the second; the report of E and a deletion of the date's rounds are saved either way, and
// the folder and its file stay where they are, also after the next start.
TEST_P(NamesHeld, TheFolderStaysAndSavesGoOn)
{
    const HeldName &held = GetParam();
    writeTwoCourses();
    ASSERT_TRUE(QDir().mkdir(held.folder));
    writeFile(held.folder + u"/inside"_s, "the user's file");
    const auto folderIsThere = [&held] {
        EXPECT_TRUE(QFileInfo(held.folder).isDir());
        EXPECT_EQ(readFile(held.folder + u"/inside"_s), QByteArray("the user's file"));
    };
    QWidget *report = nullptr;
    ASSERT_NO_FATAL_FAILURE(report = openByMenu(u"M_SkapaFil"_s, u"SKAPAFIL"_s));
    clickListRow(report, u"L_Bana"_s, 0);
    EXPECT_EQ(recorder().messages, held.toldForD);
    folderIsThere();
    recorder().clear();
    clickListRow(report, u"L_Bana"_s, 1);
    EXPECT_EQ(recorder().messages, std::vector<RecordedMessage>{reportWritten(u"E  from  2004 tom  2004"_s)});
    EXPECT_TRUE(QFileInfo(u"E  from  2004 tom  2004"_s).isFile());
    folderIsThere();

    recorder().clear();
    QWidget *deletion = nullptr;
    ASSERT_NO_FATAL_FAILURE(deletion = openByMenu(u"M_DataTabort"_s, u"TABORT"_s));
    click(deletion, u"Option2"_s);
    setBar(deletion, u"HScroll1"_s, 2004);
    setBar(deletion, u"HScroll2"_s, 5);
    setBar(deletion, u"HScroll3"_s, 1);
    click(deletion, u"Command2"_s);
    settle();
    EXPECT_TRUE(recorder().messages.empty());
    EXPECT_EQ(readFile(u"VERUNDAR"_s), QByteArray("-1\r\n"));
    folderIsThere();

    EXPECT_TRUE(platform::startupCheck());
    folderIsThere();
}

INSTANTIATE_TEST_SUITE_P(
    Places, NamesHeld,
    testing::Values(HeldName{kReportOfD,
                             {{u"Filen %1 kunde inte sparas, eftersom det finns en mapp med det namnet. Ingenting "
                               u"har ändrats."_s.arg(kReportOfD),
                               u"FELMEDDELANDE"_s, 48}}},
                    HeldName{u"vemtor-gammal-0"_s, {reportWritten(kReportOfD)}}));

} // namespace
