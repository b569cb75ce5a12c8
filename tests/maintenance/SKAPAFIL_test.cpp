#include "maintenance/SKAPAFIL.h"

#include "kit/datafiles.h"
#include "kit/faultyfs.h"
#include "kit/gui.h"
#include "kit/testenv.h"
#include "mainwindow/HUVUDMENY.h"
#include "reportfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kNoRoundInYears =
    u"Det finns inga rundor för banan under de valda åren. Ingen fil har skrivits."_s;
const QStringList kDataFiles{u"VEMTORBF"_s, u"VERUNDAH"_s, u"VERUNDAK"_s, u"VERUNDAR"_s};
const QStringList kYearControls{u"HScroll1"_s, u"HScroll2"_s, u"arfrom"_s, u"artom"_s, u"Label2"_s};

// The files in the current directory: the data files, then the reports in name order.
QStringList filesHere()
{
    QStringList files = QDir::current().entryList(QDir::Files, QDir::Name);
    std::stable_partition(files.begin(), files.end(),
                          [](const QString &f) { return kDataFiles.contains(f); });
    return files;
}

RecordedMessage written(const QString &fileName)
{
    return {u"Har skapat information om banan till datafilen "_s + fileName, {}, 0};
}

// Both bars as minimum, maximum and value, then the two captions.
struct Years
{
    int minimum, maximum, from, to;
    QString fromCaption, toCaption;
    friend bool operator==(const Years &, const Years &) = default;
    friend std::ostream &operator<<(std::ostream &out, const Years &y)
    {
        return out << y.minimum << ".." << y.maximum << " " << y.from << "-" << y.to << " '"
                   << y.fromCaption.toStdString() << "' '" << y.toCaption.toStdString() << "'";
    }
};

Years years(QWidget *window)
{
    const QScrollBar *from = control<QScrollBar>(window, u"HScroll1"_s);
    const QScrollBar *to = control<QScrollBar>(window, u"HScroll2"_s);
    if (!from || !to)
        return {};
    EXPECT_EQ(from->minimum(), to->minimum());
    EXPECT_EQ(from->maximum(), to->maximum());
    return {from->minimum(),
            from->maximum(),
            from->value(),
            to->value(),
            labelText(window, u"arfrom"_s),
            labelText(window, u"artom"_s)};
}

// Nine-hole courses of par 3 with these names, and one round of 2004 on the last of them.
void writeCoursesWithOneRound(const QStringList &names)
{
    QList<QStringList> courses;
    for (const QString &name : names)
        courses << courseRecordLines(name, QList<CourseHole>(9, {3, 3, 3}));
    writeLines(u"VEMTORBF"_s, fileLines(courses));
    writeRoundFiles({{.date = u"2004-05-01"_s,
                      .course = names.back(),
                      .strokes = QList<int>(9, 3),
                      .hcpFore = u"10.0"_s,
                      .hcpEfter = u"10.0"_s,
                      .points = u"36"_s,
                      .playType = u"S"_s,
                      .slopeHcp = u"10.0"_s}});
}

// One nine-hole course of par 3 and two rounds on it, of 36 and 45 strokes.
QList<RoundRecord> twoRoundsOnVallen()
{
    writeLines(u"VEMTORBF"_s, fileLines({courseRecordLines(u"Vallen"_s, QList<CourseHole>(9, {100, 1, 3}))}));
    const QList<RoundRecord> rounds{
        {.date = u"2004-05-01"_s, .course = u"Vallen"_s, .strokes = QList<int>(9, 4)},
        {.date = u"2004-06-01"_s, .course = u"Vallen"_s, .strokes = QList<int>(9, 5)}};
    writeRoundFiles(rounds);
    return rounds;
}

// The report window opened through the main window's menu, on the files the test wrote.
class ReportWindow : public ::testing::Test
{
protected:
    void openReport()
    {
        ASSERT_NO_FATAL_FAILURE(window = openByMenu(&mainWindow, u"M_SkapaFil"_s, u"SKAPAFIL"_s));
        ASSERT_TRUE(window);
    }

    // Björkås clicked, then its two year bars moved.
    void moveBjorkasYears(int from, int to)
    {
        clickListRow(window, u"L_Bana"_s, fixture::kBjorkasRow);
        setBar(window, u"HScroll1"_s, from);
        setBar(window, u"HScroll2"_s, to);
    }

    HUVUDMENY mainWindow;
    QWidget *window = nullptr;
};

TEST_F(ReportWindow, FirstClickShowsTheCoursesYearsAndWritesTheReport)
{
    fixture::writeReportFiles();
    ASSERT_NO_FATAL_FAILURE(openReport());
    EXPECT_EQ(window->windowTitle(), u"Skriver intressant data till en fil"_s);
    EXPECT_EQ(listItems(window, u"L_Bana"_s), (QStringList{u"Björkås"_s, u"Sjö/Berg"_s, u"Tallbacken"_s}));
    for (const QString &name : kYearControls)
        EXPECT_FALSE(isShown(window, name)) << name.toStdString();

    clickListRow(window, u"L_Bana"_s, fixture::kBjorkasRow);
    for (const QString &name : kYearControls)
        EXPECT_TRUE(isShown(window, name)) << name.toStdString();
    EXPECT_EQ(years(window), (Years{2003, 2005, 2003, 2005, u" 2003"_s, u" 2005"_s}));

    const QString name = u"Björkås  from  2003 tom  2005"_s;
    EXPECT_EQ(readFile(name), fileBytes(fixture::bjorkas2003To2005(u"08-24-2004"_s, u" 2003"_s, u" 2005"_s)));
    EXPECT_EQ(recorder().messages, std::vector<RecordedMessage>{written(name)});
    EXPECT_EQ(filesHere(), kDataFiles + QStringList{name});
}

// The same course keeps the years the user set; another course resets them.
TEST_F(ReportWindow, SameCourseAgainTakesTheMovedYearsAnotherCourseResets)
{
    fixture::writeReportFiles();
    ASSERT_NO_FATAL_FAILURE(openReport());
    moveBjorkasYears(2004, 2004);
    EXPECT_EQ(years(window), (Years{2003, 2005, 2004, 2004, u"2004"_s, u"2004"_s}));
    recorder().clear();

    clickListRow(window, u"L_Bana"_s, fixture::kBjorkasRow);
    const QString oneYear = u"Björkås  from 2004 tom 2004"_s;
    EXPECT_EQ(readFile(oneYear), fileBytes(fixture::bjorkas2004(u"08-24-2004"_s, u"2004"_s, u"2004"_s)));
    EXPECT_EQ(years(window), (Years{2003, 2005, 2004, 2004, u"2004"_s, u"2004"_s}));

    // The name's "/" becomes "_" in the file name only.
    clickListRow(window, u"L_Bana"_s, fixture::kSjoBergRow);
    EXPECT_EQ(years(window), (Years{2004, 2004, 2004, 2004, u" 2004"_s, u" 2004"_s}));
    const QString sjoBerg = u"Sjö_Berg  from  2004 tom  2004"_s;
    EXPECT_EQ(readFile(sjoBerg), fileBytes(fixture::sjoBerg2004(u"08-24-2004"_s, u" 2004"_s, u" 2004"_s)));

    EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{written(oneYear), written(sjoBerg)}));
    EXPECT_EQ(filesHere(), kDataFiles + QStringList({u"Björkås  from  2003 tom  2005"_s, oneYear, sjoBerg}));
}

TEST_F(ReportWindow, ReversedYearsAreRefusedUntilAnotherCourseResetsThem)
{
    fixture::writeReportFiles();
    ASSERT_NO_FATAL_FAILURE(openReport());
    moveBjorkasYears(2005, 2004);
    recorder().clear();

    clickListRow(window, u"L_Bana"_s, fixture::kBjorkasRow);
    clickListRow(window, u"L_Bana"_s, fixture::kBjorkasRow);
    const RecordedMessage refused{u"Fel angivet årtal!"_s, {}, 0};
    EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{refused, refused}));
    EXPECT_EQ(filesHere(), kDataFiles + QStringList{u"Björkås  from  2003 tom  2005"_s});

    recorder().clear();
    clickListRow(window, u"L_Bana"_s, fixture::kSjoBergRow);
    EXPECT_EQ(recorder().messages,
              std::vector<RecordedMessage>{written(u"Sjö_Berg  from  2004 tom  2004"_s)});
}

TEST_F(ReportWindow, CourseWithoutRoundsInTheYearsWritesNoFile)
{
    fixture::writeReportFiles();
    ASSERT_NO_FATAL_FAILURE(openReport());
    clickListRow(window, u"L_Bana"_s, fixture::kTallbackenRow);
    EXPECT_EQ(years(window), (Years{0, 0, 0, 0, u" 0"_s, u" 0"_s}));
    EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{{kNoRoundInYears, {}, 0}}));
    EXPECT_EQ(filesHere(), kDataFiles);
}

// Closing keeps the tables but not the years: the first click after opening resets them.
TEST_F(ReportWindow, ReopenedWindowStartsWithAYearReset)
{
    fixture::writeReportFiles();
    ASSERT_NO_FATAL_FAILURE(openReport());
    clickListRow(window, u"L_Bana"_s, fixture::kBjorkasRow);
    setBar(window, u"HScroll1"_s, 2004);
    click(window, u"Command1"_s);
    settle();
    EXPECT_EQ(openWindowCount(u"SKAPAFIL"_s), 0);

    ASSERT_NO_FATAL_FAILURE(openReport());
    EXPECT_FALSE(isShown(window, u"HScroll1"_s));
    EXPECT_EQ(years(window), (Years{0, 0, 0, 0, {}, {}}));
    recorder().clear();
    clickListRow(window, u"L_Bana"_s, fixture::kBjorkasRow);
    EXPECT_EQ(recorder().messages, std::vector<RecordedMessage>{written(u"Björkås  from  2003 tom  2005"_s)});
}

TEST_F(ReportWindow, EmptyFilesAreToldAndAnEmptyStrokeFileStillListsTheCourses)
{
    writeEmptyFiles();
    ASSERT_NO_FATAL_FAILURE(openReport());
    EXPECT_EQ(recorder().messageTexts(), QStringList{u"Du har inte registrerat någon bana ännu."_s});
    EXPECT_TRUE(listItems(window, u"L_Bana"_s).isEmpty());
    click(window, u"Command1"_s);
    settle();

    fixture::writeReportFiles();
    writeLines(u"VERUNDAH"_s, {u"-1"_s});
    recorder().clear();
    ASSERT_NO_FATAL_FAILURE(openReport());
    EXPECT_EQ(
        recorder().messages,
        (std::vector<RecordedMessage>{{u"Du har inte registrerat något hål ännu."_s, u"INFORMATION"_s, 48}}));
    EXPECT_EQ(listItems(window, u"L_Bana"_s).size(), 3);
}

// A damaged round file is told once; the window goes on with the rounds read whole.
TEST_F(ReportWindow, DamagedRoundFileIsToldAndItsWholeRoundsAreReported)
{
    fixture::writeReportFiles();
    writeFile(u"VERUNDAR"_s, withoutLastLines(readFile(u"VERUNDAR"_s), 3)); // round 5 (2005) is cut
    ASSERT_NO_FATAL_FAILURE(openReport());
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{
                  {u"Filen VERUNDAR är skadad och kunde inte läsas helt."_s, u"FELMEDDELANDE"_s, 48}}));
    EXPECT_EQ(listItems(window, u"L_Bana"_s).size(), 3);
    recorder().clear();
    clickListRow(window, u"L_Bana"_s, fixture::kBjorkasRow);
    EXPECT_EQ(years(window), (Years{2003, 2004, 2003, 2004, u" 2003"_s, u" 2004"_s}));
    EXPECT_EQ(recorder().messages, std::vector<RecordedMessage>{written(u"Björkås  from  2003 tom  2004"_s)});
}

// A reload shows what the files hold now: the stroke and extended files lost the second
// round, so it counts no strokes, as on a fresh start, not the 45 of the earlier load.
TEST_F(ReportWindow, ReloadReportsWhatAFreshStartWithTheSameFilesReports)
{
    const QList<RoundRecord> rounds = twoRoundsOnVallen();
    ASSERT_NO_FATAL_FAILURE(openReport());
    click(window, u"Command1"_s);
    settle();
    const RoundFileLines first = roundFileLines(rounds.mid(0, 1));
    writeLines(u"VERUNDAH"_s, first.strokes);
    writeLines(u"VERUNDAK"_s, first.extended);

    const QString name = u"Vallen  from  2004 tom  2004"_s;
    ASSERT_NO_FATAL_FAILURE(openReport());
    clickListRow(window, u"L_Bana"_s, 0);
    const QByteArray reloaded = readFile(name);
    EXPECT_TRUE(reloaded.contains("\r\n2004-06-01    0   "));
    EXPECT_TRUE(reloaded.contains(fileBytes({u"Genomsnittet antalet slag per runda är   18"_s})));
    click(window, u"Command1"_s);
    settle();

    ASSERT_TRUE(QFile::remove(name));
    HUVUDMENY freshStart;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(&freshStart, u"M_SkapaFil"_s, u"SKAPAFIL"_s));
    clickListRow(window, u"L_Bana"_s, 0);
    EXPECT_EQ(readFile(name), reloaded);
}

// The list is not cut at 60 courses, nor at the table's 111 rows.
TEST_F(ReportWindow, ListsEveryCourseOfTheFile)
{
    QStringList names;
    for (int row = 0; row < 120; ++row)
        names << u"Bana %1"_s.arg(row);
    writeCoursesWithOneRound(names);
    ASSERT_NO_FATAL_FAILURE(openReport());
    EXPECT_EQ(listItems(window, u"L_Bana"_s), names);
    clickListRow(window, u"L_Bana"_s, 119);
    EXPECT_EQ(recorder().messages,
              std::vector<RecordedMessage>{written(u"Bana 119  from  2004 tom  2004"_s)});
}

// A name the file system refuses (here too long) is told, and the window stays open.
TEST_F(ReportWindow, ReportThatCannotBeSavedIsTold)
{
    const QString longName = u"Lång"_s.repeated(80);
    writeCoursesWithOneRound({longName});
    ASSERT_NO_FATAL_FAILURE(openReport());
    clickListRow(window, u"L_Bana"_s, 0);
    const QString name = longName + u"  from  2004 tom  2004"_s;
    EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{
                                       {u"Filen %1 kunde inte sparas. Ingenting har ändrats."_s.arg(name),
                                        u"FELMEDDELANDE"_s, 48}}));
    EXPECT_EQ(filesHere(), kDataFiles);
    EXPECT_EQ(openWindowCount(u"SKAPAFIL"_s), 1);
}

// Any report name the file system takes is saved: here 255 bytes, of a course name of 233.
TEST_F(ReportWindow, ReportOfTheLongestNameTheFileSystemTakesIsSaved)
{
    const QString longName(233, u'L');
    writeCoursesWithOneRound({longName});
    ASSERT_NO_FATAL_FAILURE(openReport());
    clickListRow(window, u"L_Bana"_s, 0);
    const QString name = longName + u"  from  2004 tom  2004"_s;
    ASSERT_EQ(name.size(), 255);
    EXPECT_EQ(recorder().messages, std::vector<RecordedMessage>{written(name)});
    EXPECT_EQ(filesHere(), kDataFiles + QStringList{name});
}

// A link that has the report's name is replaced by the report; what it pointed to, here
// outside the folder, is left as it was.
TEST_F(ReportWindow, ReportReplacesALinkOfItsNameAndWritesNothingWhereItPointed)
{
    fixture::writeReportFiles();
    const QString name = u"Björkås  from  2003 tom  2005"_s;
    const QTemporaryDir outside;
    const QString target = outside.filePath(u"target"_s);
    writeFile(target, "not a report");
    ASSERT_TRUE(QFile::link(target, name));
    ASSERT_NO_FATAL_FAILURE(openReport());
    clickListRow(window, u"L_Bana"_s, fixture::kBjorkasRow);
    EXPECT_EQ(recorder().messages, std::vector<RecordedMessage>{written(name)});
    EXPECT_FALSE(QFileInfo(name).isSymLink());
    EXPECT_EQ(readFile(name), fileBytes(fixture::bjorkas2003To2005(u"08-24-2004"_s, u" 2003"_s, u" 2005"_s)));
    EXPECT_EQ(readFile(target), QByteArray("not a report"));
}

// An older report of the same name stays whole when the new one cannot be written.
TEST_F(ReportWindow, FailedWriteLeavesTheOlderReport)
{
    fixture::writeReportFiles();
    const QString name = u"Björkås  from  2003 tom  2005"_s;
    writeFile(name, QByteArrayLiteral("older report\r\n"));
    ASSERT_NO_FATAL_FAILURE(openReport());
    FaultyFileSystem fileSystem;
    fileSystem.failing = {2}; // the write of the new content
    clickListRow(window, u"L_Bana"_s, fixture::kBjorkasRow);
    EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{
                                       {u"Filen %1 kunde inte sparas. Ingenting har ändrats."_s.arg(name),
                                        u"FELMEDDELANDE"_s, 48}}));
    EXPECT_EQ(readFile(name), QByteArrayLiteral("older report\r\n"));
    EXPECT_EQ(filesHere(), kDataFiles + QStringList{name});
}

} // namespace
