#include "analysis/roundselection.h"
#include "tablefixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Rounds of "Ek" at ordinals 0..4, with two rounds on 2004-05-01 and two on 2004-07-01,
// and rounds of another course between them.
TableFixture ekRounds()
{
    TableFixture f;
    f.addRound(u"2004-05-01"_s, u"Ek"_s, {4});  // row 0, ordinal 0
    f.addRound(u"2004-05-02"_s, u"Bok"_s, {4}); // row 1
    f.addRound(u"2004-05-01"_s, u"Ek"_s, {4});  // row 2, ordinal 1
    f.addRound(u"2004-06-01"_s, u"Ek"_s, {4});  // row 3, ordinal 2
    f.addRound(u"2004-06-15"_s, u"Bok"_s, {4}); // row 4
    f.addRound(u"2004-07-01"_s, u"Ek"_s, {4});  // row 5, ordinal 3
    f.addRound(u"2004-07-01"_s, u"Ek"_s, {4});  // row 6, ordinal 4
    return f;
}

TEST(RoundSelection, TakesTheCoursesRoundsFromTheFromDateUpToTheChosenToEntry)
{
    struct Case
    {
        const char *what;
        QString from, to;
        int toPosition;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {"a range", u"2004-05-01"_s, u"2004-06-01"_s, 2, {0, 2, 3}},
        {"to the first of two rounds of a day", u"2004-06-01"_s, u"2004-07-01"_s, 3, {3, 5}},
        {"to the second of two rounds of a day", u"2004-06-01"_s, u"2004-07-01"_s, 4, {3, 5, 6}},
        {"one date, its first entry", u"2004-05-01"_s, u"2004-05-01"_s, 0, {0}},
        {"one date, its second entry", u"2004-05-01"_s, u"2004-05-01"_s, 1, {0, 2}},
        {"no from-date", QString(), u"2004-06-01"_s, 2, {0, 2, 3}},
        {"no date chosen", QString(), QString(), -1, {}},
        {"a from-date after every round", u"2004-08-01"_s, u"2004-08-01"_s, 4, {}},
    };
    const TableFixture f = ekRounds();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const analysis::RoundSelection s =
            analysis::selectRounds(f.tables(), {u"Ek"_s, c.from, c.to, c.toPosition});
        EXPECT_TRUE(s.hasRound);
        EXPECT_FALSE(s.reversedDates);
        EXPECT_EQ(s.rows, c.rows);
    }
}

TEST(RoundSelection, ReversedDatesTakeNothingOnlyWhenTheCourseHasARound)
{
    const TableFixture f = ekRounds();
    const analysis::RoundSelection fromOnly =
        analysis::selectRounds(f.tables(), {u"Ek"_s, u"2004-06-01"_s, {}, -1});
    EXPECT_TRUE(fromOnly.reversedDates);
    EXPECT_TRUE(fromOnly.rows.empty());

    const analysis::RoundSelection reversed =
        analysis::selectRounds(f.tables(), {u"Ek"_s, u"2004-07-01"_s, u"2004-05-01"_s, 0});
    EXPECT_TRUE(reversed.reversedDates);
    EXPECT_TRUE(reversed.rows.empty());

    const analysis::RoundSelection noRound =
        analysis::selectRounds(f.tables(), {u"Tall"_s, u"2004-07-01"_s, u"2004-05-01"_s, 0});
    EXPECT_FALSE(noRound.hasRound);
    EXPECT_FALSE(noRound.reversedDates);
}

TEST(CourseDates, AreTheCoursesRoundDatesInRowOrder)
{
    const TableFixture f = ekRounds();
    EXPECT_EQ(
        analysis::courseDates(f.tables(), u"Ek"_s),
        (QStringList{u"2004-05-01"_s, u"2004-05-01"_s, u"2004-06-01"_s, u"2004-07-01"_s, u"2004-07-01"_s}));
    EXPECT_EQ(analysis::courseDates(f.tables(), u"Tall"_s), QStringList());
}

TEST(RoundSelection, ComparesCourseNamesExactly)
{
    const TableFixture f = ekRounds();
    for (const QString &name : {u"ek"_s, u"Ek "_s, u" Ek"_s})
        EXPECT_FALSE(analysis::selectRounds(f.tables(), {name, {}, u"2004-07-01"_s, 4}).hasRound)
            << name.toStdString();
}

} // namespace
