#include "registration/REGBANA.h"
#include "registration/REGBANA_controls.h"

#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/registers.h"
#include "kit/testenv.h"
#include "store/loading.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString kCourseFile = u"VEMTORBF"_s;
const QString kRestart = u"Eftersom denna bana är din första vemtor registrerade bana, så måste du starta om "
                         u"VEMTOR (I huvudmenyn Arkiv + Avsluta.)"_s;

// A course file of the given courses, each of 9 holes unless its name ends in "18".
QStringList courseFile(const QStringList &names)
{
    QList<QStringList> records;
    for (const QString &name : names)
        records << plainCourseLines(name, name.endsWith(u"18") ? 18 : 9);
    return fileLines(records);
}

QStringList numberedCourses(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << u"Bana %1"_s.arg(i);
    return names;
}

// The Ekbacken record appended to a file's lines as its new last course.
QStringList withEkbackenAppended(QStringList lines)
{
    lines[0] = QString::number(lines[0].toInt() + 1);
    return lines + ekbackenCourseLines().mid(1);
}

class RegisterTest : public testing::Test
{
public:
    // Through the main window's menu item.
    void open() { ASSERT_NO_FATAL_FAILURE(m_window = openByMenu(u"M_DataBana"_s, u"REGBANA"_s)); }

    // Through the fixture's own instance, for a test that reads the register's tables.
    void openKeepingState() { m_window = m_register.show(); }

    bool registerOpen()
    {
        settle();
        return openWindow(u"REGBANA"_s) != nullptr;
    }

    QStringList shownControls() const
    {
        QStringList shown;
        for (const registration::regbana::ControlRow &row : registration::regbana::kControls)
            if (isShown(m_window, row.name.toString()))
                shown << row.name.toString();
        shown.sort();
        return shown;
    }

    // From the name step through the chooser to the hole step of the course in row.
    void startChange(int row)
    {
        click(m_window, u"RB_NAMNKLAR"_s);
        setBar(m_window, u"VScroll1"_s, row);
        click(m_window, u"Option1"_s);
        click(m_window, u"RB_NAMNKLAR"_s);
    }

    platform::Instance<REGBANA, REGBANA::State> m_register;
    QWidget *m_window = nullptr;
};

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

TEST_F(RegisterTest, NewCourseIntoAnEmptyFileIsTheWorkedExample)
{
    writeLines(kCourseFile, {u"-1"_s});
    ASSERT_NO_FATAL_FAILURE(open());
    EXPECT_EQ(labelText(m_window, u"XHAL"_s), u"1"_s);
    startNewCourse(m_window, u"Ekbacken"_s);
    ASSERT_NO_FATAL_FAILURE(enterCourseHoles(m_window, ekbackenCourseHoles()));
    click(m_window, u"RB_KLAR"_s);

    EXPECT_EQ(readFile(kCourseFile), fileBytes(ekbackenCourseLines()));
    EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{{kRestart, u"INFORMATION"_s, 0}}));
    EXPECT_EQ(recorder().beeps, 0);
    EXPECT_FALSE(registerOpen());
}

TEST_F(RegisterTest, EachStepShowsItsOwnControls)
{
    writeLines(kCourseFile, courseFile({u"A"_s, u"B"_s}));
    ASSERT_NO_FATAL_FAILURE(open());
    const QStringList nameStep{u"Label2"_s,        u"Label3"_s,      u"Label4"_s,
                               u"RB_NAMNAVBRYT"_s, u"RB_NAMNKLAR"_s, u"RB_Namn"_s};
    EXPECT_EQ(shownControls(), sorted(nameStep));

    click(m_window, u"RB_NAMNKLAR"_s);
    EXPECT_EQ(shownControls(), sorted({u"Label1"_s, u"Label5"_s, u"Option1"_s, u"RB_N2"_s, u"RB_NAMNAVBRYT"_s,
                                       u"RB_NAMNKLAR"_s, u"VScroll1"_s}));

    const QStringList holeStep{u"HScroll1"_s, u"HScroll2"_s, u"HScroll3"_s, u"HScroll4"_s, u"Label6"_s,
                               u"RB_H1"_s,    u"RB_HC1"_s,   u"RB_M1"_s,    u"RB_P1"_s,    u"RB_NAMNAVBRYT"_s,
                               u"XHAL"_s,     u"XHCP"_s,     u"XMETER"_s,   u"XPAR"_s};
    setBar(m_window, u"VScroll1"_s, 1);
    click(m_window, u"Option1"_s);
    click(m_window, u"RB_NAMNKLAR"_s);
    EXPECT_EQ(shownControls(), sorted(holeStep + QStringList{u"RB_KLAR"_s, u"RB_N2"_s}));

    m_window->close();
    ASSERT_NO_FATAL_FAILURE(open());
    EXPECT_EQ(shownControls(), sorted(nameStep));
    startNewCourse(m_window, u"C"_s);
    EXPECT_EQ(shownControls(), sorted(holeStep + QStringList{u"Label2"_s, u"RB_Namn"_s}));
}

TEST_F(RegisterTest, ChangedCourseKeepsItsPlaceAndEveryOtherCourse)
{
    const QStringList lines = courseFile({u"A"_s, u"Ekbacken"_s, u"C 18"_s});
    writeLines(kCourseFile, lines);
    ASSERT_NO_FATAL_FAILURE(open());
    startChange(1);
    EXPECT_EQ(labelText(m_window, u"RB_N2"_s), u"Ekbacken"_s);
    EXPECT_EQ(labelText(m_window, u"XMETER"_s), u"101"_s);
    EXPECT_EQ(labelText(m_window, u"XHCP"_s), u"1"_s);
    EXPECT_EQ(labelText(m_window, u"XPAR"_s), u"4"_s);
    EXPECT_TRUE(isShown(m_window, u"RB_KLAR"_s));

    setBar(m_window, u"HScroll2"_s, 320);
    setBar(m_window, u"HScroll1"_s, 2);
    EXPECT_EQ(labelText(m_window, u"XMETER"_s), u"102"_s);
    EXPECT_TRUE(isShown(m_window, u"RB_KLAR"_s)); // a change may be saved from any hole
    setBar(m_window, u"HScroll4"_s, 3);
    click(m_window, u"RB_KLAR"_s);

    // Line 0 is sista_index, course A takes lines 1..29; Ekbacken's hole 1 starts at line 32.
    QByteArray expected = withLineReplaced(fileBytes(lines), 32, "\"320\"");
    expected = withLineReplaced(expected, 37, "\"3\"");
    EXPECT_EQ(readFile(kCourseFile), expected);
    EXPECT_TRUE(recorder().messages.empty());
    EXPECT_FALSE(registerOpen());
}

TEST_F(RegisterTest, ChangingTheOnlyCourseAsksForARestart)
{
    writeLines(kCourseFile, ekbackenCourseLines());
    ASSERT_NO_FATAL_FAILURE(open());
    startChange(0);
    click(m_window, u"RB_KLAR"_s);
    EXPECT_EQ(readFile(kCourseFile), fileBytes(ekbackenCourseLines()));
    EXPECT_EQ(recorder().messageTexts(), QStringList{kRestart});
}

TEST_F(RegisterTest, ChooserBeepsUntilARegisteredCourseIsChosen)
{
    writeLines(kCourseFile, courseFile({u"A"_s, u"B"_s, u"C"_s}));
    ASSERT_NO_FATAL_FAILURE(open());
    EXPECT_EQ(labelText(m_window, u"RB_N2"_s), u"A"_s);
    click(m_window, u"RB_NAMNKLAR"_s); // nothing chosen yet
    EXPECT_EQ(recorder().beeps, 1);

    setBar(m_window, u"VScroll1"_s, 3);
    EXPECT_EQ(labelText(m_window, u"RB_N2"_s), u"Totalt  3 filer är registrerad."_s);
    click(m_window, u"Option1"_s);
    click(m_window, u"RB_NAMNKLAR"_s); // a row past the last course
    EXPECT_EQ(recorder().beeps, 2);

    click(m_window, u"Option1"_s);
    setBar(m_window, u"VScroll1"_s, 2); // moving the chooser clears the choice
    click(m_window, u"RB_NAMNKLAR"_s);
    EXPECT_EQ(recorder().beeps, 3);
    EXPECT_FALSE(isShown(m_window, u"HScroll1"_s));

    click(m_window, u"Option1"_s);
    click(m_window, u"RB_NAMNKLAR"_s);
    EXPECT_EQ(recorder().beeps, 3);
    EXPECT_EQ(labelText(m_window, u"RB_N2"_s), u"C"_s);
    EXPECT_EQ(labelText(m_window, u"XMETER"_s), u"101"_s);

    // The beeps left the course counter alone: the file keeps its three courses.
    click(m_window, u"RB_KLAR"_s);
    EXPECT_EQ(readFile(kCourseFile), fileBytes(courseFile({u"A"_s, u"B"_s, u"C"_s})));
    EXPECT_TRUE(recorder().messages.empty());
}

TEST_F(RegisterTest, OkWithoutNameOnAnEmptyFileOnlyTells)
{
    writeLines(kCourseFile, {u"-1"_s});
    ASSERT_NO_FATAL_FAILURE(open());
    EXPECT_EQ(labelText(m_window, u"RB_N2"_s), u"Inga filer är registrerad sedan tidigare."_s);
    click(m_window, u"RB_NAMNKLAR"_s);
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{{u"Du har ingen bana registrerad!"_s, u"Information"_s, 0}}));
    EXPECT_EQ(recorder().beeps, 0);
    EXPECT_FALSE(isShown(m_window, u"VScroll1"_s));
    EXPECT_TRUE(isShown(m_window, u"Label4"_s));
}

TEST_F(RegisterTest, SaveButtonOfANewCourseFollowsTheHoleLeftAtHolesNineAndEighteen)
{
    writeLines(kCourseFile, {u"-1"_s});
    ASSERT_NO_FATAL_FAILURE(open());
    startNewCourse(m_window, u"Ny"_s);
    const struct
    {
        const char *step;
        int hole;       // move the hole bar here, then
        int metres;     // set the metres (0: leave the bar)
        bool saveShown; // seen after the move
    } steps[] = {
        {"hole 1 left at 1 metre", 9, 200, false},
        {"hole 9 of 200 metres", 10, 0, false},
        {"back from hole 10 at 1 metre", 9, 0, false},
        {"hole 9 still 200 metres", 18, 0, true},
        {"an ordinary hole", 5, 0, false},
        {"hole 5 at 1 metre", 9, 0, false},
        {"hole 9 again", 18, 0, true},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.step);
        setBar(m_window, u"HScroll1"_s, step.hole);
        EXPECT_EQ(labelText(m_window, u"XHAL"_s), QString::number(step.hole));
        EXPECT_EQ(isShown(m_window, u"RB_KLAR"_s), step.saveShown);
        if (step.metres)
            setBar(m_window, u"HScroll2"_s, step.metres);
    }
}

// Arriving at a hole stores a value only through a bar that moves: hole 11, reached from
// hole 9, gets "1" three times; hole 10, reached with every bar at 1 already, stays empty
// and so ends the count at 9 holes.
TEST_F(RegisterTest, ArrivingAtAHoleStoresOnlyTheValuesWhoseBarsMove)
{
    writeLines(kCourseFile, {u"-1"_s});
    openKeepingState();
    startNewCourse(m_window, u"Ekbacken"_s);
    ASSERT_NO_FATAL_FAILURE(enterCourseHoles(m_window, ekbackenCourseHoles()));
    for (const int hole : {11, 10, 9, 18})
        setBar(m_window, u"HScroll1"_s, hole);

    const store::CourseRow &row = m_register.state().tables.bantabell[0];
    const auto holeCells = [&row](int hole) {
        return QStringList{row[store::metresCell(hole)], row[store::strokeIndexCell(hole)],
                           row[store::parCell(hole)]};
    };
    EXPECT_EQ(holeCells(11), QStringList(3, u"1"_s));
    EXPECT_EQ(holeCells(10), QStringList(3, QString()));
    click(m_window, u"RB_KLAR"_s);
    EXPECT_EQ(readFile(kCourseFile), fileBytes(ekbackenCourseLines()));
}

// Refused courses: the file stays, the register closes and the error window shows once.
TEST_F(RegisterTest, CourseWithoutNineOrEighteenCompleteHolesIsRefused)
{
    const QStringList lines = courseFile({u"A"_s, u"B"_s});
    writeLines(kCourseFile, lines);
    const QByteArray before = readFile(kCourseFile);

    const struct
    {
        const char *what;
        std::function<void(RegisterTest &)> enter;
        int row;
    } cases[] = {
        {"new course of five holes",
         [](RegisterTest &t) {
             startNewCourse(t.m_window, u"Kort"_s);
             QList<CourseHole> five;
             for (int hole = 1; hole <= 5; ++hole)
                 five.append({300, hole, 4});
             enterCourseHoles(t.m_window, five);
             setBar(t.m_window, u"HScroll1"_s, 9);
         },
         2},
        {"a 9-hole course whose hole 10 was visited",
         [](RegisterTest &t) {
             t.startChange(1);
             setBar(t.m_window, u"HScroll1"_s, 9);
             setBar(t.m_window, u"HScroll1"_s, 10);
         },
         1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        recorder().clear();
        openKeepingState();
        c.enter(*this);
        const int beepsBefore = recorder().beeps;
        click(m_window, u"RB_KLAR"_s);

        EXPECT_EQ(readFile(kCourseFile), before);
        EXPECT_EQ(recorder().beeps - beepsBefore, 2);
        EXPECT_TRUE(recorder().messages.empty());
        EXPECT_FALSE(registerOpen());
        EXPECT_EQ(m_register.state().tables.bantabell[c.row], store::CourseRow{});
        QWidget *error = openWindow(u"FELINMAT"_s);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->windowTitle(), u"FELMEDDELANDE VID INMATNING"_s);
        EXPECT_EQ(labelText(error, u"Label1"_s),
                  u"SPARAS EJ: Endast 9 och 18 håls banor registreras. Du kan ha registrerat in ett icke "
                  u"godkänt värde. Prova om. Klicka OK"_s);
        // The error window of the first case is still open at the second: still one of it.
        EXPECT_EQ(openWindowCount(u"FELINMAT"_s), 1);
    }
    click(openWindow(u"FELINMAT"_s), u"FEL_IN"_s);
    settle();
    EXPECT_EQ(openWindow(u"FELINMAT"_s), nullptr);
}

TEST_F(RegisterTest, NameKeysSwallowQuotesAndTheBoxTextIsSaved)
{
    writeLines(kCourseFile, {u"-1"_s});
    ASSERT_NO_FATAL_FAILURE(open());
    typeText(m_window, u"RB_Namn"_s, u"XEk\"backen"_s);
    EXPECT_EQ(textOf(m_window, u"RB_Namn"_s), u"XEkbacken"_s);
    // An edit the key handler does not see still counts.
    typeKey(m_window, u"RB_Namn"_s, Qt::Key_Home);
    typeKey(m_window, u"RB_Namn"_s, Qt::Key_Delete);
    click(m_window, u"RB_NAMNKLAR"_s);
    ASSERT_NO_FATAL_FAILURE(enterCourseHoles(m_window, ekbackenCourseHoles()));
    click(m_window, u"RB_KLAR"_s);
    EXPECT_EQ(readFile(kCourseFile), fileBytes(ekbackenCourseLines()));
}

// After OK the name box takes no keys and no paste: the name saved is the name shown.
TEST_F(RegisterTest, NameBoxTakesNoInputAfterOk)
{
    writeLines(kCourseFile, {u"-1"_s});
    ASSERT_NO_FATAL_FAILURE(open());
    startNewCourse(m_window, u"Ekbacken"_s);
    typeText(m_window, u"RB_Namn"_s, u" X"_s);
    typeKey(m_window, u"RB_Namn"_s, Qt::Key_Home);
    typeText(m_window, u"RB_Namn"_s, u"X"_s);
    typeKey(m_window, u"RB_Namn"_s, Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText(u"Y"_s);
    QLineEdit *nameBox = nullptr;
    ASSERT_NO_FATAL_FAILURE(nameBox = control<QLineEdit>(m_window, u"RB_Namn"_s));
    QTest::keyClick(nameBox, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(nameBox->text(), u"Ekbacken"_s);

    ASSERT_NO_FATAL_FAILURE(enterCourseHoles(m_window, ekbackenCourseHoles()));
    click(m_window, u"RB_KLAR"_s);
    EXPECT_EQ(readFile(kCourseFile), fileBytes(ekbackenCourseLines()));
}

TEST_F(RegisterTest, NamesThatReadAsFreeRowsAreRefusedAtTheNameStep)
{
    writeLines(kCourseFile, ekbackenCourseLines());
    for (const QString &name : {u"Totalt 2"_s, u"Inga filer är registrerad sedan tidigare."_s}) {
        SCOPED_TRACE(name.toStdString());
        recorder().clear();
        ASSERT_NO_FATAL_FAILURE(open());
        startNewCourse(m_window, name);
        EXPECT_EQ(recorder().beeps, 1);
        EXPECT_TRUE(isShown(m_window, u"RB_NAMNKLAR"_s));
        EXPECT_TRUE(isShown(m_window, u"Label4"_s));
        EXPECT_FALSE(isShown(m_window, u"VScroll1"_s));
        EXPECT_FALSE(isShown(m_window, u"HScroll1"_s));
        m_window->close();
    }
    EXPECT_EQ(readFile(kCourseFile), fileBytes(ekbackenCourseLines()));
}

// A course already in the file whose name reads as a free row ends no course list of the
// save: every course read is written back, the new one after them.
TEST_F(RegisterTest, SaveKeepsCoursesWhoseNamesReadAsFreeRows)
{
    for (const QString &odd : {QString(), u"Totalt gammal"_s}) {
        SCOPED_TRACE(odd.toStdString());
        recorder().clear();
        const QStringList lines = courseFile({u"A"_s, odd, u"C"_s});
        writeLines(kCourseFile, lines);
        ASSERT_NO_FATAL_FAILURE(open());
        startNewCourse(m_window, u"Ekbacken"_s);
        ASSERT_NO_FATAL_FAILURE(enterCourseHoles(m_window, ekbackenCourseHoles()));
        click(m_window, u"RB_KLAR"_s);
        EXPECT_EQ(readFile(kCourseFile), fileBytes(withEkbackenAppended(lines)));
        EXPECT_TRUE(recorder().messages.empty());
    }
}

TEST_F(RegisterTest, AtMostOneHundredAndOneCourses)
{
    const QStringList hundred = courseFile(numberedCourses(100));
    writeLines(kCourseFile, hundred);
    openKeepingState();
    startNewCourse(m_window, u"Ekbacken"_s);
    ASSERT_NO_FATAL_FAILURE(enterCourseHoles(m_window, ekbackenCourseHoles()));
    click(m_window, u"RB_KLAR"_s);
    const QByteArray full = fileBytes(withEkbackenAppended(hundred));
    ASSERT_EQ(readFile(kCourseFile), full);

    openKeepingState();
    startNewCourse(m_window, u"En till"_s);
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{
                  {u"Du kan inte registrera fler än 101 banor."_s, u"FELMEDDELANDE"_s, 48}}));
    EXPECT_TRUE(isShown(m_window, u"RB_Namn"_s));
    EXPECT_TRUE(isShown(m_window, u"RB_NAMNKLAR"_s));
    EXPECT_FALSE(isShown(m_window, u"HScroll1"_s));
    EXPECT_EQ(m_register.state().sista_bana, 100);
    EXPECT_EQ(readFile(kCourseFile), full);
}

// The save is offered as always; its press says why nothing is saved, and the register stays
// open with what was entered.
TEST_F(RegisterTest, CourseFileNotReadWholeIsNeverWrittenAndThePressSaysWhy)
{
    const QByteArray good = fileBytes(courseFile({u"A"_s, u"B"_s}));
    const struct
    {
        const char *what;
        QByteArray bytes; // empty: no file
        QString message;
    } cases[] = {
        {"ends inside its last course", withoutLastLines(good, 3),
         u"Filen VEMTORBF är skadad och kunde inte läsas helt."_s},
        {"missing", QByteArray(), u"Filen VEMTORBF saknas och kunde inte läsas."_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        recorder().clear();
        QFile::remove(kCourseFile);
        if (!c.bytes.isEmpty())
            writeFile(kCourseFile, c.bytes);
        ASSERT_NO_FATAL_FAILURE(open());
        EXPECT_EQ(recorder().messageTexts(), QStringList{c.message});
        startNewCourse(m_window, u"Ekbacken"_s);
        ASSERT_NO_FATAL_FAILURE(enterCourseHoles(m_window, ekbackenCourseHoles()));
        recorder().clear();
        ASSERT_NO_FATAL_FAILURE(click(m_window, u"RB_KLAR"_s));
        EXPECT_EQ(readFile(kCourseFile), c.bytes);
        EXPECT_EQ(fileExists(kCourseFile), !c.bytes.isEmpty());
        EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{{c.message + u" Banan sparades inte."_s,
                                                                      u"FELMEDDELANDE"_s, 48}}));
        EXPECT_TRUE(registerOpen());
        EXPECT_EQ(labelText(m_window, u"XHAL"_s), u"9"_s);
        EXPECT_EQ(labelText(m_window, u"XMETER"_s), u"389"_s);
        m_window->close();
    }
}

// A course name as long as the loader takes: saved so that it reads back whole, or not saved.
TEST_F(RegisterTest, ALongCourseNameIsWrittenBackWholeOrNothingIsWritten)
{
    for (const LongItem &item : longItems()) {
        SCOPED_TRACE(item.what);
        recorder().clear();
        writeFile(kCourseFile, withLineReplaced(fileBytes(courseFile({u"A"_s})), 1, item.line));
        const QByteArray before = readFile(kCourseFile);
        ASSERT_NO_FATAL_FAILURE(open());
        startNewCourse(m_window, u"Ekbacken"_s);
        ASSERT_NO_FATAL_FAILURE(enterCourseHoles(m_window, ekbackenCourseHoles()));
        click(m_window, u"RB_KLAR"_s);
        if (item.writable) {
            store::Tables tables;
            EXPECT_EQ(store::readCourses(readFile(kCourseFile), tables, store::kMaxCourses), store::LoadStatus::Ok);
            EXPECT_EQ(tables.bantabell.at(0)[store::kCourseBannamn], item.text);
            EXPECT_EQ(tables.bantabell.at(1)[store::kCourseBannamn], u"Ekbacken"_s);
            EXPECT_TRUE(recorder().messages.empty());
        } else {
            EXPECT_EQ(readFile(kCourseFile), before);
            EXPECT_EQ(recorder().messageTexts(),
                      QStringList{u"Filen VEMTORBF kunde inte sparas. Ingenting har ändrats."_s});
        }
        if (registerOpen())
            m_window->close();
    }
}

TEST_F(RegisterTest, FailedWriteKeepsTheRegisterOpenToTryAgain)
{
    writeLines(kCourseFile, {u"-1"_s});
    ASSERT_NO_FATAL_FAILURE(open());
    startNewCourse(m_window, u"Ekbacken"_s);
    ASSERT_NO_FATAL_FAILURE(enterCourseHoles(m_window, ekbackenCourseHoles()));

    // The directory goes away under the register, so the write cannot even begin.
    const QString dir = QDir::currentPath();
    ASSERT_TRUE(QDir(dir).removeRecursively());
    click(m_window, u"RB_KLAR"_s);
    EXPECT_EQ(recorder().messageTexts(),
              QStringList{u"Filen VEMTORBF kunde inte sparas. Ingenting har ändrats."_s});
    EXPECT_TRUE(registerOpen());

    ASSERT_TRUE(QDir().mkpath(dir) && QDir::setCurrent(dir));
    recorder().clear();
    click(m_window, u"RB_KLAR"_s);
    EXPECT_EQ(readFile(kCourseFile), fileBytes(ekbackenCourseLines()));
    EXPECT_EQ(recorder().messageTexts(), QStringList{kRestart});
    EXPECT_FALSE(registerOpen());
}

TEST_F(RegisterTest, CancelWritesNothingAndTheNextShowingStartsAfresh)
{
    const QStringList one = courseFile({u"A"_s});
    writeLines(kCourseFile, one);
    ASSERT_NO_FATAL_FAILURE(open());
    startNewCourse(m_window, u"Glömd"_s);
    setBar(m_window, u"HScroll2"_s, 300);
    click(m_window, u"RB_NAMNAVBRYT"_s);
    EXPECT_FALSE(registerOpen());
    EXPECT_EQ(readFile(kCourseFile), fileBytes(one));

    ASSERT_NO_FATAL_FAILURE(open());
    EXPECT_TRUE(textOf(m_window, u"RB_Namn"_s).isEmpty());
    startNewCourse(m_window, u"Ekbacken"_s);
    ASSERT_NO_FATAL_FAILURE(enterCourseHoles(m_window, ekbackenCourseHoles()));
    click(m_window, u"RB_KLAR"_s);
    EXPECT_EQ(readFile(kCourseFile), fileBytes(withEkbackenAppended(one)));
}

} // namespace
