#include "analysis/analysis.h"
#include "tablefixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace analysis;

namespace {

TEST(ScoreClass, ByStrokesOverParAndForTwoUnderByPar)
{
    struct Case
    {
        double strokes, par;
        std::optional<ScoreClass> expected;
    };
    const Case cases[] = {
        {1, 3, ScoreClass::HoleInOne},
        {2, 4, ScoreClass::Eagle},
        {3, 5, ScoreClass::Eagle},
        {0, 2, std::nullopt},
        {4, 6, std::nullopt},
        {1, 4, std::nullopt},
        {2, 3, ScoreClass::Birdie},
        {3, 3, ScoreClass::Par},
        {4, 3, ScoreClass::Bogey},
        {5, 3, ScoreClass::DoubleBogey},
        {6, 3, ScoreClass::TripleOrMore},
        {15, 3, ScoreClass::TripleOrMore},
    };
    for (const Case &c : cases)
        EXPECT_EQ(scoreClass(c.strokes, c.par), c.expected) << c.strokes << " on par " << c.par;
}

QList<int> plus(const QList<int> &values, int d)
{
    QList<int> sum;
    for (int v : values)
        sum.append(v + d);
    return sum;
}

const QList<int> kNine{4, 3, 5, 4, 4, 3, 4, 5, 4};
const QList<int> kEighteen = kNine + kNine;

// One round at each level on an 18-hole course: bogeys at INGEN, pars at MELLAN (a green
// and two putts per hole), and every class at FULL.
TableFixture threeLevels()
{
    TableFixture f;
    f.addCourse(u"Ek"_s, kEighteen);
    f.addRound(u"2004-05-01"_s, u"Ek"_s, plus(kEighteen, 1), u"I"_s);
    f.addRound(u"2004-06-01"_s, u"Ek"_s, kEighteen, u"M"_s + u"-J--02"_s.repeated(18));
    QList<int> full = kEighteen;
    full[0] = 2; // eagle on par 4
    full[1] = 1; // hole in one
    full[2] = 3; // eagle on par 5
    full[3] = 3; // birdie
    full[4] = 6; // double bogey
    full[5] = 7; // four over: triple and more
    full[6] = 1; // three under: no class
    f.addRound(u"2004-07-01"_s, u"Ek"_s, full, u"F"_s + u"JJ1011"_s.repeated(18));
    return f;
}

TEST(Analyse, AllThreeLevelsOfAnEighteenHoleCourse)
{
    const Analysis a = analyse(threeLevels().tables(), {u"Ek"_s, u"2004-05-01"_s, u"2004-07-01"_s, 2});
    ASSERT_EQ(a.outcome, Analysis::Outcome::Analysed);
    EXPECT_EQ(a.classTotals, (ClassTexts{u" 1"_s, u" 2"_s, u" 1"_s, u" 29"_s, u" 18"_s, u" 1"_s, u" 1"_s}));
    ASSERT_TRUE(a.classRows);
    EXPECT_EQ((*a.classRows)[int(ScoreClass::Eagle)], u" 1  0  1"_s + u"  0"_s.repeated(15));
    EXPECT_EQ((*a.classRows)[int(ScoreClass::Par)], u" 1  1  1  1  1  1  1"_s + u"  2"_s.repeated(11));
    EXPECT_EQ((*a.classRows)[int(ScoreClass::Bogey)], u" 1"_s + u"  1"_s.repeated(17));
    EXPECT_EQ(a.hardestHoles, u" 6. 5. 8. 9. 10 11 12 13 14 15 16 17 18 4. 3. 1. 2. 7."_s);
    EXPECT_EQ(a.rows.holes, 18);
    EXPECT_EQ(QStringList(a.rows.overPar.begin(), a.rows.overPar.begin() + 8),
              (QStringList{u"-1"_s, u"-1"_s, u"-1"_s, u"0"_s, u"3"_s, u"5"_s, u"-2"_s, u"1"_s}));
    EXPECT_EQ(QStringList(a.rows.perRound.begin(), a.rows.perRound.begin() + 8),
              (QStringList{u"-0"_s, u"-0"_s, u"-0"_s, u"0"_s, u"1"_s, u"1.67"_s, u"-0"_s, u"0.33"_s}));

    const SummaryTexts &s = a.summary;
    EXPECT_EQ(s[kTotRund], u"3"_s);
    EXPECT_EQ(s[kAntHat], u"54"_s);
    EXPECT_EQ(s[kAntC], u"2"_s);
    EXPECT_EQ(s[kFairC], u"14"_s); // the 14 holes above par 3
    EXPECT_EQ(s[kFairP], u"77.77"_s);
    EXPECT_EQ(s[kGreenP], u"100"_s);
    EXPECT_EQ(s[kPuttC], u"54"_s);
    EXPECT_EQ(s[kPuttRe], u"27"_s);
    EXPECT_EQ(s[kPuttP], u"1.5"_s);
    EXPECT_EQ(s[kChipRu], u"9"_s);
    EXPECT_EQ(s[kBunkP], u"0.5"_s);
}

TEST(Analyse, ADateRangeTakesOnlyItsRounds)
{
    const Analysis a = analyse(threeLevels().tables(), {u"Ek"_s, u"2004-06-01"_s, u"2004-06-01"_s, 1});
    EXPECT_EQ(a.classTotals, (ClassTexts{u"0"_s, u"0"_s, u"0"_s, u" 18"_s, u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(a.summary[kTotRund], u"1"_s);
    EXPECT_EQ(a.summary[kMellAn], u"1"_s);
    EXPECT_EQ(a.summary[kFullAn], u"0"_s);
}

TEST(Analyse, NoRoundTakenOnANineHoleCourseGivesZerosAndHoleOrder)
{
    TableFixture f;
    f.addCourse(u"Bok"_s, kNine);
    f.addRound(u"2004-05-01"_s, u"Bok"_s, kNine);
    const Analysis a = analyse(f.tables(), {u"Bok"_s, {}, {}, -1});
    ASSERT_EQ(a.outcome, Analysis::Outcome::Analysed);
    EXPECT_EQ(a.classTotals, ClassTexts{});
    EXPECT_EQ(a.summary, zeroSummary());
    EXPECT_EQ(a.hardestHoles, u" 1. 2. 3. 4. 5. 6. 7. 8. 9."_s);
    ASSERT_TRUE(a.classRows);
    for (const QString &row : *a.classRows)
        EXPECT_EQ(row, u" 0"_s + u"  0"_s.repeated(8));
    EXPECT_EQ(a.rows.holes, 9);
    EXPECT_EQ(a.rows.overPar[8], u"0"_s);
    EXPECT_EQ(a.rows.perRound[8], u"0"_s);
}

TEST(Analyse, ReversedDatesAndACourseWithoutRoundsWriteOnlyTheReset)
{
    TableFixture f = threeLevels();
    f.addCourse(u"Tall"_s, kNine);
    const Analysis reversed = analyse(f.tables(), {u"Ek"_s, u"2004-06-01"_s, {}, -1});
    const Analysis noRound = analyse(f.tables(), {u"Tall"_s, {}, u"2004-06-01"_s, 0});
    EXPECT_EQ(reversed.outcome, Analysis::Outcome::ReversedDates);
    EXPECT_EQ(noRound.outcome, Analysis::Outcome::NoRound);
    for (const Analysis &a : {reversed, noRound}) {
        EXPECT_EQ(a.classTotals, ClassTexts{});
        EXPECT_EQ(a.summary, zeroSummary());
        EXPECT_EQ(a.hardestHoles, QString());
        EXPECT_FALSE(a.classRows);
        EXPECT_EQ(a.rows.holes, 0);
    }
}

TEST(Analyse, DuplicateCourseNamesTakeHolesAndParsFromTheLastRow)
{
    TableFixture f;
    f.addCourse(u"Ek"_s, QList<int>(9, 4));
    f.addCourse(u"Ek"_s, QList<int>(18, 3));
    f.addRound(u"2004-05-01"_s, u"Ek"_s, QList<int>(18, 3));
    const Analysis a = analyse(f.tables(), {u"Ek"_s, {}, u"2004-05-01"_s, 0});
    EXPECT_EQ(a.classTotals[int(ScoreClass::Par)], u" 18"_s);
    EXPECT_EQ(a.rows.holes, 18);
}

} // namespace
