#include "mainwindow/HUVUDMENY.h"

#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QList<int> kNinePars{4, 3, 5, 4, 4, 3, 4, 5, 4};
const QList<int> kEighteenPars = kNinePars + kNinePars;

QList<int> plus(const QList<int> &values, int d)
{
    QList<int> sum;
    for (int v : values)
        sum.append(v + d);
    return sum;
}

// Hole in one, two eagles, a birdie, a double bogey, four over and three under on the
// first seven holes of the 18-hole course; par on the rest.
QList<int> everyClass()
{
    QList<int> strokes = kEighteenPars;
    const int first[] = {2, 1, 3, 3, 6, 7, 1};
    std::copy(std::begin(first), std::end(first), strokes.begin());
    return strokes;
}

// Courses "Ek" (18 holes), "Bok" (9 holes) and "Tall" (9 holes, no round). Ek's rounds:
// INGEN, then MELLAN and FULL on one day, then FULL.
void writeCourseFiles()
{
    writeLines(u"VEMTORBF"_s, QStringList{u"2"_s} + parCourseLines(u"Ek"_s, kEighteenPars) +
                                  parCourseLines(u"Bok"_s, kNinePars) + parCourseLines(u"Tall"_s, kNinePars));
    writeRoundFiles({
        {.date = u"2004-05-01"_s, .course = u"Ek"_s, .strokes = plus(kEighteenPars, 1)},
        {.date = u"2004-05-10"_s,
         .course = u"Bok"_s,
         .strokes = {5, 3, 5, 4, 4, 3, 4, 5, 4},
         .extended = u"F"_s + u"JN0102"_s.repeated(9)},
        {.date = u"2004-06-01"_s,
         .course = u"Ek"_s,
         .strokes = kEighteenPars,
         .extended = u"M"_s + u"-J--02"_s.repeated(18)},
        {.date = u"2004-06-01"_s,
         .course = u"Ek"_s,
         .strokes = everyClass(),
         .extended = u"F"_s + u"JJ1011"_s.repeated(18)},
        {.date = u"2004-07-01"_s,
         .course = u"Ek"_s,
         .strokes = plus(kEighteenPars, 2),
         .extended = u"F"_s + u"NN0002"_s.repeated(18)},
    });
}

const QStringList kSummaryLabels{
    u"tot_rund"_s, u"ant_hat"_s, u"Ant_c"_s,   u"full_an"_s, u"mell_an"_s, u"ant_hac"_s, u"ant_haf"_s,
    u"ant_ham"_s,  u"Fair_c"_s,  u"ant_ha1"_s, u"fair_p"_s,  u"Green_c"_s, u"ant_ha2"_s, u"green_p"_s,
    u"Putt_c"_s,   u"putt_re"_s, u"putt_p"_s,  u"Chip_c"_s,  u"chip_ru"_s, u"Chip_p"_s,  u"pitch_c"_s,
    u"pitch_ru"_s, u"pitch_p"_s, u"Bunk_c"_s,  u"bunk_ru"_s, u"Bunk_p"_s};
const QStringList kClassRows{u"Label21"_s, u"Label22"_s, u"Label23"_s, u"Label24"_s,
                             u"Label25"_s, u"Label26"_s, u"Label28"_s};

QStringList labels(QWidget *window, const QStringList &names)
{
    QStringList texts;
    for (const QString &name : names)
        texts << labelText(window, name);
    return texts;
}

QStringList summary(QWidget *window)
{
    return labels(window, kSummaryLabels);
}
QStringList classTotals(QWidget *window)
{
    return labelTexts(window, u"Label"_s, 29, 7);
}
QStringList classRows(QWidget *window)
{
    return labels(window, kClassRows);
}
QStringList overParRow(QWidget *window)
{
    return labelTexts(window, u"Label"_s, 46, 18);
}
QStringList perRoundRow(QWidget *window)
{
    return labelTexts(window, u"Label"_s, 66, 18);
}

// A class row of counts, each with a leading blank, joined by a blank.
QString countRow(const QList<int> &counts)
{
    QStringList texts;
    for (int c : counts)
        texts << u" "_s + QString::number(c);
    return texts.join(u' ');
}

QList<int> repeated(QList<int> front, int value, int total)
{
    while (front.size() < total)
        front << value;
    return front;
}

class ScoreAnalysis : public testing::Test
{
protected:
    QWidget *open() { return openByMenu(&m_main, u"M_Analy"_s, u"VE_ANALY"_s); }

    // Chooses the course and the list entries (-1: none) and presses "ANALYS".
    void analyse(QWidget *window, int course, int from, int to)
    {
        clickListRow(window, u"ve_ban"_s, course);
        if (from >= 0)
            clickListRow(window, u"l_dat1"_s, from);
        if (to >= 0)
            clickListRow(window, u"l_dat2"_s, to);
        click(window, u"Command1"_s);
    }

    HUVUDMENY m_main;
};

TEST_F(ScoreAnalysis, OpensWithOnlyTheCourseListAndTillbaka)
{
    writeCourseFiles();
    QWidget *window = open();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), u"SCORE ANALYS"_s);
    EXPECT_EQ(listItems(window, u"ve_ban"_s), (QStringList{u"Ek"_s, u"Bok"_s, u"Tall"_s}));
    EXPECT_TRUE(isShown(window, u"ve_ban"_s));
    EXPECT_TRUE(isShown(window, u"Command2"_s));
    for (const QString &name : {u"l_dat1"_s, u"l_dat2"_s, u"Command1"_s, u"Label2"_s, u"Label1"_s,
                                u"hcp_ord"_s, u"Label29"_s, u"Label83"_s, u"tot_rund"_s, u"label5"_s})
        EXPECT_FALSE(isShown(window, name)) << name.toStdString();
    EXPECT_TRUE(recorder().messages.empty());
}

TEST_F(ScoreAnalysis, CourseClickShowsEverythingAndListsTheCoursesDatesTwice)
{
    writeCourseFiles();
    QWidget *window = open();
    clickListRow(window, u"ve_ban"_s, 0);
    const QStringList dates{u"2004-05-01"_s, u"2004-06-01"_s, u"2004-06-01"_s, u"2004-07-01"_s};
    EXPECT_EQ(listItems(window, u"l_dat1"_s), dates);
    EXPECT_EQ(listItems(window, u"l_dat2"_s), dates);
    for (const QString &name :
         {u"l_dat1"_s, u"l_dat2"_s, u"Command1"_s, u"Label2"_s, u"Label3"_s, u"Label1"_s, u"Label45"_s,
          u"hcp_ord"_s, u"Label29"_s, u"Label83"_s, u"tot_rund"_s, u"Bunk_p"_s})
        EXPECT_TRUE(isShown(window, name)) << name.toStdString();
    EXPECT_EQ(summary(window), QStringList(26, QString()));
    EXPECT_EQ(overParRow(window), QStringList(18, QString()));
}

// The header's hole numbers, spaced by blanks, each stand over their own result cells.
TEST_F(ScoreAnalysis, TheHoleNumbersOfTheHeaderStandOverTheirCells)
{
    writeCourseFiles();
    QWidget *window = open();
    clickListRow(window, u"ve_ban"_s, 0);
    const QLabel *header = nullptr;
    ASSERT_NO_FATAL_FAILURE(header = control<QLabel>(window, u"Label45"_s));
    const QFontMetricsF metrics(header->font());
    const QString text = header->text();
    for (int hole = 1; hole <= 18; ++hole) {
        const QString number = QString::number(hole);
        const qsizetype at = text.indexOf(QRegularExpression(u" %1( |$)"_s.arg(number))) + 1;
        const double centre =
            header->x() + metrics.horizontalAdvance(text.left(at)) + metrics.horizontalAdvance(number) / 2;
        const QLabel *cell = nullptr;
        ASSERT_NO_FATAL_FAILURE(cell = control<QLabel>(window, u"Label"_s + QString::number(45 + hole)));
        EXPECT_GE(centre, cell->x()) << "hole " << hole;
        EXPECT_LE(centre, cell->x() + cell->width()) << "hole " << hole;
    }
}

TEST_F(ScoreAnalysis, IngenMellanAndFullOverTwoDateRanges)
{
    writeCourseFiles();
    QWidget *window = open();

    // INGEN, MELLAN and FULL: from the first date to the second round of 2004-06-01.
    analyse(window, 0, 0, 2);
    EXPECT_TRUE(recorder().messages.empty());
    EXPECT_EQ(classTotals(window),
              (QStringList{u" 1"_s, u" 2"_s, u" 1"_s, u" 29"_s, u" 18"_s, u" 1"_s, u" 1"_s}));
    EXPECT_EQ(
        summary(window),
        (QStringList{u"3"_s,  u"54"_s,    u"2"_s,  u"1"_s,  u"1"_s,   u"36"_s, u"18"_s, u"18"_s,  u"14"_s,
                     u"18"_s, u"77.77"_s, u"36"_s, u"36"_s, u"100"_s, u"54"_s, u"27"_s, u"1.5"_s, u"18"_s,
                     u"9"_s,  u"0.5"_s,   u"0"_s,  u"0"_s,  u"0"_s,   u"18"_s, u"9"_s,  u"0.5"_s}));
    EXPECT_EQ(labelText(window, u"hcp_ord"_s), u" 6. 5. 8. 9. 10 11 12 13 14 15 16 17 18 4. 3. 1. 2. 7."_s);
    EXPECT_EQ(classRows(window),
              (QStringList{countRow(repeated({0, 1}, 0, 18)), countRow(repeated({1, 0, 1}, 0, 18)),
                           countRow(repeated({0, 0, 0, 1}, 0, 18)),
                           countRow(repeated({1, 1, 1, 1, 1, 1, 1}, 2, 18)), countRow(repeated({}, 1, 18)),
                           countRow(repeated({0, 0, 0, 0, 1}, 0, 18)),
                           countRow(repeated({0, 0, 0, 0, 0, 1}, 0, 18))}));
    EXPECT_EQ(overParRow(window), QStringList({u"-1"_s, u"-1"_s, u"-1"_s, u"0"_s, u"3"_s, u"5"_s, u"-2"_s}) +
                                      QStringList(11, u"1"_s));
    EXPECT_EQ(perRoundRow(window),
              QStringList({u"-0"_s, u"-0"_s, u"-0"_s, u"0"_s, u"1"_s, u"1.67"_s, u"-0"_s}) +
                  QStringList(11, u"0.33"_s));

    // MELLAN, FULL and FULL: from the first round of 2004-06-01 to the last date.
    analyse(window, 0, 1, 3);
    EXPECT_EQ(classTotals(window),
              (QStringList{u" 1"_s, u" 2"_s, u" 1"_s, u" 29"_s, u"0"_s, u" 19"_s, u" 1"_s}));
    EXPECT_EQ(
        summary(window),
        (QStringList{u"3"_s,  u"54"_s,    u"3"_s,  u"2"_s,  u"1"_s,     u"54"_s, u"36"_s, u"18"_s,   u"14"_s,
                     u"36"_s, u"38.88"_s, u"36"_s, u"54"_s, u"66.66"_s, u"90"_s, u"30"_s, u"1.66"_s, u"18"_s,
                     u"6"_s,  u"0.33"_s,  u"0"_s,  u"0"_s,  u"0"_s,     u"18"_s, u"6"_s,  u"0.33"_s}));
    EXPECT_EQ(overParRow(window), QStringList({u"0"_s, u"0"_s, u"0"_s, u"1"_s, u"4"_s, u"6"_s, u"-1"_s}) +
                                      QStringList(11, u"2"_s));
    EXPECT_EQ(perRoundRow(window),
              QStringList({u"0"_s, u"0"_s, u"0"_s, u"0.33"_s, u"1.33"_s, u"2"_s, u"-0"_s}) +
                  QStringList(11, u"0.67"_s));
    EXPECT_TRUE(recorder().messages.empty());
}

TEST_F(ScoreAnalysis, FromAndToOnOneDateTakeTheRoundsUpToTheChosenEntry)
{
    writeCourseFiles();
    QWidget *window = open();
    analyse(window, 0, 1, 1);
    EXPECT_EQ(classTotals(window), (QStringList{u"0"_s, u"0"_s, u"0"_s, u" 18"_s, u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(labels(window, {u"tot_rund"_s, u"mell_an"_s, u"full_an"_s, u"putt_re"_s, u"fair_p"_s}),
              (QStringList{u"1"_s, u"1"_s, u"0"_s, u"36"_s, u"0"_s}));

    // The second entry of the day takes both rounds of the day.
    analyse(window, 0, 1, 2);
    EXPECT_EQ(labels(window, {u"tot_rund"_s, u"mell_an"_s, u"full_an"_s}),
              (QStringList{u"2"_s, u"1"_s, u"1"_s}));
}

const RecordedMessage kReversedDates{u"Datum from är 'yngre' än tom datum!"_s, u"Felmeddelande"_s, 48};
const RecordedMessage kNoRound{u"Ingen runda registrerad på vald bana"_s, u"INFORMATION"_s, 0};

TEST_F(ScoreAnalysis, ReversedDatesSayItAndKeepTheEarlierRows)
{
    writeCourseFiles();
    QWidget *window = open();
    analyse(window, 0, 0, 2);
    const QStringList rows = classRows(window);
    const QStringList overPar = overParRow(window);
    const QStringList perRound = perRoundRow(window);

    clickListRow(window, u"l_dat1"_s, 3);
    clickListRow(window, u"l_dat2"_s, 0);
    click(window, u"Command1"_s);
    EXPECT_EQ(recorder().messages, std::vector<RecordedMessage>{kReversedDates});
    EXPECT_EQ(summary(window), QStringList(26, u"0"_s));
    EXPECT_EQ(classTotals(window), QStringList(7, QString()));
    EXPECT_EQ(labelText(window, u"hcp_ord"_s), QString());
    EXPECT_EQ(classRows(window), rows);
    EXPECT_EQ(overParRow(window), overPar);
    EXPECT_EQ(perRoundRow(window), perRound);
}

TEST_F(ScoreAnalysis, AFromDateWithoutAToDateCountsAsReversed)
{
    writeCourseFiles();
    QWidget *window = open();
    analyse(window, 0, 1, -1);
    EXPECT_EQ(recorder().messages, std::vector<RecordedMessage>{kReversedDates});
    EXPECT_EQ(summary(window), QStringList(26, u"0"_s));
    EXPECT_EQ(classRows(window), QStringList(7, QString()));
}

TEST_F(ScoreAnalysis, NoDateChosenTakesNoRoundAndSaysNothing)
{
    writeCourseFiles();
    QWidget *window = open();
    analyse(window, 0, -1, -1);
    EXPECT_TRUE(recorder().messages.empty());
    EXPECT_EQ(summary(window), QStringList(26, u"0"_s));
    EXPECT_EQ(classTotals(window), QStringList(7, QString()));
    EXPECT_EQ(labelText(window, u"hcp_ord"_s), u" 1. 2. 3. 4. 5. 6. 7. 8. 9. 10 11 12 13 14 15 16 17 18"_s);
    EXPECT_EQ(classRows(window), QStringList(7, countRow(QList<int>(18, 0))));
    EXPECT_EQ(overParRow(window), QStringList(18, u"0"_s));
    EXPECT_EQ(perRoundRow(window), QStringList(18, u"0"_s));
}

TEST_F(ScoreAnalysis, ACourseWithoutRoundsSaysSoAndShowsOnlyTheReset)
{
    writeCourseFiles();
    QWidget *window = open();
    clickListRow(window, u"ve_ban"_s, 2);
    EXPECT_EQ(listItems(window, u"l_dat1"_s), QStringList());
    click(window, u"Command1"_s);
    EXPECT_EQ(recorder().messages, std::vector<RecordedMessage>{kNoRound});
    EXPECT_EQ(summary(window), QStringList(26, u"0"_s));
    EXPECT_EQ(classTotals(window), QStringList(7, QString()));
    EXPECT_EQ(labelText(window, u"hcp_ord"_s), QString());
    EXPECT_EQ(classRows(window), QStringList(7, QString()));
    EXPECT_EQ(overParRow(window), QStringList(18, QString()));
}

TEST_F(ScoreAnalysis, ANineHoleCourseWritesNineHoles)
{
    writeCourseFiles();
    QWidget *window = open();
    analyse(window, 1, 0, 0);
    EXPECT_TRUE(recorder().messages.empty());
    EXPECT_EQ(classTotals(window), (QStringList{u"0"_s, u"0"_s, u"0"_s, u" 8"_s, u" 1"_s, u"0"_s, u"0"_s}));
    const QString zeros = countRow(QList<int>(9, 0));
    EXPECT_EQ(classRows(window), (QStringList{zeros, zeros, zeros, countRow({0, 1, 1, 1, 1, 1, 1, 1, 1}),
                                              countRow({1, 0, 0, 0, 0, 0, 0, 0, 0}), zeros, zeros}));
    EXPECT_EQ(labelText(window, u"hcp_ord"_s), u" 1. 2. 3. 4. 5. 6. 7. 8. 9."_s);
    EXPECT_EQ(overParRow(window), QStringList{u"1"_s} + QStringList(8, u"0"_s) + QStringList(9, QString()));
    EXPECT_EQ(perRoundRow(window), QStringList{u"1"_s} + QStringList(8, u"0"_s) + QStringList(9, QString()));
    EXPECT_EQ(labels(window, {u"ant_hat"_s, u"Fair_c"_s, u"ant_ha1"_s, u"fair_p"_s, u"pitch_c"_s,
                              u"pitch_p"_s, u"putt_re"_s, u"putt_p"_s}),
              (QStringList{u"9"_s, u"7"_s, u"9"_s, u"77.77"_s, u"9"_s, u"1"_s, u"18"_s, u"2"_s}));
}

TEST_F(ScoreAnalysis, ACourseClickEmptiesTheResultsAndTillbakaCloses)
{
    writeCourseFiles();
    QWidget *window = open();
    analyse(window, 0, 0, 3);
    clickListRow(window, u"ve_ban"_s, 0);
    EXPECT_EQ(summary(window), QStringList(26, QString()));
    EXPECT_EQ(classTotals(window), QStringList(7, QString()));
    EXPECT_EQ(classRows(window), QStringList(7, QString()));
    EXPECT_EQ(perRoundRow(window), QStringList(18, QString()));
    EXPECT_EQ(labelText(window, u"hcp_ord"_s), QString());

    click(window, u"Command2"_s);
    settle();
    EXPECT_EQ(openWindowCount(u"VE_ANALY"_s), 0);
    window = open();
    EXPECT_FALSE(isShown(window, u"l_dat1"_s));
    EXPECT_EQ(listItems(window, u"ve_ban"_s), (QStringList{u"Ek"_s, u"Bok"_s, u"Tall"_s}));
}

// The course table grows past its 111 rows: the list shows every course of the file.
TEST_F(ScoreAnalysis, ListsEveryCourseOfALargerFile)
{
    writeCourseFiles();
    QStringList lines{u"119"_s};
    QStringList names;
    for (int c = 0; c < 120; ++c) {
        names << u"Bana %1"_s.arg(c);
        lines << parCourseLines(names.last(), kNinePars);
    }
    writeLines(u"VEMTORBF"_s, lines);
    QWidget *window = open();
    EXPECT_EQ(listItems(window, u"ve_ban"_s), names);
    EXPECT_TRUE(recorder().messages.empty());
}

// A stroke file cut inside its last round: the rounds read whole are analysed.
TEST_F(ScoreAnalysis, ADamagedFileIsToldOnceAndTheRoundsReadWholeAreAnalysed)
{
    writeCourseFiles();
    writeFile(u"VERUNDAH"_s, withoutLastLines(readFile(u"VERUNDAH"_s), 3));
    QWidget *window = open();
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{
                  {u"Filen VERUNDAH är skadad och kunde inte läsas helt."_s, u"FELMEDDELANDE"_s, 48}}));
    recorder().clear();
    analyse(window, 0, 1, 2);
    EXPECT_TRUE(recorder().messages.empty());
    EXPECT_EQ(labels(window, {u"tot_rund"_s, u"Ant_c"_s}), (QStringList{u"2"_s, u"2"_s}));
}

} // namespace
