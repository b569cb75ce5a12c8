#include "maintenance/holeclass.h"
#include "maintenance/report.h"
#include "maintenance/reportfile.h"
#include "maintenance/yearrange.h"

#include "kit/datafiles.h"
#include "reportfixture.h"
#include "store/numbers.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;
using maintenance::HoleClass;

namespace {

const QString kToday = u"08-24-2004"_s;

QByteArray reportBytes(const QString &course, int row, const QString &from, const QString &to)
{
    const store::Tables tables = fixture::reportTables();
    const maintenance::Report made = maintenance::makeReport(
        tables, {course, row, store::numericValue(from), store::numericValue(to)}, maintenance::PerHole{});
    return maintenance::reportFileBytes(made, course, from, to, kToday);
}

TEST(ReportFile, OneYearEndsAfterHoleNineWhenTheLastRoundHadNine)
{
    EXPECT_EQ(reportBytes(u"Björkås"_s, fixture::kBjorkasRow, u" 2004"_s, u" 2004"_s),
              fileBytes(fixture::bjorkas2004(kToday, u" 2004"_s, u" 2004"_s)));
}

TEST(ReportFile, SeveralYearsShowEighteenHolesAveragedOverEveryRound)
{
    EXPECT_EQ(reportBytes(u"Björkås"_s, fixture::kBjorkasRow, u"2003"_s, u" 2005"_s),
              fileBytes(fixture::bjorkas2003To2005(kToday, u"2003"_s, u" 2005"_s)));
}

TEST(ReportFile, OneRoundOfANineHoleCourseHasThirtyThreeLines)
{
    const QByteArray bytes = reportBytes(u"Sjö/Berg"_s, fixture::kSjoBergRow, u"2004"_s, u"2004"_s);
    EXPECT_EQ(bytes, fileBytes(fixture::sjoBerg2004(kToday, u"2004"_s, u"2004"_s)));
    EXPECT_EQ(bytes.count("\r\n"), 33);
}

TEST(ReportFile, IsWindows1252WithCrLfAndTheColumnsOfTheLayout)
{
    const QList<QByteArray> lines =
        reportBytes(u"Sjö/Berg"_s, fixture::kSjoBergRow, u"2004"_s, u"2004"_s).split('\n');
    EXPECT_EQ(lines[2], QByteArray("Du har valt \xE5r 2004 tom 2004\r"));
    EXPECT_EQ(lines[4], QByteArray("Sj\xF6/Berg Antal rundor \xE4r  1\r"));
    EXPECT_EQ(lines[14],
              QByteArray(69, ' ') + "HIO  Albatross  Eagle  Birdie  Par  Bogey  Dubbel  Trippel  Annat\r");
    EXPECT_EQ(lines[15], QByteArray("H\xE5l 1: Par  3    3  Okey\r"));
    // A count starts with its blank in the count's column: 71 blanks before the first digit.
    EXPECT_EQ(lines[16], QByteArray(70, ' ') + " 0 " + QByteArray(7, ' ') + " 0 " + QByteArray(10, ' ') +
                             " 0 " + QByteArray(6, ' ') + " 0 " + QByteArray(5, ' ') + " 1 " +
                             QByteArray(4, ' ') + " 0 " + QByteArray(7, ' ') + " 0 " + QByteArray(7, ' ') +
                             " 0 " + QByteArray(7, ' ') + " 0 \r");
}

TEST(ReportFile, NameTurnsSlashesAndControlCharactersToUnderscoresOnly)
{
    EXPECT_EQ(maintenance::reportFileName(u"Björkås"_s, u" 2003"_s, u"2005"_s),
              u"Björkås  from  2003 tom 2005"_s);
    EXPECT_EQ(maintenance::reportFileName(u"Sjö/Berg\\Å\tx\u0081"_s, u"2004"_s, u"2004"_s),
              u"Sjö_Berg_Å_x_  from 2004 tom 2004"_s);
    EXPECT_EQ(maintenance::reportWrittenMessage(u"Sjö_Berg  from 2004 tom 2004"_s),
              u"Har skapat information om banan till datafilen Sjö_Berg  from 2004 tom 2004"_s);
}

TEST(Report, TakesExactNamesAndBothEndYearsOnly)
{
    const store::Tables tables = fixture::reportTables();
    struct Case
    {
        QString course;
        double from, to;
        int rounds;
    };
    const Case cases[] = {
        {u"Björkås"_s, 2004, 2004, 2}, {u"Björkås"_s, 2003, 2005, 4}, {u"Björkås"_s, 2005, 2005, 1},
        {u"Björkås"_s, 2006, 2010, 0}, {u"björkås"_s, 2004, 2004, 1}, {u"Björkås "_s, 2000, 2010, 0},
        {u"Tallbacken"_s, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.course.toStdString() + " " + std::to_string(c.from) + "-" + std::to_string(c.to));
        EXPECT_EQ(maintenance::makeReport(tables, {c.course, 0, c.from, c.to}, {}).roundCount(), c.rounds);
    }
}

TEST(Report, RoundLineOfTheWorkedExample)
{
    store::RoundRow round{u"2004-08-24"_s, u"Ekbacken"_s, u"12.3"_s, u"12.4"_s, u"36"_s,
                          u"T"_s,          u" "_s,        u"18"_s,   u"14.0"_s};
    EXPECT_EQ(maintenance::roundLine(round, 85),
              u"2004-08-24    85   Tävling HCP 12.3 HCP Slope 14.0 Antal poäng 36 HCP efter 12.4  "_s);
    round[store::kSpeltyp] = u"q"_s;
    EXPECT_EQ(maintenance::roundLine(round, 85),
              u"2004-08-24    85   q HCP 12.3 HCP Slope 14.0 Antal poäng 36 HCP efter 12.4  "_s);
}

TEST(Report, ParsOfHolesNoRoundReachedComeFromTheEarlierReport)
{
    store::Tables tables = fixture::reportTables();
    // A hole count neither 9 nor 18 tallies holes 1 to 9 but reports all 18.
    tables.rundtabell[5][store::kAntalHal] = u"12"_s;
    maintenance::PerHole earlier{};
    earlier.fill(7);
    const maintenance::Report made = maintenance::makeReport(tables, {u"Björkås"_s, 0, 2005, 2005}, earlier);
    EXPECT_EQ(made.reportedHoles(), 18);
    EXPECT_EQ(made.tally.pars[8], 5);
    EXPECT_EQ(made.tally.pars[9], 7);
    EXPECT_EQ(made.holeAverages[9], 0);
    EXPECT_EQ(made.roundLines[0].left(19), u"2005-04-02    80   "_s); // strokes of holes 1 to 12
}

TEST(HoleClass, OneStrokeIsAHoleInOneAndTheRestCompareWithPar)
{
    struct Case
    {
        double strokes, par;
        std::optional<HoleClass> expected;
    };
    const Case cases[] = {
        {1, 3, HoleClass::HIO},       {1, 4, HoleClass::HIO},     {1, 2, HoleClass::HIO},
        {1, 1, HoleClass::HIO},       {1, 0, HoleClass::HIO},     {2, 4, HoleClass::Eagle},
        {4, 4, HoleClass::Par},       {7, 4, HoleClass::Trippel}, {8, 4, HoleClass::Annat},
        {2, 5, HoleClass::Albatross}, {2, 6, std::nullopt},       {0, 3, HoleClass::Albatross},
        {0, 2, HoleClass::Eagle},     {0, 1, HoleClass::Birdie},  {0, 4, std::nullopt},
        {0, 0, HoleClass::Par},       {2, 0, HoleClass::Dubbel},  {3, 0, HoleClass::Trippel},
        {4, 0, HoleClass::Annat},     {5, 4, HoleClass::Bogey},   {6, 4, HoleClass::Dubbel},
        {3, 4, HoleClass::Birdie},    {4.5, 4, std::nullopt},     {7.5, 4, HoleClass::Annat},
    };
    for (const Case &c : cases)
        EXPECT_EQ(maintenance::holeClass(c.strokes, c.par), c.expected) << c.strokes << " on par " << c.par;
}

TEST(HoleVerdict, FirstBoundThatHoldsOnTheRoundedAverage)
{
    struct Case
    {
        double average;
        const char16_t *verdict;
    };
    const Case cases[] = {
        {7.0, u"Detta hål bör du verkligen kolla upp"},
        {8.2, u"Detta hål bör du verkligen kolla upp"},
        {6.1, u"Trippel varning"},
        {6.0, u"Dubbel varning"},
        {5.1, u"Dubbel varning"},
        {5.0, u"Okey"},
        {4.0, u"Okey"},
        {3.9, u"Bra!"},
        {store::roundOneDecimal(5.04), u"Okey"},
        {store::roundOneDecimal(5.08), u"Dubbel varning"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(maintenance::holeVerdict(c.average, 4), QString::fromUtf16(c.verdict)) << c.average;
}

TEST(YearRange, ResetOrKeepByCountersBarsAndRow)
{
    struct Case
    {
        maintenance::ReportCounters counters;
        int fromBar, toBar, row;
        bool reset;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, 0, 0, 4, true}, // first click after loading
        {{0, 2003, 2005, 0}, 2003, 2005, 1, true},
        {{0, 2003, 2005, 0}, 2004, 2005, 0, false},
        {{0, 2003, 2005, 0}, 2003, 2004, 2, false},
        {{1, 2003, 2005, 0}, 2004, 2004, 0, false}, // the same course keeps the user's years
        {{1, 2003, 2005, 0}, 2003, 2005, 1, true},  // another course resets
        {{5, 2003, 2005, 2}, 2005, 2003, 2, false}, // also a reversed range, refused later
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(maintenance::yearResetDue(c.counters, c.fromBar, c.toBar, c.row), c.reset);
    }
}

TEST(YearRange, ResetFindsTheCoursesFirstAndLastYear)
{
    const store::Tables tables = fixture::reportTables();
    struct Case
    {
        QString course;
        int first, last;
        int forsta, sista; // what the counters hold afterwards, from 1990 and 1995
    };
    const Case cases[] = {
        {u"Björkås"_s, 2003, 2005, 2003, 2005},
        {u"Sjö/Berg"_s, 2004, 2004, 2004, 2004},
        {u"Tallbacken"_s, 0, 0, 1990, 1995}, // no round: 0 to 0, the remembered years stay
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.course.toStdString());
        maintenance::ReportCounters counters{3, 1990, 1995, 1};
        const maintenance::YearSpan span = maintenance::yearReset(counters, tables, c.course);
        EXPECT_EQ(span.first, c.first);
        EXPECT_EQ(span.last, c.last);
        EXPECT_EQ(counters.rapport_raknare, 0);
        EXPECT_EQ(counters.forsta_ar, c.forsta);
        EXPECT_EQ(counters.sista_ar, c.sista);
        EXPECT_EQ(counters.rapport_banrad, 1);
    }
}

} // namespace
