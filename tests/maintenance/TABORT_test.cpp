#include "mainwindow/HUVUDMENY.h"
#include "tabortfiles.h"

#include "kit/faultyfs.h"
#include "kit/gui.h"
#include "kit/testenv.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tabortfiles;

namespace {

void writeToDisk(const FourFiles &files)
{
    writeFile(u"VEMTORBF"_s, files.courses);
    writeFile(u"VERUNDAR"_s, files.rounds);
    writeFile(u"VERUNDAH"_s, files.strokes);
    writeFile(u"VERUNDAK"_s, files.extended);
}

FourFiles onDisk()
{
    return {readFile(u"VEMTORBF"_s), readFile(u"VERUNDAR"_s), readFile(u"VERUNDAH"_s),
            readFile(u"VERUNDAK"_s)};
}

const QString kNoCourse = u"Du har inte registrerat någon bana ännu."_s;

class DeletionWindow : public testing::Test
{
protected:
    // Opens the window from the main window's menu; fails fatally when it does not open.
    QWidget *open() { return openByMenu(&m_main, u"M_DataTabort"_s, u"TABORT"_s); }
    QStringList shownControls(QWidget *window)
    {
        QStringList shown;
        for (const char *name : {"Label1", "Command1", "Option1", "L_taboba", "Option2", "L_taboru",
                                 "VScroll1", "RG21", "Command2", "HScroll1", "HScroll2", "HScroll3", "Label2",
                                 "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
            if (isShown(window, QString::fromLatin1(name)))
                shown << QString::fromLatin1(name);
        return shown;
    }
    QStringList dateLabels(QWidget *window)
    {
        return {labelText(window, u"Label2"_s), labelText(window, u"Label3"_s),
                labelText(window, u"Label4"_s)};
    }
    void chooseDate(QWidget *window, int year, int month, int day)
    {
        setBar(window, u"HScroll1"_s, year);
        setBar(window, u"HScroll2"_s, month);
        setBar(window, u"HScroll3"_s, day);
    }
    // Presses "Utför Borttag": the window closes, whatever happened.
    void pressDelete(QWidget *window)
    {
        click(window, u"Command2"_s);
        settle();
        EXPECT_EQ(openWindow(u"TABORT"_s), nullptr);
    }

    HUVUDMENY m_main;
};

TEST_F(DeletionWindow, OpensWithTheTwoModesAndAvbrytOnlyAndAvbrytWritesNothing)
{
    const FourFiles before =
        allBytes(numberedCourses({{u"Ek"_s}}), numberedRounds({roundOn(u"2004-08-24"_s, u"Ek"_s)}),
                 LineOneForm::Text); // any rewrite would make line 1 bare
    writeToDisk(before);
    for (const char *mode : {"Option1", "Option2"}) {
        SCOPED_TRACE(mode);
        QWidget *window = nullptr;
        ASSERT_NO_FATAL_FAILURE(window = open());
        EXPECT_EQ(window->windowTitle(), u"Tar bort en registrerad bana eller runda"_s);
        EXPECT_EQ(shownControls(window), (QStringList{u"Label1"_s, u"Command1"_s, u"Option1"_s, u"L_taboba"_s,
                                                      u"Option2"_s, u"L_taboru"_s, u"Label8"_s}));
        click(window, QString::fromLatin1(mode));
        click(window, u"Command1"_s);
        settle();
        EXPECT_EQ(openWindow(u"TABORT"_s), nullptr);
    }
    EXPECT_EQ(onDisk(), before);
    EXPECT_TRUE(recorder().messages.empty());
}

TEST_F(DeletionWindow, RoundModeSetsTheYearBarToTheEarliestYearWithinItsRange)
{
    struct Case
    {
        std::vector<RoundRecord> rounds;
        QStringList labels;
    } cases[] = {
        {{}, {u"2100"_s, u"1"_s, u"1"_s}},
        {{roundOn(u"2003-05-01"_s, u"Ek"_s), roundOn(u"2004-08-24"_s, u"Ek"_s)}, {u"2003"_s, u"1"_s, u"1"_s}},
        {{roundOn(u"1990-05-01"_s, u"Ek"_s)}, {u"1990"_s, u"1"_s, u"1"_s}},
        {{roundOn(u"2003-05-01"_s, u"Ek"_s), roundOn(u"04-08-24"_s, u"Ek"_s)},
         {u"1990"_s, u"1"_s, u"1"_s}}, // 1904
        {{roundOn(u"2200-05-01"_s, u"Ek"_s)}, {u"2100"_s, u"1"_s, u"1"_s}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.labels.join(u'-').toStdString());
        writeToDisk(allBytes({{u"Ek"_s}}, c.rounds));
        QWidget *window = nullptr;
        ASSERT_NO_FATAL_FAILURE(window = open());
        click(window, u"Option2"_s);
        EXPECT_EQ(dateLabels(window), c.labels);
        EXPECT_EQ(
            shownControls(window),
            (QStringList{u"Label1"_s, u"Command1"_s, u"Option1"_s, u"L_taboba"_s, u"Option2"_s, u"L_taboru"_s,
                         u"Command2"_s, u"HScroll1"_s, u"HScroll2"_s, u"HScroll3"_s, u"Label2"_s, u"Label3"_s,
                         u"Label4"_s, u"Label5"_s, u"Label6"_s, u"Label7"_s, u"Label8"_s}));
        click(window, u"Command1"_s);
        settle();
    }
    EXPECT_TRUE(recorder().messages.empty());
}

TEST_F(DeletionWindow, ADateOfUnexpectedLengthClosesTheWindowWithoutWriting)
{
    const FourFiles before =
        allBytes({{u"Ek"_s}}, {roundOn(u"2003-05-01"_s, u"Ek"_s), roundOn(u"2004-8-24"_s, u"Ek"_s)},
                 LineOneForm::Text);
    writeToDisk(before);
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open());
    click(window, u"Option2"_s);
    settle();
    EXPECT_EQ(openWindow(u"TABORT"_s), nullptr);
    ASSERT_EQ(recorder().messages.size(), 1u);
    EXPECT_EQ(recorder().messages[0], (RecordedMessage{u"STOP I TABORT. EJ OK I ÅRTAL."_s, u"INFO"_s, 0}));
    EXPECT_EQ(recorder().ends, 0);
    EXPECT_EQ(onDisk(), before);
}

TEST_F(DeletionWindow, RoundModeDeletesEveryRoundOfTheChosenDateFromTheThreeRoundFiles)
{
    const std::vector<RoundRecord> rounds = numberedRounds({
        roundOn(u"2003-05-01"_s, u"Ek"_s),
        roundOn(u"04-08-24"_s, u"Ek"_s, 9, u" "_s, true),
        roundOn(u"2004-08-24"_s, u"Björk"_s, 18),
        roundOn(u"2004-08-25"_s, u"Ek"_s, 9, u"2004-08-24"_s),
    });
    const FourFiles before = allBytes(numberedCourses({{u"Ek"_s}, {u"Björk"_s, 18}}), rounds);
    writeToDisk(before);
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open());
    click(window, u"Option2"_s);
    chooseDate(window, 2004, 8, 24);
    EXPECT_EQ(dateLabels(window), (QStringList{u"2004"_s, u"8"_s, u"24"_s}));
    pressDelete(window);

    FourFiles expected = roundBytes({rounds[0], rounds[3]});
    expected.courses = before.courses;
    EXPECT_EQ(onDisk(), expected);
    EXPECT_TRUE(recorder().messages.empty());
}

TEST_F(DeletionWindow, CourseModeChoosesByRowAndShowsAnEmptyNamePastTheLastCourse)
{
    writeToDisk(allBytes(numberedCourses({{u"Ek"_s}, {u"Björk"_s, 18}}), {}));
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open());
    click(window, u"Option1"_s);
    EXPECT_EQ(shownControls(window),
              (QStringList{u"Label1"_s, u"Command1"_s, u"Option1"_s, u"L_taboba"_s, u"Option2"_s,
                           u"L_taboru"_s, u"VScroll1"_s, u"RG21"_s, u"Command2"_s, u"Label8"_s}));
    EXPECT_EQ(labelText(window, u"RG21"_s), u"Ek"_s);
    setBar(window, u"VScroll1"_s, 1);
    EXPECT_EQ(labelText(window, u"RG21"_s), u"Björk"_s);
    setBar(window, u"VScroll1"_s, 50);
    EXPECT_EQ(labelText(window, u"RG21"_s), QString());
    click(window, u"Option2"_s);
    EXPECT_FALSE(isShown(window, u"RG21"_s));
    EXPECT_EQ(control<QScrollBar>(window, u"VScroll1"_s)->value(), 0);
    EXPECT_FALSE(control<QAbstractButton>(window, u"Option1"_s)->isChecked());
}

TEST_F(DeletionWindow, CourseModeDeletesTheCourseAsItIsOnDiskAtThePress)
{
    const std::vector<Course> courses = numberedCourses({{u"Ek"_s}, {u"Björk"_s, 18}, {u"Tall"_s}});
    const std::vector<RoundRecord> rounds =
        numberedRounds({roundOn(u"2003-05-01"_s, u"Björk"_s, 18), roundOn(u"2004-08-24"_s, u"Ek"_s),
                        roundOn(u"2004-09-01"_s, u"Björk"_s, 18, u" "_s, true)});
    writeToDisk(allBytes({courses[0], courses[1]}, rounds));
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open());
    click(window, u"Option1"_s);
    setBar(window, u"VScroll1"_s, 1);
    // The course register saves a third course while the window is open.
    writeFile(u"VEMTORBF"_s, courseBytes(courses));
    pressDelete(window);

    FourFiles expected = roundBytes({rounds[1]});
    expected.courses = courseBytes({courses[0], courses[2]});
    EXPECT_EQ(onDisk(), expected);
    EXPECT_TRUE(recorder().messages.empty());
}

TEST_F(DeletionWindow, AnEmptyCourseFileEmptiesTheChosenName)
{
    const std::vector<RoundRecord> rounds = numberedRounds({roundOn(u"2004-08-24"_s, u"Ek"_s)});
    writeToDisk(allBytes(numberedCourses({{u"Ek"_s}}), rounds));
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open());
    click(window, u"Option1"_s);
    EXPECT_EQ(labelText(window, u"RG21"_s), u"Ek"_s);
    writeFile(u"VEMTORBF"_s, courseBytes({}, LineOneForm::Text));
    click(window, u"Option2"_s);
    click(window, u"Option1"_s);
    EXPECT_EQ(recorder().messageTexts(), QStringList{kNoCourse});
    EXPECT_EQ(labelText(window, u"RG21"_s), QString());
    // "Utför Borttag" still shows from round mode: it deletes in course mode, by the empty name.
    pressDelete(window);
    FourFiles expected = roundBytes(rounds);
    expected.courses = courseBytes({});
    EXPECT_EQ(onDisk(), expected);
}

// Every file is read and checked before anything is written.
TEST_F(DeletionWindow, NothingIsWrittenWhenAFileIsDamagedOrTheRoundFilesDisagree)
{
    const FourFiles good =
        allBytes({{u"Ek"_s}}, {roundOn(u"2004-08-24"_s, u"Ek"_s), roundOn(u"2005-01-01"_s, u"Ek"_s)});
    FourFiles disagree = good;
    disagree.extended = roundBytes({roundOn(u"2004-08-24"_s, u"Ek"_s)}).extended;
    FourFiles damaged = good;
    damaged.strokes = withoutLastLines(good.strokes, 1);
    struct Case
    {
        const char *name;
        FourFiles files;
        QString message;
    } cases[] = {
        {"disagree", disagree,
         u"Filerna VERUNDAR, VERUNDAH och VERUNDAK har olika antal rundor. Ingenting har sparats."_s},
        {"damaged", damaged, u"Filen VERUNDAH är skadad och kunde inte läsas helt. Ingenting har tagits bort."_s},
    };
    for (const Case &c : cases) {
        for (const char *mode : {"Option1", "Option2"}) {
            SCOPED_TRACE(std::string(c.name) + " " + mode);
            writeToDisk(c.files);
            QWidget *window = nullptr;
            ASSERT_NO_FATAL_FAILURE(window = open());
            click(window, QString::fromLatin1(mode));
            recorder().clear();
            pressDelete(window);
            EXPECT_EQ(recorder().messageTexts(), QStringList{c.message});
            EXPECT_EQ(onDisk(), c.files);
        }
    }
}

// A deletion through the menu, as a user makes it; a window left open by a save that died
// is closed first, as the end of that process would have closed it.
void deleteThroughTheMenu(const char *mode)
{
    while (QWidget *stale = openWindow(u"TABORT"_s)) {
        stale->close();
        settle();
    }
    HUVUDMENY mainWindow;
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(&mainWindow, u"M_DataTabort"_s, u"TABORT"_s));
    click(window, QString::fromLatin1(mode));
    if (QString::fromLatin1(mode) == u"Option1"_s) {
        setBar(window, u"VScroll1"_s, 1);
    } else {
        setBar(window, u"HScroll1"_s, 2004);
        setBar(window, u"HScroll2"_s, 8);
        setBar(window, u"HScroll3"_s, 24);
    }
    // The press sends the button's own signal: a save that "dies" throws, and a throw must
    // not cross the frames of Qt Widgets, which are built without exceptions.
    auto *press = control<QPushButton>(window, u"Command2"_s);
    ASSERT_TRUE(press && press->isVisible());
    emit press->clicked();
}

// The files replaced together: a failing step or a process ended at any step of the save
// leaves the old set or the new set, the message says which, and the next start finishes
// what was committed. Course mode saves four files, round mode three.
TEST(DeletionSave, IsWholeWhereverItFailsOrStops)
{
    const std::vector<RoundRecord> rounds =
        numberedRounds({roundOn(u"2004-08-24"_s, u"Ek"_s), roundOn(u"2004-08-24"_s, u"Björk"_s, 18),
                        roundOn(u"2005-01-01"_s, u"Ek"_s)});
    const FourFiles files = allBytes(numberedCourses({{u"Ek"_s}, {u"Björk"_s, 18}}), rounds);
    const QStringList roundFiles{u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s};
    for (const auto &[mode, names] :
         {std::pair{"Option1", QStringList{u"VEMTORBF"_s} + roundFiles}, std::pair{"Option2", roundFiles}}) {
        SCOPED_TRACE(mode);
        expectWholeAtEveryStep([&files] { writeToDisk(files); }, [mode] { deleteThroughTheMenu(mode); },
                               names);
    }
}

} // namespace
